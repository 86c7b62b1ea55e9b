#include "SearchHarness.h"
#include "rules/GenerateMoves.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace trevallion {
namespace {

using testing::RunSearch;
using testing::SearchCall;

constexpr int BoardsPerBatch = 500;
constexpr int Batches = 6;

// A reproducible stream of small numbers: std::mt19937 gives the same numbers with every
// standard library, its distributions do not.
class Dice {
  public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}
    int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }

  private:
    std::mt19937 engine_;
};

// Any codes 0..27, crowded or sparse; some boards lose every king of one side, others get one
// king of each side for certain.
Board RandomBoard(Dice& dice, int index) {
    const int percentFilled = 25 + 25 * dice.Below(4);
    Board board;
    for (CellCode& code : board.cells) {
        code = dice.Below(100) < percentFilled ? dice.Below(LastCode + 1) : Empty;
    }
    for (CellCode& code : board.cells) {
        if ((index % 4 == 1 && code == PlayerOneKing) ||
            (index % 4 == 2 && code == PlayerTwoKing)) {
            code = Empty;
        }
    }
    if (index % 4 == 3) {
        board[dice.Below(CellCount)] = PlayerOneKing;
        board[dice.Below(CellCount)] = PlayerTwoKing;
    }
    return board;
}

// Mostly root calls with the full window; some with a narrow or empty window, some below the
// root, and some above it, where the root duties fall to the calls deeper down.
SearchCall RandomCall(Dice& dice, int index) {
    SearchCall call;
    call.side = dice.Below(2) == 0 ? Side::PlayerOne : Side::PlayerTwo;
    call.depth = 1 + index % 5;
    call.searchDepth = call.depth;
    call.orderingMode = dice.Below(2);
    call.startMove = Move{{7, 7}, {7, 7}};
    switch (dice.Below(8)) {
    case 0:
        call.alpha = dice.Below(11) - 5;
        call.beta = call.alpha + dice.Below(3);
        break;
    case 1:
        call.alpha = dice.Below(2001) - 1000;
        call.beta = dice.Below(2001) - 1000;
        break;
    case 2:
        call.searchDepth = call.depth + 1 + dice.Below(3);
        break;
    case 3:
        call.searchDepth = dice.Below(call.depth);
        break;
    default:
        break;
    }
    return call;
}

class RandomEquivalence : public ::testing::TestWithParam<int> {};

TEST_P(RandomEquivalence, EngineMatchesReference) {
    Dice dice(20240601u + static_cast<std::uint32_t>(GetParam()));
    for (int i = 0; i < BoardsPerBatch; ++i) {
        const Board board = RandomBoard(dice, i);
        const SearchCall call = RandomCall(dice, i);
        ASSERT_EQ(RunSearch(&Search, board, call), RunSearch(&ReferenceSearch, board, call))
            << "batch " << GetParam() << " board " << i << " side " << call.side << " depth "
            << call.depth << " searchDepth " << call.searchDepth << " mode " << call.orderingMode
            << " window " << call.alpha << ".." << call.beta;
    }
}

INSTANTIATE_TEST_SUITE_P(Batches, RandomEquivalence, ::testing::Range(0, Batches));

TEST(CrowdedEquivalence, MoveListsCutAtCapacity) {
    // Upright crosses everywhere, Player 1's and Player 2's alternating like a draughtboard: each
    // side can take along every one of the board's 84 edges, more than a list holds.
    Board board;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            board.At({x, y}) = (x + y) % 2 == 0 ? 7 : 20;
        }
    }
    for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
        MoveList list;
        ClearMoveList(list);
        GenerateMoves(board, list, side, OrderingMode::CapturesFirst);
        ASSERT_EQ(CountMoves(list), MaxMoves) << "side " << side << " should overflow the list";
        for (const int mode : {0, 1}) {
            const auto call = testing::RootCall(side, 3, mode);
            EXPECT_EQ(RunSearch(&Search, board, call), RunSearch(&ReferenceSearch, board, call));
        }
    }
}

} // namespace
} // namespace trevallion
