#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for translation where it is written, leaving it as it is: the translators' tools
// find the texts by this name and context. Spelled exactly as Qt spells its own, so that either
// may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace trevallion {

// Where the core's texts are put into the player's language. The window sets one at start-up;
// without it every text stays as written, in English.
class TextCatalog {
  public:
    virtual ~TextCatalog() = default;
    // `source` in the player's language, or `source` itself when it has no translation there.
    virtual std::string Translate(std::string_view context, std::string_view source) const = 0;
};

// The catalog every later Translated() asks; null for English. Set before the window opens,
// while no other thread runs: the catalog is read, never changed, after that.
void UseTextCatalog(const TextCatalog* catalog);

std::string Translated(std::string_view context, std::string_view source);

// `text` with %1, %2, ... replaced by the numbered values, which may stand in any order (a
// language puts words where its grammar wants them). Other '%' signs stay as they are.
std::string WithValues(std::string_view text, std::initializer_list<std::string_view> values);

} // namespace trevallion
