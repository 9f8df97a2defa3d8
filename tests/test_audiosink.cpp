// The real audio output, loaded as the game loads it: on a system whose sound
// server cannot be reached every clip is silent and nothing fails; with a
// real sound server (PulseAudio on a sink of its own) a clip reaches it.
#include "services/clipoutput.h"
#include "tests/asplayer.h"

#include <QFile>
#include <QPluginLoader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

QByteArray shortJump()
{
    QFile clip(QStringLiteral(SHORT_JUMP_CLIP));
    return clip.open(QIODevice::ReadOnly) ? clip.readAll() : QByteArray();
}

/// How far the loudest of 8-bit samples lies from silence (128).
int loudness(QByteArrayView samples)
{
    int loudest = 0;
    for (const char sample : samples)
        loudest = std::max(loudest, std::abs(int(uchar(sample)) - 128));
    return loudest;
}

} // namespace

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
        QVERIFY(!output->play(shortJump()));
        QVERIFY(!output->play(shortJump())); // and again: the output is still usable
        delete loader.instance();
    }

    /** What the server's sink gives out, recorded, holds the clip at its
     *  loudness: the plugin played it, not merely said so. */
    void clipReachesTheSoundServer()
    {
        QTemporaryDir home;
        const QString socket = home.filePath(QStringLiteral("native"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket);
        qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + socket));
        const auto start = [&environment](QProcess &process, const QString &program, const QStringList &arguments) {
            process.setProcessEnvironment(environment);
            process.start(program, arguments);
            return process.waitForStarted();
        };
        QProcess server, silence, recording;
        if (!start(server, QStringLiteral("pulseaudio"),
                   {"-n", "--daemonize=no", "--exit-idle-time=-1", "-L", "module-null-sink sink_name=zorbix", "-L",
                    "module-native-protocol-unix auth-anonymous=1 socket=" + socket}))
            CANNOT_RUN(QStringLiteral("no PulseAudio sound server here (packages pulseaudio, pulseaudio-utils)"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 30000);
        // The sink's monitor gives out nothing while nothing plays: a stream
        // of silence keeps it going, so the recording misses no start.
        silence.setStandardInputFile(QStringLiteral("/dev/zero"));
        QVERIFY(start(silence, QStringLiteral("pacat"), {"--raw", "--format=s16le"}));
        QVERIFY(start(recording, QStringLiteral("parec"),
                      {"-d", "zorbix.monitor", "--raw", "--format=u8", "--channels=1", "--rate=22050"}));
        QTRY_VERIFY_WITH_TIMEOUT(recording.bytesAvailable() > 0, 30000);

        QPluginLoader loader(QStringLiteral(SOUND_PLUGIN));
        auto *output = qobject_cast<ClipOutput *>(loader.instance());
        QVERIFY2(output, qPrintable(loader.errorString()));
        const QByteArray clip = shortJump();
        QByteArray quiet = clip; // the same clip with every sample silent, cut off by the clip itself
        std::fill(quiet.begin() + 44, quiet.end(), char(0x80));
        QVERIFY(output->play(quiet) && output->play(clip));
        const int clipLoudness = loudness(QByteArrayView(clip).sliced(44));
        QByteArray heard;
        QTRY_VERIFY_WITH_TIMEOUT((heard += recording.readAll(), loudness(heard) > clipLoudness / 2), 30000);
        delete loader.instance();
        for (QProcess *process : {&recording, &silence, &server}) {
            process->kill();
            process->waitForFinished();
        }
    }
};

QTEST_GUILESS_MAIN(TestAudioSink)
#include "test_audiosink.moc"
