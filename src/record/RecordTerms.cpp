#include "record/RecordTerms.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace trevallion {
namespace {

constexpr std::pair<PlayerType, std::string_view> PlayerNames[] = {
    {PlayerType::Human, "Human"},        {PlayerType::AiEasy, "AI Easy"},
    {PlayerType::AiMedium, "AI Medium"}, {PlayerType::AiDifficult, "AI Difficult"},
    {PlayerType::AiExpert, "AI Expert"},
};

constexpr std::pair<RecordResult, std::string_view> ResultNames[] = {
    {RecordResult::Unfinished, "unfinished"},
    {RecordResult::PlayerOneWins, "Player 1 wins"},
    {RecordResult::PlayerTwoWins, "Player 2 wins"},
    {RecordResult::Draw, "draw"},
};

constexpr std::pair<Side, std::string_view> SideNames[] = {
    {Side::PlayerOne, "Player 1"},
    {Side::PlayerTwo, "Player 2"},
};

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

template <typename Value, std::size_t N>
std::string_view NameOf(const std::pair<Value, std::string_view> (&table)[N], Value value) {
    for (const auto& [entry, name] : table) {
        if (entry == value) {
            return name;
        }
    }
    return {};
}

template <typename Value, std::size_t N>
std::optional<Value> ValueOf(const std::pair<Value, std::string_view> (&table)[N],
                             std::string_view name) {
    name = Trimmed(name);
    for (const auto& [entry, entryName] : table) {
        if (SameWords(name, entryName)) {
            return entry;
        }
    }
    return std::nullopt;
}

// A whole decimal number of `text`, digits only.
std::optional<int> NumberOf(std::string_view text) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || text[0] == '-' || error != std::errc() ||
        end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

} // namespace

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameWords(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string Quoted(std::string_view text) {
    // Enough for any move or value; a longer piece is shown by its start.
    constexpr std::size_t Longest = 24;
    std::string quoted;
    for (const char c : text.substr(0, Longest)) {
        quoted += c >= ' ' && c <= '~' ? c : '?';
    }
    if (text.size() > Longest) {
        quoted += "...";
    }
    return quoted;
}

std::string_view PlayerName(PlayerType type) {
    return NameOf(PlayerNames, type);
}

std::optional<PlayerType> PlayerFromName(std::string_view name) {
    return ValueOf(PlayerNames, name);
}

std::string_view ResultName(RecordResult result) {
    return NameOf(ResultNames, result);
}

std::optional<RecordResult> ResultFromName(std::string_view name) {
    return ValueOf(ResultNames, name);
}

std::string_view SideName(Side side) {
    return NameOf(SideNames, side);
}

std::optional<Side> SideFromName(std::string_view name) {
    return ValueOf(SideNames, name);
}

std::optional<std::int32_t> LevelFromText(std::string_view text) {
    const std::optional<int> level = NumberOf(Trimmed(text));
    return level && *level >= 1 && *level <= 255 ? level : std::nullopt;
}

bool IsRecordDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return false;
    }
    const auto year = NumberOf(text.substr(0, 4));
    const auto month = NumberOf(text.substr(5, 2));
    const auto day = NumberOf(text.substr(8, 2));
    return year && month && day && *month >= 1 && *month <= 12 && *day >= 1 && *day <= 31;
}

std::string PositionText(const Board& board) {
    std::string text;
    for (int y = 0; y < BoardSize; ++y) {
        for (int x = 0; x < BoardSize; ++x) {
            text += std::to_string(board.At({x, y}));
            text += x + 1 < BoardSize ? " " : "";
        }
        text += y + 1 < BoardSize ? " / " : "";
    }
    return text;
}

std::optional<Board> PositionFromText(std::string_view text) {
    Board board;
    for (int y = 0; y < BoardSize; ++y) {
        const std::size_t slash = text.find('/');
        if ((slash == std::string_view::npos) != (y + 1 == BoardSize)) {
            return std::nullopt;
        }
        std::string_view row = text.substr(0, slash);
        text.remove_prefix(slash == std::string_view::npos ? text.size() : slash + 1);
        for (int x = 0; x < BoardSize; ++x) {
            row = Trimmed(row);
            const std::size_t end = std::min(row.find_first_of(" \t"), row.size());
            const std::optional<int> code = NumberOf(row.substr(0, end));
            if (!code || !IsValidCode(*code)) {
                return std::nullopt;
            }
            board.At({x, y}) = *code;
            row.remove_prefix(end);
        }
        if (!Trimmed(row).empty()) {
            return std::nullopt;
        }
    }
    return board;
}

} // namespace trevallion
