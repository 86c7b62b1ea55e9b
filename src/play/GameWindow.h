#pragma once

#include "play/CommandId.h"
#include "rules/CellCode.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace trevallion {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { Exclamation, Information, Stop };
enum class MessageAnswer { Ok, Yes, No };
enum class GameFileDialog { Open, Save };

// Everything the game asks of its window. The controller never sees the toolkit: the desktop
// shell implements this interface, and the tests use a recording fake.
class GameWindow {
  public:
    virtual ~GameWindow() = default;

    // Shows tile image `image` (a cell code, 0..27) on the button of cell (x, y).
    virtual void ShowTile(int x, int y, CellCode image) = 0;

    virtual void SetTitle(std::string_view title) = 0;

    // A modal message box captioned with the program's name; returns the button pressed.
    virtual MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons,
                                      MessageIcon icon) = 0;

    // The modal "Level Complete" box announcing that side (1 or 2) has won.
    virtual void ShowWinnerBox(int side) = 0;

    // Starts playing a sound file in the background, replacing any sound still playing. A file
    // that cannot be played gives the desktop's alert sound instead.
    virtual void PlaySoundFile(std::string_view file) = 0;

    // Silences whatever sound is playing.
    virtual void StopSound() = 0;

    // The modal Instructions window with the game's manual; returns when it is closed.
    virtual void ShowInstructions() = 0;

    // The modal About window; returns when it is closed.
    virtual void ShowAbout() = 0;

    // Handles the window's pending events once and returns without waiting for more.
    virtual void PumpEvents() = 0;

    // The mouse cursor over the window: 0 the plain arrow, 1 or 2 the arrow naming that side.
    virtual void SetCursor(int cursorSide) = 0;

    // Gives the keyboard focus to the button of cell (x, y).
    virtual void SetFocus(int x, int y) = 0;

    // Sets or clears the check mark of a menu item.
    virtual void CheckMenuItem(CommandId item, bool checked) = 0;

    // Runs `work` on a new thread and returns at once; false when no thread could be started.
    // The controller joins the previous worker before it starts the next one.
    virtual bool StartWorker(std::function<void()> work) = 0;

    // Waits until the thread of the last StartWorker, if any, has ended.
    virtual void JoinWorker() = 0;

    // The desktop's modal file dialog for a saved game: one file type, "Trevallion Game Files
    // (*.tvx)", the name "*.tvx" to start with, and the suffix "tvx" added to a name typed
    // without one. The save dialog asks before it replaces a file; the open dialog accepts a
    // name that does not exist. Returns the chosen file's full path, nothing when cancelled.
    virtual std::optional<std::string> PickGameFile(GameFileDialog dialog) = 0;

    // The program's stored integer settings, by name; `fallback` when a value is missing.
    virtual int ReadSetting(std::string_view name, int fallback) = 0;
    virtual void WriteSetting(std::string_view name, int value) = 0;
};

} // namespace trevallion
