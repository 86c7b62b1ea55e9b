#include "GameFixture.h"
#include "play/Messages.h"

#include <optional>

namespace trevallion {
namespace {

using testing::GameTable;
using Settings = std::map<std::string, std::int32_t>;

// The one checked item of a side's menu; nothing unless exactly one is checked.
std::optional<PlayerType> CheckedType(const testing::FakeView& view, Side side) {
    std::optional<PlayerType> found;
    for (const PlayerType type : AllPlayerTypes) {
        if (view.Checked(PlayerCommand(side, type))) {
            if (found) {
                return std::nullopt;
            }
            found = type;
        }
    }
    return found;
}

// A value no type has falls back to the default, which is stored in its place; two computer
// players come back as stored.
TEST(PlayersAtStartUp, TheStoredPlayersAreApplied) {
    struct Case {
        Settings stored;
        PlayerType one;
        PlayerType two;
    };
    const Case cases[] = {
        {{}, PlayerType::Human, PlayerType::AiMedium},
        {{{"PlayerOne", 7}, {"PlayerTwo", -1}}, PlayerType::Human, PlayerType::AiMedium},
        {{{"PlayerOne", 3}, {"PlayerTwo", 1}}, PlayerType::AiDifficult, PlayerType::AiEasy},
        {{{"PlayerOne", 4}, {"PlayerTwo", 5}}, PlayerType::AiExpert, PlayerType::AiMedium},
    };
    for (const Case& c : cases) {
        GameTable table;
        table.StartWith(c.stored);
        EXPECT_EQ(CheckedType(table.view, Side::PlayerOne), c.one);
        EXPECT_EQ(CheckedType(table.view, Side::PlayerTwo), c.two);
        EXPECT_EQ(table.settings.values, (Settings{{"PlayerOne", PlayerTypeNumber(c.one)},
                                                   {"PlayerTwo", PlayerTypeNumber(c.two)},
                                                   {"SoundFlag", 1}}));
        EXPECT_TRUE(table.view.messages.empty());
        EXPECT_EQ(table.workers.started, 0) << "no search before a level starts";
    }
}

class PlayerCommands : public testing::GameFixture {};

TEST_F(PlayerCommands, AfterStartUpTwoComputerPlayersCanOnlyBeUndone) {
    StartWith({{"PlayerOne", 3}, {"PlayerTwo", 1}});
    Command(CommandId::PlayerTwoMedium);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, PlayerOneMustBeHuman);
    EXPECT_EQ(CheckedType(view, Side::PlayerTwo), PlayerType::AiEasy);
    Command(CommandId::PlayerOneHuman);
    EXPECT_EQ(CheckedType(view, Side::PlayerOne), PlayerType::Human);
    EXPECT_EQ(view.messages.size(), 1u);
}

TEST_F(PlayerCommands, AComputerPlayerRefusesASecond) {
    StartWith({});
    Command(CommandId::PlayerOneEasy);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Player 2 must be\nset to Human first.");
    EXPECT_EQ(view.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(view.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(CheckedType(view, Side::PlayerOne), PlayerType::Human);
    EXPECT_EQ(settings.values["PlayerOne"], 0);

    Command(CommandId::PlayerTwoHuman);
    Command(CommandId::PlayerOneDifficult);
    EXPECT_EQ(CheckedType(view, Side::PlayerOne), PlayerType::AiDifficult);
    EXPECT_EQ(CheckedType(view, Side::PlayerTwo), PlayerType::Human);
    EXPECT_EQ(settings.values, (Settings{{"PlayerOne", 3}, {"PlayerTwo", 0}, {"SoundFlag", 1}}));

    Command(CommandId::PlayerTwoEasy);
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[1].text, "Player 1 must be\nset to Human first.");
    EXPECT_EQ(CheckedType(view, Side::PlayerTwo), PlayerType::Human);
    EXPECT_EQ(settings.values["PlayerTwo"], 0);
}

// A thinking worker has its strength already: the move it plays is AI Easy's, not the one AI
// Difficult would play here, and no second search starts.
TEST_F(PlayerCommands, AChangeDuringASearchLeavesTheSearchAlone) {
    workers.mode = Mode::Held;
    const Board board = testing::BoardFromRows(testing::ThreeStrengths);
    PlayBoard(board, Side::PlayerTwo, 7, PlayerType::Human, PlayerType::AiEasy);
    Tick();
    Command(CommandId::PlayerTwoDifficult);
    EXPECT_TRUE(view.Checked(CommandId::PlayerTwoDifficult));
    workers.Join();
    Tick();
    const Move easy = EngineMove(PlayerType::AiEasy, Side::PlayerTwo, board);
    ASSERT_NE(easy, EngineMove(PlayerType::AiDifficult, Side::PlayerTwo, board));
    EXPECT_EQ(view.Shown(), Moved(board, easy));
    EXPECT_EQ(workers.started, 1);
}

} // namespace
} // namespace trevallion
