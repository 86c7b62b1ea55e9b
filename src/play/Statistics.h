#pragma once

#include "players/PlayerType.h"
#include "rules/Side.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace trevallion {

// Who played a level: a human against a computer player of each strength, two humans, or two
// computer players (of any strengths).
enum class Pairing {
    HumanVsEasy,
    HumanVsMedium,
    HumanVsDifficult,
    HumanVsExpert,
    TwoHumans,
    TwoComputers
};

inline constexpr Pairing AllPairings[] = {Pairing::HumanVsEasy,      Pairing::HumanVsMedium,
                                          Pairing::HumanVsDifficult, Pairing::HumanVsExpert,
                                          Pairing::TwoHumans,        Pairing::TwoComputers};

// "Human vs AI Easy", "Human vs Human", "AI vs AI"...
std::string_view PairingName(Pairing pairing);

// How a decided level ended for the first one its pairing names: the human against a computer
// player, Player 1 otherwise.
enum class Result { Won, Lost, Drawn };

struct LevelResult {
    Pairing pairing = Pairing::TwoHumans;
    Result result = Result::Lost;
};
// The result of a level won by `winner`, or drawn when there is none.
LevelResult ResultOf(PlayerType one, PlayerType two, std::optional<Side> winner);

struct Tally {
    std::int32_t won = 0;
    std::int32_t lost = 0;
    std::int32_t drawn = 0;

    friend bool operator==(const Tally&, const Tally&) = default;
};

// The results by level and pairing, in that order.
using StatisticsTable = std::map<std::pair<std::int32_t, Pairing>, Tally>;

void CountResult(StatisticsTable& table, std::int32_t level, const LevelResult& result);

// The table as the statistics file holds it: a line naming the format and its version, then a
// line "level pairing won lost drawn" for each row, in the table's order.
std::string EncodeStatistics(const StatisticsTable& table);

// The table that `text` holds; nothing when it is not exactly such a file (another version, a
// line cut short, an unknown pairing, a number out of range, a row twice). A file of the first
// version, written before levels could be drawn, has no drawn count on its lines.
std::optional<StatisticsTable> DecodeStatistics(std::string_view text);

} // namespace trevallion
