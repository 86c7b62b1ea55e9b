#include "BoardText.h"
#include "ComputerGame.h"
#include "levels/LevelLayouts.h"
#include "record/RecordReader.h"
#include "record/RecordWriter.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

GameRecord ComputerGameRecord(int level) {
    const Board start = LayoutToBoard(LevelLayout(level));
    GameRecord game{"2.0",
                    "2026-12-08",
                    level,
                    PlayerType::AiEasy,
                    PlayerType::AiMedium,
                    start,
                    Side::PlayerOne,
                    testing::PlayComputerGame(start, Side::PlayerOne, PlayerType::AiEasy,
                                              PlayerType::AiMedium, 300)};
    game.result = ResultOnBoard(FinalPosition(game).board);
    return game;
}

// Player 1's horizontal bar on a2 goes to and fro; Player 2's, on a6 beside a wall, cannot move.
const char* const BarBesideWall = "0 0 0 0 0 0 0\n"
                                  "22 1 0 15 0 0 0\n"
                                  "0 0 0 0 0 0 0\n"
                                  "0 0 0 0 0 0 0\n"
                                  "0 0 0 0 0 0 0\n"
                                  "9 0 0 0 0 0 0\n"
                                  "0 0 0 2 0 0 0\n";

TEST(Record, GamesReadBackAsTheyWereWritten) {
    std::vector<GameRecord> games;
    // Levels 16 and 20 are won within 50 turns; 1 and 9 still go on after 300.
    for (const int level : {1, 9, 16, 20}) {
        games.push_back(ComputerGameRecord(level));
    }
    // Taken up from a loaded position, Player 2 to move, on a level past the last layout.
    GameRecord loaded = games[1];
    loaded.turns.resize(5);
    loaded = {"2.0",
              "",
              77,
              PlayerType::AiExpert,
              PlayerType::Human,
              FinalPosition(loaded).board,
              Side::PlayerTwo,
              {games[1].turns.begin() + 5, games[1].turns.end()},
              games[1].result};
    games.push_back(loaded);
    const Move there{{0, 5}, {1, 5}}, back{{1, 5}, {0, 5}};
    games.push_back({"2.0",
                     "",
                     1,
                     PlayerType::Human,
                     PlayerType::Human,
                     testing::BoardFromRows(BarBesideWall),
                     Side::PlayerOne,
                     {there, std::nullopt, back, std::nullopt},
                     RecordResult::Draw});
    for (std::size_t i = 0; i < games.size(); ++i) {
        const GameRecord& game = games[i];
        const std::optional<std::string> text = WriteRecord(game);
        ASSERT_TRUE(text);
        const auto read = ReadRecord(*text);
        ASSERT_TRUE(std::holds_alternative<GameRecord>(read))
            << RefusalMessage(std::get<RecordRefusal>(read)) << "\n"
            << *text;
        EXPECT_TRUE(std::get<GameRecord>(read) == game) << *text;
        // Only the games that did not begin at their level's start need its board.
        EXPECT_EQ(text->find("[Position") != std::string::npos, i >= 4) << *text;
    }
}

// The tags of a level 1 game before its moves, which begin on line 8.
std::string LevelOne(const std::string& moves, const std::string& result = "unfinished") {
    return "[Game \"Trevallion\"]\n[Version \"2.0\"]\n[Level \"1\"]\n[Player1 \"Human\"]\n"
           "[Player2 \"AI Easy\"]\n[Result \"" +
           result + "\"]\n\n" + moves + "\n";
}

// Player 1's vertical bar on d5 can take Player 2's king on d6; each side has a bar on row 2 or
// 6 that can only go to and fro. The moves begin on line 9.
std::string BarsAndKings(const std::string& moves, const std::string& result) {
    return "[Game \"Trevallion\"]\n[Level \"60\"]\n[Player1 \"AI Expert\"]\n[Player2 \"Human\"]\n"
           "[Result \"" +
           result +
           "\"]\n[Position \"0 0 0 0 0 0 0 / 22 0 0 15 0 0 0 / 0 0 0 10 0 0 0 / 0 0 0 0 0 0 0 /"
           " 0 0 0 0 0 0 0 / 9 0 0 0 0 0 0 / 0 0 0 2 0 0 0\"]\n[ToMove \"Player 1\"]\n\n" +
           moves + "\n";
}

std::string TooLong() {
    std::string moves;
    for (std::size_t i = 0; i <= MaxRecordTurns / 4; ++i) {
        moves += "a2-b2 a6-b6 b2-a2 b6-a6 ";
    }
    return BarsAndKings(moves, "unfinished");
}

TEST(Record, BrokenRecordsAreRefusedWithTheLineAndTheReason) {
    const struct {
        const char* what;
        std::string text;
        RecordFault fault;
        int line;
    } cases[] = {
        {"a step no arm makes", LevelOne("1. d2-d3 d6-d5\n2. d3-d5"), RecordFault::IllegalMove, 9},
        {"a pass with a move at hand", LevelOne("1. d2-d3 pass"), RecordFault::PassWithMove, 8},
        {"a move after the king fell", BarsAndKings("1. d5xd6# a6-b6", "Player 1 wins"),
         RecordFault::AfterDecided, 9},
        {"a step written as a capture", LevelOne("1. d2xd3"), RecordFault::WrongMark, 8},
        {"a number out of place", LevelOne("1. d2-d3 d6-d5 3. d3-d4"), RecordFault::BadTurnNumber,
         8},
        {"a word that is no move", LevelOne("1. d2-d3 {fine} ; fine\nd6-d5 2. e2=e3"),
         RecordFault::NotATurn, 9},
        {"a comment never closed", LevelOne("1. d2-d3 {\n\n"), RecordFault::OpenComment, 8},
        {"a result the moves do not reach", LevelOne("1. d2-d3", "Player 2 wins"),
         RecordFault::ResultMismatch, 6},
        {"a won level called a draw", BarsAndKings("1. d5xd6#", "draw"),
         RecordFault::ResultMismatch, 5},
        {"a tag line cut short", "[Game \"Trevallion\"]\n[Level \"1\"\n", RecordFault::BadTagLine,
         2},
        {"a tag twice", "[Game \"Trevallion\"]\n[Level \"1\"]\n[level \"2\"]\n",
         RecordFault::TagTwice, 3},
        {"an unknown player", "[Game \"Trevallion\"]\n[Level \"1\"]\n[Player1 \"Grandmaster\"]\n",
         RecordFault::BadTagValue, 3},
        {"a level without a layout and no board",
         "[Game \"Trevallion\"]\n[Level \"99\"]\n"
         "[Player1 \"Human\"]\n[Player2 \"Human\"]\n[Result \"draw\"]\n",
         RecordFault::MissingTag, 2},
        {"a missing player", "[Game \"Trevallion\"]\n[Level \"3\"]\n[Result \"draw\"]\n\n1. pass",
         RecordFault::MissingTag, 5},
        {"a chess game", "[Event \"Casual\"]\n\n1. e4 e5", RecordFault::NotARecord, 0},
        {"garbage",
         std::string("\x7f"
                     "ELF\x02\x01\x01\0\0",
                     9),
         RecordFault::NotARecord, 0},
        {"too long a game", TooLong(), RecordFault::TooManyTurns, 9},
        {"too large a file", std::string(MaxRecordBytes + 1, ' '), RecordFault::TooLarge, 0},
    };
    for (const auto& c : cases) {
        const auto read = ReadRecord(c.text);
        ASSERT_TRUE(std::holds_alternative<RecordRefusal>(read)) << c.what;
        const RecordRefusal& refusal = std::get<RecordRefusal>(read);
        EXPECT_EQ(refusal.fault, c.fault) << c.what << ": " << RefusalMessage(refusal);
        EXPECT_EQ(refusal.line, c.line) << c.what << ": " << RefusalMessage(refusal);
    }
    EXPECT_EQ(RefusalMessage(std::get<RecordRefusal>(ReadRecord(cases[0].text))),
              "Line 9: Player 1 may not play d3-d5.");
}

} // namespace
} // namespace trevallion
