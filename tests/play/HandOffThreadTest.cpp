// The hand-off between the window's thread and real worker threads. These tests also run in a
// ThreadSanitizer build, which reports any access to the game state that is not ordered by the
// hand-off.

#include "GameFixture.h"
#include "levels/LevelLayouts.h"
#include "play/Messages.h"

#include <chrono>
#include <memory>
#include <thread>

namespace trevallion {
namespace {

using testing::FakeWindow;
using Workers = FakeWindow::Workers;

struct Finish {
    Board board;
    int moves = 0;
    std::vector<int> winners;
    std::vector<std::string> titles;
    std::size_t messages = 0;
};

// Two computer players, as only stored settings can make them, play level `level` on the
// window timer's ticks until it is decided.
Finish PlayOut(Workers workers, int level) {
    FakeWindow window;
    window.workers = workers;
    window.settings = {{"PlayerOne", AiEasy}, {"PlayerTwo", AiMedium}};
    GameDialog game(window);
    game.OnInitDialog();
    game.LoadLevel(level);
    for (int tick = 0; tick < 1'000'000 && game.State().m_gameOver == 0; ++tick) {
        game.OnTimer(); // refused while a worker thinks, as the real timer's ticks are
        if (workers == Workers::Threaded) {
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
    }
    Finish finish{game.State().board, 0, window.winners, window.titles, window.messages.size()};
    for (const std::string& event : window.events) {
        finish.moves += event.starts_with("focus") ? 1 : 0;
    }
    finish.moves /= 2; // a computer move sets the focus twice
    return finish;
}

TEST(HandOffThreads, TwoComputerPlayersPlayWholeLevelsOnRealThreads) {
    for (const int level : {16, 20}) {
        const Finish inlined = PlayOut(Workers::Inline, level);
        ASSERT_EQ(inlined.winners.size(), 1u) << "level " << level << " was not decided";
        const Finish threaded = PlayOut(Workers::Threaded, level);
        // The threads change when moves are played, never which: the same game to the end.
        EXPECT_EQ(threaded.board, inlined.board);
        EXPECT_EQ(threaded.moves, inlined.moves);
        EXPECT_GT(threaded.moves, 10);
        EXPECT_EQ(threaded.winners, inlined.winners);
        EXPECT_EQ(threaded.titles.back(), GameOverTitle);
        EXPECT_EQ(threaded.messages, 0u) << "no retry is offered when no human lost";
    }
}

TEST(HandOffThreads, LevelSetupStopsAThinkingWorkerAndDiscardsItsMove) {
    FakeWindow window;
    window.workers = Workers::Held;
    GameDialog game(window);
    game.State().m_playerOneType = AiDifficult;
    game.LoadLevel(50);
    game.OnTimer();
    ASSERT_EQ(game.State().m_computerState, Thinking);

    // The worker runs while level setup waits for it and handles the window's events.
    window.onPump = [&] { window.ReleaseWorker(); };
    game.LoadLevel(2);
    EXPECT_GT(window.pumps, 0);
    const std::vector<std::string> lastTitles(window.titles.end() - 2, window.titles.end());
    EXPECT_EQ(lastTitles, (std::vector<std::string>{"Please Wait...", "Trevallion Level 2"}));
    EXPECT_EQ(game.State().m_computerState, Idle);
    EXPECT_EQ(game.State().m_abortSearch, 0);
    EXPECT_EQ(game.State().board, LayoutToBoard(LevelLayout(2)));

    // The next tick thinks afresh about the new level.
    window.workers = Workers::Threaded;
    game.OnTimer();
    window.JoinWorker();
    EXPECT_EQ(window.workersStarted, 2);
    game.OnTimer();
    EXPECT_EQ(game.State().m_sideToMove, PlayerTwo);
    EXPECT_NE(game.State().board, LayoutToBoard(LevelLayout(2)));
}

TEST(HandOffThreads, ClosingWhileAWorkerThinksStopsAndJoinsIt) {
    FakeWindow window;
    window.workers = Workers::Threaded;
    auto game = std::make_unique<GameDialog>(window);
    game->State().m_playerOneType = AiDifficult;
    game->LoadLevel(50);
    game->OnTimer();
    game.reset(); // the worker writes into the controller: it must be gone before it is
    EXPECT_FALSE(window.worker.joinable());
}

} // namespace
} // namespace trevallion
