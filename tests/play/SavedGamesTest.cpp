#include "GameFixture.h"
#include "ScratchFolder.h"
#include "levels/LevelLayouts.h"
#include "play/Messages.h"
#include "play/SettingNames.h"
#include "rules/GenerateMoves.h"
#include "savegame/SavedGameRecord.h"

#include <csignal>

#include <sys/resource.h>

namespace trevallion {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

class SavedGames : public testing::GameFixture {
  protected:
    // A sound record: level 30's layout with Player 2 to move, both sides human.
    static SavedGameRecord Record() {
        return {SaveFormatVersion,
                Side::PlayerTwo,
                PlayerType::Human,
                PlayerType::Human,
                Side::PlayerTwo,
                30,
                LayoutToBoard(LevelLayout(30))};
    }

    // Puts `record` in a file and loads it through the open dialog.
    void Load(const SavedGameRecord& record) {
        WriteBytes(folder.File("load.tvx"), EncodeRecord(record));
        window.pickedFiles.push_back(folder.File("load.tvx"));
        game.OnCommand(CommandId::LoadGame);
    }

    // A level in play after one tick, so that it may be saved.
    void PlayLevel(int level) {
        game.OnCommand(CommandId::Level1); // any level command, for its sound
        game.LoadLevel(level);
        game.OnTimer();
        window.messages.clear();
        window.events.clear();
    }

    // Player 1 plays the first move generation lists, by two clicks.
    void PlayerOneMoves() {
        MoveList moves;
        ClearMoveList(moves);
        GenerateMoves(State().board, moves, Side::PlayerOne, 0);
        Click(moves[0].fromX, moves[0].fromY);
        Click(moves[0].toX, moves[0].toY);
    }

    void Save(const std::string& path) {
        window.pickedFiles.push_back(path);
        game.OnCommand(CommandId::SaveGame);
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& message : window.messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    void ExpectButtonsShowTheBoard() {
        for (int i = 0; i < CellCount; ++i) {
            EXPECT_EQ(window.tiles[i], State().board[i]) << "element " << i;
        }
    }

    ScratchFolder folder;
};

TEST_F(SavedGames, RoundTripOnLevelTwelveWithAComputerPlayerToMove) {
    window.settings[std::string(PlayerTwoSetting)] = PlayerType::AiMedium;
    game.OnInitDialog();
    PlayLevel(12);
    PlayerOneMoves();
    ASSERT_EQ(State().m_sideToMove, Side::PlayerTwo);
    const Board saved = State().board;

    const std::string path = folder.File("twelve.tvx");
    window.sounds.clear();
    Save(path);
    EXPECT_TRUE(window.messages.empty()) << "a good save says nothing";
    EXPECT_TRUE(window.sounds.empty()) << "and plays nothing";
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), RecordSize);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4),
              (std::vector<std::uint8_t>{2, 0, 0, 0}));
    EXPECT_EQ(bytes[20], 12);
    RecordBytes record{};
    std::copy(bytes.begin(), bytes.end(), record.begin());
    EXPECT_EQ(DecodeRecord(record).board, saved);

    // Something else entirely, then back to the saved game.
    game.OnCommand(CommandId::PlayerTwoHuman);
    game.LoadLevel(3);
    State().m_gameOver = 1;
    window.pickedFiles.push_back(path);
    game.OnCommand(CommandId::LoadGame);

    EXPECT_EQ(State().m_level, 12);
    EXPECT_EQ(State().board, saved);
    ExpectButtonsShowTheBoard();
    EXPECT_EQ(State().m_sideToMove, Side::PlayerTwo);
    EXPECT_EQ(State().m_playerOneType, PlayerType::Human);
    EXPECT_EQ(State().m_playerTwoType, PlayerType::AiMedium);
    EXPECT_EQ(State().m_gameOver, 0);
    EXPECT_TRUE(NothingSelected());
    EXPECT_EQ(State().m_timerMode, GameMode);
    EXPECT_EQ(window.title, "Trevallion Level 12");

    // The computer player thinks again at the next tick and plays at the one after.
    const int started = window.workersStarted;
    game.OnTimer();
    game.OnTimer();
    EXPECT_EQ(window.workersStarted, started + 1);
    EXPECT_EQ(State().m_sideToMove, Side::PlayerOne);
}

TEST_F(SavedGames, SaveIsRefusedWithoutAGameInPlay) {
    const auto expectRefused = [&](const char* when) {
        window.messages.clear();
        window.events.clear();
        game.OnCommand(CommandId::SaveGame);
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(SaveRefusedMessage)})
            << when;
        EXPECT_EQ(window.events, std::vector<std::string>{"message"}) << when << ": no dialog";
    };
    game.OnInitDialog();
    expectRefused("after start-up");

    PlayLevel(2);
    State().m_gameOver = 1;
    expectRefused("after the level was decided");

    PlayLevel(2);
    game.OnCommand(CommandId::LifeDoodle);
    game.OnTimer();
    expectRefused("during the Life Doodle");
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(SavedGames, RefusedFilesChangeNothing) {
    struct Case {
        const char* what;
        void (*change)(SavedGameRecord&);
        std::string_view message;
    };
    const Case cases[] = {
        {"version 1", [](SavedGameRecord& r) { r.version = 1; }, OtherVersionMessage},
        {"version 3", [](SavedGameRecord& r) { r.version = 3; }, OtherVersionMessage},
        {"side 3", [](SavedGameRecord& r) { r.sideToMove = 3; }, CorruptGameMessage},
        {"level 0", [](SavedGameRecord& r) { r.level = 0; }, CorruptGameMessage},
        {"level 256", [](SavedGameRecord& r) { r.level = 256; }, CorruptGameMessage},
        {"Player 1 type 7", [](SavedGameRecord& r) { r.playerOneType = 7; }, CorruptGameMessage},
        {"code 28", [](SavedGameRecord& r) { r.board[20] = 28; }, CorruptGameMessage},
        {"cursor 5", [](SavedGameRecord& r) { r.cursorSide = 5; }, CorruptGameMessage},
    };
    window.settings[std::string(PlayerTwoSetting)] = PlayerType::AiEasy;
    game.OnInitDialog();
    PlayLevel(5);
    window.workers = testing::FakeWindow::Workers::Held;
    PlayerOneMoves();
    game.OnTimer(); // Player 2 starts thinking
    ASSERT_EQ(State().m_computerState, Thinking);
    const Board before = State().board;
    const int tileUpdates = window.tileUpdates;
    const std::size_t titles = window.titles.size();

    for (const Case& c : cases) {
        SavedGameRecord record = Record();
        c.change(record);
        window.messages.clear();
        Load(record);
        ASSERT_EQ(window.messages.size(), 1u) << c.what;
        EXPECT_EQ(window.messages[0].text, c.message) << c.what;
        EXPECT_EQ(window.messages[0].icon, MessageIcon::Exclamation) << c.what;
        EXPECT_EQ(State().board, before) << c.what;
        EXPECT_EQ(State().m_level, 5) << c.what;
        EXPECT_EQ(State().m_computerState, Thinking) << c.what << ": still thinking";
    }
    // A file too short to hold a whole record.
    std::vector<std::uint8_t> shortFile(40, 0);
    shortFile[0] = 2;
    WriteBytes(folder.File("short.tvx"), shortFile);
    window.pickedFiles.push_back(folder.File("short.tvx"));
    game.OnCommand(CommandId::LoadGame);
    EXPECT_EQ(window.messages.back().text, CorruptGameMessage);

    EXPECT_EQ(window.tileUpdates, tileUpdates);
    EXPECT_EQ(window.titles.size(), titles);
    EXPECT_EQ(State().m_playerTwoType, PlayerType::AiEasy);
}

TEST_F(SavedGames, LevelsUpToTwoHundredFiftyFiveLoad) {
    SavedGameRecord record = Record();
    record.level = 255;
    Load(record);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(State().m_level, 255);
    EXPECT_EQ(window.title, "Trevallion Level 255");
    EXPECT_EQ(State().board, record.board);
}

TEST_F(SavedGames, TypesNoPlayerCommandNamesKeepThePlayersAsTheyWere) {
    window.settings[std::string(PlayerTwoSetting)] = PlayerType::AiDifficult;
    game.OnInitDialog();
    SavedGameRecord record = Record();
    record.playerOneType = -1;
    record.playerTwoType = 7;
    Load(record);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(State().m_playerOneType, PlayerType::Human);
    EXPECT_EQ(State().m_playerTwoType, PlayerType::AiDifficult);
    EXPECT_EQ(window.settings[std::string(PlayerTwoSetting)], PlayerType::AiDifficult);
}

TEST_F(SavedGames, PlayerTypesGoThroughThePlayerCommands) {
    window.settings[std::string(PlayerTwoSetting)] = PlayerType::AiEasy;
    game.OnInitDialog();
    // Player 1 cannot become a computer player while Player 2 still is one.
    SavedGameRecord record = Record();
    record.playerOneType = PlayerType::AiMedium;
    record.playerTwoType = PlayerType::Human;
    Load(record);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(PlayerTwoMustBeHuman)});
    EXPECT_EQ(State().m_playerOneType, PlayerType::Human);
    EXPECT_EQ(State().m_playerTwoType, PlayerType::Human);
    EXPECT_EQ(window.settings[std::string(PlayerOneSetting)], PlayerType::Human);
    EXPECT_EQ(window.settings[std::string(PlayerTwoSetting)], PlayerType::Human);
    EXPECT_EQ(State().m_level, 30) << "the game loads all the same";

    // Now both sides are human, and the same file makes Player 1 the computer player.
    window.messages.clear();
    Load(record);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(State().m_playerOneType, PlayerType::AiMedium);
    EXPECT_TRUE(window.Checked(CommandId::PlayerOneMedium));
    EXPECT_EQ(window.settings[std::string(PlayerOneSetting)], PlayerType::AiMedium);
    EXPECT_EQ(window.settings[std::string(PlayerTwoSetting)], PlayerType::Human);

    // Player 1 is applied first, so a file naming two computer players keeps only Player 1's.
    record.playerTwoType = PlayerType::AiEasy;
    Load(record);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(PlayerOneMustBeHuman)});
    EXPECT_EQ(State().m_playerOneType, PlayerType::AiMedium);
    EXPECT_EQ(State().m_playerTwoType, PlayerType::Human);
}

TEST_F(SavedGames, LoadingStopsAThinkingComputerPlayerAndDropsItsMove) {
    window.settings[std::string(PlayerOneSetting)] = PlayerType::AiDifficult;
    window.settings[std::string(PlayerTwoSetting)] = PlayerType::Human;
    game.OnInitDialog();
    window.workers = testing::FakeWindow::Workers::Held;
    PlayLevel(8);
    ASSERT_EQ(State().m_computerState, Thinking);
    window.onPump = [&] { window.ReleaseWorker(); };
    window.titles.clear();

    SavedGameRecord record = Record();
    record.sideToMove = Side::PlayerOne;
    Load(record);
    EXPECT_EQ(window.titles, (std::vector<std::string>{"Please Wait...", "Trevallion Level 30"}));
    EXPECT_GT(window.pumps, 0);
    EXPECT_EQ(State().m_computerState, Idle);
    EXPECT_EQ(State().board, record.board) << "the abandoned move never reaches the board";
    ExpectButtonsShowTheBoard();
    EXPECT_EQ(State().m_sideToMove, Side::PlayerOne);
}

TEST_F(SavedGames, CancelledDialogsChangeNothing) {
    PlayLevel(6);
    const Board before = State().board;
    game.OnCommand(CommandId::SaveGame);
    game.OnCommand(CommandId::LoadGame);
    EXPECT_EQ(window.events, (std::vector<std::string>{"save dialog", "open dialog"}));
    EXPECT_TRUE(window.messages.empty());
    EXPECT_TRUE(folder.Names().empty());
    EXPECT_EQ(State().board, before);
    EXPECT_EQ(State().m_level, 6);
}

TEST_F(SavedGames, FileErrorsNameTheFileWithTheStopIcon) {
    PlayLevel(6);
    const std::string missing = folder.File("missing/game.tvx");
    Save(missing);
    window.pickedFiles.push_back(missing);
    game.OnCommand(CommandId::LoadGame);
    ASSERT_EQ(window.messages.size(), 2u);
    for (const auto& message : window.messages) {
        EXPECT_EQ(message.text, missing + " was not found.");
        EXPECT_EQ(message.icon, MessageIcon::Stop);
    }
    EXPECT_EQ(State().m_level, 6);
}

// Lowers the largest file this process may write, so that a save runs out of room half-way.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lowered = m_old;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

TEST_F(SavedGames, SaveFailingHalfWayLeavesTheEarlierFileAsItWas) {
    PlayLevel(6);
    const std::string path = folder.File("kept.tvx");
    Save(path);
    const std::vector<std::uint8_t> earlier = ReadBytes(path);
    ASSERT_EQ(earlier.size(), RecordSize);

    game.LoadLevel(7);
    game.OnTimer();
    {
        const FileSizeLimit limit(100);
        Save(path);
    }
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, "Disk full while accessing " + path + ".");
    EXPECT_EQ(window.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(ReadBytes(path), earlier);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"kept.tvx"});
}

} // namespace
} // namespace trevallion
