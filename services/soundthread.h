#pragma once
// The audio output on a thread of its own. Loading the multimedia plugin and
// talking to the sound server can take a moment, or hang with a stuck
// server; here neither ever holds up the game: play() only hands the clip
// over and returns.

#include "services/clipoutput.h"

#include <QString>
#include <QThread>

class SoundThread final : public ClipOutput {
public:
    /// The output plugin is loaded from pluginPath at the first clip.
    explicit SoundThread(QString pluginPath);
    /// Cuts off the clip sounding and ends the thread.
    ~SoundThread() override;

    /// Hands the clip to the thread; true, as the thread has taken it. Whether
    /// it sounds is the output's business: a clip without an output, or one
    /// the output refuses, is dropped there without a word.
    bool play(const QByteArray &wave) override;

private:
    class Player;
    QThread *m_thread;
    Player *m_player; ///< lives in m_thread
};
