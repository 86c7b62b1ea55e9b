#pragma once

#include "play/CommandId.h"
#include "play/ComputerPlayer.h"
#include "play/GameState.h"
#include "play/GameView.h"
#include "play/SettingsStore.h"
#include "play/WorkerRunner.h"
#include "sound/SoundEffects.h"

#include <deque>

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
    // `workers` starts the threads the computer players think on.
    GameDialog(GameView& view, SettingsStore& settings, WorkerRunner& workers);
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

    // Abandons a running search and joins its worker. The window calls this before it goes away;
    // nothing is left running afterwards.
    void Shutdown();

  private:
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
    void MovePiece(const Move& move, bool takeFocus);
    // Hands the move to `side`: the side to move, its cursor and a new position.
    void PassTurn(Side side);
    void SetCursorSide(CursorSide cursor);
    void CheckOutcome();

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

    GameView& m_view;
    SettingsStore& m_settings;
    GameState m_state;
    SoundChooser m_sounds;
    ComputerPlayer m_computer;
    bool m_inOperation = false;
    std::deque<CommandId> m_waitingCommands;
};

} // namespace trevallion
