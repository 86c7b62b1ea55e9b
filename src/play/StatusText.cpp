#include "play/StatusText.h"

#include "rules/GenerateMoves.h"
#include "rules/Winner.h"

namespace trevallion {
namespace {

// As the Player menus name the types.
std::string_view PlayerTypeName(PlayerType type) {
    switch (type) {
    case PlayerType::AiEasy:
        return "AI Easy";
    case PlayerType::AiMedium:
        return "AI Medium";
    case PlayerType::AiDifficult:
        return "AI Difficult";
    case PlayerType::Human:
        break;
    }
    return "Human";
}

std::string PlayerName(Side side) {
    return "Player " + std::to_string(SideNumber(side));
}

bool HasLegalMove(const Board& board, Side side) {
    MoveList moves;
    ClearMoveList(moves);
    GenerateMoves(board, moves, side, OrderingMode::CapturesFirst);
    return CountMoves(moves) > 0;
}

} // namespace

std::string StatusText(const Match& match) {
    if (!match.InGame()) {
        return {};
    }
    const Board& board = match.CurrentBoard();
    if (match.Decided()) {
        const std::optional<Side> winner = FindWinner(board);
        return winner ? PlayerName(*winner) + " wins" : std::string();
    }
    const Side side = match.SideToMove();
    // A side may have pieces left and still no step to make: its turn passes, and without this
    // line nothing would say why the level stands still.
    if (!HasLegalMove(board, side)) {
        return "No legal move for " + PlayerName(side);
    }
    const PlayerType type = match.Player(side);
    if (type == PlayerType::Human) {
        return PlayerName(side) + " to move";
    }
    // Spelled with the one-character ellipsis, U+2026.
    return PlayerName(side) + " (" + std::string(PlayerTypeName(type)) + ") is thinking\u2026";
}

} // namespace trevallion
