#include "shell/SoundPlayer.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QtEndian>

#include <sys/prctl.h>

#include <csignal>

using trevallion::SoundPlayer;

// A WAVE file with the little-endian field at `offset`, `width` bytes wide, set to `value`.
static QByteArray Patched(QByteArray file, int offset, quint32 value, int width = 4) {
    const quint32 little = qToLittleEndian(value);
    return file.replace(offset, width, reinterpret_cast<const char*>(&little), width);
}

class SoundPlayerTest : public QObject {
    Q_OBJECT

    int m_beeps = 0;
    SoundPlayer::Beep CountBeeps() {
        return [this] { ++m_beeps; };
    }

    QTemporaryDir m_serverFolder;
    QProcess m_server;

    // Starts a private PulseAudio server with a null sink, so that sounds really play without a
    // sound card; it dies with the test, even one that crashes. Says what failed, if anything.
    QString StartNullSinkServer() {
        const QString socket = m_serverFolder.filePath(QStringLiteral("native"));
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH"}) {
            qputenv(name, QFile::encodeName(m_serverFolder.path())); // nothing of the user's
        }
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_server.startCommand(QStringLiteral("pulseaudio -n --daemonize=no --exit-idle-time=-1 -L "
                                             "module-null-sink -L \"module-native-protocol-unix "
                                             "socket=%1\"")
                                  .arg(socket));
        for (int i = 0; i < 200 && m_server.waitForStarted() && !QFileInfo::exists(socket); ++i) {
            QTest::qWait(50);
        }
        if (!QFileInfo::exists(socket)) {
            return QStringLiteral("no PulseAudio server: ") + m_server.errorString() +
                   m_server.readAll();
        }
        qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + socket));
        return {};
    }

  private slots:
    void initTestCase() {
        // The sounds are named as the game names them, here relative to the top of the build tree.
        QVERIFY(QDir::setCurrent(QStringLiteral(TREVALLION_GAME_DIR)));
        if (qEnvironmentVariableIsSet("TREVALLION_TEST_NULL_SINK")) {
            const QString failure = StartNullSinkServer();
            if (!failure.isEmpty()) {
                QSKIP(qPrintable(failure));
            }
        }
        // The audio library may complain once, as it first looks for an output (without a
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
        QTRY_COMPARE(m_beeps, 1); // once the loader has looked
        QTest::qWait(100);        // a second beep from a late report would show now
        QCOMPARE(m_beeps, 1);
    }

    void cleanupTestCase() {
        m_server.kill();
        m_server.waitForFinished();
    }

    void damagedFilesBeepAndNeverHoldTheGameUp_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("damaged");
        // The game's sounds keep the format's fields at bytes 20..35 and the data size at 40.
        QFile game(QStringLiteral("sounds/ambient2.wav"));
        QVERIFY(game.open(QIODevice::ReadOnly));
        const QByteArray good = game.readAll();
        for (const int length : {30000, 1000, 45, 44, 30, 6, 0}) {
            QTest::addRow("cut at %d bytes", length) << good.left(length) << true;
        }
        QTest::newRow("data claims 0xFFFFFFFF bytes") << Patched(good, 40, 0xFFFFFFFF) << true;
        QTest::newRow("format runs past the end") << Patched(good, 16, 0x7FFFFFF0) << true;
        QTest::newRow("RIFF runs past the end") << Patched(good, 4, good.size()) << true;
        QTest::newRow("no channels") << Patched(good, 22, 0, 2) << true;
        QTest::newRow("huge rate") << Patched(Patched(good, 24, 1 << 22), 28, 1 << 23) << true;
        QTest::newRow("odd block align") << Patched(good, 32, 3, 2) << true;
        QTest::newRow("zero-length data") << Patched(Patched(good.left(44), 40, 0), 4, 36) << true;
        QTest::newRow("half a frame") << Patched(Patched(good, 40, 1), 4, 37).left(45) << true;
        QTest::newRow("text") << QByteArray("Level 20: five pieces, two kings\n") << true;
        QTest::newRow("samples but no format")
            << QByteArray("RIFF\x10\0\0\0WAVEdata\x04\0\0\0\x01\x02\x03\x04", 24) << true;
        QTest::newRow("game's own") << good << false;
        // A padded chunk of odd length before the samples once made the loader wait for ever.
        QTest::newRow("odd-sized chunk before the samples")
            << Patched(QByteArray(good).insert(36, "LIST\x03\0\0\0abc\0", 12), 4, good.size() + 4)
            << false;
    }

    void damagedFilesBeepAndNeverHoldTheGameUp() {
        QFETCH(QByteArray, content);
        QFETCH(bool, damaged);
        QTemporaryFile file(QDir::tempPath() + QStringLiteral("/XXXXXX.wav"));
        QVERIFY(file.open());
        QCOMPARE(file.write(content), content.size());
        file.close();

        // Each try of a damaged file beeps; a Play that never returns trips the test's watchdog.
        SoundPlayer player(CountBeeps());
        for (int attempt = 0; attempt < 2; ++attempt) {
            player.Play(file.fileName());
            QTest::qWait(50);
            player.Play(QStringLiteral("sounds/capture1.wav"));
        }
        QTest::qWait(100); // a late report would beep now
        QCOMPARE(m_beeps, damaged ? 2 : 0);
    }

    void generatedSoundsPlayWithoutBeep() {
        SoundPlayer player(CountBeeps());
        player.Play(QStringLiteral("sounds/startup.wav"));
        player.Play(QStringLiteral("sounds/capture3.wav")); // cuts the chime off
        player.Play(QStringLiteral("sounds/capture3.wav")); // and starts itself over
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
        QTRY_COMPARE(m_beeps, 1);
    }
};

QTEST_MAIN(SoundPlayerTest)
#include "SoundPlayerTest.moc"
