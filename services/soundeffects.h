#pragma once
// The game's five sound effects: the clip list `waves`, read from the
// program's resources with the main window and held for the whole run, and
// the way to the audio system, which is reached only when the first clip is
// to sound, so a player who keeps the sound off never loads it.

#include "services/clipoutput.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>

class SoundEffects {
public:
    /// Effect numbers: 1 short jump, 2 long jump, 3 lost, 4 level solved,
    /// 5 all levels solved. Effect n plays clip n - 1.
    static constexpr int EffectCount = 5;

    /// Reads the clips; the audio output is the plugin beside the program.
    SoundEffects();
    ~SoundEffects();

    /// Starts the clip of the effect and returns at once; the clip still
    /// sounding is cut off. Silent for an unknown effect, an empty clip, no
    /// audio output, or a clip the output refuses: a sound that cannot be
    /// heard must not stop the move or question that asked for it.
    void play(int effect);

    /// Replaces the audio output, so tests hear nothing and count instead.
    void useOutput(std::unique_ptr<ClipOutput> output);

    /// Clip 0..4 as its complete WAVE image (empty if it could not be read).
    const QByteArray &clip(int index) const { return m_waves.at(size_t(index)); }

    /// The resource each clip is read from, in clip order.
    static QString resourcePath(int index);

private:
    std::array<QByteArray, EffectCount> m_waves;
    std::unique_ptr<ClipOutput> m_output;
};
