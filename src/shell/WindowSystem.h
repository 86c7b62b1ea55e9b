#pragma once

#include <optional>
#include <string>

namespace trevallion {

// What the environment says of the window systems at hand, read before Qt picks one.
struct WindowSystemFacts {
    bool platformNamed = false;  // QT_QPA_PLATFORM or a -platform option names Qt's platform
    std::string sessionType;     // XDG_SESSION_TYPE: "wayland", "x11", "tty"...
    bool waylandDisplay = false; // WAYLAND_DISPLAY names a compositor
    bool x11Display = false;     // DISPLAY names an X server
    bool waylandSupport = false; // Qt's Wayland platform is installed (qt6-wayland)
};

// The platforms to ask Qt for, in order, as QT_QPA_PLATFORM lists them; empty to leave Qt its
// own choice. Refused when no window can be opened at all.
struct WindowSystemChoice {
    std::string platforms;
    bool refused = false;
};

// On a Wayland desktop the game runs natively, as the compositor then knows it by its own
// name and draws it sharp at any scale; X11 (XWayland) stays behind it for a compositor Qt
// cannot use. Qt does this by itself only where XDG_SESSION_TYPE says "wayland", not where sway
// and its like were started from a console. Without Qt's Wayland support X11 is asked for
// straight away, and where there is no X server either, the game says what to install rather
// than let Qt abort. A platform the player named, and any desktop that is not Wayland, are left
// to Qt as they always were.
WindowSystemChoice ChooseWindowSystem(const WindowSystemFacts& facts);

// Reads the facts from the environment and the command line and applies the choice to
// QT_QPA_PLATFORM; answers an exit status, with the reason on standard error, when no window
// can be opened. Call before the application object is made.
std::optional<int> UseSessionsWindowSystem(int& argc, char** argv);

} // namespace trevallion
