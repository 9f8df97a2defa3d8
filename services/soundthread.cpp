#include "services/soundthread.h"

#include <QDeadlineTimer>
#include <QPluginLoader>

/// Owns the output, in the sound thread.
class SoundThread::Player : public QObject {
public:
    explicit Player(QString pluginPath) : m_pluginPath(std::move(pluginPath)) {}

    void play(const QByteArray &wave)
    {
        if (!m_tried) {
            m_tried = true;
            // The plugin's object is made here, so it lives in this thread.
            // The library stays loaded when the loader goes: the multimedia
            // libraries keep state until the program ends.
            m_output = QPluginLoader(m_pluginPath).instance();
        }
        if (auto *output = qobject_cast<ClipOutput *>(m_output))
            output->play(wave);
    }

    /// Deletes the output, which stops its clip.
    void release() { delete m_output; }

private:
    QString m_pluginPath;
    QObject *m_output = nullptr;
    bool m_tried = false;
};

SoundThread::SoundThread(QString pluginPath) : m_thread(new QThread), m_player(new Player(std::move(pluginPath)))
{
    m_thread->setObjectName(QStringLiteral("sound"));
    m_player->moveToThread(m_thread);
    m_thread->start();
}

SoundThread::~SoundThread()
{
    // The thread ends itself once the clips handed over before are done
    // with and the output is gone.
    QMetaObject::invokeMethod(m_player, [player = m_player] {
        player->release();
        QThread::currentThread()->quit();
    });
    // A sound server that hangs must not keep the game from ending: after a
    // while the thread is left to the end of the program.
    if (!m_thread->wait(QDeadlineTimer(2000)))
        return;
    delete m_player;
    delete m_thread;
}

bool SoundThread::play(const QByteArray &wave)
{
    return QMetaObject::invokeMethod(m_player, [player = m_player, wave] { player->play(wave); });
}
