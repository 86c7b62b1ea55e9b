#pragma once

#include "rules/Board.h"
#include "rules/MoveList.h"

#include <optional>
#include <vector>

namespace trevallion {

// One turn as it was played: the move (none when the side had no step and its turn passed),
// the side that made it, and what its target held before, which taking it back restores.
struct PlayedTurn {
    std::optional<Move> move;
    Side side = Side::PlayerOne;
    CellCode captured = Empty;
};

// The turns of the level in play, to take back and play again. Taking back moves a turn to the
// list of turns to play again; a new turn clears that list.
class MoveHistory {
  public:
    void Clear();
    void Record(const PlayedTurn& turn);

    bool CanUndo() const { return !m_played.empty(); }
    bool CanRedo() const { return !m_undone.empty(); }

    // The last turn played, now taken back; only when CanUndo.
    PlayedTurn Undo();
    // The last turn taken back, now played again; only when CanRedo.
    PlayedTurn Redo();

    // The move of the last turn played that moved a piece.
    std::optional<Move> LastMove() const;
    // The turns played since the level's start, oldest first; not those taken back.
    const std::vector<PlayedTurn>& Played() const { return m_played; }
    // The turns taken back, which Redo plays again: the next one to play again last.
    const std::vector<PlayedTurn>& Undone() const { return m_undone; }
    // The last turn played, a pass or a move.
    std::optional<PlayedTurn> LastTurn() const;

  private:
    std::vector<PlayedTurn> m_played;
    std::vector<PlayedTurn> m_undone;
};

// Takes `turn` back on `board`, or plays it again.
void TakeBack(Board& board, const PlayedTurn& turn);
void PlayAgain(Board& board, const PlayedTurn& turn);

} // namespace trevallion
