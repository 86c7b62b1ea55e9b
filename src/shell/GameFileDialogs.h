#pragma once

#include "play/GameView.h"
#include "shell/SettingsFile.h"

#include <QString>

#include <optional>
#include <string>

class QFileDialog;

namespace trevallion {

// Sets up a file dialog for saved games: one file type, "*.tvx" as the name to start with,
// the suffix "tvx" for a name typed without one, and for saving a question before a file is
// replaced. An open dialog takes any name, so a missing file is reported by the load itself.
// The dialog shows `folder` first.
void SetUpGameFileDialog(QFileDialog& dialog, GameFileDialog kind, const QString& folder);

// The full path of the file the user chose, in the file system's encoding.
std::optional<std::string> ChosenGameFile(const QFileDialog& dialog);

// The folder a saved-game dialog opens in: the folder of the game last chosen in one, as the
// settings remember it, while it is still there; else the user's home folder, or the current
// one when HOME names none. Never the game's own folders: a user keeps games among their own
// files.
QString GameFolderToOpen(const SettingsFile& settings);

// Remembers the folder of `file`, a game just chosen in a dialog, for the next dialog and the
// next run.
void RememberGameFolder(SettingsFile& settings, const std::string& file);

} // namespace trevallion
