#include "WindowHarness.h"
#include "levels/LevelLayouts.h"
#include "shell/CommandLine.h"

using namespace trevallion;
using namespace trevallion::testing;

// The program's start-up: the saved game its command line names, and the window's start-up from
// the stored settings, and what it stores back.
class StartupTest : public QObject {
    Q_OBJECT

  private:
    WindowHarness h;

  private slots:
    void cleanup() { h.window.reset(); }

    // The saved game to start with, as given, or why the command line is refused.
    void commandLine() {
        const auto read = [](const QByteArrayList& arguments) {
            const CommandLine line = ReadCommandLine(QByteArrayList{"trevallion"} + arguments);
            return QByteArray::fromStdString(line.gameFile) + line.refused.toUtf8();
        };
        QCOMPARE(read({"dir/\xff.TvX"}), "dir/\xff.TvX");
        QCOMPARE(read({"-platform", "x.tvx", "b.tvx"}), "b.tvx");
        QCOMPARE(read({"--", "-x.tvx"}), "-x.tvx");
        QCOMPARE(read({"a.txt"}), "unexpected argument 'a.txt'");
        QCOMPARE(read({"-x.tvx"}),
                 "unknown option '-x.tvx'; a saved game of that name goes after --");
        QCOMPARE(read({"a.tvx", "b.tvx"}), "one saved game at a time, not 'b.tvx'");
        QCOMPARE(read({"a.tvx", "--help"}), "'--help' takes no saved game");
        QCOMPARE(read({"--", "-style=a.tvx"}),
                 "'-style=a.tvx' is an option of Qt's; name the file as './-style=a.tvx'");
    }

    void firstRun() {
        h.Open({});
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Trevallion"));
        QCOMPARE(h.Checked(QStringLiteral("Options")),
                 (QStringList{QStringLiteral("Sound ON"), QStringLiteral("Animate Moves")}));
        QCOMPARE(h.Checked(QStringLiteral("Player 1")), QStringList{QStringLiteral("Human")});
        QCOMPARE(h.Checked(QStringLiteral("Player 2")), QStringList{QStringLiteral("AI Medium")});
        QCOMPARE(h.Stored(QStringLiteral("VersionNumber")).toInt(), 2);
        QCOMPARE(h.Stored(QStringLiteral("SoundFlag")).toInt(), 1);
        QCOMPARE(h.Stored(QStringLiteral("PlayerOne")).toInt(), 0);
        QCOMPARE(h.Stored(QStringLiteral("PlayerTwo")).toInt(), 2);
        QCOMPARE(h.sounds->played, std::vector<std::string>{"sounds/startup.wav"});
    }

    // Two stored computer players both come back without a word; a stored version is replaced.
    void storedValuesComeBack() {
        h.Open({{QStringLiteral("SoundFlag"), 0},
                {QStringLiteral("PlayerOne"), 3},
                {QStringLiteral("PlayerTwo"), 1},
                {QStringLiteral("VersionNumber"), 9},
                {QStringLiteral("AnimateMoves"), 0}});
        QCOMPARE(h.Checked(QStringLiteral("Options")), QStringList{QStringLiteral("Sound OFF")});
        QCOMPARE(h.Checked(QStringLiteral("Player 1")),
                 QStringList{QStringLiteral("AI Difficult")});
        QCOMPARE(h.Checked(QStringLiteral("Player 2")), QStringList{QStringLiteral("AI Easy")});
        QCOMPARE(h.Stored(QStringLiteral("VersionNumber")).toInt(), 2);
        QCOMPARE(h.Stored(QStringLiteral("SoundFlag")).toInt(), 0);
        QVERIFY(h.boxes->messages.empty());
        QVERIFY(h.sounds->played.empty());
    }

    // A stored value the game cannot take gives the default, which is stored in its place. (The
    // settings file's own test holds which texts count as numbers.)
    void unusableValuesGiveTheDefaults_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<int>("storedBack");
        const QString one = QStringLiteral("PlayerOne");
        const QString sound = QStringLiteral("SoundFlag");
        const QString human = QStringLiteral("Human");
        const QString soundOn = QStringLiteral("Sound ON, Animate Moves");
        QTest::newRow("player 2 out of range")
            << QStringLiteral("PlayerTwo") << QStringLiteral("9") << QStringLiteral("Player 2")
            << QStringLiteral("AI Medium") << 2;
        QTest::newRow("player 1 a word")
            << one << QStringLiteral("three") << QStringLiteral("Player 1") << human << 0;
        QTest::newRow("sound a word")
            << sound << QStringLiteral("x") << QStringLiteral("Options") << soundOn << 1;
    }

    void unusableValuesGiveTheDefaults() {
        QFETCH(QString, setting);
        QFETCH(QString, stored);
        QFETCH(QString, menu);
        QFETCH(QString, checked);
        QFETCH(int, storedBack);
        h.Open({{setting, stored}});
        QCOMPARE(h.Checked(menu).join(QStringLiteral(", ")), checked);
        QCOMPARE(h.Stored(setting).toString(), QString::number(storedBack));
    }

    // With sound off no effect plays, whatever happens.
    void soundOffPlaysNothing() {
        h.Open({{QStringLiteral("SoundFlag"), 0}, {QStringLiteral("PlayerTwo"), 0}});
        Board kingInReach = LayoutToBoard(LevelLayout(1));
        kingInReach.At({3, 1}) = 10; // a Player 1 bar under Player 2's king
        h.Load({SaveFormatVersion, 1, 0, 0, 1, 1, kingInReach});
        h.Click({3, 1});
        h.Click({3, 0});
        h.Choose(QStringLiteral("Life Doodle"));
        h.Tick();
        h.Click({0, 0}); // a cell brought to life: the capture effect
        h.Choose(QStringLiteral("Instructions"), QStringLiteral("Help"));
        h.Choose(QStringLiteral("About Trevallion"), QStringLiteral("Help"));
        QCOMPARE(h.boxes->winners, std::vector<Side>{Side::PlayerOne});
        QVERIFY(h.sounds->played.empty());

        h.Choose(QStringLiteral("Sound ON"), QStringLiteral("Options"));
        QCOMPARE(h.Checked(QStringLiteral("Options")),
                 (QStringList{QStringLiteral("Sound ON"), QStringLiteral("Animate Moves")}));
        QVERIFY(h.sounds->played.empty());
        h.Choose(QStringLiteral("Level 5"));
        QCOMPARE(h.sounds->played, std::vector<std::string>{"sounds/ambient1.wav"});
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
