#pragma once

#include "play/GameView.h"
#include "shell/NameOnlyIconProvider.h"
#include "shell/SettingsFile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QString>

#include <optional>
#include <string>

namespace trevallion {

// Holds the dialog's icon provider in a base class listed before QFileDialog, so that the
// provider outlives the dialog's file system model and the thread that lists folders with it.
struct IconProviderHolder {
    NameOnlyIconProvider m_nameOnlyIcons;
};

// A file dialog for saved games: one file type, "*.tvx" as the name to start with, the suffix
// "tvx" for a name typed without one (for game records, "*.tvr" and "tvr" alike), and for saving a question before a file is replaced. An
// open dialog takes any name, so a missing file is reported by the load itself. The dialog
// shows `folder` first.
//
// A name with a wildcard, such as the "*.tvx" it starts with, is a filter and never a file
// name: accepting it lists the files it matches, and the dialog stays open for a name.
class GameFileDialogBox : private IconProviderHolder, public QFileDialog {
  public:
    GameFileDialogBox(QWidget* parent, GameFileDialog kind, const QString& folder);

    void accept() override;

  private:
    void ShowOnlyFilesMatching(const QFileInfo& typed);

    // The dialog's file type and the name it starts with: saved games' or game records'.
    QString m_filter;
    QString m_pattern;
};

// The full path of the file the user chose, in the file system's encoding; nothing for a
// pattern, which names no file.
std::optional<std::string> ChosenGameFile(const QFileDialog& dialog);

// The folder a saved-game dialog opens in: the folder of the game last saved or loaded, as the
// settings remember it, while it is still a folder the user can read; else the user's home
// folder, or the current one when HOME names none. Never the game's own folders, a user keeps
// games among their own files, and never the kernel's /proc, /sys or /dev, where reading a file
// may wait for ever.
QString GameFolderToOpen(const SettingsFile& settings);

// Remembers the folder of `file`, a game just saved or loaded, for the next dialog and the
// next run.
void RememberGameFolder(SettingsFile& settings, const std::string& file);

} // namespace trevallion
