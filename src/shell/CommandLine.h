#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace trevallion {

// What the game's command line asks for. The game knows three options, each of which answers on
// standard output and ends the program without opening a window; Qt's own options (such as
// -platform NAME) are left for Qt, which takes them when the window system starts.
enum class Request {
    Play,      // no option of the game's: the game
    Help,      // --help or -h: the options
    Version,   // --version: "trevallion 2.0"
    CheckData, // --check-data: the manual and sound files, as the game will look for them
    Refused,   // anything else
};

struct CommandLine {
    Request request = Request::Play;
    QString refused; // for Refused, what is wrong, such as "unknown option '--bogus'"
};

// Reads the arguments, the program's own name first.
CommandLine ReadCommandLine(const QStringList& arguments);

// Answers any request but Play and returns the program's exit status: 0, 1 when --check-data
// found a file missing or unreadable, 2 for a refused command line (with the usage on standard
// error). --check-data needs the application object.
int AnswerRequest(const CommandLine& line);

// Reads the command line before anything asks for a window system, so that every answer works
// without a display, and answers it; makes its own application object when it needs one.
// Returns nothing when the game is to be started.
std::optional<int> AnswerWithoutWindow(int& argc, char** argv);

} // namespace trevallion
