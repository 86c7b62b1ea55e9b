#pragma once

#include "play/ShownText.h"

#include <QString>

#include <string_view>

namespace trevallion {

// The game's texts are UTF-8 views; Qt wants QStrings.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString ToQString(const ShownText& text) {
    return ToQString(text.Str());
}

} // namespace trevallion
