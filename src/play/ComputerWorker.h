#pragma once

#include "ai/SearchContext.h"
#include "play/GameState.h"

namespace trevallion {

// The work of one computer player's move, run on its own thread: the search passes of its
// strength over the game board, then the hand-off to the window's thread. The move goes into
// m_computerMove first; then MoveReady (if the side is still to move) and the side in
// m_finishedSide are published with release stores, so a window that sees them with acquire
// loads also sees the move. `type` is the side's player type, read when the worker started.
void RunComputerWorker(GameState& state, int side, PlayerType type, SearchFunction search);

// The two workers' entry procedures, one per side, on the game's engine.
void PlayerOneThreadProc(GameState& state, PlayerType type);
void PlayerTwoThreadProc(GameState& state, PlayerType type);

} // namespace trevallion
