#include "shell/CommandLine.h"

#include "shell/DataFolder.h"
#include "shell/QtText.h"
#include "sound/SoundEffects.h"
#include "version/Version.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdint>

namespace trevallion {
namespace {

constexpr int ExitMissingData = 1;
constexpr int ExitRefused = 2;

const char* const HelpText = R"(Usage: trevallion [OPTION]

Starts Trevallion, a two-player strategy game on a 7 x 7 board, in a window of its own.

  --check-data  print the full paths of the manual and the sound files the game reads, one a
                line, and exit with status 1 if any of them is missing
  --version     print the version and exit
  -h, --help    print this text and exit

Qt's own options, such as -platform NAME or -style NAME, are taken as well.
)";

// An argument as a message may quote it: on one line, and not much of it.
QString Quoted(QString argument) {
    constexpr qsizetype Longest = 40;
    if (argument.size() > Longest) {
        argument = argument.left(Longest) + QStringLiteral("...");
    }
    for (QChar& c : argument) {
        if (c.category() == QChar::Other_Control) {
            c = QLatin1Char('?');
        }
    }
    return QLatin1Char('\'') + argument + QLatin1Char('\'');
}

// Every sound the game may ask for, named as the game names them: each effect's rotation is run
// round once (the captures' six variants are the longest).
QStringList SoundNames() {
    constexpr int LongestRotation = 6;
    SoundChooser chooser;
    QStringList names;
    for (const Effect effect : AllEffects) {
        for (int turn = 0; turn < LongestRotation; ++turn) {
            const QString name = ToQString(chooser.NextFile(effect, 1));
            if (!names.contains(name)) {
                names << name;
            }
        }
    }
    return names;
}

int CheckData() {
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (DataFilePath(QStringLiteral("Instructions.rtf")).isEmpty()) {
        err << "trevallion: the program's own folder, and so its data folder, is unknown\n";
        return ExitMissingData;
    }
    int status = 0;
    for (const QString& name : QStringList{QStringLiteral("Instructions.rtf")} + SoundNames()) {
        const QString path = DataFilePath(name);
        out << path << '\n';
        if (!QFileInfo(path).isFile()) {
            out.flush();
            err << "trevallion: missing " << path << '\n';
            err.flush();
            status = ExitMissingData;
        }
    }
    return status;
}

} // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
    if (arguments.size() <= 1) {
        return {};
    }
    const QString& first = arguments.at(1);
    if (arguments.size() > 2) {
        return {Request::Refused, arguments.at(2)};
    }
    if (first == QStringLiteral("--help") || first == QStringLiteral("-h")) {
        return {Request::Help, {}};
    }
    if (first == QStringLiteral("--version")) {
        return {Request::Version, {}};
    }
    if (first == QStringLiteral("--check-data")) {
        return {Request::CheckData, {}};
    }
    return {Request::Refused, first};
}

int AnswerRequest(const CommandLine& line) {
    switch (line.request) {
    case Request::Help:
        QTextStream(stdout) << HelpText;
        return 0;
    case Request::Version:
        QTextStream(stdout) << "trevallion " << ToQString(ProgramVersion) << '\n';
        return 0;
    case Request::CheckData:
        return CheckData();
    case Request::Play:
    case Request::Refused:
        break;
    }
    QTextStream(stderr) << "trevallion: unknown option " << Quoted(line.refused)
                        << "\nTry 'trevallion --help' for the options.\n";
    return ExitRefused;
}

std::optional<int> AnswerWithoutWindow(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const CommandLine line = ReadCommandLine(arguments);
    if (line.request == Request::Play || line.request == Request::Refused) {
        return std::nullopt;
    }
    const QCoreApplication application(argc, argv);
    return AnswerRequest(line);
}

} // namespace trevallion
