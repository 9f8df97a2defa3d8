#pragma once
// The game's audio output: QAudioSink reading the clip's samples straight
// from its in-memory WAVE image through a QBuffer. Built as a plugin so that
// Qt Multimedia and the sound server's libraries are loaded only when the
// first clip is to sound.

#include "services/clipoutput.h"

#include <QBuffer>
#include <QObject>

#include <memory>

class QAudioSink;

class AudioSinkOutput : public QObject, public ClipOutput {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ClipOutput_iid)
    Q_INTERFACES(ClipOutput)
public:
    AudioSinkOutput();
    /// Cuts off the clip sounding.
    ~AudioSinkOutput() override;

    /// False for an image that is not 8-bit mono PCM WAVE, when the system
    /// has no audio output, or when the output refuses to start.
    bool play(const QByteArray &wave) override;

private:
    void stop();

    QByteArray m_wave; ///< the image being played, kept while the sink reads it
    QBuffer m_samples;
    std::unique_ptr<QAudioSink> m_sink;
};
