// The five sound clips as the game carries them: complete RIFF WAVE images
// of 8-bit unsigned mono PCM, in effect order, each with the sample rate and
// sample count of its moment in the game.
#include "services/soundeffects.h"

#include <QTest>

class TestSounds : public QObject {
    Q_OBJECT
private slots:
    void clipsAreCanonicalWaves_data()
    {
        QTest::addColumn<int>("clip");
        QTest::addColumn<QByteArray>("header"); // hex, byte by byte
        QTest::addColumn<int>("samples");

        // RIFF, size of the rest (36 + samples + pad), WAVE, "fmt ", 16, PCM 1,
        // mono 1, rate, bytes per second (= rate), block align 1, 8 bits, "data",
        // sample count.
        QTest::newRow("clip 0, short jump: 5960 samples at 22050 Hz")
            << 0
            << QByteArray("52494646 6c170000 57415645 666d7420 10000000 0100 0100 22560000 22560000 0100 0800 64617461 "
                          "48170000")
            << 5960;
        QTest::newRow("clip 1, long jump: 12104 samples at 22050 Hz")
            << 1
            << QByteArray("52494646 6c2f0000 57415645 666d7420 10000000 0100 0100 22560000 22560000 0100 0800 64617461 "
                          "482f0000")
            << 12104;
        QTest::newRow("clip 2, lost: 44872 samples at 22050 Hz")
            << 2
            << QByteArray("52494646 6caf0000 57415645 666d7420 10000000 0100 0100 22560000 22560000 0100 0800 64617461 "
                          "48af0000")
            << 44872;
        QTest::newRow("clip 3, level solved: 69744 samples at 22050 Hz")
            << 3
            << QByteArray("52494646 94100100 57415645 666d7420 10000000 0100 0100 22560000 22560000 0100 0800 64617461 "
                          "70100100")
            << 69744;
        QTest::newRow("clip 4, all solved: 25365 samples at 11025 Hz, then a pad byte counted in the RIFF size")
            << 4
            << QByteArray("52494646 3a630000 57415645 666d7420 10000000 0100 0100 112b0000 112b0000 0100 0800 64617461 "
                          "15630000")
            << 25365;
    }

    void clipsAreCanonicalWaves()
    {
        QFETCH(int, clip);
        QFETCH(QByteArray, header);
        QFETCH(int, samples);

        const SoundEffects effects;
        const QByteArray wave = effects.clip(clip);
        const int pad = samples % 2;
        QCOMPARE(wave.size(), 44 + samples + pad);
        QCOMPARE(wave.left(44).toHex(), QByteArray::fromHex(header).toHex());
        if (pad)
            QCOMPARE(wave.back(), '\0');

        // Something to hear, and no click at either end: the first and last
        // samples lie on the silent middle, 128.
        const QByteArray pcm = wave.mid(44, samples);
        int loudest = 0;
        for (char c : pcm)
            loudest = std::max(loudest, std::abs(int(uchar(c)) - 128));
        QVERIFY2(loudest > 64, qPrintable(QStringLiteral("peak only %1").arg(loudest)));
        QCOMPARE(int(uchar(pcm.front())), 128);
        QCOMPARE(int(uchar(pcm.back())), 128);
    }
};

QTEST_GUILESS_MAIN(TestSounds)
#include "test_sounds.moc"
