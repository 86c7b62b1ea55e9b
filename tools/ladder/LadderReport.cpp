#include "LadderReport.h"

#include "players/StrengthNames.h"

#include <algorithm>
#include <cstdio>

namespace trevallion {
namespace {

std::string Name(PlayerType type) {
    return std::string(StrengthName(type));
}

Side FirstSide(const LadderGame& game) {
    return game.firstIsPlayerOne ? Side::PlayerOne : Side::PlayerTwo;
}

std::string EndText(GameEnd end) {
    switch (end) {
    case GameEnd::Repetition:
        return "third repetition";
    case GameEnd::NoMove:
        return "neither side can move";
    case GameEnd::PlyCap:
        return "ply cap";
    case GameEnd::Won:
    case GameEnd::Refused:
        break;
    }
    return "";
}

std::string Milliseconds(std::vector<std::chrono::nanoseconds>& times) {
    if (times.empty()) {
        return "no moves";
    }
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end());
    char text[32];
    std::snprintf(text, sizeof text, "%.3f ms",
                  std::chrono::duration<double, std::milli>(*middle).count());
    return text;
}

std::string BudgetText(const LadderOptions& options) {
    const ExpertBudget& budget = options.budget;
    const std::string time = std::to_string(budget.time.count()) + " ms";
    const std::string nodes = std::to_string(budget.nodes) + " nodes";
    if (!options.budgetGiven) {
        return "the game's budget, " + time + (budget.nodes != 0 ? " or " + nodes : "");
    }
    if (budget.nodes == 0) {
        return time;
    }
    return budget.time >= std::chrono::hours(24) ? nodes : time + " or " + nodes;
}

} // namespace

std::string GameLine(const LadderOptions& options, const LadderGame& game) {
    const std::string one = Name(game.firstIsPlayerOne ? options.first : options.second);
    const std::string two = Name(game.firstIsPlayerOne ? options.second : options.first);
    std::string line = "level " + std::to_string(game.level) + ": " + one + " (Player 1) vs " +
                       two + " (Player 2): ";
    const GameResult& result = game.result;
    if (result.winner) {
        line += (*result.winner == Side::PlayerOne ? one : two) + " (Player " +
                std::to_string(SideNumber(*result.winner)) + ") wins";
        line +=
            result.end == GameEnd::Refused ? ", the other side chose a move the rules refuse" : "";
    } else {
        line += "draw by " + EndText(result.end);
    }
    return line + " after " + std::to_string(result.plies) + " plies\n";
}

std::string Summary(const LadderOptions& options, const std::vector<LadderGame>& games) {
    int wins = 0;
    int losses = 0;
    int refused = 0;
    int draws[3] = {}; // repetition, no move, ply cap
    std::vector<std::chrono::nanoseconds> firstTimes;
    std::vector<std::chrono::nanoseconds> secondTimes;
    for (const LadderGame& game : games) {
        const GameResult& result = game.result;
        const Side first = FirstSide(game);
        if (result.winner) {
            (*result.winner == first ? wins : losses) += 1;
            refused += result.end == GameEnd::Refused ? 1 : 0;
        } else {
            draws[result.end == GameEnd::Repetition ? 0
                  : result.end == GameEnd::NoMove   ? 1
                                                    : 2] += 1;
        }
        const auto& mine = result.moveTimes[SideNumber(first)];
        const auto& theirs = result.moveTimes[SideNumber(OtherSide(first))];
        firstTimes.insert(firstTimes.end(), mine.begin(), mine.end());
        secondTimes.insert(secondTimes.end(), theirs.begin(), theirs.end());
    }
    const std::string first = Name(options.first);
    const std::string second = Name(options.second);
    std::string text = first + " vs " + second + ": " + std::to_string(games.size()) +
                       " games, levels " + options.levelsText + ", each as either side, at most " +
                       std::to_string(options.maxPlies) + " plies";
    if (options.first == PlayerType::AiExpert || options.second == PlayerType::AiExpert) {
        text += "; expert's budget per move: " + BudgetText(options);
    }
    text += "\n" + first + ": " + std::to_string(wins) + " wins, " + std::to_string(losses) +
            " losses, " + std::to_string(draws[0] + draws[1] + draws[2]) + " draws (" +
            std::to_string(draws[0]) + " by third repetition, " + std::to_string(draws[1]) +
            " with neither side able to move, " + std::to_string(draws[2]) + " at the ply cap)\n";
    if (refused > 0) {
        text += std::to_string(refused) + " games ended with a move the rules refuse\n";
    }
    text += "median time per move: " + first + " " + Milliseconds(firstTimes) + ", " + second +
            " " + Milliseconds(secondTimes) + "\n";
    return text;
}

} // namespace trevallion
