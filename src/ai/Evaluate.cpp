#include "ai/Evaluate.h"

namespace trevallion {

int Evaluate(const Board& board, int side) {
    // The count is kept from Player 2's point of view and turned round for Player 1 at the end.
    int score = 0;
    bool playerOneKing = false;
    bool playerTwoKing = false;
    for (const CellCode code : board.cells) {
        if (code > 14) {
            score += (code == 20 || code == 21) ? 2 : 1;
        } else if (code >= 2) {
            score -= (code == 7 || code == 8) ? 2 : 1;
        }
        playerOneKing = playerOneKing || code == PlayerOneKing;
        playerTwoKing = playerTwoKing || code == PlayerTwoKing;
    }
    if (!playerTwoKing) {
        score -= 1000;
    }
    if (!playerOneKing) {
        score += 1000;
    }
    return side == PlayerOne ? -score : score;
}

} // namespace trevallion
