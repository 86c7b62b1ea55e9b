#pragma once

#include <QString>

#include <optional>

namespace trevallion {

// Why the game cannot read the data file at `path`, if it cannot, as a clause for a message
// ("it is missing"): the file must be there, be a plain file (a pipe would hold the reader up,
// and a folder is no file) and give a byte.
std::optional<QString> UnreadableBecause(const QString& path);

// Why the translation at `path` must be left out, if it must: it cannot be read, or it is not, to
// the byte, one of the translations the build made.
std::optional<QString> TranslationFault(const QString& path);

} // namespace trevallion
