#include "ai/StrengthPasses.h"
#include "BoardText.h"
#include "SearchHarness.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace trevallion {
namespace {

// What one pass was asked and what it left behind.
struct Pass {
    int orderingMode;
    int depth;
    int score;
    std::optional<Move> moveAfter;
    friend bool operator==(const Pass&, const Pass&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Pass& p) {
        const Move m = p.moveAfter.value_or(Move{});
        return out << "{mode " << p.orderingMode << " depth " << p.depth << " score " << p.score
                   << " move " << m.from.x << m.from.y << m.to.x << m.to.y << "}";
    }
};

// A search function can capture nothing, so the recording wrapper works through these.
std::vector<Pass> passes;
SearchFunction innerSearch = nullptr;
std::vector<int> stubScores; // what the stub returns, pass by pass

int RecordingSearch(SearchContext& ctx, Side side, const Board& board, int depth, int alpha,
                    int beta) {
    // Every pass searches from the root with the full window.
    EXPECT_EQ(depth, ctx.searchDepth);
    EXPECT_EQ(alpha, LosingScore);
    EXPECT_EQ(beta, WinningScore);
    const int score = innerSearch(ctx, side, board, depth, alpha, beta);
    passes.push_back({static_cast<int>(ctx.orderingMode), depth, score, ctx.computerMove});
    return score;
}

// Stands in for a search: the first pass records a move of its own, the others record nothing.
int StubSearch(SearchContext& ctx, Side, const Board&, int, int, int) {
    if (passes.empty()) {
        ctx.computerMove = Move{{1, 1}, {2, 2}};
    }
    return stubScores[passes.size()];
}

struct Worker {
    int score;
    std::uint64_t nodes;
};

Worker RunWorker(PlayerType type, const Board& board, SearchFunction inner) {
    passes.clear();
    innerSearch = inner;
    std::atomic<bool> abort{false};
    std::optional<Move> move;
    SearchContext ctx{abort, move, SearchDepthFor(type)};
    const int score = RunStrengthPasses(type, Side::PlayerTwo, board, ctx, &RecordingSearch);
    return {score, ctx.nodes};
}

TEST(StrengthPasses, EachTypeRunsItsPasses) {
    const Board board{};
    const Move stubMove{{1, 1}, {2, 2}};
    stubScores = {0, 0};
    EXPECT_EQ(RunWorker(PlayerType::Human, board, &StubSearch).score, LosingScore);
    EXPECT_TRUE(passes.empty());
    RunWorker(PlayerType::AiEasy, board, &StubSearch);
    EXPECT_EQ(passes, (std::vector<Pass>{{1, 2, 0, stubMove}}));
    RunWorker(PlayerType::AiMedium, board, &StubSearch);
    EXPECT_EQ(passes, (std::vector<Pass>{{0, 4, 0, stubMove}}));

    // Difficult: a first pass below 1 ends the move; 1 or more brings the captures-first pass,
    // which starts from the move the first pass recorded.
    EXPECT_EQ(RunWorker(PlayerType::AiDifficult, board, &StubSearch).score, 0);
    EXPECT_EQ(passes, (std::vector<Pass>{{1, 6, 0, stubMove}}));
    stubScores = {1, -7};
    EXPECT_EQ(RunWorker(PlayerType::AiDifficult, board, &StubSearch).score, -7);
    EXPECT_EQ(passes, (std::vector<Pass>{{1, 6, 1, stubMove}, {0, 6, -7, stubMove}}));
}

// Player 2 to move in a position where the three strengths choose three different moves.
const Board ThreeStrengths = testing::BoardFromRows("0 0 1 1 1 0 0\n"
                                                    "16 0 0 15 0 26 0\n"
                                                    "0 21 0 0 0 0 0\n"
                                                    "0 0 26 0 0 16 0\n"
                                                    "0 5 0 0 0 0 0\n"
                                                    "11 0 0 2 0 0 0\n"
                                                    "0 0 1 1 1 5 0");

class StrengthsOnOneBoard : public ::testing::TestWithParam<testing::Engine> {};

TEST_P(StrengthsOnOneBoard, EachStrengthLeavesItsMove) {
    const SearchFunction search = GetParam().search;
    EXPECT_EQ(RunWorker(PlayerType::AiEasy, ThreeStrengths, search).score, 3);
    EXPECT_EQ(passes, (std::vector<Pass>{{1, 2, 3, Move{{2, 3}, {2, 4}}}}));
    EXPECT_EQ(RunWorker(PlayerType::AiMedium, ThreeStrengths, search).score, 1000);
    EXPECT_EQ(passes, (std::vector<Pass>{{0, 4, 1000, Move{{5, 3}, {4, 4}}}}));

    const Worker difficult = RunWorker(PlayerType::AiDifficult, ThreeStrengths, search);
    EXPECT_EQ(difficult.score, 1000);
    EXPECT_EQ(passes, (std::vector<Pass>{{1, 6, 1000, Move{{0, 1}, {0, 0}}},
                                         {0, 6, 1000, Move{{0, 1}, {0, 0}}}}));
    // The worker's node count covers both passes: it equals two single passes' counts.
    const auto single = [&](int mode) {
        return RunSearch(search, ThreeStrengths, testing::RootCall(Side::PlayerTwo, 6, mode)).nodes;
    };
    EXPECT_EQ(difficult.nodes, single(1) + single(0));
}

INSTANTIATE_TEST_SUITE_P(BothEngines, StrengthsOnOneBoard, ::testing::ValuesIn(testing::Engines),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace trevallion
