#include "ai/Evaluate.h"

namespace trevallion {

int Evaluate(const Board& board, Side side) {
    // The count is kept from Player 2's point of view and turned round for Player 1 at the end.
    int score = 0;
    bool playerOneKing = false;
    bool playerTwoKing = false;
    for (const CellCode code : board.cells) {
        score += BelongsTo(code, Side::PlayerOne) ? -MaterialValue(code) : MaterialValue(code);
        playerOneKing = playerOneKing || code == PlayerOneKing;
        playerTwoKing = playerTwoKing || code == PlayerTwoKing;
    }
    if (!playerTwoKing) {
        score -= 1000;
    }
    if (!playerOneKing) {
        score += 1000;
    }
    return side == Side::PlayerOne ? -score : score;
}

} // namespace trevallion
