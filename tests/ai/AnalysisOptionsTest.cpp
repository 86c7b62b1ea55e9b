#include "AnalysisOptions.h"
#include "GamePosition.h"
#include "MoveReplay.h"
#include "levels/LevelLayouts.h"
#include "savegame/SavedGameFile.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace trevallion {
namespace {

ParsedArguments Parse(std::initializer_list<std::string_view> args) {
    return ParseArguments(std::vector<std::string_view>(args));
}

TEST(AnalysisOptions, ReadsBothSearchForms) {
    auto parsed = Parse({"--level", "50", "--side", "2", "--depth", "4", "--mode", "1"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.level, 50);
    EXPECT_EQ(parsed.options.side, Side::PlayerTwo);
    EXPECT_FALSE(parsed.options.useStrength);
    EXPECT_EQ(parsed.options.depth, 4);
    EXPECT_EQ(parsed.options.orderingMode, OrderingMode::QuietMovesFirst);

    parsed = Parse({"--strength", "medium", "--board", "-"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.boardFile, "-");
    EXPECT_EQ(parsed.options.side, Side::PlayerOne);
    EXPECT_TRUE(parsed.options.useStrength);
    EXPECT_EQ(parsed.options.strength, PlayerType::AiMedium);

    parsed = Parse({"--game", "a.tvx", "--depth", "2", "--mode", "0"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.gameFile, "a.tvx");
    EXPECT_EQ(parsed.options.level, 0);
    EXPECT_EQ(parsed.options.boardFile, "");

    parsed =
        Parse({"--level", "3", "--moves", "6655,pass", "--strength", "expert", "--nodes", "9"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.strength, PlayerType::AiExpert);
    EXPECT_EQ(parsed.options.expertNodes, 9u);
    EXPECT_FALSE(parsed.options.expertTime.has_value());
    EXPECT_EQ(parsed.options.moves.size(), 2u);

    EXPECT_TRUE(Parse({"--level", "x", "--help"}).help);
}

TEST(AnalysisOptions, RefusesMalformedCommandLines) {
    const std::initializer_list<std::string_view> malformed[] = {
        {"--level", "1", "--depth", "2", "--mode", "0", "--fast"}, // unknown option
        {"--level", "1", "--depth", "2", "--mode"},                // missing value
        {"--level", "1", "--board", "b.txt", "--strength", "easy"},
        {"--game", "a.tvx", "--board", "b.txt", "--strength", "easy"},
        {"--game", "a.tvx", "--side", "1", "--strength", "easy"}, // the file names the side
        {"--game", "", "--strength", "easy"},
        {"--side", "1", "--strength", "easy"},                  // no position
        {"--level", "1", "--strength", "easy", "--depth", "2"}, // two searches
        {"--level", "1", "--depth", "2"},                       // depth without mode
        {"--level", "1"},                                       // no search
        {"--level", "51", "--strength", "easy"},
        {"--level", "1", "--side", "3", "--strength", "easy"},
        {"--level", "1", "--strength", "hard"},
        {"--level", "1", "--depth", "9", "--mode", "0"},
        {"--level", "1", "--depth", "2", "--mode", "2"},
        {"--level", "1", "--depth", "2x", "--mode", "0"},
        {"--level", "1", "--level", "2", "--strength", "easy"},
        {"--board", "--help", "--strength", "easy"}, // an option is never a value
        {"--board", "-x", "--strength", "easy"},
        {"--level", "1", "--strength", "difficult", "--time", "100"}, // a budget for AI Expert
        {"--level", "1", "--strength", "expert", "--nodes", "0"},
        {"--board", "b.txt", "--moves", "6655", "--strength", "easy"}, // moves from a level only
        {"--level", "1", "--side", "2", "--moves", "6655", "--strength", "easy"},
    };
    for (const auto& args : malformed) {
        const auto parsed = Parse(args);
        EXPECT_FALSE(parsed.error.empty()) << *args.begin() << " ... (" << args.size() << ")";
        EXPECT_FALSE(parsed.help);
    }
}

std::string Codes(int count, const std::string& code = "0") {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += code + (i % 7 == 6 ? "\n" : " ");
    }
    return text;
}

TEST(AnalysisOptions, ReadsBoardsInScreenOrder) {
    // The second code is row 0, column 1; the eighth is row 1, column 0.
    const auto parsed = ParseBoardText(" 0 27 " + Codes(5) + "\t15 " + Codes(41));
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.board.At({1, 0}), 27);
    EXPECT_EQ(parsed.board.At({0, 1}), 15);
    EXPECT_EQ(parsed.board.At({1, 1}), 0);

    for (const std::string& bad : {Codes(48), Codes(50), Codes(48) + "x", Codes(48) + "28",
                                   Codes(48) + "-1", Codes(48) + "3.5"}) {
        EXPECT_FALSE(ParseBoardText(bad).error.empty()) << bad;
    }
}

TEST(AnalysisOptions, QuotesAShortEscapedPrefixOfABadToken) {
    const std::pair<std::string, std::string> tokens[] = {
        {std::string("a\0b\x7f", 4), R"("a\x00b\x7f")"},
        {"\"q\"\\", R"("\"q\"\\")"},
        {std::string(21, 'x'), '"' + std::string(20, 'x') + "...\""},
        {std::string(19, 'x') + "\xC3\xA9", '"' + std::string(19, 'x') + "...\""}, // not half an é
    };
    for (const auto& [token, quoted] : tokens) {
        EXPECT_EQ(ParseBoardText(Codes(48) + token).error,
                  "the board holds something that is not a number: " + quoted);
    }
    EXPECT_EQ(ParseArguments({"--level\n"}).error, R"(unknown argument "--level\n")");
}

TEST(MoveReplay, PlaysFromTheLevelStartWhatTheRulesAllowAndNamesTheFirstRefusal) {
    // Level 16, where Player 2 takes the king with its sixth move.
    const std::string won = "4534,4152,4645,5263,3443,2132,4332,6354,4544,5445,2514,4536";
    struct Case {
        int level;
        std::string moves;
        std::string error; // of the parse or the replay; empty when both pass
        int plies = 0;     // the positions seen, less the start
    };
    const Case cases[] = {
        {1, "6655,0011", "", 2},
        {16, won, "", 12},
        {16, won + ",4443", "move 13 (4443) comes after Player 2 has won"},
        {1, "6655,0011,pass", "move 3 (pass): Player 1 can move, so cannot pass"},
        {1, "6656", "move 1 (6656) is not a step Player 1 may make"},
        {1, "6655,5544", "move 2 (5544) is not a step Player 2 may make"}, // Player 1's piece
        {1, "6655,66x5",
         R"(move 2 of --moves, "66x5", is neither four coordinates 0 to 6, as 6655, nor pass)"},
        {1, "6655,",
         R"(move 2 of --moves, "", is neither four coordinates 0 to 6, as 6655, nor pass)"},
        {1, "7655",
         R"(move 1 of --moves, "7655", is neither four coordinates 0 to 6, as 6655, nor pass)"},
    };
    for (const Case& c : cases) {
        const ParsedMoves parsed = ParseMoveList(c.moves);
        const ReplayedGame game = ReplayMoves(LayoutToBoard(LevelLayout(c.level)), parsed.moves);
        EXPECT_EQ(parsed.error.empty() ? game.error : parsed.error, c.error) << c.moves;
        if (c.error.empty()) {
            EXPECT_EQ(MoveListText(parsed.moves), c.moves);
            ASSERT_EQ(game.seen.size(), static_cast<std::size_t>(c.plies) + 1) << c.moves;
            EXPECT_EQ(game.side, c.plies % 2 == 0 ? Side::PlayerOne : Side::PlayerTwo);
            EXPECT_EQ(game.seen.back(), KeyOf(game.board, game.side)) << c.moves;
        }
    }
}

// Writes `record` to a file of its own and returns the path.
std::string WriteGame(const std::string& name, const SavedGameRecord& record) {
    const std::string path =
        ::testing::TempDir() + name + "-" + std::to_string(::getpid()) + ".tvx";
    EXPECT_EQ(WriteSavedGameFile(path, EncodeRecord(record)), FileError::None);
    return path;
}

TEST(GamePosition, TakesBoardAndSideFromTheSavedGame) {
    SavedGameRecord record{SaveFormatVersion, 2, 0, 1, 2, 9, {}};
    record.board.At({1, 0}) = PlayerOneKing;
    record.board.At({6, 5}) = LastCode;
    const std::string path = WriteGame("sound", record);
    const GamePosition position = ReadGamePosition(path);
    std::remove(path.c_str());
    EXPECT_EQ(position.error, "");
    EXPECT_EQ(position.board, record.board);
    EXPECT_EQ(position.side, Side::PlayerTwo);
}

TEST(GamePosition, RefusesWhatTheGameRefusesOnOneLine) {
    SavedGameRecord record{SaveFormatVersion, 3, 0, 0, 0, 9, {}};
    const std::string path = WriteGame("corrupt", record);
    EXPECT_EQ(ReadGamePosition(path).error, path + ": This saved game file is corrupt.");
    record.version = SaveFormatVersion - 1;
    WriteGame("corrupt", record);
    EXPECT_EQ(ReadGamePosition(path).error,
              path + ": This saved game was created with a different version of Trevallion.");
    std::remove(path.c_str());
    EXPECT_EQ(ReadGamePosition(path).error, path + " was not found.");
}

} // namespace
} // namespace trevallion
