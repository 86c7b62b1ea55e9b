// A long random game of everything a player can do, on real worker threads: clicks, ticks,
// every menu command, modal boxes during which more ticks, clicks and commands arrive, loads of
// sound and damaged saved games, saves, undo and redo, hints. After every event the view must
// show a sound game. TREVALLION_SOAK_EVENTS and TREVALLION_SOAK_SEED make a longer run by hand.

#include "GameFixture.h"
#include "play/Messages.h"
#include "rules/Steps.h"

#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>

#include <sys/stat.h>

namespace trevallion {
namespace {

using testing::FakeRunner;

constexpr CommandId Commands[] = {CommandId::Level1,
                                  CommandId::Level5,
                                  CommandId::Level10,
                                  CommandId::Level20,
                                  CommandId::Level40,
                                  CommandId::RestartLevel,
                                  CommandId::LifeDoodle,
                                  CommandId::PlayerOneHuman,
                                  CommandId::PlayerOneEasy,
                                  CommandId::PlayerOneMedium,
                                  CommandId::PlayerTwoHuman,
                                  CommandId::PlayerTwoEasy,
                                  CommandId::PlayerTwoDifficult,
                                  CommandId::PlayerTwoExpert,
                                  CommandId::SoundOn,
                                  CommandId::SoundOff,
                                  CommandId::Instructions,
                                  CommandId::About,
                                  CommandId::ShowMoves,
                                  CommandId::DarkBoard,
                                  CommandId::HighContrast,
                                  CommandId::DrawByRepetition,
                                  CommandId::UndoMove,
                                  CommandId::RedoMove,
                                  CommandId::Hint,
                                  CommandId::ChooseLevel,
                                  CommandId::SaveGame,
                                  CommandId::LoadGame};

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text == nullptr ? fallback : std::strtoull(text, nullptr, 10);
}

int Count(const Board& board, CellCode code) {
    return static_cast<int>(std::ranges::count(board.cells, code));
}

class Soak : public testing::GameTable {
  public:
    explicit Soak(std::uint64_t seed) : m_dice(seed) {
        workers.mode = hintWorkers.mode = FakeRunner::Mode::Threaded;
        ::mkfifo(folder.File("pipe.tvx").c_str(), 0600);
        view.whileModal = [this] { Interrupt(); };
        StartWith({{"PlayerOne", 0}, {"PlayerTwo", 2}, {"ShowMoves", 1}});
    }

    // One event, and the checks of what the view shows after it.
    void Step() {
        const Board before = view.Shown();
        const std::optional<CursorSide> cursor = view.cursor;
        const bool inGame = view.title.starts_with("Trevallion Level") && !m_doodleAsked;
        view.ClearRecords();
        m_doodleAskedNow = false;
        const bool checkedMove = Event() && inGame;
        // A level set up, and no Life Doodle asked for since: the game owns the board again.
        if (!m_doodleAskedNow && std::ranges::any_of(view.titles, [](const std::string& title) {
                return title.starts_with("Trevallion Level");
            })) {
            m_doodleAsked = false;
        }
        CheckShown(before, cursor, checkedMove);
    }

  private:
    int Roll(int sides) { return std::uniform_int_distribution<int>(0, sides - 1)(m_dice); }

    // Any command; the Life Doodle's hands the board to the doodle from the next tick on, while
    // the title still names the level.
    void Issue(CommandId command) {
        if (command == CommandId::LifeDoodle) {
            m_doodleAsked = m_doodleAskedNow = true;
        }
        Command(command);
    }
    CommandId AnyCommand() { return Commands[Roll(static_cast<int>(std::size(Commands)))]; }

    // True when, in a game, a change of the board must be a move of the side shown to move.
    bool Event() {
        switch (Roll(12)) {
        case 0:
        case 1:
        case 2:
            HumanMove();
            return true;
        case 3:
            Click(CellAt(Roll(CellCount)));
            return true;
        case 4:
        case 5:
            if (Roll(8) == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(Roll(3)));
            }
            Tick();
            return true;
        case 6:
            LoadAnyGame();
            return false;
        case 7:
            view.pickedFiles.push_back(Roll(4) == 0 ? "/nonexistent/folder/saved.tvx"
                                                    : folder.File("saved.tvx"));
            break;
        case 8:
            view.chosenLevels.push_back(1 + Roll(LevelCount));
            break;
        case 9:
            for (int i = 0; i < 20 && !view.wakes.empty(); ++i) {
                view.wakes.clear();
                game.OnWake();
            }
            return true;
        default:
            break;
        }
        if (Roll(4) == 0) {
            view.answers.push_back(MessageAnswer::Yes);
        }
        Issue(AnyCommand());
        return false;
    }

    // A legal move of a piece of the side whose cursor shows, when there is one to make.
    void HumanMove() {
        if (!view.cursor || *view.cursor == CursorSide::Neutral) {
            return;
        }
        const Side side = static_cast<Side>(*view.cursor);
        const Board board = view.Shown();
        const int first = Roll(CellCount);
        for (int i = 0; i < CellCount; ++i) {
            const int from = (first + i) % CellCount;
            const CellSet targets = StepTargets(board, CellAt(from));
            if (!IsMovablePieceOf(board[from], side) || targets == 0) {
                continue;
            }
            int to = Roll(CellCount);
            while (((targets >> to) & 1) == 0) {
                to = (to + 1) % CellCount;
            }
            Click(CellAt(from));
            Click(CellAt(to));
            return;
        }
    }

    // A sound game of any level and side, or one of the ways a file can be damaged.
    void LoadAnyGame() {
        const Side side = Roll(2) == 0 ? Side::PlayerOne : Side::PlayerTwo;
        SavedGameRecord record{
            SaveFormatVersion,    SideNumber(side),           Roll(4), Roll(4), SideNumber(side),
            1 + Roll(LevelCount), Level(1 + Roll(LevelCount))};
        switch (Roll(8)) {
        case 0:
            record.version = 1;
            break;
        case 1:
            record.board.At(CellAt(Roll(CellCount))) = LastCode + 1;
            break;
        case 2:
            record.level = 256;
            break;
        case 3:
            view.pickedFiles.push_back(folder.File("pipe.tvx"));
            Command(CommandId::LoadGame);
            return;
        default:
            break;
        }
        Load(record);
    }

    // What arrives while a modal box is open.
    void Interrupt() {
        switch (Roll(6)) {
        case 0:
            Tick();
            break;
        case 1:
            Click(CellAt(Roll(CellCount)));
            break;
        case 2:
            Issue(AnyCommand());
            break;
        default:
            break;
        }
    }

    void CheckShown(const Board& before, std::optional<CursorSide> cursor, bool checkedMove) {
        const Board after = view.Shown();
        for (const CellCode code : after.cells) {
            ASSERT_TRUE(IsValidCode(code)) << "code " << code;
        }
        ASSERT_LE(Count(after, PlayerOneKing), 1);
        ASSERT_LE(Count(after, PlayerTwoKing), 1);
        ASSERT_EQ(workers.overlapping + hintWorkers.overlapping, 0) << "two workers at once";
        if (view.marks.selected) {
            const Cell cell = *view.marks.selected;
            ASSERT_TRUE(view.cursor && *view.cursor != CursorSide::Neutral);
            ASSERT_TRUE(BelongsTo(after.At(cell), static_cast<Side>(*view.cursor)))
                << "the selection is not the side to move's";
            ASSERT_EQ(view.marks.targets, StepTargets(after, cell));
        }
        const long tiles = std::ranges::count(view.events, std::string("tile"));
        if (!checkedMove || tiles != 2 || !cursor || *cursor == CursorSide::Neutral) {
            return;
        }
        // A move: its piece leaves one cell for a cell its arms reach, as the side to move.
        std::vector<int> changed;
        for (int i = 0; i < CellCount; ++i) {
            if (before[i] != after[i]) {
                changed.push_back(i);
            }
        }
        ASSERT_EQ(changed.size(), 2u);
        const int from = after[changed[0]] == Empty ? changed[0] : changed[1];
        const int to = from == changed[0] ? changed[1] : changed[0];
        const CellCode mover = before[from];
        ASSERT_EQ(after[to], mover);
        ASSERT_TRUE(IsMovablePieceOf(mover, static_cast<Side>(*cursor))) << "moved out of turn";
        ASSERT_EQ(CanStep(mover, CellAt(from), CellAt(to)), 1);
        ASSERT_FALSE(BelongsTo(before[to], static_cast<Side>(*cursor)));
        ++movesChecked;
    }

  public:
    int movesChecked = 0;

  private:
    std::mt19937_64 m_dice;
    bool m_doodleAsked = false;
    bool m_doodleAskedNow = false;
};

TEST(Soak, RandomPlayKeepsTheGameSound) {
    const std::uint64_t seed = FromEnvironment("TREVALLION_SOAK_SEED", 20261207);
    const std::uint64_t events = FromEnvironment("TREVALLION_SOAK_EVENTS", 20000);
    auto soak = std::make_unique<Soak>(seed);
    for (std::uint64_t event = 0; event < events; ++event) {
        soak->Step();
        if (::testing::Test::HasFatalFailure()) {
            FAIL() << "seed " << seed << ", event " << event;
        }
    }
    std::printf("%d moves checked, %d searches, %d hints\n", soak->movesChecked,
                soak->workers.started, soak->hintWorkers.started);
    const FakeRunner* workers = &soak->workers;
    soak->game.Shutdown();
    EXPECT_FALSE(workers->Running() || soak->hintWorkers.Running()) << "a worker outlived the game";
}

} // namespace
} // namespace trevallion
