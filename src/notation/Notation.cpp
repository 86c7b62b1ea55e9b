#include "notation/Notation.h"

#include "rules/CellCode.h"

namespace trevallion {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

bool IsWordCharacter(char c) {
    const char lower = Lower(c);
    return (lower >= 'a' && lower <= 'z') || (c >= '0' && c <= '9');
}

// Reads text[at..] as far as the spaces go; answers where they end.
std::size_t SkipSpaces(std::string_view text, std::size_t at) {
    while (at < text.size() && IsSpace(text[at])) {
        ++at;
    }
    return at;
}

std::optional<Cell> CellNamedAt(std::string_view text, std::size_t at) {
    return at + 2 <= text.size() ? ParseCell(text.substr(at, 2)) : std::nullopt;
}

bool EndsWord(std::string_view text, std::size_t at) {
    return at == text.size() || !IsWordCharacter(text[at]);
}

std::optional<TurnReading> ReadPassAt(std::string_view text) {
    if (text.size() < PassName.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < PassName.size(); ++i) {
        if (Lower(text[i]) != PassName[i]) {
            return std::nullopt;
        }
    }
    if (!EndsWord(text, PassName.size())) {
        return std::nullopt;
    }
    return TurnReading{{}, PassName.size()};
}

} // namespace

std::string CellName(Cell cell) {
    return {static_cast<char>('a' + cell.x), static_cast<char>('0' + BoardSize - cell.y)};
}

std::optional<Cell> ParseCell(std::string_view text) {
    if (text.size() != 2) {
        return std::nullopt;
    }
    const Cell cell{Lower(text[0]) - 'a', BoardSize - (text[1] - '0')};
    return OnBoard(cell) ? std::optional(cell) : std::nullopt;
}

MoveMark MarkOf(const Board& before, const Move& move) {
    const CellCode target = before.At(move.to);
    if (IsKing(target)) {
        return MoveMark::KingCapture;
    }
    return target == Empty ? MoveMark::Step : MoveMark::Capture;
}

std::string MoveName(const Move& move, MoveMark mark) {
    std::string name =
        CellName(move.from) + (mark == MoveMark::Step ? "-" : "x") + CellName(move.to);
    if (mark == MoveMark::KingCapture) {
        name += '#';
    }
    return name;
}

std::string TurnName(const Board& before, const std::optional<Move>& turn) {
    return turn ? MoveName(*turn, MarkOf(before, *turn)) : std::string(PassName);
}

std::optional<TurnReading> ReadTurnAt(std::string_view text) {
    if (const auto pass = ReadPassAt(text)) {
        return pass;
    }
    const std::optional<Cell> from = CellNamedAt(text, 0);
    std::size_t at = SkipSpaces(text, 2);
    if (!from || at == text.size() || (text[at] != '-' && Lower(text[at]) != 'x')) {
        return std::nullopt;
    }
    MoveMark mark = text[at] == '-' ? MoveMark::Step : MoveMark::Capture;
    at = SkipSpaces(text, at + 1);
    const std::optional<Cell> to = CellNamedAt(text, at);
    if (!to) {
        return std::nullopt;
    }
    at += 2;
    // The king's mark may stand apart, "b2xc3 #", but only on a capture.
    if (const std::size_t hash = SkipSpaces(text, at);
        mark == MoveMark::Capture && hash < text.size() && text[hash] == '#') {
        mark = MoveMark::KingCapture;
        at = hash + 1;
    }
    if (!EndsWord(text, at) || (at < text.size() && text[at] == '#')) {
        return std::nullopt;
    }
    return TurnReading{{Move{*from, *to}, mark}, at};
}

std::optional<WrittenTurn> ParseTurn(std::string_view text) {
    const std::size_t start = SkipSpaces(text, 0);
    const auto reading = ReadTurnAt(text.substr(start));
    if (!reading || SkipSpaces(text, start + reading->length) != text.size()) {
        return std::nullopt;
    }
    return reading->turn;
}

} // namespace trevallion
