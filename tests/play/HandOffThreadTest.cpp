// The hand-off between the window's thread and real worker threads, and the boxes that keep
// the game from the board while a change is half made. These tests also run in a
// ThreadSanitizer build, which reports any access that the hand-off does not order.

#include "GameFixture.h"
#include "ai/Search.h"
#include "ai/StrengthPasses.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace trevallion {
namespace {

using testing::GameTable;
using Mode = testing::FakeRunner::Mode;

// Two computer players, as only stored settings can make them, play level `level` on the
// timer's ticks until it is decided; the moves played and the last board.
struct Finish {
    int moves = 0;
    Board board;
    std::vector<Side> winners;
};
Finish PlayOut(Mode mode, int level) {
    GameTable table;
    table.workers.mode = mode;
    table.StartWith({{"PlayerOne", 1}, {"PlayerTwo", 2}});
    table.StartLevel(level, PlayerType::AiEasy, PlayerType::AiMedium);
    for (int tick = 0; tick < 1'000'000 && table.view.winners.empty(); ++tick) {
        table.Tick(); // refused while a worker thinks, as the real timer's ticks are
        if (mode == Mode::Threaded) {
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
    }
    const auto focusMoves = std::ranges::count_if(
        table.view.events, [](const std::string& event) { return event.starts_with("focus"); });
    // A computer move sets the focus twice.
    return {static_cast<int>(focusMoves) / 2, table.view.Shown(), table.view.winners};
}

TEST(HandOffThreads, TwoComputerPlayersPlayWholeLevelsOnRealThreads) {
    for (const int level : {16, 20}) {
        const Finish inlined = PlayOut(Mode::Inline, level);
        ASSERT_EQ(inlined.winners.size(), 1u) << "level " << level << " was not decided";
        const Finish threaded = PlayOut(Mode::Threaded, level);
        // The threads change when moves are played, never which: the same game to the end.
        EXPECT_EQ(threaded.board, inlined.board);
        EXPECT_EQ(threaded.moves, inlined.moves);
        EXPECT_GT(threaded.moves, 10);
        EXPECT_EQ(threaded.winners, inlined.winners);
    }
}

class HandOff : public testing::GameFixture {};

// Guards against the old wait that handled the window's events while a search was abandoned:
// a tick then played the abandoned move on the old board. The wait now joins the worker, and
// nothing of the abandoned search is left to play.
TEST_F(HandOff, AnAbandonedSearchNeverReachesTheBoard) {
    workers.mode = Mode::Held;
    StartLevel(50, PlayerType::AiDifficult, PlayerType::Human);
    Tick();
    ASSERT_EQ(workers.started, 1);
    Command(CommandId::Level1);
    EXPECT_FALSE(workers.Running()) << "the abandoned search was left running";
    Tick(); // thinks afresh about level 1, held
    Command(CommandId::Level5);

    EXPECT_EQ(view.titles, (std::vector<std::string>{"Please Wait...", "Trevallion Level 1",
                                                     "Please Wait...", "Trevallion Level 5"}));
    EXPECT_EQ(view.sounds,
              (std::vector<std::string>{"sounds/ambient1.wav", "sounds/ambient2.wav"}));
    EXPECT_EQ(view.Shown(), Level(5)) << "an abandoned move reached the board";

    // The next ticks think afresh about level 5 and play a move of its own.
    workers.mode = Mode::Inline;
    Tick();
    EXPECT_EQ(workers.started, 3);
    Tick();
    EXPECT_NE(view.Shown(), Level(5));
    EXPECT_EQ(view.cursor, CursorSide::PlayerTwo);
}

// Guards against the old game playing on inside the refusal box of a Load Game: a tick there
// started a computer turn on the old board, and its move was then played on the loaded one.
TEST_F(HandOff, ALoadedBoardStaysTheFilesWhileItsBoxesAreOpen) {
    workers.mode = Mode::Held;
    StartWith({{"PlayerOne", 0}, {"PlayerTwo", 3}});
    Command(CommandId::Level1);
    Click({3, 5}); // Player 1 moves; Player 2, AI Difficult, starts thinking about level 1
    Click({3, 4});
    Tick();
    ASSERT_EQ(workers.started, 1);

    // Both players AI Difficult in the file: Player 1's is refused while Player 2 is one.
    Board loaded = Level(12);
    int boxes = 0;
    view.whileModal = [&] {
        ++boxes;
        Tick();
        Command(CommandId::SoundOff);
    };
    view.ClearRecords();
    Load({SaveFormatVersion, 2, 3, 3, 2, 12, loaded});
    view.whileModal = nullptr;

    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Player 2 must be\nset to Human first.");
    EXPECT_EQ(boxes, 2) << "the open dialog and the refusal";
    EXPECT_EQ(view.Shown(), loaded);
    EXPECT_EQ(workers.started, 1) << "a tick inside a box started a computer turn";
    EXPECT_TRUE(view.Checked(CommandId::SoundOn)) << "a command was taken while a box was open";

    // Player 2 thinks about the loaded board, and its move is the engine's for that board.
    workers.mode = Mode::Inline;
    Tick();
    Tick();
    EXPECT_EQ(view.Shown(),
              Moved(loaded, EngineMove(PlayerType::AiDifficult, Side::PlayerTwo, loaded)));
}

TEST(HandOffThreads, ClosingWhileAWorkerThinksStopsAndJoinsIt) {
    testing::FakeRunner workers;
    workers.mode = Mode::Threaded;
    {
        GameTable table;
        auto game = std::make_unique<GameController>(
            table.view, table.settings, workers, table.hintWorkers, table.place, table.keepWriter);
        table.settings.values = {{"PlayerOne", 3}, {"PlayerTwo", 0}};
        game->Start();
        game->OnCommand(CommandId::Level40);
        game->OnTimer();
        game.reset(); // the worker belongs to the controller: it must be gone with it
    }
    EXPECT_FALSE(workers.Running());
}

} // namespace
} // namespace trevallion
