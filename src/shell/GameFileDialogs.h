#pragma once

#include "play/GameView.h"

#include <optional>
#include <string>

class QFileDialog;

namespace trevallion {

// Sets up a file dialog for saved games: one file type, "*.tvx" as the name to start with,
// the suffix "tvx" for a name typed without one, and for saving a question before a file is
// replaced. An open dialog takes any name, so a missing file is reported by the load itself.
void SetUpGameFileDialog(QFileDialog& dialog, GameFileDialog kind);

// The full path of the file the user chose, in the file system's encoding.
std::optional<std::string> ChosenGameFile(const QFileDialog& dialog);

} // namespace trevallion
