#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace trevallion {

// Reads a record's text front to back and knows the line it is on, from 1, for the messages.
class RecordScanner {
  public:
    explicit RecordScanner(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_at == m_text.size(); }
    // The next character; only before the end.
    char Peek() const { return m_text[m_at]; }
    std::string_view Rest() const { return m_text.substr(m_at); }
    int Line() const { return m_line; }

    void Advance(std::size_t count) {
        for (const char c : m_text.substr(m_at, count)) {
            m_line += c == '\n' ? 1 : 0;
        }
        m_at = std::min(m_text.size(), m_at + count);
    }

    // The rest of this line, without its end (a "\r\n" end too), and on to the next line.
    std::string_view TakeLine() {
        std::string_view line = Rest().substr(0, Rest().find('\n'));
        Advance(line.size() + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        return line;
    }

    // Passes over spaces, tabs and line ends.
    void SkipBlanks() {
        const std::size_t end = Rest().find_first_not_of(" \t\r\n");
        Advance(end == std::string_view::npos ? Rest().size() : end);
    }

  private:
    std::string_view m_text;
    std::size_t m_at = 0;
    int m_line = 1;
};

} // namespace trevallion
