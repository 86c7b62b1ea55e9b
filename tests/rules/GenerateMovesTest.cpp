#include "rules/GenerateMoves.h"
#include "BoardText.h"
#include "Printers.h"
#include "levels/LevelLayouts.h"
#include "rules/Steps.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <tuple>
#include <vector>

namespace trevallion {
namespace {

// Sets of moves, for tests that care which moves there are and not in what order.
struct MoveOrder {
    bool operator()(const Move& a, const Move& b) const {
        return std::tie(a.from.x, a.from.y, a.to.x, a.to.y) <
               std::tie(b.from.x, b.from.y, b.to.x, b.to.y);
    }
};
using MoveSet = std::set<Move, MoveOrder>;

MoveList Generate(const Board& board, Side side, OrderingMode mode) {
    MoveList list;
    ClearMoveList(list);
    GenerateMoves(board, list, side, mode);
    return list;
}

std::vector<Move> MovesOf(const MoveList& list) {
    std::vector<Move> moves;
    for (int i = 0; i < CountMoves(list); ++i) {
        moves.push_back(list[i]);
    }
    return moves;
}

std::vector<int> ClassesOf(const MoveList& list) {
    std::vector<int> classes;
    for (int i = 0; i < CountMoves(list); ++i) {
        classes.push_back(list[i].moveClass);
    }
    return classes;
}

Board Level(int n) {
    return LayoutToBoard(LevelLayout(n));
}

TEST(GenerateMoves, Level2BothSidesKeepGenerationOrder) {
    const std::vector<Move> sideOne = {{{5, 6}, {4, 5}}, {{5, 6}, {6, 5}}, {{4, 6}, {4, 5}},
                                       {{2, 6}, {2, 5}}, {{1, 6}, {0, 5}}, {{1, 6}, {2, 5}},
                                       {{3, 4}, {2, 3}}, {{3, 4}, {4, 3}}, {{3, 4}, {3, 5}}};
    const std::vector<Move> sideTwo = {{{1, 0}, {0, 1}}, {{1, 0}, {2, 1}}, {{2, 0}, {2, 1}},
                                       {{4, 0}, {4, 1}}, {{5, 0}, {4, 1}}, {{5, 0}, {6, 1}},
                                       {{3, 2}, {2, 3}}, {{3, 2}, {4, 3}}, {{3, 2}, {3, 1}}};
    for (const OrderingMode mode : {OrderingMode::CapturesFirst, OrderingMode::QuietMovesFirst}) {
        const int quietClass = mode == OrderingMode::CapturesFirst ? 0 : 1;
        const MoveList one = Generate(Level(2), Side::PlayerOne, mode);
        EXPECT_EQ(MovesOf(one), sideOne) << "mode " << static_cast<int>(mode);
        EXPECT_EQ(ClassesOf(one), std::vector<int>(9, quietClass));
        const MoveList two = Generate(Level(2), Side::PlayerTwo, mode);
        EXPECT_EQ(MovesOf(two), sideTwo) << "mode " << static_cast<int>(mode);
        EXPECT_EQ(ClassesOf(two), std::vector<int>(9, quietClass));
        EXPECT_EQ(one[9], EndMark) << "the end mark follows the last move";
    }
}

// Level 50, Player 1: twelve quiet moves and one capture, in generation order.
const std::vector<Move> Level50SideOne = {
    {{5, 6}, {4, 5}}, {{3, 6}, {2, 5}}, {{3, 6}, {4, 5}}, {{1, 6}, {2, 5}}, {{6, 5}, {5, 4}},
    {{0, 5}, {1, 4}}, {{4, 4}, {4, 3}}, {{4, 4}, {5, 4}}, {{4, 4}, {4, 5}}, {{2, 4}, {2, 3}},
    {{2, 4}, {1, 4}}, {{2, 4}, {2, 5}}, {{5, 0}, {4, 1}}, {{5, 0}, {6, 1}},
};

TEST(GenerateMoves, Level50QuietFirstStaysInGenerationOrder) {
    const MoveList list = Generate(Level(50), Side::PlayerOne, OrderingMode::QuietMovesFirst);
    EXPECT_EQ(MovesOf(list), Level50SideOne);
    EXPECT_EQ(list[13].moveClass, 0); // the capture, last
}

TEST(GenerateMoves, Level50CapturesFirstExchangesFirstAndLast) {
    // The exchange sort swaps the capture with the first record, which then ends up last.
    std::vector<Move> expected = Level50SideOne;
    std::swap(expected.front(), expected.back());
    const MoveList list = Generate(Level(50), Side::PlayerOne, OrderingMode::CapturesFirst);
    EXPECT_EQ(MovesOf(list), expected);
    EXPECT_EQ(list[0].moveClass, 1);
}

MoveList ListOfClasses(const std::vector<int>& classes) {
    MoveList list;
    ClearMoveList(list);
    for (int i = 0; i < static_cast<int>(classes.size()); ++i) {
        list[i] =
            MoveRecord{{{i + 1, 0}, {i + 1, 1}}, classes[i]}; // the start column numbers the record
    }
    return list;
}

std::vector<int> RecordOrder(const MoveList& list) {
    std::vector<int> order;
    for (int i = 0; i < CountMoves(list); ++i) {
        order.push_back(list[i].from.x);
    }
    return order;
}

TEST(GenerateMoves, ExchangeSortIsNotStable) {
    MoveList a = ListOfClasses({0, 0, 1});
    SortMovesByClass(a);
    EXPECT_EQ(RecordOrder(a), (std::vector<int>{3, 2, 1}));

    MoveList b = ListOfClasses({1, 0, 1});
    SortMovesByClass(b);
    EXPECT_EQ(RecordOrder(b), (std::vector<int>{1, 3, 2}));

    // A side with no piece on the board generates nothing but still sorts what the list holds.
    MoveList c = ListOfClasses({0, 2, 1});
    GenerateMoves(Board{}, c, Side::PlayerTwo, OrderingMode::CapturesFirst);
    EXPECT_EQ(RecordOrder(c), (std::vector<int>{2, 3, 1}));
}

TEST(GenerateMoves, NoMoveLeavesTheListAsFilled) {
    // Each side's only piece is boxed in by walls, its own king and the board's edge.
    const Board board = testing::BoardFromRows("10 15 0 0 0 0 0\n"
                                               " 1  0 0 0 0 0 0\n"
                                               " 0  0 0 0 0 0 0\n"
                                               " 0  0 0 0 0 0 0\n"
                                               " 0  0 0 0 0 0 0\n"
                                               " 0  0 0 0 0 0 1\n"
                                               " 0  0 0 0 0 2 23\n");
    for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
        const MoveList list = Generate(board, side, OrderingMode::CapturesFirst);
        for (const MoveRecord& record : list) {
            EXPECT_EQ(record, EndMark) << "side " << SideNumber(side);
        }
    }
}

TEST(GenerateMoves, KingCaptureFirstThenTheModesClassOrder) {
    // Player 1's cross at (3, 3) can take the king above it or the piece to its left, or step
    // right or down; Player 2's cross at (3, 1) can take Player 1's king beside it.
    const Board board = testing::BoardFromRows("0 0  0  0 0 0 0\n"
                                               "0 0  2 20 0 0 0\n"
                                               "0 0  0 15 0 0 0\n"
                                               "0 0  16 7 0 0 0\n"
                                               "0 0  0  0 0 0 0\n"
                                               "0 0  0  0 0 0 0\n"
                                               "0 0  0  0 0 0 0\n");
    for (const OrderingMode mode : {OrderingMode::CapturesFirst, OrderingMode::QuietMovesFirst}) {
        const MoveList one = Generate(board, Side::PlayerOne, mode);
        ASSERT_EQ(CountMoves(one), 4);
        EXPECT_EQ(MovesOf(one)[0], (Move{{3, 3}, {3, 2}})) << "mode " << static_cast<int>(mode);
        EXPECT_EQ(one[0].moveClass, 2);
        const std::vector<int> classes = ClassesOf(one);
        EXPECT_TRUE(std::is_sorted(classes.rbegin(), classes.rend()));
        const Move capture{{3, 3}, {2, 3}};
        const auto moves = MovesOf(one);
        const auto at = std::find(moves.begin(), moves.end(), capture) - moves.begin();
        EXPECT_EQ(at, mode == OrderingMode::CapturesFirst ? 1 : 3)
            << "mode " << static_cast<int>(mode);

        const MoveList two = Generate(board, Side::PlayerTwo, mode);
        EXPECT_EQ(MovesOf(two)[0], (Move{{3, 1}, {2, 1}})) << "mode " << static_cast<int>(mode);
        EXPECT_EQ(two[0].moveClass, 2);
    }
}

TEST(GenerateMoves, NeverOffTheBoardNorOntoWallsOrOwnCells) {
    // A diagonal cross in each corner; walls and own cells around the one in the middle.
    const Board board = testing::BoardFromRows(" 8 0 0  0 0 0 21\n"
                                               " 0 0 0  0 0 0  0\n"
                                               " 0 0 1  0 2 0  0\n"
                                               " 0 0 0  8 0 0  0\n"
                                               " 0 0 15 0 1 0  0\n"
                                               " 0 0 0  0 0 0  0\n"
                                               "21 0 0  0 0 0  8\n");
    const auto one = MovesOf(Generate(board, Side::PlayerOne, OrderingMode::CapturesFirst));
    const MoveSet sideOne(one.begin(), one.end());
    const MoveSet expectedOne = {{{0, 0}, {1, 1}}, {{6, 6}, {5, 5}}, {{3, 3}, {2, 4}}};
    EXPECT_EQ(sideOne, expectedOne);
    const auto two = MovesOf(Generate(board, Side::PlayerTwo, OrderingMode::CapturesFirst));
    const MoveSet sideTwo(two.begin(), two.end());
    const MoveSet expectedTwo = {{{6, 0}, {5, 1}}, {{0, 6}, {1, 5}}};
    EXPECT_EQ(sideTwo, expectedTwo);
}

TEST(GenerateMoves, FirstRecordBeforeSortingIsNearestTheSidesCorner) {
    const Board board = Level(1);
    // All of level 1's moves are quiet, so the sort keeps generation order.
    EXPECT_EQ(MovesOf(Generate(board, Side::PlayerOne, OrderingMode::CapturesFirst))[0],
              (Move{{6, 6}, {5, 5}}));
    EXPECT_EQ(MovesOf(Generate(board, Side::PlayerTwo, OrderingMode::CapturesFirst))[0],
              (Move{{0, 0}, {1, 1}}));
}

// A board no level comes near: crosses of both sides on alternating cells, 84 captures each.
Board CrowdedBoard() {
    Board board;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            board.At({x, y}) = (x + y) % 2 == 0 ? 7 : 20;
        }
    }
    return board;
}

TEST(GenerateMoves, MoreThan59MovesKeepsTheFirst59AndTheEndMark) {
    struct Guarded {
        MoveList list;
        MoveRecord after; // a write past the list's end would land here
    } guarded;
    for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
        ClearMoveList(guarded.list);
        guarded.after = MoveRecord{{{7, 7}, {7, 7}}, 7};
        GenerateMoves(CrowdedBoard(), guarded.list, side, OrderingMode::CapturesFirst);
        EXPECT_EQ(CountMoves(guarded.list), MaxMoves);
        EXPECT_EQ(guarded.list[MaxMoves], EndMark);
        EXPECT_EQ(guarded.after, (MoveRecord{{{7, 7}, {7, 7}}, 7}));

        const auto moves = MovesOf(guarded.list);
        EXPECT_EQ(MoveSet(moves.begin(), moves.end()).size(), moves.size());
        for (const Move& m : moves) {
            const CellCode mover = CrowdedBoard().At(m.from);
            EXPECT_TRUE(BelongsTo(mover, side));
            EXPECT_TRUE(BelongsTo(CrowdedBoard().At(m.to), OtherSide(side)));
            EXPECT_TRUE(CanStep(mover, m.from, m.to));
        }
        // The list keeps the beginning of the scan: Player 1 starts at the bottom-right
        // corner and never reaches the top row; Player 2 the other way round.
        const int firstRow = side == Side::PlayerOne ? 6 : 0;
        EXPECT_EQ(moves.front().from.y, firstRow);
        for (const Move& m : moves) {
            EXPECT_NE(m.from.y, 6 - firstRow);
        }
    }
}

} // namespace
} // namespace trevallion
