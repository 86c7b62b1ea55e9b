#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace trevallion {

// What the game's command line asks for. Qt takes its own options (such as -platform) before the
// game looks; of the rest, the game knows three, each of which answers on standard output and
// ends the program without opening a window.
enum class Request {
    Play,      // no option: the game
    Help,      // --help or -h: the options
    Version,   // --version: "trevallion 2.0"
    CheckData, // --check-data: the manual and sound files, as the game will look for them
    Refused,   // anything else
};

struct CommandLine {
    Request request = Request::Play;
    QString refused; // for Refused, the first argument not understood
};

// Reads the arguments, the program's own name first.
CommandLine ReadCommandLine(const QStringList& arguments);

// Answers any request but Play and returns the program's exit status: 0, 1 when --check-data
// found a file missing, 2 for a refused command line (with a message on standard error).
int AnswerRequest(const CommandLine& line);

// Answers the requests that need no window before any window system is asked for, so that they
// work without a display; needs no application object and makes its own. Returns nothing when
// the game is to be started, or when arguments remain that may be Qt's own.
std::optional<int> AnswerWithoutWindow(int& argc, char** argv);

} // namespace trevallion
