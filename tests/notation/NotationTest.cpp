#include "notation/Notation.h"
#include "Printers.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

TEST(Notation, EveryCellHasItsOwnNameAndReadsBack) {
    std::set<std::string> names;
    for (int i = 0; i < CellCount; ++i) {
        const std::string name = CellName(CellAt(i));
        EXPECT_EQ(ParseCell(name), CellAt(i)) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), std::size_t{CellCount});
    // Seen from Player 1's side: its bottom-left corner is a1, the opposite one g7.
    EXPECT_EQ(CellName({0, 6}), "a1");
    EXPECT_EQ(CellName({6, 0}), "g7");
    EXPECT_EQ(ParseCell("G7"), (Cell{6, 0}));
}

TEST(Notation, TurnsAreReadForgivingCaseAndSpacesButNotMeaning) {
    const Move b2c3{{1, 5}, {2, 4}};
    const struct {
        const char* text;
        std::optional<WrittenTurn> turn;
    } cases[] = {
        {"b2-c3", WrittenTurn{b2c3, MoveMark::Step}},
        {"  B2 - C3 ", WrittenTurn{b2c3, MoveMark::Step}},
        {"b2xc3", WrittenTurn{b2c3, MoveMark::Capture}},
        {"b2 X c3 #", WrittenTurn{b2c3, MoveMark::KingCapture}},
        {"Pass", WrittenTurn{}},
        {"b2-c3#", std::nullopt}, // only a capture takes a king
        {"b2xc3##", std::nullopt},
        {"b2c3", std::nullopt},
        {"b2-c3x", std::nullopt},
        {"h1-a1", std::nullopt},
        {"a0-a1", std::nullopt},
        {"passed", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseTurn(c.text), c.turn) << '"' << c.text << '"';
    }
}

TEST(Notation, AWrittenTurnShowsWhatItDoes) {
    Board board;
    board.At({1, 5}) = 7;  // Player 1's upright cross on b2
    board.At({1, 4}) = 20; // Player 2's cross above it, b3
    board.At({2, 5}) = 15; // Player 2's king beside it, c2
    EXPECT_EQ(TurnName(board, Move{{1, 5}, {0, 5}}), "b2-a2");
    EXPECT_EQ(TurnName(board, Move{{1, 5}, {1, 4}}), "b2xb3");
    EXPECT_EQ(TurnName(board, Move{{1, 5}, {2, 5}}), "b2xc2#");
    EXPECT_EQ(TurnName(board, std::nullopt), "pass");
}

} // namespace
} // namespace trevallion
