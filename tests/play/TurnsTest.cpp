#include "GameFixture.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace trevallion {
namespace {

using testing::GameTable;

const std::map<std::string, std::int32_t> TwoHumans = {{"PlayerOne", 0}, {"PlayerTwo", 0}};

// Plays `n` turns of two humans from level 1, each side's first move; answers the boards the
// level has seen, its start first.
std::vector<Board> PlayTurns(GameTable& table, int n) {
    table.StartLevel(1);
    std::vector<Board> boards{GameTable::Level(1)};
    Side side = Side::PlayerOne;
    for (int i = 0; i < n; ++i, side = OtherSide(side)) {
        const Move move = GameTable::FirstMove(boards.back(), side);
        table.PlayMove(move);
        boards.push_back(GameTable::Moved(boards.back(), move));
    }
    return boards;
}

Board Shown(const GameTable& table) {
    Board board;
    for (int i = 0; i < CellCount; ++i) {
        board.At(CellAt(i)) = table.At(CellAt(i));
    }
    return board;
}

class Turns : public testing::GameFixture {};

TEST_F(Turns, TheListGoesToAChosenTurnAndANewMoveCutsOffTheLaterOnes) {
    const std::vector<Board> boards = PlayTurns(*this, 4);
    ASSERT_EQ(view.listing.entries.size(), 4u);
    EXPECT_EQ(view.listing.current, 4u);
    EXPECT_EQ(view.listing.entries[3].number, 2);
    EXPECT_EQ(view.listing.entries[3].side, Side::PlayerTwo);
    for (const std::size_t chosen : {1u, 3u, 0u, 4u, 1u}) {
        game.OnMoveChosen(chosen);
        EXPECT_EQ(view.listing.current, chosen);
        EXPECT_EQ(Shown(*this), boards[chosen]) << "turn " << chosen;
        EXPECT_EQ(view.listing.entries.size(), 4u) << "the later turns stay to play again";
    }
    PlayMove(GameTable::FirstMove(boards[1], Side::PlayerTwo));
    EXPECT_EQ(view.listing.entries.size(), 2u);
}

// A history that is missing or damaged costs the turns, never the position.
TEST(KeptTurns, ContinueBringsBackTheTurnsWhileTheHistoryLeadsToTheKeptGame) {
    for (const bool damaged : {false, true}) {
        testing::ScratchFolder data;
        std::vector<Board> boards;
        {
            GameTable first;
            first.place.folder = data.Path();
            first.StartWith(TwoHumans);
            boards = PlayTurns(first, 3);
            first.game.Shutdown();
        }
        if (damaged) {
            testing::WriteBytes(data.File("game-in-play.tvr"),
                                std::string("[Game \"Trevallion\"]"));
        }
        GameTable second;
        second.place.folder = data.Path();
        second.StartWith(TwoHumans);
        second.Command(CommandId::ContinueGame);
        EXPECT_EQ(Shown(second), boards.back());
        EXPECT_EQ(second.view.listing.entries.size(), damaged ? 0u : 3u);
        EXPECT_EQ(second.view.Enabled(CommandId::UndoMove), !damaged);
    }
}

TEST_F(Turns, AnExportedRecordImportsAsTheSameGameAndABrokenOneIsRefusedWithItsLine) {
    const std::vector<Board> boards = PlayTurns(*this, 5);
    view.pickedFiles.push_back(folder.File("game.tvr"));
    Command(CommandId::ExportRecord);
    GameTable other;
    other.StartWith(TwoHumans);
    other.view.pickedFiles.push_back(folder.File("game.tvr"));
    other.Command(CommandId::ImportRecord);
    EXPECT_EQ(Shown(other), boards.back());
    EXPECT_EQ(other.view.listing, view.listing);

    testing::WriteBytes(folder.File("bad.tvr"),
                        std::string("[Game \"Trevallion\"]\n[Level \"1\"]\n[Player1 \"Human\"]\n"
                                    "[Player2 \"Human\"]\n[Result \"unfinished\"]\n\n"
                                    "1. d2-d3 d6-d5\n2. d3-d5\n"));
    other.game.OnFileGiven(folder.File("bad.tvr"));
    ASSERT_FALSE(other.view.messages.empty());
    EXPECT_EQ(other.view.messages.back().text, "Line 8: Player 1 may not play d3-d5.");
    EXPECT_EQ(Shown(other), boards.back()) << "a refused record changes nothing";
}

TEST_F(Turns, AReviewMarksTheListAndItsGraphOnceDone) {
    PlayTurns(*this, 2);
    Command(CommandId::ReviewGame);
    EXPECT_FALSE(view.Enabled(CommandId::ReviewGame)) << "one review at a time";
    for (int polls = 0; std::ranges::count(view.events, "review closed") == 0 && polls < 400;
         ++polls) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        game.OnWake();
    }
    EXPECT_EQ(view.listing.balance.size(), 3u);
    EXPECT_TRUE(view.Enabled(CommandId::ReviewGame));
}

} // namespace
} // namespace trevallion
