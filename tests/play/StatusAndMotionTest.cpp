// The status line's texts, the moves the window may slide, and the two switches the window
// alone acts on, as the controller tells them to the view.

#include "GameFixture.h"

#include <algorithm>
#include <functional>

namespace trevallion {
namespace {

using testing::GameTable;
using testing::ThreeStrengths;

// Player 1's only piece is walled into a corner: it has pieces left and no step to make.
const char* const WalledIn = "7 1 0 0 0 0 15\n1 1 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 16 0 0 0\n"
                             "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 2\n";
// Player 1's cross stands below Player 2's king.
const char* const KingInReach = "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 16 15 0 0 0\n0 0 0 7 0 0 0\n"
                                "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 2 0 0 0\n";

TEST(StatusLine, SaysWhoseTurnItIsWhoPlaysItAndHowTheLevelEnded) {
    struct Case {
        const char* name;
        std::function<void(GameTable&)> setUp;
        std::string text;
    };
    const Case cases[] = {
        {"before any level", [](GameTable& t) { t.StartWith({}); }, ""},
        {"level 1", [](GameTable& t) { t.StartLevel(1); }, "Player 1 to move"},
        {"human Player 2", [](GameTable& t) { t.Play(ThreeStrengths, Side::PlayerTwo); },
         "Player 2 to move"},
        {"AI Easy",
         [](GameTable& t) {
             t.Play(ThreeStrengths, Side::PlayerOne, 7, PlayerType::AiEasy, PlayerType::Human);
         },
         "Player 1 (AI Easy) is thinking\u2026"},
        {"AI Medium",
         [](GameTable& t) {
             t.Play(ThreeStrengths, Side::PlayerTwo, 7, PlayerType::Human, PlayerType::AiMedium);
         },
         "Player 2 (AI Medium) is thinking\u2026"},
        {"AI Difficult",
         [](GameTable& t) {
             t.Play(ThreeStrengths, Side::PlayerTwo, 7, PlayerType::Human, PlayerType::AiDifficult);
         },
         "Player 2 (AI Difficult) is thinking\u2026"},
        {"walled in", [](GameTable& t) { t.Play(WalledIn); }, "No legal move for Player 1"},
        {"won",
         [](GameTable& t) {
             t.Play(KingInReach);
             t.keepBoxesOpen = true;
             t.PlayMove({{3, 3}, {3, 2}});
         },
         "Player 1 wins"},
        {"Life Doodle",
         [](GameTable& t) {
             t.StartLevel(1);
             t.Command(CommandId::LifeDoodle);
             t.Tick();
         },
         ""},
    };
    for (const Case& c : cases) {
        GameTable table;
        c.setUp(table);
        const std::vector<std::string>& told = table.view.statuses;
        EXPECT_EQ(told.empty() ? "" : told.back(), c.text) << c.name;
        EXPECT_EQ(std::adjacent_find(told.begin(), told.end()), told.end())
            << c.name << ": told again without a change";
    }
}

// The computer player's move and each move played again are told after their tiles (the tiles
// of all the turns played again come first); a human's move and a move taken back are not.
TEST(MovesMade, ComputerMovesAndRedoneMovesAreToldAfterTheirTiles) {
    GameTable table;
    table.StartLevel(1, PlayerType::Human, PlayerType::AiEasy);
    const Move human{{6, 6}, {5, 5}};
    table.PlayMove(human);
    table.Tick();
    table.Tick();
    ASSERT_EQ(table.view.movesMade.size(), 1u);
    const Move computer = table.view.movesMade[0].first;
    const Board both = GameTable::Moved(GameTable::Moved(GameTable::Level(1), human), computer);
    table.Command(CommandId::UndoMove);
    table.Command(CommandId::RedoMove);
    const std::vector<std::pair<Move, Board>> expected = {
        {computer, both}, {human, both}, {computer, both}};
    EXPECT_EQ(table.view.movesMade, expected);
}

TEST(ViewOptions, AreCheckedAsStoredAndStoredOnceChosen) {
    struct Case {
        CommandId item;
        std::string setting;
        bool byDefault;
    };
    for (const Case& c : {Case{CommandId::AnimateMoves, "AnimateMoves", true},
                          Case{CommandId::StatusLine, "StatusLine", false}}) {
        GameTable table;
        table.StartWith({});
        EXPECT_EQ(table.view.Checked(c.item), c.byDefault) << c.setting;
        EXPECT_FALSE(table.settings.values.contains(c.setting)) << c.setting;
        table.Command(c.item);
        EXPECT_EQ(table.view.Checked(c.item), !c.byDefault) << c.setting;
        EXPECT_EQ(table.settings.values[c.setting], c.byDefault ? 0 : 1) << c.setting;

        GameTable again;
        again.StartWith(table.settings.values);
        EXPECT_EQ(again.view.Checked(c.item), !c.byDefault) << c.setting;
    }
}

} // namespace
} // namespace trevallion
