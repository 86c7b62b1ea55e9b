#pragma once

#include <QByteArrayList>
#include <QString>

#include <optional>
#include <string>

namespace trevallion {

// What the game's command line asks for. The game knows three options, each of which answers on
// standard output and ends the program without opening a window, and takes one saved game to
// start with; Qt's own options (such as -platform NAME) are left for Qt, which takes them when
// the window system starts.
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
    // For Play, the saved game to load once the window is up, as given; empty for none.
    std::string gameFile;
};

// Reads the arguments, the program's own name first. They are taken as the bytes they are, so
// that a file whose name is not valid in the locale's encoding is still found.
CommandLine ReadCommandLine(const QByteArrayList& arguments);

// Answers any request but Play and returns the program's exit status: 0, 1 when --check-data
// found a file missing or unreadable, 2 for a refused command line (with the usage on standard
// error). --check-data needs the application object.
int AnswerRequest(const CommandLine& line);

// What the program does after reading its command line: end with `exitStatus`, or, when there
// is none, start the game, with the saved game `gameFile` loaded when it names one (a full path).
struct StartRequest {
    std::optional<int> exitStatus;
    std::string gameFile;
};

// Reads the command line before anything asks for a window system, so that every answer works
// without a display, and answers it; makes its own application object when it needs one.
StartRequest AnswerWithoutWindow(int& argc, char** argv);

} // namespace trevallion
