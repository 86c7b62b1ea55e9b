#pragma once

#include <QString>

namespace trevallion {

// Qt ends a program that can open no window system (no display set, or one that does not
// answer, on whatever platform Qt tries) with messages of its own and an abort. While one of
// these lives, that ends the game instead with one line of its own on standard error, `message`,
// and exit status 1; Qt's own messages meanwhile are held back, and let through once the window
// system is open. Make one before the application object, and let it go once that is made.
class WindowSystemStart {
  public:
    explicit WindowSystemStart(const QString& message);
    ~WindowSystemStart();
    WindowSystemStart(const WindowSystemStart&) = delete;
    WindowSystemStart& operator=(const WindowSystemStart&) = delete;
};

// The line to give when no window can be opened, naming the display the environment names (or
// that it names none) or the platform the command line or QT_QPA_PLATFORM asks for; in the
// player's language, which may be chosen before the application object exists.
QString NoWindowMessage(int argc, char** argv);

} // namespace trevallion
