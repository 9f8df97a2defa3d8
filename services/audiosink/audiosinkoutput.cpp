#include "services/audiosink/audiosinkoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QtEndian>

#include <optional>

namespace {

/// Where the samples lie in a WAVE image and how fast they go.
struct Samples {
    int rate;
    qsizetype offset;
    qsizetype count;
};

/// The game's clips are canonical: the 44-byte header of 8-bit mono PCM,
/// then the samples. Anything else is refused rather than played as noise.
std::optional<Samples> samplesOf(const QByteArray &wave)
{
    constexpr qsizetype HeaderSize = 44;
    if (wave.size() < HeaderSize)
        return std::nullopt;
    const auto *bytes = reinterpret_cast<const uchar *>(wave.constData());
    const auto u16 = [bytes](int at) { return qFromLittleEndian<quint16>(bytes + at); };
    const auto u32 = [bytes](int at) { return qFromLittleEndian<quint32>(bytes + at); };
    const bool canonical = wave.startsWith("RIFF") && wave.mid(8, 8) == "WAVEfmt " && u32(16) == 16
                           && u16(20) == 1 /* PCM */ && u16(22) == 1 /* mono */ && u16(34) == 8
                           && wave.mid(36, 4) == "data";
    const quint32 count = u32(40);
    const quint32 rate = u32(24);
    if (!canonical || count > quint32(wave.size() - HeaderSize) || rate == 0 || rate > 192000)
        return std::nullopt;
    return Samples{int(rate), HeaderSize, qsizetype(count)};
}

} // namespace

AudioSinkOutput::AudioSinkOutput() = default;

AudioSinkOutput::~AudioSinkOutput()
{
    stop();
}

void AudioSinkOutput::stop()
{
    if (m_sink)
        m_sink->stop();
    m_sink.reset();
    m_samples.close();
}

bool AudioSinkOutput::play(const QByteArray &wave)
{
    // The new clip cuts off the one sounding, heard or not.
    stop();
    const std::optional<Samples> samples = samplesOf(wave);
    if (!samples)
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;

    QAudioFormat format;
    format.setSampleRate(samples->rate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::UInt8);

    // The buffer reads the samples where they lie in the image; m_wave keeps
    // the image alive for as long as the sink may read it.
    m_wave = wave;
    m_samples.setData(QByteArray::fromRawData(m_wave.constData() + samples->offset, samples->count));
    m_samples.open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, format);
    // A clip played to its end gives the output back to the sound server.
    connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState && m_sink && m_sink->error() == QAudio::NoError)
            m_sink->stop();
    });
    m_sink->start(&m_samples);
    if (m_sink->error() != QAudio::NoError) {
        stop();
        return false;
    }
    return true;
}
