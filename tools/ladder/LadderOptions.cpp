#include "LadderOptions.h"

#include "MessageText.h"
#include "NumberText.h"

#include "players/StrengthNames.h"
#include "levels/LevelLayouts.h"

#include <algorithm>

namespace trevallion {
namespace {

constexpr std::int64_t MaxJobs = 64;
constexpr std::int64_t MaxMilliseconds = 3'600'000;
constexpr std::int64_t MaxNodes = 1'000'000'000'000;
constexpr std::int64_t MaxPlies = 100'000;

// A comma-separated list of levels N and ranges FIRST-LAST, from 1 to 50.
bool ApplyLevels(std::string_view text, LadderOptions& options) {
    options.levels.clear();
    options.levelsText = std::string(text);
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view item = text.substr(start, comma - start);
        const std::size_t dash = item.find('-');
        const auto first = ParseNumberIn(item.substr(0, dash), 1, LevelCount);
        const auto last = dash == std::string_view::npos
                              ? first
                              : ParseNumberIn(item.substr(dash + 1), 1, LevelCount);
        if (!first || !last || *last < *first) {
            return false;
        }
        for (auto level = *first; level <= *last; ++level) {
            options.levels.push_back(static_cast<int>(level));
        }
        start = comma + 1;
    }
    return true;
}

// Applies one option with its value; returns an error text, empty when the value is good.
std::string ApplyOption(std::string_view name, std::string_view value, LadderOptions& options) {
    if (name == "--levels") {
        return ApplyLevels(value, options)
                   ? ""
                   : "--levels takes levels N and ranges FIRST-LAST from 1 to 50, separated by "
                     "commas";
    }
    if (name == "--jobs") {
        const auto jobs = ParseNumberIn(value, 1, MaxJobs);
        options.jobs = static_cast<int>(jobs.value_or(1));
        return jobs ? "" : "--jobs takes 1 to " + std::to_string(MaxJobs);
    }
    if (name == "--max-plies") {
        const auto plies = ParseNumberIn(value, 1, MaxPlies);
        options.maxPlies = static_cast<int>(plies.value_or(1));
        return plies ? "" : "--max-plies takes 1 to " + std::to_string(MaxPlies);
    }
    if (name == "--expert-time") {
        const auto ms = ParseNumberIn(value, 1, MaxMilliseconds);
        options.budget.time = std::chrono::milliseconds(ms.value_or(1));
        return ms ? "" : "--expert-time takes 1 to " + std::to_string(MaxMilliseconds) + " ms";
    }
    const auto nodes = ParseNumberIn(value, 1, MaxNodes);
    options.budget.nodes = static_cast<std::uint64_t>(nodes.value_or(1));
    return nodes ? "" : "--expert-nodes takes 1 to " + std::to_string(MaxNodes);
}

bool TakesValue(std::string_view name) {
    constexpr std::string_view names[] = {"--levels", "--jobs", "--max-plies", "--expert-time",
                                          "--expert-nodes"};
    return std::ranges::find(names, name) != std::end(names);
}

} // namespace

ParsedLadderArguments ParseLadderArguments(const std::vector<std::string_view>& args) {
    ParsedLadderArguments parsed;
    LadderOptions& options = parsed.options;
    std::vector<std::string_view> strengths;
    std::vector<std::string_view> seen;
    bool time = false;
    bool nodes = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
            return parsed;
        }
        if (std::ranges::find(seen, arg) != seen.end()) {
            parsed.error = std::string(arg) + " is given twice";
            return parsed;
        }
        if (arg == "--games" || arg == "--moves") {
            options.eachGame = true;
            options.eachGameMoves = options.eachGameMoves || arg == "--moves";
        } else if (TakesValue(arg)) {
            if (i + 1 == args.size()) {
                parsed.error = std::string(arg) + " needs a value";
                return parsed;
            }
            parsed.error = ApplyOption(arg, args[++i], options);
            time = time || arg == "--expert-time";
            nodes = nodes || arg == "--expert-nodes";
        } else if (!arg.starts_with("-") && strengths.size() < 2) {
            strengths.push_back(arg);
            continue;
        } else {
            parsed.error = "unknown argument " + QuotedPrefix(arg);
        }
        if (!parsed.error.empty()) {
            return parsed;
        }
        seen.push_back(arg);
    }
    if (strengths.size() != 2) {
        parsed.error = "name two strengths: easy, medium, difficult or expert";
        return parsed;
    }
    const auto first = StrengthFromName(strengths[0]);
    const auto second = StrengthFromName(strengths[1]);
    if (!first || !second) {
        parsed.error = "unknown strength " + QuotedPrefix(first ? strengths[1] : strengths[0]) +
                       ": name easy, medium, difficult or expert";
        return parsed;
    }
    options.first = *first;
    options.second = *second;
    if (options.levels.empty()) {
        ApplyLevels(options.levelsText, options);
    }
    // A budget given in part has no limit in the part not given.
    if (time != nodes) {
        options.budget = time ? ExpertBudget{options.budget.time, 0}
                              : ExpertBudget{std::chrono::hours(24), options.budget.nodes};
    }
    options.budgetGiven = time || nodes;
    return parsed;
}

std::string_view LadderUsage() {
    return R"(Usage: ladder FIRST SECOND [OPTIONS]

Plays the level starts between two computer strengths (easy, medium, difficult or expert):
every level twice, FIRST playing Player 1 once and Player 2 once. A side that cannot move
passes; a game is drawn when a position (the board and the side to move) comes up for the
third time, when neither side can move, or after the most plies allowed. Prints FIRST's
wins, losses and draws, how the draws came about, and each strength's median time per move.

  --levels LIST          the levels to play, 1 to 50, as N and FIRST-LAST separated by
                         commas (default 1-50)
  --jobs N               games played at once, on as many threads (default 1)
  --max-plies N          the plies after which a game is drawn (default 300)
  --expert-time MS       AI Expert's time per move in milliseconds
  --expert-nodes N       AI Expert's nodes per move; with only one of the two given, the
                         other has no limit; with neither, AI Expert has the game's budget
  --games                one line per game besides the summary
  --moves                as --games, and after each game's line its moves, as
                         trevallion-ai --moves takes them
  --help                 this text

Malformed arguments print one line on standard error and exit with status 2.
)";
}

} // namespace trevallion
