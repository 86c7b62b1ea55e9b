#pragma once

#include "play/CommandId.h"
#include "play/ComputerPlayer.h"
#include "play/GameState.h"
#include "play/GameView.h"
#include "play/MoveHistory.h"
#include "play/SettingsStore.h"
#include "play/WorkerRunner.h"
#include "sound/SoundEffects.h"

#include <deque>
#include <map>

namespace trevallion {

// The controller: it holds the game state, takes every cell click, timer tick and menu command,
// and tells the view what to show. It never touches the toolkit itself.
//
// It runs one operation at a time. A modal box that an operation opens lets the toolkit deliver
// more events before the operation has finished; such a tick or click is dropped (the timer
// fires again, and a click on a board behind a box was never meant), and such a command waits
// and runs as soon as the operation has ended.
class GameDialog {
  public:
    // `workers` starts the threads the computer players think on, `hintWorkers` those that
    // work out hints.
    GameDialog(GameView& view, SettingsStore& settings, WorkerRunner& workers,
               WorkerRunner& hintWorkers);
    // Stops a computer player's worker and joins it.
    ~GameDialog();

    GameDialog(const GameDialog&) = delete;
    GameDialog& operator=(const GameDialog&) = delete;

    // The game's part of the window's start-up: every cell shows the wall until the first
    // level or pastime paints it, the stored sound and player settings are applied as if chosen
    // from the menus, and the start-up sound plays.
    void OnInitDialog();

    // The window timer's tick, once a second: the Life Doodle, or during a game a computer
    // player's turn step.
    void OnTimer();

    // A click on the cell button (x, y), both 0..6.
    void OnCell(int x, int y);

    void OnCommand(CommandId command);

    // The call the view makes when asked by RequestWake: a hint may be ready.
    void OnWake();

    // Abandons a running search and joins its worker. The window calls this before it goes away;
    // nothing is left running afterwards.
    void Shutdown();

  private:
    // How often a hint being worked out is looked for.
    static constexpr int HintPollMilliseconds = 50;

    // Marks the controller busy for the length of one operation.
    class Operation;

    template <typename Work> bool RunAlone(Work work);

    // The operations, each run by the public entries above.
    void StartUp();
    void HandleCell(int x, int y);
    void TimerTick();
    void RunCommand(CommandId command);
    void RunWaitingCommands();

    // A human's click: the selection protocol and the move it may make.
    void HumanClick(Side side, int x, int y);
    // A computer player's turn step: start thinking, or play what it found.
    void ComputerTurn(Side side);
    void PlayComputerResult(Side side, const ComputerPlayer::Result& result);
    // The move a computer player's search leaves, or the first move there is when it found
    // nothing better than a loss; none when the side cannot move at all.
    Move ComputerChoice(Side side, const ComputerPlayer::Result& result) const;
    // Plays `side`'s turn, keeps it for Undo and hands the move to the other side.
    void PlayTurn(Side side, const Move& move, bool takeFocus);
    PlayedTurn MovePiece(Side side, const Move& move, bool takeFocus);
    // Hands the move to `side`: the side to move, its cursor and a new position.
    void PassTurn(Side side);
    // The position has changed: a computer player's or a hint's move worked out before is
    // stale, and a hint still showing is taken away.
    void PositionChanged();
    void SetCursorSide(CursorSide cursor);
    // Ends the level when a side has lost; `withSound` false keeps a redone end silent.
    void CheckOutcome(bool withSound = true);

    // Sets up level n from its layout: 0 means level 1, and anything past the last level shows
    // the closing message and starts again at level 1.
    void LoadLevel(int n);
    // Stops a thinking computer player before the position changes under it.
    void AbortComputerSearch();
    void ShowBoard();

    void OnSaveGame();
    void OnLoadGame();
    // Load Game's use of a Player menu command; a type no command names changes nothing.
    void ApplySavedPlayer(Side side, std::int32_t type);

    // A Player menu item: makes `side` a player of `type` unless the other side is already a
    // computer player.
    void ChoosePlayer(Side side, PlayerType type);
    void ApplyStoredPlayers();

    // The Options menu: sound on or off, checked in the menu and stored.
    void SwitchSound(bool on);
    void ShowInstructions();
    void ShowAbout();
    void PlayEffect(Effect effect);

    // The Life Doodle: its start from the middle block, one generation, and a click that brings
    // a cell to life.
    void StartDoodle();
    void DoodleGeneration();
    void DoodleClick(int x, int y);

    // The play aids: the marks of Show Moves, taking moves back and playing them again, the
    // hint, and any level by number.
    void SwitchShowMoves(bool on, bool store);
    void UndoMove();
    void RedoMove();
    // After Undo or Redo: the turn of `side`, reopened if the level had been decided.
    void ResumeAt(Side side);
    void ShowTurnTiles(const PlayedTurn& turn);
    bool AnyHumanPlayer() const;
    bool HumanToMove() const;
    void AskHint();
    void PollHint();
    void ChooseLevel();
    // Tells the view the marks and the menu items' states, when they have changed.
    void RefreshAids();

    GameView& m_view;
    SettingsStore& m_settings;
    GameState m_state;
    SoundChooser m_sounds;
    ComputerPlayer m_computer;
    ComputerPlayer m_hinter;
    MoveHistory m_history;
    bool m_showMoves = false;
    bool m_hintMayShow = false;
    // What the view was last told, so that only changes are sent.
    std::optional<BoardMarks> m_shownMarks;
    std::map<CommandId, bool> m_enabledItems;
    bool m_inOperation = false;
    std::deque<CommandId> m_waitingCommands;
};

} // namespace trevallion
