#include "GameFixture.h"
#include "play/Messages.h"

#include <algorithm>
#include <iterator>

namespace trevallion {
namespace {

// Player 1's cross beside Player 2's king, and Player 2's last piece in reach of it too.
const char* const KingInReach = "0 0 0 0 0 0 0\n"
                                "0 0 0 0 0 0 0\n"
                                "0 0 16 15 0 0 0\n"
                                "0 0 0 7 0 0 0\n"
                                "0 0 0 0 0 0 0\n"
                                "0 0 0 0 0 0 0\n"
                                "0 0 0 2 0 0 0\n";

// Player 1's king is already gone: the first accepted call decides the level.
const char* const PlayerOneKingGone = "15 16 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                      "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                      "0 3 0 0 0 0 0\n";

class LevelOutcome : public testing::GameFixture {
  protected:
    std::vector<std::string> EventsButTiles() const {
        std::vector<std::string> shown;
        std::copy_if(view.events.begin(), view.events.end(), std::back_inserter(shown),
                     [](const std::string& event) { return event != "tile"; });
        return shown;
    }
};

// Guards against a cursor that stayed on the side to move over the winner's box: the neutral
// cursor shows as soon as the level is decided.
TEST_F(LevelOutcome, KingCaptureEndsTheLevelInTheSameCall) {
    Play(KingInReach, Side::PlayerOne, 7);
    Click({3, 3});
    Click({3, 2});
    // No capture sound for a king: only the win sound, the neutral cursor, the box, then the
    // next level.
    EXPECT_EQ(EventsButTiles(),
              (std::vector<std::string>{"sound sounds/win1.wav", "cursor 0", "winner 1",
                                        "title Trevallion Level 8", "cursor 1"}));
    EXPECT_EQ(view.Shown(), Level(8));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(LevelOutcome, TakingTheLastMovablePieceWins) {
    Play(KingInReach, Side::PlayerOne, 7);
    Click({3, 3});
    Click({2, 3}); // Player 1's cross steps left
    Click({2, 2});
    Click({1, 3}); // Player 2's last piece steps down-left, beside it
    Click({2, 3});
    Click({1, 3}); // and is taken: Player 2's king stands alone
    EXPECT_EQ(view.sounds, (std::vector<std::string>{"sounds/capture1.wav", "sounds/win1.wav"}));
    EXPECT_EQ(view.winners, std::vector<Side>{Side::PlayerOne});
    EXPECT_EQ(view.title, "Trevallion Level 8");
}

TEST_F(LevelOutcome, AHumanBeatenByAComputerIsOfferedTheLevelAgain) {
    struct Case {
        MessageAnswer answer;
        const char* sound; // the lose sounds take turns
        const char* title;
        bool replayed;
    };
    for (const Case& c : {Case{MessageAnswer::Yes, "sounds/lose1.wav", "Trevallion Level 7", true},
                          Case{MessageAnswer::No, "sounds/lose2.wav", "Game Over", false}}) {
        Play(PlayerOneKingGone, Side::PlayerOne, 7, PlayerType::Human, PlayerType::AiMedium);
        view.answers = {c.answer};
        Click({0, 0});
        EXPECT_EQ(view.sounds, std::vector<std::string>{c.sound});
        EXPECT_EQ(view.winners, std::vector<Side>{Side::PlayerTwo});
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0].text, "Would you like to try\nagain Player 1?");
        EXPECT_EQ(view.messages[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(view.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(view.title, c.title);
        EXPECT_EQ(view.Shown(), c.replayed ? Level(7) : testing::BoardFromRows(PlayerOneKingGone));
        EXPECT_EQ(view.cursor, c.replayed ? CursorSide::PlayerOne : CursorSide::Neutral);
        EXPECT_TRUE(view.Checked(CommandId::PlayerTwoMedium)) << "the same players again";

        if (!c.replayed) {
            // Declined, the level stays closed: Player 1's piece no longer moves.
            view.ClearRecords();
            Click({1, 6});
            Click({1, 5});
            EXPECT_TRUE(view.events.empty());
        }
    }
}

TEST_F(LevelOutcome, AComputerBeatenByAHumanGoesOnToTheNextLevel) {
    Play(KingInReach, Side::PlayerOne, 7, PlayerType::Human, PlayerType::AiDifficult);
    Click({3, 3});
    Click({3, 2});
    EXPECT_EQ(view.sounds, std::vector<std::string>{"sounds/win1.wav"});
    EXPECT_EQ(view.title, "Trevallion Level 8");
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(LevelOutcome, PlayerTwoLosingToAComputerIsAskedByName) {
    // Player 1 a computer, Player 2 a human whose king is gone; Player 2 to move.
    Play("0 16 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
         "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n2 3 0 0 0 0 0\n",
         Side::PlayerTwo, 12, PlayerType::AiEasy, PlayerType::Human);
    Click({1, 0});
    EXPECT_EQ(view.winners, std::vector<Side>{Side::PlayerOne});
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Would you like to try\nagain Player 2?");
}

// What a level with no winner, or a third repetition, tells the player and counts. A human is
// offered the level again; two computer players are only told.
TEST(LevelsWithoutAWinner, AreToldAndADrawCounts) {
    using enum PlayerType;
    const auto [yesNo, ok] = std::pair{MessageButtons::YesNo, MessageButtons::Ok};
    const std::string drawn(DrawnMessage), stuck(StuckMessage), repeated(RepeatedPositionQuestion),
        again = "\n\n" + std::string(PlayAgainQuestion);
    const StatisticsTable none, humansDrew{{{3, Pairing::TwoHumans}, {0, 0, 1}}},
        computersDrew{{{3, Pairing::TwoComputers}, {0, 0, 1}}};
    const std::tuple<const char*, PlayerType, int, std::string, MessageButtons, StatisticsTable>
        cases[] = {{testing::Shuffle, Human, 1, drawn + again, yesNo, humansDrew},
                   {testing::Shuffle, AiEasy, 1, drawn, ok, computersDrew},
                   {testing::ShuffleStuck, Human, 1, stuck + again, yesNo, none},
                   {testing::Shuffle, Human, 0, repeated, yesNo, none}};
    for (const auto& [rows, players, drawRule, text, buttons, counted] : cases) {
        testing::GameTable table;
        const std::int32_t type = PlayerTypeNumber(players);
        table.StartWith({{"PlayerOne", type}, {"PlayerTwo", type}, {"DrawByRepetition", drawRule}});
        table.Play(rows, Side::PlayerOne, 3, players, players);
        for (int turn = 0; turn < 8 && table.view.messages.empty(); ++turn) {
            if (players == Human) {
                table.PlayMove(testing::ShuffleRound[turn % 4]);
            } else {
                table.Tick(), table.Tick();
            }
        }
        ASSERT_EQ(table.view.messages.size(), 1u) << text;
        EXPECT_EQ(table.view.messages[0].text, text);
        EXPECT_EQ(table.view.messages[0].buttons, buttons);
        table.Command(CommandId::Statistics);
        EXPECT_EQ(table.view.statistics, counted) << text;
    }
}

} // namespace
} // namespace trevallion
