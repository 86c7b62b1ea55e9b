#include "shell/CommandLine.h"

#include <QTest>

using namespace trevallion;

// The command line as the game reads it, before any window: which arguments start the game with
// a saved game, and which are refused and why.
class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void readsArguments_data() {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<int>("request");
        QTest::addColumn<QByteArray>("gameFile");
        QTest::addColumn<QString>("refused");
        const auto row = [](const char* name, QByteArrayList arguments, Request request,
                            const QByteArray& file, const char* refused = "") {
            QTest::newRow(name) << (QByteArrayList{"trevallion"} + arguments)
                                << static_cast<int>(request) << file << QString::fromUtf8(refused);
        };
        row("nothing", {}, Request::Play, "");
        row("a game", {"dir/a.tvx"}, Request::Play, "dir/a.tvx");
        row("any case", {"A.TvX"}, Request::Play, "A.TvX");
        row("with Qt's options", {"-platform", "x.tvx", "b.tvx"}, Request::Play, "b.tvx");
        row("after --", {"--", "-x.tvx"}, Request::Play, "-x.tvx");
        row("not UTF-8", {"\xff\xfe.tvx"}, Request::Play, "\xff\xfe.tvx");
        row("option", {"--version"}, Request::Version, "");
        row("other name", {"a.txt"}, Request::Refused, "", "unexpected argument 'a.txt'");
        row("empty", {""}, Request::Refused, "", "unexpected argument ''");
        row("dash name", {"-x.tvx"}, Request::Refused, "",
            "unknown option '-x.tvx'; a saved game of that name goes after --");
        row("two games", {"a.tvx", "b.tvx"}, Request::Refused, "",
            "one saved game at a time, not 'b.tvx'");
        row("game and option", {"a.tvx", "--help"}, Request::Refused, "",
            "'--help' takes no saved game");
        row("Qt's option after --", {"--", "-style=a.tvx"}, Request::Refused, "",
            "'-style=a.tvx' is an option of Qt's; name the file as './-style=a.tvx'");
        row("option after --", {"--", "--version"}, Request::Refused, "",
            "unexpected argument '--version'");
        row("control characters", {"a\nb"}, Request::Refused, "", "unexpected argument 'a?b'");
    }

    void readsArguments() {
        QFETCH(QByteArrayList, arguments);
        QFETCH(int, request);
        QFETCH(QByteArray, gameFile);
        QFETCH(QString, refused);
        const CommandLine line = ReadCommandLine(arguments);
        QCOMPARE(static_cast<int>(line.request), request);
        QCOMPARE(QByteArray::fromStdString(line.gameFile), gameFile);
        QCOMPARE(line.refused, refused);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
