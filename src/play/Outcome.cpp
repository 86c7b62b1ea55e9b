#include "play/Outcome.h"

namespace trevallion {

int FindWinner(const Board& board) {
    bool playerOneKing = false;
    bool playerTwoKing = false;
    int playerOnePieces = 0;
    int playerTwoPieces = 0;
    for (const CellCode code : board.cells) {
        playerOneKing |= code == PlayerOneKing;
        playerTwoKing |= code == PlayerTwoKing;
        playerOnePieces += code >= 3 && code <= 14;
        playerTwoPieces += code > PlayerTwoKing;
    }
    if (!playerOneKing) {
        return PlayerTwo;
    }
    if (!playerTwoKing) {
        return PlayerOne;
    }
    if (playerOnePieces == 0) {
        return PlayerTwo;
    }
    if (playerTwoPieces == 0) {
        return PlayerOne;
    }
    return 0;
}

} // namespace trevallion
