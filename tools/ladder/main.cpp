// ladder: plays the level starts between two computer strengths and prints how they fared.

#include "LadderGame.h"
#include "LadderOptions.h"
#include "LadderReport.h"

#include <atomic>
#include <iostream>
#include <thread>
#include <vector>

namespace {

using namespace trevallion;

// Plays the games not yet taken, one at a time, with players of its own.
void PlayGames(const LadderOptions& options, std::vector<LadderGame>& games,
               std::atomic<std::size_t>& next) {
    LadderPlayer first(options.first, options.budget);
    LadderPlayer second(options.second, options.budget);
    for (std::size_t i = next++; i < games.size(); i = next++) {
        LadderGame& game = games[i];
        LadderPlayer& one = game.firstIsPlayerOne ? first : second;
        LadderPlayer& two = game.firstIsPlayerOne ? second : first;
        game.result = PlayLadderGame(game.level, one, two, options.maxPlies);
    }
}

} // namespace

int main(int argc, char** argv) {
    const ParsedLadderArguments parsed =
        ParseLadderArguments(std::vector<std::string_view>(argv + 1, argv + argc));
    if (parsed.help) {
        std::cout << LadderUsage();
        return 0;
    }
    if (!parsed.error.empty()) {
        std::cerr << "ladder: " << parsed.error << '\n';
        return 2;
    }
    const LadderOptions& options = parsed.options;
    std::vector<LadderGame> games;
    for (const int level : options.levels) {
        games.push_back({level, true, {}});
        games.push_back({level, false, {}});
    }
    std::atomic<std::size_t> next{0};
    std::vector<std::thread> workers;
    for (int job = 1; job < options.jobs; ++job) {
        workers.emplace_back(PlayGames, std::cref(options), std::ref(games), std::ref(next));
    }
    PlayGames(options, games, next);
    for (std::thread& worker : workers) {
        worker.join();
    }
    if (options.eachGame) {
        for (const LadderGame& game : games) {
            std::cout << GameLine(options, game);
            if (options.eachGameMoves) {
                std::cout << "moves " << MoveListText(game.result.moves) << '\n';
            }
        }
    }
    std::cout << Summary(options, games);
    return std::cout.flush() ? 0 : 1;
}
