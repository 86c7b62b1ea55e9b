#pragma once

#include "MoveReplay.h"

#include "ai/Strength.h"
#include "rules/Board.h"
#include "rules/GenerateMoves.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevallion {

// The deepest search the tool accepts with --depth.
inline constexpr int MaxAnalysisDepth = 8;
// The largest budget AI Expert may be given: an hour, a million million nodes.
inline constexpr std::int64_t MaxExpertMilliseconds = 3'600'000;
inline constexpr std::int64_t MaxExpertNodes = 1'000'000'000'000;

// What the command line asks for: one position (a level's start, perhaps with moves played from
// it), the side to move, and either a strength (the computer player's passes, or AI Expert's
// search with its budget) or a single pass at a given depth and ordering mode.
struct AnalysisOptions {
    int level = 0;         // 1..50, or 0 when the board comes from a file
    std::string boardFile; // "-" for standard input; empty unless --board is given
    std::string gameFile;  // a saved game, which also names the side to move; empty if none
    Side side = Side::PlayerOne;
    bool useStrength = false;
    PlayerType strength = PlayerType::Human;
    int depth = 0;
    OrderingMode orderingMode = OrderingMode::CapturesFirst;
    // AI Expert's budget as given; what is not given is left to the game's budget or unlimited.
    std::optional<std::chrono::milliseconds> expertTime;
    std::optional<std::uint64_t> expertNodes;
    std::vector<ListedMove> moves; // played from the level's start, Player 1 first
};

struct ParsedArguments {
    AnalysisOptions options;
    bool help = false;
    bool version = false;
    std::string error; // not empty: the command line is malformed, and this says why
};

// Reads the arguments that follow the program's name.
ParsedArguments ParseArguments(const std::vector<std::string_view>& args);

struct ParsedBoard {
    Board board;
    std::string error; // not empty: the text is not a board
};

// Reads a board written as 49 whitespace-separated codes 0..27 in screen order: row y = 0 first,
// each row from x = 0 to 6.
ParsedBoard ParseBoardText(std::string_view text);

// The text that --help prints.
std::string_view UsageText();

} // namespace trevallion
