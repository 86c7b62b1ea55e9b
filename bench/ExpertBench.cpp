// AI Expert's time per move over every level's start, for each side, on the game's own budget:
// the time a player waits. The budget is a number of nodes (with a time cap), so the nodes per
// second show the engine's speed on this machine. The last line gives the median and the slowest
// move.

#include "ai/ExpertSearch.h"
#include "levels/LevelLayouts.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using namespace trevallion;

constexpr int PositionCount = 2 * LevelCount;

// The time of every move, in milliseconds.
std::vector<double> moveTimes;

// One move of each level start and side in turn, each searched by a player that searched the
// one before, as in a game.
void BenchMoves(benchmark::State& state, const ExpertBudget& budget, std::vector<double>& times) {
    ExpertSearch expert;
    const std::atomic<bool> abort{false};
    std::uint64_t nodes = 0;
    std::uint64_t depths = 0;
    int position = 0;
    times.clear();
    for (auto _ : state) {
        const int level = 1 + position / 2;
        const Side side = position % 2 == 0 ? Side::PlayerOne : Side::PlayerTwo;
        position = (position + 1) % PositionCount;
        const Board board = LayoutToBoard(LevelLayout(level));
        const PositionKey seen[] = {KeyOf(board, side)};
        const auto start = std::chrono::steady_clock::now();
        const ExpertAnswer answer = expert.Choose(board, side, seen, budget, abort);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        benchmark::DoNotOptimize(answer);
        nodes += answer.nodes;
        depths += static_cast<std::uint64_t>(answer.depth);
    }
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
    state.counters["depth"] =
        benchmark::Counter(static_cast<double>(depths), benchmark::Counter::kAvgIterations);
}

void BM_ExpertGameBudget(benchmark::State& state) {
    BenchMoves(state, ExpertBudget{}, moveTimes);
}

// Every position once: the time shown is the mean time per move.
BENCHMARK(BM_ExpertGameBudget)
    ->Iterations(PositionCount)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void PrintSpread(const char* name, std::vector<double> times) {
    if (times.empty()) {
        return;
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.1f ms, slowest %.1f ms per move over %zu moves\n", name,
                times[times.size() / 2], times.back(), times.size());
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSpread("AI Expert, the game's budget", moveTimes);
    return 0;
}
