#pragma once

#include <QString>
#include <QStringList>

namespace trevallion {

// The player's language, as the desktop names it (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG): the
// game's texts, Qt's own (buttons, file dialogs) and the core's come in it from the call on,
// when the game has a translation into it; otherwise they stay English. A translation that is
// not, to the byte, the one the build made is left out, with one line on standard error. The
// first call chooses; it may come before the application object exists, and the translations are
// then put to use by a second call once it is made. Call before any window or text is made.
void UsePlayersLanguage();

// `text`, marked for translation in `context`, in the language chosen; also before the
// application object exists, when UsePlayersLanguage has chosen one.
QString PlayersText(const char* context, const char* text);

// Speaks `language` ("de"), as a translation's file names it, from now on; English when the game
// has no translation into it (false) or `language` is empty.
bool SpeakLanguage(const QString& language);

// The language the game speaks, as its translations' files name it ("de"); empty for English.
QString SpokenLanguage();

// The data file `name` ("Instructions.rtf") in the language the game speaks
// ("Instructions_de.rtf"), when there is one; else `name` itself. As DataFilePath, a full path,
// empty without a data folder.
QString SpokenDataFilePath(const QString& name);

// The languages the game has translations into, as their files name them, from the data
// folder's translations.
QStringList TranslatedLanguages();

} // namespace trevallion
