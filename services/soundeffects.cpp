#include "services/soundeffects.h"

#include "services/soundthread.h"

#include <QCoreApplication>
#include <QFile>

namespace {

constexpr std::array<const char *, SoundEffects::EffectCount> ClipFiles = {
    "shortjump.wav", "longjump.wav", "lost.wav", "levelsolved.wav", "allsolved.wav",
};

} // namespace

SoundEffects::SoundEffects()
{
    for (int i = 0; i < EffectCount; ++i) {
        QFile file(resourcePath(i));
        if (file.open(QIODevice::ReadOnly))
            m_waves[size_t(i)] = file.readAll();
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
        m_output = std::make_unique<SoundThread>(QCoreApplication::applicationDirPath() + QStringLiteral("/zorbix-sound"));
    // A refusal is not passed on: the player simply hears nothing this time.
    m_output->play(wave);
}

void SoundEffects::useOutput(std::unique_ptr<ClipOutput> output)
{
    m_output = std::move(output);
}
