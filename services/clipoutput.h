#pragma once
// Where the game's sound clips go to be heard: one clip at a time, started
// from its complete WAVE image in memory.

#include <QByteArray>
#include <QtPlugin>

class ClipOutput {
public:
    virtual ~ClipOutput() = default;

    /// Starts the clip and returns at once; a clip still sounding is cut off
    /// first, so never two sound together. False when there is no audio
    /// output or it refused the clip; then nothing sounds.
    virtual bool play(const QByteArray &wave) = 0;
};

/// The audio output lives in a plugin of its own, so that the multimedia
/// libraries are loaded only when the first clip is to sound.
#define ClipOutput_iid "io.github.zorbixgames.ZorbixHoplix.ClipOutput/1"
Q_DECLARE_INTERFACE(ClipOutput, ClipOutput_iid)
