// The suite: every level's start, for each side, searched as AI Difficult plays (depth 6, the
// quiet-first pass and, when it scores 1 or more, the captures-first pass). Both engines run it;
// the last line gives the nodes per second of each and the engine's speed-up.

#include "ai/ReferenceSearch.h"
#include "ai/Search.h"
#include "ai/StrengthPasses.h"
#include "levels/LevelLayouts.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>

namespace {

using namespace trevallion;

// Totals over every iteration of one engine's benchmark.
struct Totals {
    std::uint64_t nodes = 0;
    double seconds = 0;
    long long checksum = 0; // scores and moves of the last suite run, to compare the engines

    double NodesPerSecond() const { return seconds > 0 ? static_cast<double>(nodes) / seconds : 0; }
};

Totals engineTotals;
Totals referenceTotals;

// One run of the suite; returns the nodes searched and adds a digest of the results to checksum.
std::uint64_t RunSuite(SearchFunction search, long long& checksum) {
    std::uint64_t nodes = 0;
    checksum = 0;
    for (int level = 1; level <= LevelCount; ++level) {
        const Board board = LayoutToBoard(LevelLayout(level));
        for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
            const std::atomic<bool> abortSearch{false};
            std::optional<Move> found;
            SearchContext ctx{abortSearch, found, SearchDepthFor(PlayerType::AiDifficult)};
            const int score = RunStrengthPasses(PlayerType::AiDifficult, side, board, ctx, search);
            checksum = checksum * 31 + score;
            const Move move = found.value_or(Move{});
            checksum =
                checksum * 31 + move.from.x * 1000 + move.from.y * 100 + move.to.x * 10 + move.to.y;
            nodes += ctx.nodes;
        }
    }
    return nodes;
}

void BenchSuite(benchmark::State& state, SearchFunction search, Totals& totals) {
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::uint64_t suiteNodes = RunSuite(search, totals.checksum);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        totals.seconds += elapsed.count();
        totals.nodes += suiteNodes;
        nodes += suiteNodes;
    }
    state.counters["nodes"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kAvgIterations);
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

void BM_Search(benchmark::State& state) {
    BenchSuite(state, &Search, engineTotals);
}
void BM_ReferenceSearch(benchmark::State& state) {
    BenchSuite(state, &ReferenceSearch, referenceTotals);
}

// At least two seconds each, so that the slow reference runs the suite several times.
BENCHMARK(BM_Search)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_ReferenceSearch)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double engine = engineTotals.NodesPerSecond();
    const double reference = referenceTotals.NodesPerSecond();
    if (engine > 0 && reference > 0) {
        std::printf("Search %.0f nodes/s, ReferenceSearch %.0f nodes/s, ratio %.1fx%s\n", engine,
                    reference, engine / reference,
                    engineTotals.checksum == referenceTotals.checksum
                        ? ""
                        : " (the engines disagree on the suite's results!)");
    }
    return 0;
}
