#include "play/Statistics.h"

#include "text/TextCatalog.h"

#include <charconv>
#include <limits>

namespace trevallion {
namespace {

constexpr std::string_view Header = "trevallion-statistics 2";
// The first version's lines end with the lost count.
constexpr std::string_view FirstHeader = "trevallion-statistics 1";

// The highest level a saved game can hold, and so the highest a level played can have.
constexpr std::int32_t HighestLevel = 255;

// The pairings' words in the file, which stay as they are whatever the names shown become.
std::string_view PairingWord(Pairing pairing) {
    switch (pairing) {
    case Pairing::HumanVsEasy:
        return "easy";
    case Pairing::HumanVsMedium:
        return "medium";
    case Pairing::HumanVsDifficult:
        return "difficult";
    case Pairing::HumanVsExpert:
        return "expert";
    case Pairing::TwoHumans:
        return "humans";
    case Pairing::TwoComputers:
        return "computers";
    }
    return "";
}

std::optional<Pairing> PairingFromWord(std::string_view word) {
    for (const Pairing pairing : AllPairings) {
        if (PairingWord(pairing) == word) {
            return pairing;
        }
    }
    return std::nullopt;
}

Pairing AgainstComputer(PlayerType computer) {
    switch (computer) {
    case PlayerType::AiEasy:
        return Pairing::HumanVsEasy;
    case PlayerType::AiMedium:
        return Pairing::HumanVsMedium;
    case PlayerType::AiExpert:
        return Pairing::HumanVsExpert;
    default:
        return Pairing::HumanVsDifficult;
    }
}

Result ResultFor(Side side, std::optional<Side> winner) {
    if (!winner) {
        return Result::Drawn;
    }
    return *winner == side ? Result::Won : Result::Lost;
}

// The next space-separated word of `line`, taken off its front.
std::string_view NextWord(std::string_view& line) {
    const std::size_t end = std::min(line.find(' '), line.size());
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(std::min(end + 1, line.size()));
    return word;
}

// A whole number written plainly (digits only) within `low`..`high`.
std::optional<std::int32_t> NumberIn(std::string_view word, std::int32_t low, std::int32_t high) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || word.front() == '-' || error != std::errc{} ||
        end != word.data() + word.size() || value < low || value > high) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t OneMore(std::int32_t count) {
    return count == std::numeric_limits<std::int32_t>::max() ? count : count + 1;
}

} // namespace

std::string_view PairingName(Pairing pairing) {
    switch (pairing) {
    case Pairing::HumanVsEasy:
        return QT_TRANSLATE_NOOP("Statistics", "Human vs AI Easy");
    case Pairing::HumanVsMedium:
        return QT_TRANSLATE_NOOP("Statistics", "Human vs AI Medium");
    case Pairing::HumanVsDifficult:
        return QT_TRANSLATE_NOOP("Statistics", "Human vs AI Difficult");
    case Pairing::HumanVsExpert:
        return QT_TRANSLATE_NOOP("Statistics", "Human vs AI Expert");
    case Pairing::TwoHumans:
        return QT_TRANSLATE_NOOP("Statistics", "Human vs Human");
    case Pairing::TwoComputers:
        return QT_TRANSLATE_NOOP("Statistics", "AI vs AI");
    }
    return "";
}

LevelResult ResultOf(PlayerType one, PlayerType two, std::optional<Side> winner) {
    const bool oneHuman = one == PlayerType::Human;
    const bool twoHuman = two == PlayerType::Human;
    if (oneHuman == twoHuman) {
        return {oneHuman ? Pairing::TwoHumans : Pairing::TwoComputers,
                ResultFor(Side::PlayerOne, winner)};
    }
    const Side human = oneHuman ? Side::PlayerOne : Side::PlayerTwo;
    return {AgainstComputer(oneHuman ? two : one), ResultFor(human, winner)};
}

void CountResult(StatisticsTable& table, std::int32_t level, const LevelResult& result) {
    Tally& tally = table[{level, result.pairing}];
    std::int32_t& count = result.result == Result::Won    ? tally.won
                          : result.result == Result::Lost ? tally.lost
                                                          : tally.drawn;
    count = OneMore(count);
}

std::string EncodeStatistics(const StatisticsTable& table) {
    std::string text(Header);
    text += '\n';
    for (const auto& [key, tally] : table) {
        text += std::to_string(key.first) + ' ' + std::string(PairingWord(key.second)) + ' ' +
                std::to_string(tally.won) + ' ' + std::to_string(tally.lost) + ' ' +
                std::to_string(tally.drawn) + '\n';
    }
    return text;
}

std::optional<StatisticsTable> DecodeStatistics(std::string_view text) {
    constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();
    StatisticsTable table;
    bool first = true;
    bool withDraws = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            return std::nullopt; // the last line was cut short
        }
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (first) {
            if (line != Header && line != FirstHeader) {
                return std::nullopt;
            }
            withDraws = line == Header;
            first = false;
            continue;
        }
        const auto level = NumberIn(NextWord(line), 1, HighestLevel);
        const auto pairing = PairingFromWord(NextWord(line));
        const auto won = NumberIn(NextWord(line), 0, most);
        const auto lost = NumberIn(NextWord(line), 0, most);
        const auto drawn =
            withDraws ? NumberIn(NextWord(line), 0, most) : std::optional<std::int32_t>(0);
        if (!level || !pairing || !won || !lost || !drawn || !line.empty() ||
            !table.emplace(std::pair{*level, *pairing}, Tally{*won, *lost, *drawn}).second) {
            return std::nullopt;
        }
    }
    if (first) {
        return std::nullopt; // not even the header: an empty file is no statistics file
    }
    return table;
}

} // namespace trevallion
