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
    /// The effects by number; effect n plays clip n - 1.
    enum Effect : int {
        ShortJump = 1,   ///< the hero jumps one cell
        LongJump = 2,    ///< the hero jumps two cells
        Lost = 3,        ///< the level is lost
        LevelSolved = 4, ///< a level is solved, and not the whole set with it for the first time
        AllSolved = 5,   ///< the level solved completes a set that was not complete before
    };
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
