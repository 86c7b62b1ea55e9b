#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace trevallion {

// A text in the player's language, ready for the window: a box's message, the title, the status
// line. The texts the game marks for translation are plain strings in English, and a string does
// not turn into one of these by itself, so a text that has not been through the translation
// cannot reach the window by mistake: only Message() and the few named ways below make one.
class ShownText {
  public:
    ShownText() = default;

    // A text some other part of the program has put into the player's language already (a file's
    // error, the statistics file set aside, the status line), or one that reads the same in
    // every language (the program's name).
    static ShownText Translated(std::string text) { return ShownText(std::move(text)); }

    // Two texts as paragraphs of one box.
    static ShownText Paragraphs(const ShownText& first, const ShownText& second) {
        return ShownText(first.m_text + "\n\n" + second.m_text);
    }

    const std::string& Str() const { return m_text; }
    bool empty() const { return m_text.empty(); }

    friend bool operator==(const ShownText&, const ShownText&) = default;

  private:
    explicit ShownText(std::string text) : m_text(std::move(text)) {}

    std::string m_text;
};

} // namespace trevallion
