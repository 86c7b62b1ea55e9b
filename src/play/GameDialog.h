#pragma once

#include "play/CommandId.h"
#include "play/GameState.h"
#include "play/GameWindow.h"
#include "sound/SoundEffects.h"

namespace trevallion {

// The controller: it holds the game state, takes every cell click and menu command, and tells
// the window what to show. It never touches the toolkit itself.
class GameDialog {
  public:
    explicit GameDialog(GameWindow& window);
    // Stops and joins a computer player's worker, which writes into this object while it runs.
    ~GameDialog();

    GameDialog(const GameDialog&) = delete;
    GameDialog& operator=(const GameDialog&) = delete;

    // The game's part of the window's start-up: every cell shows the wall until the first
    // level or pastime paints it, and the stored player settings are applied as if chosen
    // from the Player menus.
    void OnInitDialog();

    // The window timer's tick, once a second: a generation of the Life Doodle, or during a game
    // a computer player's turn step.
    void OnTimer();

    // Abandons a running search and waits for its worker to end. The window calls this before
    // it goes away; nothing is left running afterwards.
    void Shutdown();

    // The one entry for cell clicks (x, y in 0..6) and computer turns (50, 50).
    void OnCell(int x, int y);

    void OnCommand(CommandId command);

    // Sets up level n from its layout: 0 means level 1, and anything past the last level shows
    // the closing message and starts again at level 1.
    void LoadLevel(int n);

    // Asks a thinking computer player to stop and waits, still handling the window's events,
    // until its worker has left Thinking.
    void AbortComputerSearch();

    // The Start menu's Save Game and Load Game: the game in play to a file, and a game from a
    // file back into play, ready to continue.
    void OnSaveGame();
    void OnLoadGame();

    // Plays sound effect `effect` (an Effect index) if sound is on.
    void PlayEffect(int effect);

    GameState& State() { return m_state; }
    const GameState& State() const { return m_state; }
    const SoundChooser& Sounds() const { return m_sounds; }

  private:
    void HumanClick(int side, int x, int y);
    void ComputerTurn(int side);
    void StartComputerWorker(int side);
    void ExecuteComputerMove();
    // A Player menu item: makes `side` a player of `type` unless the other side is already a
    // computer player.
    void ChoosePlayer(int side, PlayerType type);
    void ApplyStoredPlayers();
    // Load Game's use of a Player menu command; a type no command names changes nothing.
    void ApplySavedPlayer(int side, std::int32_t type);
    // The Options menu: sound on or off, checked in the menu and stored.
    void SwitchSound(bool on);
    void ShowInstructions();
    void ShowAbout();
    // The Life Doodle: its start from the middle block, one generation, and a click that brings
    // a cell to life.
    void StartDoodle();
    void DoodleGeneration();
    void DoodleClick(int x, int y);
    void MovePiece(int fromX, int fromY, int toX, int toY, bool takeFocus);
    void CheckOutcome();
    void ShowBoard();

    GameWindow& m_window;
    GameState m_state;
    SoundChooser m_sounds;
};

} // namespace trevallion
