// The review of a level's first 60 turns, AI Easy (Player 1) against AI Medium, as the Review
// window will ask for it: AI Expert on every position at the budget below, on one thread and on
// two. The goal is at most 10 seconds on a 2-core machine.

#include "ComputerGame.h"
#include "levels/LevelLayouts.h"
#include "review/GameReview.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

namespace {

using namespace trevallion;

// What the review gives AI Expert for each position: a quarter of a second, so that 61
// positions on two cores stay under 8 seconds however AI Expert spends it.
constexpr ExpertBudget ReviewBudget{std::chrono::milliseconds(250), 0};
constexpr int Plies = 60;

struct Game {
    int level = 0;
    Board start;
    std::vector<std::optional<Move>> turns;
};

// The first level whose game lasts the 60 turns.
const Game& SixtyTurns() {
    static const Game game = [] {
        for (int level = 1; level <= LevelCount; ++level) {
            const Board start = LayoutToBoard(LevelLayout(level));
            auto turns = testing::PlayComputerGame(start, Side::PlayerOne, PlayerType::AiEasy,
                                                   PlayerType::AiMedium, Plies);
            if (turns.size() == Plies) {
                return Game{level, start, std::move(turns)};
            }
        }
        throw std::runtime_error("no level lasts 60 turns");
    }();
    return game;
}

void BM_ReviewSixtyTurns(benchmark::State& state) {
    const Game& game = SixtyTurns();
    ExpertSearch first, second;
    ExpertSearch* const experts[] = {&first, &second};
    const auto threads = static_cast<std::size_t>(state.range(0));
    int slips = 0;
    for (auto _ : state) {
        ReviewControl control;
        const auto review = ReviewGame(game.start, Side::PlayerOne, game.turns, ReviewBudget,
                                       control, std::span(experts).first(threads));
        slips = 0;
        for (const TurnJudgement& turn : review.value().turns) {
            slips += turn.slip != Slip::None ? 1 : 0;
        }
        benchmark::DoNotOptimize(review);
    }
    state.SetLabel("level " + std::to_string(game.level) + ", " + std::to_string(slips) +
                   " slips marked");
}

BENCHMARK(BM_ReviewSixtyTurns)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace

BENCHMARK_MAIN();
