// The real audio output, loaded as the game loads it, on a system whose
// sound server cannot be reached: every clip is silent, and nothing fails.
#include "services/clipoutput.h"

#include <QFile>
#include <QPluginLoader>
#include <QTest>

class TestAudioSink : public QObject {
    Q_OBJECT
private slots:
    void noAudioOutputIsSilent()
    {
        // A sound server nobody listens at: the machine has no audio output.
        qputenv("PULSE_SERVER", "unix:/nonexistent/zorbix-hoplix-test/native");
        QPluginLoader loader(QStringLiteral(SOUND_PLUGIN));
        auto *output = qobject_cast<ClipOutput *>(loader.instance());
        QVERIFY2(output, qPrintable(loader.errorString()));

        QFile clip(QStringLiteral(SHORT_JUMP_CLIP));
        QVERIFY(clip.open(QIODevice::ReadOnly));
        const QByteArray wave = clip.readAll();
        QVERIFY(!output->play(wave));
        QVERIFY(!output->play(wave)); // and again: the output is still usable
        delete loader.instance();
    }
};

QTEST_GUILESS_MAIN(TestAudioSink)
#include "test_audiosink.moc"
