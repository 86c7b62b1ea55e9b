#include "play/StatusText.h"

#include "rules/GenerateMoves.h"
#include "rules/Winner.h"
#include "text/TextCatalog.h"

namespace trevallion {
namespace {

std::string Status(std::string_view text, std::initializer_list<std::string_view> values) {
    return WithValues(Translated("Status", text), values);
}

// As the Player menus name the types.
std::string PlayerTypeName(PlayerType type) {
    switch (type) {
    case PlayerType::AiEasy:
        return Status(QT_TRANSLATE_NOOP("Status", "AI Easy"), {});
    case PlayerType::AiMedium:
        return Status(QT_TRANSLATE_NOOP("Status", "AI Medium"), {});
    case PlayerType::AiDifficult:
        return Status(QT_TRANSLATE_NOOP("Status", "AI Difficult"), {});
    case PlayerType::AiExpert:
        return Status(QT_TRANSLATE_NOOP("Status", "AI Expert"), {});
    case PlayerType::Human:
        break;
    }
    return Status(QT_TRANSLATE_NOOP("Status", "Human"), {});
}

std::string SideNumberText(Side side) {
    return std::to_string(SideNumber(side));
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
        return winner ? Status(QT_TRANSLATE_NOOP("Status", "Player %1 wins"),
                               {SideNumberText(*winner)})
                      : std::string();
    }
    const Side side = match.SideToMove();
    // A side may have pieces left and still no step to make: its turn passes, and without this
    // line nothing would say why the level stands still.
    if (!HasLegalMove(board, side)) {
        return Status(QT_TRANSLATE_NOOP("Status", "No legal move for Player %1"),
                      {SideNumberText(side)});
    }
    const PlayerType type = match.Player(side);
    if (type == PlayerType::Human) {
        return Status(QT_TRANSLATE_NOOP("Status", "Player %1 to move"), {SideNumberText(side)});
    }
    // Spelled with the one-character ellipsis, U+2026.
    return Status(QT_TRANSLATE_NOOP("Status", "Player %1 (%2) is thinking\u2026"),
                  {SideNumberText(side), PlayerTypeName(type)});
}

} // namespace trevallion
