#include "match/MoveHistory.h"

#include "rules/ApplyMove.h"

#include <algorithm>
#include <cassert>

namespace trevallion {

void MoveHistory::Clear() {
    m_played.clear();
    m_undone.clear();
}

void MoveHistory::Record(const PlayedTurn& turn) {
    m_played.push_back(turn);
    m_undone.clear();
}

PlayedTurn MoveHistory::Undo() {
    assert(CanUndo());
    const PlayedTurn turn = m_played.back();
    m_played.pop_back();
    m_undone.push_back(turn);
    return turn;
}

PlayedTurn MoveHistory::Redo() {
    assert(CanRedo());
    const PlayedTurn turn = m_undone.back();
    m_undone.pop_back();
    m_played.push_back(turn);
    return turn;
}

std::optional<Move> MoveHistory::LastMove() const {
    const auto last = std::find_if(m_played.rbegin(), m_played.rend(),
                                   [](const PlayedTurn& turn) { return turn.move.has_value(); });
    return last == m_played.rend() ? std::nullopt : last->move;
}

std::optional<PlayedTurn> MoveHistory::LastTurn() const {
    return m_played.empty() ? std::nullopt : std::optional(m_played.back());
}

void TakeBack(Board& board, const PlayedTurn& turn) {
    if (turn.move) {
        TakeBackMove(board, *turn.move, turn.captured);
    }
}

void PlayAgain(Board& board, const PlayedTurn& turn) {
    if (turn.move) {
        ApplyMove(board, *turn.move);
    }
}

} // namespace trevallion
