#include "shell/CommandLine.h"

#include "shell/BuiltTranslations.h"
#include "shell/DataFileCheck.h"
#include "shell/DataFolder.h"
#include "shell/PlayersLanguage.h"
#include "shell/QtText.h"
#include "sound/SoundEffects.h"
#include "version/Version.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace trevallion {
namespace {

constexpr int ExitMissingData = 1;
constexpr int ExitRefused = 2;

// Its first line is the usage a refusal repeats.
const char* const HelpText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: trevallion [OPTION | [--] FILE]\n"
    "\n"
    "Starts Trevallion, a two-player strategy game on a 7 x 7 board, in a window of its own. With\n"
    "FILE, a game kept by Save Game (*.tvx), it starts with that game loaded, as Load Game loads\n"
    "it; a game record (*.tvr) is imported as Import Record imports it. After --, a name that\n"
    "starts with - is a file's too.\n"
    "\n"
    "  --check-data  print the full paths of the manual, the sound files and the translations the\n"
    "                game reads, one a line, and exit with status 1 if any of them is missing or\n"
    "                cannot be read, or a translation is not the one the build made\n"
    "  --version     print the version and exit\n"
    "  -h, --help    print this text and exit\n"
    "\n"
    "Qt's own options, such as -platform NAME or -style NAME, are taken as well.\n");

QString Tr(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

// The game's own options.
std::optional<Request> OwnOption(const QString& argument) {
    if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
        return Request::Help;
    }
    if (argument == QStringLiteral("--version")) {
        return Request::Version;
    }
    if (argument == QStringLiteral("--check-data")) {
        return Request::CheckData;
    }
    return std::nullopt;
}

enum class QtOption { Alone, WithValue };

// Qt's own options, which QApplication takes out of the command line as it starts (those of
// the X11 platform among them); the game leaves them be. Qt reads "--platform" as "-platform",
// and the style options also as "-style=NAME".
std::optional<QtOption> QtOptionNamed(QString argument) {
    static const QStringList withValue =
        QStringLiteral("-platform -platformpluginpath -platformtheme -plugin -qwindowgeometry "
                       "-geometry -qwindowtitle -title -qwindowicon -icon -session -display "
                       "-name -style -stylesheet")
            .split(QLatin1Char(' '));
    static const QStringList alone =
        QStringLiteral("-reverse -testability -nograb -dograb -widgetcount")
            .split(QLatin1Char(' '));
    static const QStringList joined =
        QStringLiteral("-style= -stylesheet= -qmljsdebugger=").split(QLatin1Char(' '));
    if (argument.startsWith(QStringLiteral("--"))) {
        argument.remove(0, 1);
    }
    if (withValue.contains(argument)) {
        return QtOption::WithValue;
    }
    const auto startsIt = [&argument](const QString& start) { return argument.startsWith(start); };
    if (alone.contains(argument) || std::any_of(joined.begin(), joined.end(), startsIt)) {
        return QtOption::Alone;
    }
    return std::nullopt;
}

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

// The manual in each language the game has a translation into, whose manual the Instructions
// window would open in that language.
QStringList ManualsInOtherLanguages() {
    QStringList manuals;
    for (const QString& language : TranslatedLanguages()) {
        const QString name = QStringLiteral("Instructions_%1.rtf").arg(language);
        if (QFileInfo::exists(DataFilePath(name))) {
            manuals << name;
        }
    }
    return manuals;
}

// Every translation the build made, as the data folder holds it.
QStringList TranslationFiles() {
    QStringList files;
    for (const BuiltTranslation& translation : BuiltTranslations()) {
        files << QStringLiteral("translations/") + ToQString(translation.file);
    }
    return files;
}

int CheckData() {
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (DataFilePath(QStringLiteral("Instructions.rtf")).isEmpty()) {
        err << "trevallion: "
            << Tr(QT_TRANSLATE_NOOP("CommandLine",
                                    "the program's own folder, and so its data folder, is unknown"))
            << '\n';
        return ExitMissingData;
    }
    int status = 0;
    const QStringList files =
        QStringList{QStringLiteral("Instructions.rtf")} + ManualsInOtherLanguages() + SoundNames();
    for (const QString& name : files + TranslationFiles()) {
        const QString path = DataFilePath(name);
        out << path << '\n';
        const bool translation = !files.contains(name);
        if (const std::optional<QString> problem =
                translation ? TranslationFault(path) : UnreadableBecause(path)) {
            out.flush();
            err << "trevallion: "
                << Tr(QT_TRANSLATE_NOOP("CommandLine", "cannot read %1: %2")).arg(path, *problem)
                << '\n';
            err.flush();
            status = ExitMissingData;
        }
    }
    return status;
}

CommandLine Refused(const QString& why) {
    return {Request::Refused, why, {}};
}

// A saved game (".tvx") or a game record (".tvr"), in any case, as the file dialogs name them.
bool IsGameFileName(const QByteArray& argument) {
    const QByteArray lower = argument.toLower();
    return lower.endsWith(".tvx") || lower.endsWith(".tvr");
}

// An argument that is no option: the saved game or game record to start with, and only one.
// Returns the refusal of anything else.
std::optional<QString> TakeGameFile(CommandLine& line, const QByteArray& argument) {
    const QString text = QString::fromLocal8Bit(argument);
    if (!IsGameFileName(argument)) {
        return Tr(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument %1")).arg(Quoted(text));
    }
    // Qt takes its options wherever they stand, even after "--", and would take this one too.
    if (QtOptionNamed(text)) {
        return Tr(QT_TRANSLATE_NOOP("CommandLine", "%1 is an option of Qt's; name the file as %2"))
            .arg(Quoted(text), Quoted(QStringLiteral("./") + text));
    }
    if (!line.gameFile.empty()) {
        return Tr(QT_TRANSLATE_NOOP("CommandLine", "one saved game at a time, not %1"))
            .arg(Quoted(text));
    }
    line.gameFile = argument.toStdString();
    return std::nullopt;
}

// `file` as a full path, so that a message names it as the Load Game dialog would and the
// dialogs remember its folder; as given when the current folder is gone.
std::string FullPath(std::string file) {
    while (file.starts_with("./")) {
        file.erase(0, file.find_first_not_of('/', 1));
    }
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(file, error);
    return file.empty() || error ? file : full.string();
}

} // namespace

CommandLine ReadCommandLine(const QByteArrayList& arguments) {
    CommandLine line;
    QString ownOption; // the option taken, for a refusal that names it
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QByteArray& argument = arguments.at(i);
        const QString text = QString::fromLocal8Bit(argument);
        if (optionsEnded || !argument.startsWith('-')) {
            if (const std::optional<QString> refusal = TakeGameFile(line, argument)) {
                return Refused(*refusal);
            }
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const std::optional<Request> own = OwnOption(text);
        if (own && line.request == Request::Play) {
            line.request = *own;
            ownOption = text;
            continue;
        }
        if (own) {
            return Refused(Tr(QT_TRANSLATE_NOOP("CommandLine", "one option at a time, not %1"))
                               .arg(Quoted(text)));
        }
        const std::optional<QtOption> qt = QtOptionNamed(text);
        if (qt == QtOption::WithValue && ++i == arguments.size()) {
            return Refused(
                Tr(QT_TRANSLATE_NOOP("CommandLine", "%1 needs a value")).arg(Quoted(text)));
        }
        if (!qt && IsGameFileName(argument)) {
            return Refused(
                Tr(QT_TRANSLATE_NOOP("CommandLine",
                                     "unknown option %1; a saved game of that name goes after --"))
                    .arg(Quoted(text)));
        }
        if (!qt) {
            return Refused(
                Tr(QT_TRANSLATE_NOOP("CommandLine", "unknown option %1")).arg(Quoted(text)));
        }
    }
    if (line.request != Request::Play && !line.gameFile.empty()) {
        return Refused(
            Tr(QT_TRANSLATE_NOOP("CommandLine", "%1 takes no saved game")).arg(Quoted(ownOption)));
    }
    return line;
}

int AnswerRequest(const CommandLine& line) {
    switch (line.request) {
    case Request::Help:
        QTextStream(stdout) << Tr(HelpText);
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
    QTextStream(stderr) << "trevallion: " << line.refused << '\n'
                        << Tr(HelpText).section(QLatin1Char('\n'), 0, 0) << '\n'
                        << Tr(QT_TRANSLATE_NOOP("CommandLine",
                                                "Try 'trevallion --help' for the options."))
                        << '\n';
    return ExitRefused;
}

StartRequest AnswerWithoutWindow(int& argc, char** argv) {
    QByteArrayList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QByteArray(argv[i]);
    }
    const CommandLine line = ReadCommandLine(arguments);
    if (line.request == Request::Play) {
        return {std::nullopt, FullPath(line.gameFile)};
    }
    const QCoreApplication application(argc, argv);
    // Read again in the player's language, which needs the application to be.
    UsePlayersLanguage();
    return {AnswerRequest(ReadCommandLine(arguments)), {}};
}

} // namespace trevallion
