#pragma once

#include "match/Match.h"
#include "play/CommandId.h"
#include "play/DoodleTurns.h"
#include "play/EffectPlayer.h"
#include "play/GameRecords.h"
#include "play/GameView.h"
#include "play/Hints.h"
#include "play/Keeping.h"
#include "play/LevelTurns.h"
#include "play/MenuChoices.h"
#include "play/OpenBoxes.h"
#include "play/SavedGames.h"
#include "play/ScreenPresenter.h"
#include "play/SettingsStore.h"
#include "play/WorkerRunner.h"

#include <optional>
#include <string>

namespace trevallion {

// The controller: it takes every cell click, timer tick, menu command and box answer, hands each
// to the unit it belongs to, and then presents the screen. It never touches the toolkit itself.
// The units tell what happens (tiles, sounds, slides, boxes) as it happens; what the screen shows
// as state follows from the game and the choices, and the presenter tells it once at the end of
// each input.
//
// Every input is one short call that never waits: a box is opened through the view, the call
// returns, and the box's answer comes back later as an input of its own. So no call can run
// inside another. What the game was doing when it opened a box is kept in the open boxes.
//
// The units: LevelTurns (a level's turns and its end), DoodleTurns (the Life Doodle),
// MenuChoices (the Player and Options menus and their settings), Hints, SavedGames,
// GameRecords (records and the review) and Keeping (what is kept between runs).
class GameController {
  public:
    // `workers` starts the threads the computer players think on, `hintWorkers` those that
    // work out hints, `keepWriter` those that write the game in play and the statistics to
    // `place`.
    GameController(GameView& view, SettingsStore& settings, WorkerRunner& workers,
                   WorkerRunner& hintWorkers, KeepingPlace& place, WorkerRunner& keepWriter);
    // Stops a computer player's worker and joins it.
    ~GameController();

    GameController(const GameController&) = delete;
    GameController& operator=(const GameController&) = delete;

    // The game's part of the window's start-up: every cell shows the wall until the first
    // level or pastime paints it, the stored sound and player settings are applied as if chosen
    // from the menus, and the start-up sound plays.
    void Start();

    // The window timer's tick, once a second: the Life Doodle, or during a game a computer
    // player's turn step. It runs on behind the windows a command opens; only a box opened in
    // the middle of changing the game keeps it from the board.
    void OnTimer();

    // A click on the cell button (x, y), both 0..6. The board behind an open box takes none.
    void OnCell(Cell cell);

    // A menu command; the menus take none while a box is open.
    void OnCommand(CommandId command);

    // The call the view makes when asked by RequestWake: a hint or a review may be ready.
    void OnWake();

    // What the desktop says of its colours and motion, at start-up and whenever it changes.
    void OnDesktopChanged(const DesktopFacts& facts);

    // The answers of the boxes and windows opened through the view, one call each.
    void OnMessageAnswered(MessageAnswer answer);
    void OnWinnerBoxClosed();
    void OnGameFileChosen(const std::optional<std::string>& path);

    // A saved game named on the command line: loaded as a file chosen in Load Game's dialog, with
    // the same checks and boxes; a game record (*.tvr) is imported as Import Record does. Like a
    // menu command, it is taken only while no box is open.
    void OnFileGiven(const std::string& path);
    void OnLevelChosen(std::optional<int> level);
    // The Instructions or the About window has closed.
    void OnWindowClosed();
    // The Statistics box has closed; `reset` when the player chose to empty it.
    void OnStatisticsClosed(StatisticsAnswer answer);
    // The move list: show the board after the first `turns` turns of the level's line, as Undo
    // and Redo would take them back or play them again.
    void OnMoveChosen(std::size_t turns);
    // The review's Cancel button, or its window closed.
    void OnReviewCancelled();

    // Abandons a running search and joins its worker, and finishes writing what is kept. The
    // window calls this before it goes away; nothing is left running afterwards.
    void Shutdown();

  private:
    // Runs an input's `act`, then what follows every input.
    template <typename Act> void Run(Act&& act);
    void StartUp();
    void TimerTick();
    void HandleCell(Cell cell);
    void RunCommand(CommandId command);
    void AnswerMessage(MessageAnswer answer);
    // A file chosen in a dialog, once no box of the game holds it back.
    void ActOnHeldFile();
    // The screen as the match, the units and the desktop now make it.
    ScreenState Screen() const;

    GameView& m_view;
    Match m_match;
    EffectPlayer m_effects;
    OpenBoxes m_boxes;
    ScreenPresenter m_screen;
    DesktopFacts m_desktop;
    MenuChoices m_choices;
    Hints m_hints;
    Keeping m_keeping;
    LevelTurns m_turns;
    DoodleTurns m_doodle;
    SavedGames m_saved;
    GameRecords m_records;
};

} // namespace trevallion
