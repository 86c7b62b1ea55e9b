#include "shell/SoundPlayer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>

using trevallion::SoundPlayer;

class SoundPlayerTest : public QObject {
    Q_OBJECT

    int m_beeps = 0;
    SoundPlayer::Beep CountBeeps() {
        return [this] { ++m_beeps; };
    }

  private slots:
    void initTestCase() {
        // The sounds are named as the game names them, here relative to the top of the build tree.
        QVERIFY(QDir::setCurrent(QStringLiteral(TREVALLION_GAME_DIR)));
        // Qt's audio back end may complain once, as it first looks for an output (without a
        // sound server it does). After that, playing must not add warnings of its own.
        SoundPlayer([] {}).Play(QStringLiteral("sounds/startup.wav"));
    }

    void init() {
        m_beeps = 0;
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void missingFileBeepsOnce() {
        SoundPlayer player(CountBeeps());
        player.Play(QStringLiteral("sounds/no-such-sound.wav"));
        QCOMPARE(m_beeps, 1);
        QTest::qWait(100); // a second beep from a late report would show now
        QCOMPARE(m_beeps, 1);
    }

    void fileThatIsNotASoundBeeps_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("Level 20: five pieces, two kings\n");
        QTest::newRow("header only") << QByteArray("RIFF\x04\0\0\0WAVE", 12);
        QTest::newRow("samples but no format")
            << QByteArray("RIFF\x10\0\0\0WAVEdata\x04\0\0\0\x01\x02\x03\x04", 24);
    }

    void fileThatIsNotASoundBeeps() {
        QFETCH(QByteArray, content);
        QTemporaryFile file(QDir::tempPath() + QStringLiteral("/XXXXXX.wav"));
        QVERIFY(file.open());
        QCOMPARE(file.write(content), content.size());
        file.close();

        SoundPlayer player(CountBeeps());
        player.Play(file.fileName());
        QTest::qWait(100);
        QCOMPARE(m_beeps, 1);
    }

    void generatedSoundsPlayWithoutBeepOrWaiting() {
        SoundPlayer player(CountBeeps());
        QElapsedTimer clock;
        clock.start();
        player.Play(QStringLiteral("sounds/startup.wav"));
        player.Play(QStringLiteral("sounds/capture3.wav")); // cuts the chime off
        player.Play(QStringLiteral("sounds/capture3.wav")); // and starts itself over
        // The chime alone lasts about one and a half seconds.
        QVERIFY2(clock.elapsed() < 1000, "Play waited for a sound to end");
        QTest::qWait(200);
        QCOMPARE(m_beeps, 0);
        player.Stop();
    }

    void stopIsHarmlessWithNothingPlaying() {
        SoundPlayer player(CountBeeps());
        player.Stop();
        player.Stop();
        QCOMPARE(m_beeps, 0);
        // The player still works afterwards.
        player.Play(QStringLiteral("sounds/missing.wav"));
        QCOMPARE(m_beeps, 1);
    }
};

QTEST_MAIN(SoundPlayerTest)
#include "SoundPlayerTest.moc"
