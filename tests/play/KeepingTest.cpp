#include "GameFixture.h"
#include "play/KeepingMessages.h"

#include <filesystem>
#include <memory>

namespace trevallion {
namespace {

using testing::GameTable;

// Player 2, AI Easy, takes Player 1's king whatever Player 1 does.
const char* const KingLost = "15 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                             "0 0 0 0 0 0 0\n0 0 0 23 0 0 0\n0 0 0 2 0 0 3\n";

// Runs of the game one after the other, all keeping in the same folder, as a player's runs do.
class Keeping : public ::testing::Test {
  protected:
    std::unique_ptr<GameTable> Run(std::map<std::string, std::int32_t> stored = {}) {
        auto run = std::make_unique<GameTable>();
        run->place.folder = data.Path();
        run->StartWith(std::move(stored));
        return run;
    }
    static void LoseToTheComputer(GameTable& run, int level) {
        run.Play(KingLost, Side::PlayerOne, level, PlayerType::Human, PlayerType::AiEasy);
        run.Click({6, 6}), run.Click({6, 5});
        run.Tick(), run.Tick();
        ASSERT_EQ(run.view.title, "Game Over");
    }
    testing::ScratchFolder data;
};

TEST_F(Keeping, ContinueBringsBackTheGameInPlayWhenTheLastRunEnded) {
    auto first = Run();
    EXPECT_FALSE(first->view.Enabled(CommandId::ContinueGame)) << "nothing kept yet";
    first->StartLevel(12, PlayerType::Human, PlayerType::AiDifficult);
    first->PlayMove(GameTable::FirstMove(GameTable::Level(12), Side::PlayerOne));
    first->Tick(), first->Tick(); // AI Difficult thinks and moves
    ASSERT_EQ(first->view.cursor, CursorSide::PlayerOne) << "the computer has moved";
    const Board board = first->view.Shown();
    first.reset(); // the window closes

    auto second = Run();
    ASSERT_TRUE(second->view.Enabled(CommandId::ContinueGame));
    second->Command(CommandId::ContinueGame);
    EXPECT_EQ(second->view.Shown(), board);
    EXPECT_EQ(second->view.title, "Trevallion Level 12");
    EXPECT_EQ(second->view.cursor, CursorSide::PlayerOne);
    EXPECT_TRUE(second->view.Checked(CommandId::PlayerTwoDifficult));
    EXPECT_TRUE(second->view.usedGameFiles.empty()) << "the file dialogs keep their folder";
}

// Killed before the writer ran, or half-way through its write: the game kept before comes back.
TEST_F(Keeping, AKillWhileKeepingLeavesTheGameKeptBefore) {
    auto first = Run();
    first->StartLevel(5);
    const Move move = GameTable::FirstMove(GameTable::Level(5), Side::PlayerOne);
    first->keepWriter.mode = testing::FakeRunner::Mode::Lost;
    first->PlayMove(move);
    const std::vector<std::uint8_t> half(RecordSize / 2, 7);
    testing::WriteBytes(data.File("game-in-play.tvx.tmp999999999-0-1"), half);
    first.reset();

    auto second = Run();
    second->Command(CommandId::ContinueGame);
    EXPECT_EQ(second->view.Shown(), GameTable::Level(5));
    EXPECT_TRUE(second->view.messages.empty());
}

// A new level replaces the game kept; a decided level keeps nothing.
TEST_F(Keeping, ANewLevelIsKeptAndADecidedOneIsNot) {
    auto first = Run();
    first->StartLevel(5);
    first->PlayMove(GameTable::FirstMove(GameTable::Level(5), Side::PlayerOne));
    first->Command(CommandId::Level10);
    first.reset();

    auto second = Run();
    second->Command(CommandId::ContinueGame);
    EXPECT_EQ(second->view.Shown(), GameTable::Level(10));
    EXPECT_EQ(second->view.title, "Trevallion Level 10");
    LoseToTheComputer(*second, 9);
    EXPECT_FALSE(second->view.Enabled(CommandId::ContinueGame));
    second.reset(); // the history is removed on a thread of its own, done by the run's end
    EXPECT_EQ(data.Names(), std::vector<std::string>{"statistics"});
}

// Each level counts once, however often Undo and Redo decide it again; the results last from
// run to run until reset.
TEST_F(Keeping, StatisticsCountEachLevelOnceUntilReset) {
    auto first = Run();
    LoseToTheComputer(*first, 9);
    first->Command(CommandId::UndoMove);
    first->Command(CommandId::RedoMove);
    first->Command(CommandId::PlayerTwoHuman);
    first->Play(KingLost, Side::PlayerTwo, 9, PlayerType::AiMedium, PlayerType::Human);
    first->Click({3, 5}), first->Click({3, 6}); // Player 2 takes the king
    first.reset();

    auto second = Run();
    second->Command(CommandId::Statistics);
    EXPECT_EQ(second->view.statistics, (StatisticsTable{{{9, Pairing::HumanVsEasy}, {0, 1}},
                                                        {{9, Pairing::HumanVsMedium}, {1, 0}}}));
    second->view.statisticsResets.push_back(true);
    second->Command(CommandId::Statistics);
    second.reset();
    auto third = Run();
    third->Command(CommandId::Statistics);
    EXPECT_TRUE(third->view.statistics.empty());
}

TEST_F(Keeping, ADamagedStatisticsFileIsSetAsideWithAMessage) {
    testing::WriteBytes(data.File("statistics"), std::string("trevallion-statistics 1\n9 ea"));
    auto run = Run();
    run->Tick(); // the window shows by now
    ASSERT_EQ(run->view.messages.size(), 1u);
    EXPECT_EQ(run->view.messages[0].text,
              StatisticsSetAsideMessage(data.File("statistics.damaged")));
    EXPECT_EQ(testing::ReadBytes(data.File("statistics.damaged")).size(), 28u);
    run->Command(CommandId::Statistics);
    EXPECT_TRUE(run->view.statistics.empty());
}

// Guards against two games at once that each wrote the table they had read at their start.
TEST_F(Keeping, TwoGamesAtOnceAddUpTheirResults) {
    auto first = Run();
    auto second = Run();
    LoseToTheComputer(*first, 9);
    LoseToTheComputer(*second, 9);
    first.reset(), second.reset();
    auto third = Run();
    third->Command(CommandId::Statistics);
    EXPECT_EQ(third->view.statistics, (StatisticsTable{{{9, Pairing::HumanVsEasy}, {0, 2}}}));
}

TEST_F(Keeping, ADamagedKeptGameIsSetAsideOnceAndContinueGoesGrey) {
    std::vector<std::uint8_t> cutShort(40, 0);
    cutShort[0] = 2;
    testing::WriteBytes(data.File("game-in-play.tvx"), cutShort);
    auto run = Run();
    ASSERT_TRUE(run->view.Enabled(CommandId::ContinueGame));
    run->Command(CommandId::ContinueGame);
    run->Command(CommandId::ContinueGame);
    ASSERT_EQ(run->view.messages.size(), 1u);
    EXPECT_EQ(run->view.messages[0].text,
              KeptGameSetAsideMessage(data.File("game-in-play.damaged")));
    EXPECT_EQ(testing::ReadBytes(data.File("game-in-play.damaged")), cutShort);
    EXPECT_FALSE(run->view.Enabled(CommandId::ContinueGame));
}

// A write that fails is told at the next tick, once, and again only after one went through.
TEST_F(Keeping, AFailedWriteIsToldOnceUntilAWriteSucceeds) {
    const std::string kept = data.File("game-in-play.tvx");
    std::filesystem::create_directory(kept); // no file can be written in its place
    auto run = Run();
    std::vector<std::string> told;
    const auto playLevel = [&](int level) {
        run->StartLevel(level);
        run->Tick();
        for (const auto& message : run->view.messages) {
            told.push_back(message.text);
        }
    };
    playLevel(5), playLevel(6);
    std::filesystem::remove(kept);
    playLevel(7);
    std::filesystem::remove(kept), std::filesystem::create_directory(kept);
    playLevel(8);
    const std::string failed =
        KeepingFailedMessage(FileErrorMessage(FileError::NotPlainFile, kept));
    EXPECT_EQ(told, (std::vector<std::string>{failed, failed}));
}

} // namespace
} // namespace trevallion
