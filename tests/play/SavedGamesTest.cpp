#include "GameFixture.h"
#include "play/Messages.h"
#include "savegame/SavedGameFile.h"
#include "savegame/SavedGameRecord.h"

#include <csignal>

#include <sys/resource.h>

namespace trevallion {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

// Player 1's king is gone: the first click on Player 1's turn decides the level.
const char* const PlayerOneKingGone = "15 16 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                      "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                      "0 3 0 0 0 0 0\n";

class SavedGames : public testing::GameFixture {
  protected:
    // A sound record: level 30's layout with Player 2 to move, both sides human.
    static SavedGameRecord Record() { return {SaveFormatVersion, 2, 0, 0, 2, 30, Level(30)}; }

    // Level `level` in play after one tick, so that it may be saved.
    void PlayLevel(int level, PlayerType one = PlayerType::Human,
                   PlayerType two = PlayerType::Human) {
        StartLevel(level, one, two);
        Tick();
        view.ClearRecords();
    }

    // Player 2, a computer player, wins on `level` and the human declines to try again.
    void LoseLevel(int level) {
        Play(PlayerOneKingGone, Side::PlayerOne, level, PlayerType::Human, PlayerType::AiEasy);
        Tick();
        Click({3, 3});
        ASSERT_EQ(view.winners.size(), 1u);
    }

    void Save(const std::string& path) {
        view.pickedFiles.push_back(path);
        Command(CommandId::SaveGame);
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& message : view.messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    testing::ScratchFolder saves;
};

TEST_F(SavedGames, RoundTripOnLevelTwelveWithAComputerPlayerToMove) {
    PlayLevel(12, PlayerType::Human, PlayerType::AiMedium);
    PlayMove(FirstMove(Level(12), Side::PlayerOne));
    const Board saved = view.Shown();

    const std::string path = saves.File("twelve.tvx");
    view.ClearRecords();
    Save(path);
    EXPECT_EQ(view.events, std::vector<std::string>{"save dialog"}) << "a good save is silent";
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), RecordSize);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4),
              (std::vector<std::uint8_t>{2, 0, 0, 0}));
    EXPECT_EQ(bytes[20], 12);
    RecordBytes record{};
    std::copy(bytes.begin(), bytes.end(), record.begin());
    EXPECT_EQ(DecodeRecord(record), (SavedGameRecord{SaveFormatVersion, 2, 0, 2, 2, 12, saved}));

    // Something else entirely, decided, then back to the saved game.
    LoseLevel(3);
    view.pickedFiles.push_back(path);
    Command(CommandId::LoadGame);
    EXPECT_EQ(view.title, "Trevallion Level 12");
    EXPECT_EQ(view.Shown(), saved);
    EXPECT_EQ(view.cursor, CursorSide::PlayerTwo);
    EXPECT_TRUE(view.Checked(CommandId::PlayerOneHuman));
    EXPECT_TRUE(view.Checked(CommandId::PlayerTwoMedium));

    // The computer player thinks again at the next tick and plays at the one after.
    const int started = workers.started;
    Tick();
    Tick();
    EXPECT_EQ(workers.started, started + 1);
    EXPECT_EQ(view.cursor, CursorSide::PlayerOne);
}

TEST_F(SavedGames, SaveIsRefusedWithoutAGameInPlay) {
    const auto expectRefused = [this](const char* when) {
        view.ClearRecords();
        Command(CommandId::SaveGame);
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(SaveRefusedMessage)})
            << when;
        EXPECT_EQ(view.events, std::vector<std::string>{"message"}) << when << ": no dialog";
    };
    StartWith({});
    expectRefused("after start-up");
    LoseLevel(2);
    expectRefused("after the level was decided");
    PlayLevel(2);
    Command(CommandId::LifeDoodle);
    Tick();
    expectRefused("during the Life Doodle");
}

// The file chosen in Save Game's dialog holds the board on show: the Life Doodle's, once it has
// started behind the dialog.
TEST_F(SavedGames, SaveBehindTheDialogKeepsTheBoardOnShow) {
    PlayLevel(6);
    Command(CommandId::LifeDoodle);
    keepBoxesOpen = true;
    Command(CommandId::SaveGame);
    Tick();
    view.pickedFiles.push_back(saves.File("doodle.tvx"));
    view.AnswerBoxes(game);
    const SavedGameRead read = ReadSavedGame(saves.File("doodle.tvx"), SaveFormatVersion);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(read.record.board, view.Shown());
}

// Guards against a refused file that had already stopped a thinking computer player or changed
// the game: nothing is shown but the dialog and the message, and the search goes on.
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
    PlayLevel(5, PlayerType::Human, PlayerType::AiEasy);
    workers.mode = Mode::Held;
    PlayMove(FirstMove(Level(5), Side::PlayerOne));
    Tick(); // Player 2 starts thinking
    ASSERT_EQ(workers.started, 1);
    const Board before = view.Shown();

    for (const Case& c : cases) {
        SavedGameRecord record = Record();
        c.change(record);
        view.ClearRecords();
        Load(record);
        ASSERT_EQ(view.messages.size(), 1u) << c.what;
        EXPECT_EQ(view.messages[0].text, c.message) << c.what;
        EXPECT_EQ(view.messages[0].icon, MessageIcon::Exclamation) << c.what;
        EXPECT_EQ(view.events, (std::vector<std::string>{"open dialog", "message"})) << c.what;
    }
    // A file too short to hold a whole record.
    std::vector<std::uint8_t> shortFile(40, 0);
    shortFile[0] = 2;
    WriteBytes(folder.File("short.tvx"), shortFile);
    view.pickedFiles.push_back(folder.File("short.tvx"));
    Command(CommandId::LoadGame);
    EXPECT_EQ(view.messages.back().text, CorruptGameMessage);

    // Player 2 thought on all along, and its move is played without a second search.
    workers.Join();
    Tick();
    EXPECT_EQ(workers.started, 1);
    EXPECT_EQ(view.Shown(), Moved(before, EngineMove(PlayerType::AiEasy, Side::PlayerTwo, before)));
    EXPECT_TRUE(view.Checked(CommandId::PlayerTwoEasy));
}

TEST_F(SavedGames, LevelsUpToTwoHundredFiftyFiveLoad) {
    SavedGameRecord record = Record();
    record.level = 255;
    Load(record);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(view.title, "Trevallion Level 255");
    EXPECT_EQ(view.Shown(), record.board);
}

TEST_F(SavedGames, TypesNoPlayerCommandNamesKeepThePlayersAsTheyWere) {
    StartWith({{"PlayerOne", 0}, {"PlayerTwo", 3}});
    SavedGameRecord record = Record();
    record.playerOneType = -1;
    record.playerTwoType = 7;
    Load(record);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(view.Checked(CommandId::PlayerOneHuman));
    EXPECT_TRUE(view.Checked(CommandId::PlayerTwoDifficult));
    EXPECT_EQ(settings.values["PlayerTwo"], 3);
}

TEST_F(SavedGames, PlayerTypesGoThroughThePlayerCommands) {
    StartWith({{"PlayerOne", 0}, {"PlayerTwo", 1}});
    // Player 1 cannot become a computer player while Player 2 still is one.
    SavedGameRecord record = Record();
    record.playerOneType = PlayerTypeNumber(PlayerType::AiMedium);
    Load(record);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(PlayerTwoMustBeHuman)});
    EXPECT_TRUE(view.Checked(CommandId::PlayerOneHuman));
    EXPECT_TRUE(view.Checked(CommandId::PlayerTwoHuman));
    EXPECT_EQ(settings.values["PlayerOne"], 0);
    EXPECT_EQ(settings.values["PlayerTwo"], 0);
    EXPECT_EQ(view.title, "Trevallion Level 30") << "the game loads all the same";

    // Now both sides are human, and the same file makes Player 1 the computer player.
    view.ClearRecords();
    Load(record);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(view.Checked(CommandId::PlayerOneMedium));
    EXPECT_EQ(settings.values["PlayerOne"], 2);
    EXPECT_EQ(settings.values["PlayerTwo"], 0);

    // Player 1 is applied first, so a file naming two computer players keeps only Player 1's.
    record.playerTwoType = PlayerTypeNumber(PlayerType::AiEasy);
    Load(record);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(PlayerOneMustBeHuman)});
    EXPECT_TRUE(view.Checked(CommandId::PlayerOneMedium));
    EXPECT_TRUE(view.Checked(CommandId::PlayerTwoHuman));
}

// Guards against the abandoned search's move reaching the loaded board: the loaded computer
// player thinks afresh about the loaded position.
TEST_F(SavedGames, LoadingStopsAThinkingComputerPlayerAndDropsItsMove) {
    workers.mode = Mode::Held;
    PlayLevel(8, PlayerType::AiDifficult, PlayerType::Human);
    ASSERT_EQ(workers.started, 1);

    SavedGameRecord record = Record();
    record.sideToMove = record.cursorSide = 1;
    record.playerOneType = PlayerTypeNumber(PlayerType::AiEasy);
    Load(record);
    EXPECT_EQ(view.titles, (std::vector<std::string>{"Please Wait...", "Trevallion Level 30"}));
    EXPECT_EQ(view.Shown(), record.board);

    workers.mode = Mode::Inline;
    Tick();
    Tick();
    EXPECT_EQ(workers.started, 2);
    EXPECT_EQ(view.Shown(),
              Moved(record.board, EngineMove(PlayerType::AiEasy, Side::PlayerOne, record.board)));
}

TEST_F(SavedGames, CancelledDialogsChangeNothing) {
    PlayLevel(6);
    Command(CommandId::SaveGame);
    Command(CommandId::LoadGame);
    EXPECT_EQ(view.events, (std::vector<std::string>{"save dialog", "open dialog"}));
    EXPECT_TRUE(saves.Names().empty());
    EXPECT_EQ(view.Shown(), Level(6));
}

TEST_F(SavedGames, FileErrorsNameTheFileWithTheStopIcon) {
    PlayLevel(6);
    const std::string missing = saves.File("missing/game.tvx");
    Save(missing);
    view.pickedFiles.push_back(missing);
    Command(CommandId::LoadGame);
    ASSERT_EQ(view.messages.size(), 2u);
    for (const auto& message : view.messages) {
        EXPECT_EQ(message.text, missing + " was not found.");
        EXPECT_EQ(message.icon, MessageIcon::Stop);
    }
    EXPECT_EQ(view.Shown(), Level(6));
}

// A saved game named at start-up loads as Load Game loads it, before the Life Doodle's first
// tick, and owns the clock; a box still open refuses it.
TEST_F(SavedGames, AGameGivenAtStartUpLoadsLikeLoadGame) {
    StartWith({{"PlayerOne", 0}, {"PlayerTwo", 1}});
    const std::string path = saves.File("given.tvx");
    WriteBytes(path, EncodeRecord(Record()));
    keepBoxesOpen = true;
    Command(CommandId::About);
    game.OnFileGiven(path);
    EXPECT_EQ(view.titles, std::vector<std::string>{"Trevallion"});
    view.AnswerBoxes(game);
    game.OnFileGiven(path);
    Tick();
    EXPECT_EQ(view.titles, (std::vector<std::string>{"Trevallion", "Trevallion Level 30"}));
    EXPECT_EQ(view.Shown(), Record().board);
}

// Only a game really saved or loaded names the folder for the next file dialog.
TEST_F(SavedGames, OnlyFilesSavedOrLoadedAreToldAsUsed) {
    PlayLevel(6);
    const std::string missing = saves.File("missing/game.tvx"), good = saves.File("good.tvx");
    for (const std::string& path : {missing, good}) {
        Save(path);
        view.pickedFiles.push_back(path);
        Command(CommandId::LoadGame);
    }
    EXPECT_EQ(view.usedGameFiles, (std::vector<std::string>{good, good}));
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
    const std::string path = saves.File("kept.tvx");
    Save(path);
    const std::vector<std::uint8_t> earlier = ReadBytes(path);
    ASSERT_EQ(earlier.size(), RecordSize);

    PlayMove(FirstMove(Level(6), Side::PlayerOne));
    {
        const FileSizeLimit limit(100);
        Save(path);
    }
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Disk full while accessing " + path + ".");
    EXPECT_EQ(view.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(ReadBytes(path), earlier);
    EXPECT_EQ(saves.Names(), std::vector<std::string>{"kept.tvx"});
}

} // namespace
} // namespace trevallion
