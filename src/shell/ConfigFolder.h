#pragma once

#include <QString>

namespace trevallion {

// The folder for the user's configuration, as the environment names it: $XDG_CONFIG_HOME, or
// $HOME/.config when that is unset or empty. A relative XDG_CONFIG_HOME is ignored, as the
// freedesktop.org base directory rules ask. The game writes only where the user said: a folder
// that is not a full path would land in the current directory, and one that is not valid UTF-8
// (Qt spells every path in UTF-8) in a sibling whose name has U+FFFD in place of the odd byte.
// Either way there is no folder, and the settings last for this run only.
struct ConfigFolder {
    QString path;      // empty when the environment names no folder the game can use
    QString problem;   // then why, for a message: "HOME is not set"
    bool told = false; // whether the player has been told already what is not kept for it
};

// From the values of HOME and XDG_CONFIG_HOME, null when unset.
ConfigFolder ConfigFolderFrom(const char* home, const char* xdgConfigHome);

// The folder for the user's data files, with the same care: $XDG_DATA_HOME, or
// $HOME/.local/share. From the values of HOME and XDG_DATA_HOME, null when unset.
ConfigFolder DataFolderFrom(const char* home, const char* xdgDataHome);

// The base directory rules count an XDG_*_HOME or XDG_RUNTIME_DIR that is not a full path as
// unset; Qt and the libraries under it (PulseAudio's among them) and the programs it starts
// would write under the current directory instead, and some would complain. This unsets every
// such variable, HOME too, so that all of them fall back alike, as they do when it is unset.
// The game's own folders are found first: it still keeps nothing without a HOME of full path.
void IgnoreRelativeBaseFolders();

// Tells the player, on standard error, what the game does not keep because `config` or `data`
// names no folder, once, in one line where both fail for the same reason; both count as told
// afterwards, so that neither the settings nor the keeping of the game say it again.
void TellWhatIsNotKept(ConfigFolder& config, ConfigFolder& data);

// From this process's environment.
ConfigFolder UserConfigFolder();
ConfigFolder UserDataFolder();

// HOME when it names a folder by a full path that Qt can spell; otherwise empty.
QString UsableHomeFolder();

// Qt keeps settings of its own, such as the file dialogs' history, in its "QtProject" file
// under the configuration folder, which it finds without the checks above. This sends them to
// `folder`, or, when it is empty, under /dev/null, where nothing can be made: they are then
// dropped. Must come before Qt opens them, best before the application object exists.
void KeepQtSettingsIn(const QString& folder);

} // namespace trevallion
