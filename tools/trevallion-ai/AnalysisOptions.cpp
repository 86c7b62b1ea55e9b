#include "AnalysisOptions.h"

#include "MessageText.h"
#include "NumberText.h"

#include "players/StrengthNames.h"
#include "levels/LevelLayouts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <optional>

namespace trevallion {
namespace {

std::optional<int> ParseIntIn(std::string_view text, int low, int high) {
    const auto value = ParseNumberIn(text, low, high);
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

std::string Range(std::int64_t low, std::int64_t high) {
    return std::to_string(low) + " to " + std::to_string(high);
}

// Applies one option with its value; returns an error text, empty when the value is good.
std::string ApplyOption(std::string_view name, std::string_view value, AnalysisOptions& options) {
    if (name == "--level") {
        const auto level = ParseIntIn(value, 1, LevelCount);
        options.level = level.value_or(0);
        return level ? "" : "--level takes a level from " + Range(1, LevelCount);
    }
    if (name == "--board") {
        options.boardFile = std::string(value);
        return value.empty() ? "--board takes a file name, or - for standard input" : "";
    }
    if (name == "--game") {
        options.gameFile = std::string(value);
        return value.empty() ? "--game takes the file name of a saved game" : "";
    }
    if (name == "--side") {
        const auto side = SideFromNumber(ParseIntIn(value, 1, 2).value_or(0));
        options.side = side.value_or(Side::PlayerOne);
        return side ? "" : "--side takes 1 or 2";
    }
    if (name == "--strength") {
        const auto strength = StrengthFromName(value);
        options.strength = strength.value_or(PlayerType::Human);
        options.useStrength = strength.has_value();
        return strength ? "" : "--strength takes easy, medium, difficult or expert";
    }
    if (name == "--time") {
        const auto ms = ParseNumberIn(value, 1, MaxExpertMilliseconds);
        options.expertTime = std::chrono::milliseconds(ms.value_or(0));
        return ms ? "" : "--time takes milliseconds from " + Range(1, MaxExpertMilliseconds);
    }
    if (name == "--nodes") {
        const auto nodes = ParseNumberIn(value, 1, MaxExpertNodes);
        options.expertNodes = static_cast<std::uint64_t>(nodes.value_or(0));
        return nodes ? "" : "--nodes takes a number of nodes from " + Range(1, MaxExpertNodes);
    }
    if (name == "--moves") {
        ParsedMoves moves = ParseMoveList(value);
        options.moves = std::move(moves.moves);
        return moves.error;
    }
    if (name == "--depth") {
        const auto depth = ParseIntIn(value, 0, MaxAnalysisDepth);
        options.depth = depth.value_or(0);
        return depth ? "" : "--depth takes a depth from " + Range(0, MaxAnalysisDepth);
    }
    const auto mode = ParseIntIn(value, 0, 1);
    options.orderingMode = static_cast<OrderingMode>(mode.value_or(0));
    return mode ? "" : "--mode takes 0 or 1";
}

bool Contains(const std::vector<std::string_view>& names, std::string_view name) {
    return std::ranges::find(names, name) != names.end();
}

// The options that take a value; ApplyOption reads each.
bool IsOption(std::string_view name) {
    return Contains({"--level", "--board", "--game", "--side", "--strength", "--depth", "--mode",
                     "--time", "--nodes", "--moves"},
                    name);
}

bool IsHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

// An argument that stands where a value belongs but reads as an option, such as "--help" or
// "-x", is never taken as the value. A lone "-" is a value: standard input.
bool LooksLikeOption(std::string_view arg) {
    return arg.size() > 1 && arg.front() == '-';
}

// The checks that look at the options together.
std::string CheckCombination(const std::vector<std::string_view>& seen, PlayerType strength) {
    const auto given = [&](std::string_view name) { return Contains(seen, name); };
    if (std::ranges::count_if(std::array{"--level", "--board", "--game"}, given) != 1) {
        return "give exactly one of --level, --board and --game";
    }
    if (given("--game") && given("--side")) {
        return "--side cannot be combined with --game, which says whose turn it is";
    }
    if (given("--strength") && (given("--depth") || given("--mode"))) {
        return "--strength cannot be combined with --depth or --mode";
    }
    if (!given("--strength") && !(given("--depth") && given("--mode"))) {
        return "give --strength, or --depth together with --mode";
    }
    if ((given("--time") || given("--nodes")) && strength != PlayerType::AiExpert) {
        return "--time and --nodes go with --strength expert";
    }
    if (given("--moves") && !given("--level")) {
        return "--moves goes with --level, whose start the moves are played from";
    }
    if (given("--moves") && given("--side")) {
        return "--side cannot be combined with --moves, which say whose turn it is";
    }
    return "";
}

} // namespace

// The arguments are read in order. An unknown argument or a missing value ends the reading with
// its error; --help or --version before either asks for that alone, even after a bad value.
ParsedArguments ParseArguments(const std::vector<std::string_view>& args) {
    ParsedArguments parsed;
    std::vector<std::string_view> seen;
    std::string firstError; // of the values and repeats, told when no --help follows
    // Each option takes its value with it: the reading goes on two arguments at a time.
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string_view name = args[i];
        if (IsHelp(name)) {
            parsed.help = true;
            return parsed;
        }
        if (name == "--version") {
            parsed.version = true;
            return parsed;
        }
        if (!IsOption(name)) {
            parsed.error = "unknown argument " + QuotedPrefix(name);
            return parsed;
        }
        if (i + 1 == args.size() || LooksLikeOption(args[i + 1])) {
            parsed.error = std::string(name) + " needs a value";
            return parsed;
        }
        std::string error = Contains(seen, name) ? std::string(name) + " is given twice"
                                                 : ApplyOption(name, args[i + 1], parsed.options);
        if (firstError.empty()) {
            firstError = std::move(error);
        }
        seen.push_back(name);
    }
    parsed.error =
        firstError.empty() ? CheckCombination(seen, parsed.options.strength) : firstError;
    return parsed;
}

ParsedBoard ParseBoardText(std::string_view text) {
    ParsedBoard parsed;
    int count = 0;
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])) != 0) {
            ++i;
        }
        if (i == text.size()) {
            break;
        }
        std::size_t end = i;
        while (end < text.size() && std::isspace(static_cast<unsigned char>(text[end])) == 0) {
            ++end;
        }
        const std::string_view token = text.substr(i, end - i);
        i = end;
        const auto code =
            ParseIntIn(token, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        if (!code) {
            parsed.error = "the board holds something that is not a number: " + QuotedPrefix(token);
            return parsed;
        }
        if (*code < Empty || *code > LastCode) {
            parsed.error = "the board holds a code outside 0..27: " + QuotedPrefix(token);
            return parsed;
        }
        if (count == CellCount) {
            parsed.error = "the board has more than 49 codes";
            return parsed;
        }
        parsed.board.At(CellAt(count)) = *code;
        ++count;
    }
    if (count < CellCount) {
        parsed.error = "the board has " + std::to_string(count) + " codes instead of 49";
    }
    return parsed;
}

std::string_view UsageText() {
    return R"(Usage: trevallion-ai POSITION [--side 1|2] SEARCH

Searches a Trevallion position with the computer player's engine and prints one line:
  score S move FX FY TX TY nodes N ms T
S is the score for the side to move, the move is the one the search chose (50 50 50 50 when it
chose none), N counts the search's calls over all passes and T is the time in milliseconds.

POSITION, exactly one of:
  --level N          the starting layout of level N, 1 to 50
  --board FILE       49 codes 0 to 27, whitespace-separated, in screen order (row y = 0
                     first, each row x = 0 to 6), in a plain file of at most 4096 bytes;
                     FILE - reads standard input
  --game FILE.tvx    the board of a game saved by Trevallion, with its side to move
--side 1|2           the side to move with --level or --board (default 1)
--moves LIST         with --level: the moves played from the level's start, Player 1
                     first, separated by commas: each a move's four coordinates FX FY TX TY
                     written together (6655), or pass for a side that could not move. The
                     side to move follows from them, so --side cannot go with --moves; AI
                     Expert knows the positions on the way
SEARCH, exactly one of:
  --strength easy|medium|difficult|expert
                     the computer player of that strength: the passes of depth 2, 4 or 6,
                     or AI Expert's search on the game's budget per move
  --depth D --mode M one pass at depth D (0 to 8) with the window -1000..1000,
                     ordering mode M: 0 captures first, 1 quiet moves first
--time MS            with --strength expert: its time for the move, in milliseconds
--nodes N            with --strength expert: its nodes for the move; with only one of
                     --time and --nodes, the other has no limit
--help               this text
--version            the version of the tool

Malformed arguments or boards, moves the rules refuse, board files that cannot be read, and
saved games that the game itself would refuse to load, print one line on standard error and
exit with status 2. When the result cannot be written to standard output, a line on standard
error says so and the exit status is 1.
)";
}

} // namespace trevallion
