#pragma once

#include "match/Match.h"
#include "play/BoardColours.h"
#include "play/CommandId.h"
#include "play/ComputerPlayer.h"
#include "play/EffectPlayer.h"
#include "play/GameKeeper.h"
#include "play/GameView.h"
#include "play/HintOnView.h"
#include "play/HistoryKeeper.h"
#include "play/MoveListing.h"
#include "play/OpenBoxes.h"
#include "play/OptionSwitches.h"
#include "play/ReviewSession.h"
#include "play/ScreenPresenter.h"
#include "play/SettingsStore.h"
#include "play/WorkerRunner.h"
#include "savegame/SavedGameRecord.h"

#include <optional>
#include <string>

namespace trevallion {

// Whether the keyboard focus follows a move shown: a computer player's does, a human's stays where
// the click put it.
enum class TurnFocus { Stays, Follows };
// Whether a level's end is heard: a move played again by Redo ends it silently.
enum class EndSound { Heard, Silent };
// Where a saved game being loaded comes from: Load Game's dialog, whose next opening starts in its
// folder, or the game kept for Continue Game.
enum class LoadSource { Dialog, Kept };
// Who makes a choice of the menus: the player, whose choice is stored and may be refused, or
// start-up, which applies the stored settings as they are.
enum class ChoiceBy { Player, StoredSettings };

// The controller: it holds the game state, takes every cell click, timer tick, menu command and
// box answer, and tells the view what to show. It never touches the toolkit itself. What happens
// (tiles, sounds, slides, boxes) it tells as it happens; what the screen shows as state follows
// from the game and the choices, and the screen's presenter tells it once at the end of each input.
//
// Every input is one short call that never waits: a box is opened through the view, the call
// returns, and the box's answer comes back later as an input of its own. So no call can run
// inside another. What the controller was doing when it opened a box is kept in m_boxes.
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

    // The call the view makes when asked by RequestWake: a hint may be ready.
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
    // How often a hint being worked out is looked for.
    static constexpr int HintPollMilliseconds = 50;

    // Runs an input's `act`, then what follows every input.
    template <typename Act> void Run(Act&& act);
    // A file chosen in a dialog, once no box of the game holds it back.
    void ActOnHeldFile();
    void AnswerMessage(MessageAnswer answer);

    // The operations, each run by the public entries above.
    void StartUp();
    void HandleCell(Cell cell);
    void TimerTick();
    void RunCommand(CommandId command);

    // A computer player's turn step, run by a tick or a click on its turn: start thinking, or
    // play what it found.
    void ComputerStep();
    bool TurnRefused() const;
    void ComputerTurn(Side side);
    // Shows a turn the match has played and the hand-off to the other side.
    void ShowTurn(const PlayedTurn& turn, TurnFocus focus);
    // Ends the level when a side has lost, neither can move, or (as the player chose) a position
    // has come up for the third time; tells the player once a level of such a position.
    void CheckOutcome(EndSound sound = EndSound::Heard);
    void EndWithWinner(Side winner, EndSound sound);
    void EndWithoutWinner(Outcome outcome);
    // Passes the turn of a human who has no step.
    void PassIfBlocked();

    // Sets up level n from its layout: 0 means level 1, and anything past the last level shows
    // the closing message and starts again at level 1 once it is answered.
    void LoadLevel(int n);
    void SetUpLevel(int n);
    void AfterWinnerBox(Side winner);
    // Stops a thinking computer player before the position changes under it.
    void AbortComputerSearch();
    void ShowBoard();

    void OnSaveGame();
    void OnLoadGame();
    void SaveTo(const std::string& path);
    void LoadFrom(const std::string& path, LoadSource source = LoadSource::Dialog);
    // The load of a checked record from the first Player menu command on: `side`'s first.
    void LoadPlayers(PendingLoad load, Side side);
    void FinishLoad(const PendingLoad& load);
    // Load Game's use of a Player menu command; a type no command names changes nothing.
    std::optional<std::string_view> ApplySavedPlayer(Side side, std::int32_t type);

    // A Player menu item: makes `side` a player of `type` unless the other side is already a
    // computer player. Returns the refusal's text in that case, for the caller's box.
    // The stored settings may bring back two computer players.
    std::optional<std::string_view> ChoosePlayer(Side side, PlayerType type,
                                                 ChoiceBy by = ChoiceBy::Player);
    void ApplyStoredPlayers();

    // The Options menu: sound on or off, and stored.
    void SwitchSound(bool on);
    void ShowInstructions();
    void ShowAbout();
    void PlayEffect(Effect effect);

    // The Life Doodle: its start from the middle block, one generation, and a click that brings
    // a cell to life.
    void StartDoodle();
    void DoodleGeneration();
    void ShowDoodleTiles(const std::vector<DoodleTile>& tiles);
    void DoodleClick(Cell cell);

    // The play aids: the marks of Show Moves, taking moves back and playing them again, the
    // hint, and any level by number.
    void UndoMove();
    void RedoMove();
    // After Undo or Redo: the tiles of the turns, and the turn of the side now to move.
    void ShowTakenTurns(const std::vector<ShownTurn>& turns);
    void AskHint();
    void PollHint();
    void ChooseLevel();
    // Tells the view what the screen now shows as state, where it differs from what it was told.
    void PresentScreen();
    // An Options switch (Show Moves, the board's looks, Animate Moves, Status Line): its state,
    // and its stored choice when the player made it. Start-up applies the stored choices without
    // storing them again: a player who never used an item finds no setting.
    void SwitchOption(CommandId item, bool on, ChoiceBy by);
    // Options › Board Colours: the choice, stored.
    void ChooseColours(BoardColours colours);

    // What is kept between runs: the game in play after every input that changed it, Continue
    // Game, and the results of the levels played.
    void OpenKept();
    void ShowKeptNotice();
    void KeepProgress();
    SavedGameRecord CurrentRecord() const;
    void ContinueGame();
    void ShowStatistics();

    // The level's turns (RecordCommands.cpp): going to a move of the move list, the history kept
    // beside the game in play, game records and the review.
    void GoToMove(std::size_t turns);
    void KeepHistory();
    void ReplayKeptHistory(const SavedGameRecord& record);
    void ExportRecordTo(const std::string& path);
    void ImportRecordFrom(const std::string& path);
    void StartReview();
    void PollReview();

    GameView& m_view;
    SettingsStore& m_settings;
    Match m_match;
    EffectPlayer m_effects;
    HintOnView m_hint;
    ScreenPresenter m_screen;
    // Whose turn the pointer over the board shows: the side to move while a game is played, the
    // plain arrow otherwise; a loaded game shows the cursor it was saved with until its next step.
    CursorSide m_cursor = CursorSide::Neutral;
    OpenBoxes m_boxes;
    ComputerPlayer m_computer;
    ComputerPlayer m_hinter;
    OptionStates m_options;
    BoardColours m_colours = BoardColours::AsDesktop;
    DesktopFacts m_desktop;
    GameKeeper m_keeper;
    // The level's history beside the kept game, and the review, each on a thread of its own.
    ThreadRunner m_historyWriter;
    HistoryKeeper m_history;
    ThreadRunner m_reviewWorker;
    ReviewSession m_review;
    std::optional<ReviewedGame> m_reviewed;
    // The message about a damaged statistics file, until it can be shown.
    std::optional<std::string> m_keptNotice;
};

} // namespace trevallion
