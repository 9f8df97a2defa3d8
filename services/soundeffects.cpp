#include "services/soundeffects.h"

#include "services/soundthread.h"

#include <QCoreApplication>
#include <QResource>

namespace {

constexpr std::array<const char *, SoundEffects::EffectCount> ClipFiles = {
    "shortjump.wav", "longjump.wav", "lost.wav", "levelsolved.wav", "allsolved.wav",
};

} // namespace

SoundEffects::SoundEffects()
{
    // The clips are read where the program carries them, not copied: they
    // take memory only once they are played.
    for (int i = 0; i < EffectCount; ++i) {
        const QResource resource(resourcePath(i));
        if (!resource.isValid())
            continue;
        m_waves[size_t(i)] =
            resource.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), qsizetype(resource.size()))
                : resource.uncompressedData();
    }
}

SoundEffects::~SoundEffects() = default;

QString SoundEffects::resourcePath(int index)
{
    return QStringLiteral(":/sounds/") + QLatin1String(ClipFiles.at(size_t(index)));
}

void SoundEffects::play(int effect)
{
    if (effect < 1 || effect > EffectCount)
        return;
    const QByteArray &wave = m_waves[size_t(effect - 1)];
    if (wave.isEmpty())
        return;
    if (!m_output)
        m_output =
            std::make_unique<SoundThread>(QCoreApplication::applicationDirPath() + QStringLiteral("/zorbix-sound"));
    // A refusal is not passed on: the player simply hears nothing this time.
    m_output->play(wave);
}

void SoundEffects::useOutput(std::unique_ptr<ClipOutput> output)
{
    m_output = std::move(output);
}
