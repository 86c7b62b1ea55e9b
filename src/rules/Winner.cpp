#include "rules/Winner.h"

namespace trevallion {

std::optional<Side> FindWinner(const Board& board) {
    bool playerOneKing = false;
    bool playerTwoKing = false;
    int playerOnePieces = 0;
    int playerTwoPieces = 0;
    for (const CellCode code : board.cells) {
        playerOneKing |= code == PlayerOneKing;
        playerTwoKing |= code == PlayerTwoKing;
        playerOnePieces += IsMovablePieceOf(code, Side::PlayerOne) ? 1 : 0;
        playerTwoPieces += IsMovablePieceOf(code, Side::PlayerTwo) ? 1 : 0;
    }
    if (!playerOneKing) {
        return Side::PlayerTwo;
    }
    if (!playerTwoKing) {
        return Side::PlayerOne;
    }
    if (playerOnePieces == 0) {
        return Side::PlayerTwo;
    }
    if (playerTwoPieces == 0) {
        return Side::PlayerOne;
    }
    return std::nullopt;
}

} // namespace trevallion
