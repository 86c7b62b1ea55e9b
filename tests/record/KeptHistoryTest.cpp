#include "ComputerGame.h"
#include "ScratchFolder.h"
#include "record/MatchRecord.h"
#include "record/RecordWriter.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

TEST(KeptHistory, TheTurnsComeBackOnlyWhenTheyLeadToTheKeptGame) {
    Match match;
    match.SetUpLevel(3);
    for (const std::optional<Move>& turn : testing::PlayComputerGame(
             match.CurrentBoard(), Side::PlayerOne, PlayerType::AiEasy, PlayerType::AiMedium, 12)) {
        match.PlayTurn(turn);
    }
    ASSERT_EQ(match.Decide(RepetitionRule::PlayOn).outcome, Outcome::GoesOn);
    const KeptPosition kept{match.CurrentBoard(), match.SideToMove(), match.Level()};
    const std::string history = *WriteRecord(RecordOfMatch(match, "2026-12-08"));
    Match behind = match;
    behind.Undo();
    const struct {
        const char* what;
        std::string history;
        std::int32_t level;
        bool restored;
    } cases[] = {
        {"as it was kept", history, 3, true},
        {"a turn behind", *WriteRecord(RecordOfMatch(behind, "")), 3, false},
        {"of another level", history, 4, false},
        {"damaged", history + "\x01", 3, false},
    };
    for (const auto& c : cases) {
        const std::optional<GameRecord> record =
            HistoryOfKeptGame({kept.board, kept.sideToMove, c.level}, c.history);
        ASSERT_EQ(record.has_value(), c.restored) << c.what;
        if (record) {
            EXPECT_EQ(record->turns, RecordOfMatch(match, "").turns);
        }
    }
    const testing::ScratchFolder folder;
    const std::string path = folder.File(std::string(KeptHistoryName));
    EXPECT_FALSE(ReadHistoryOfKeptGame(kept, path));
    testing::WriteBytes(path, history);
    EXPECT_TRUE(ReadHistoryOfKeptGame(kept, path));
}

} // namespace
} // namespace trevallion
