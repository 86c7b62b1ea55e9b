#pragma once

#include <QString>

namespace trevallion {

// The folder that holds the game's manual and its sound files. It is found from where the
// program itself lies, never from the current directory: a desktop launcher starts the game in
// the home folder, a terminal anywhere.

// The data folder of a program that lies in `programFolder`: the folder that the build's note
// beside a game built but not installed names (the top of its build tree), otherwise the
// "share/trevallion" folder beside the installed program's "bin" (so a prefix moved as a whole
// still works).
QString DataFolderFor(const QString& programFolder);

// Fixes the data folder for the rest of the run, in place of the one found from the running
// program. An empty or relative folder means that there is none.
void SettleDataFolder(const QString& folder);

// The full path of `name` (such as "Instructions.rtf" or "sounds/capture1.wav") in the data
// folder; empty when no full path can be formed, because there is no data folder. The first
// call settles the folder from the running program, unless SettleDataFolder came first; it
// needs no application object.
QString DataFilePath(const QString& name);

} // namespace trevallion
