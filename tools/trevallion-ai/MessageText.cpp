#include "MessageText.h"

namespace trevallion {

std::string Escaped(std::string_view text) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            escaped += {'\\', c};
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\t') {
            escaped += "\\t";
        } else if (c == '\r') {
            escaped += "\\r";
        } else if (byte < 0x20 || byte == 0x7F) {
            escaped += {'\\', 'x', Hex[byte >> 4], Hex[byte & 0xF]};
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string QuotedPrefix(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return '"' + Escaped(text) + '"';
    }
    // Never inside a UTF-8 sequence: back up over its continuation bytes (10xxxxxx).
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return '"' + Escaped(text.substr(0, cut)) + "...\"";
}

} // namespace trevallion
