#include "play/StatusText.h"

#include "rules/Winner.h"
#include "text/TextCatalog.h"

namespace trevallion {
namespace {

std::string Status(std::string_view text, std::initializer_list<std::string_view> values) {
    return WithValues(Translated("Status", text), values);
}

} // namespace

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

namespace {

std::string SideNumberText(Side side) {
    return std::to_string(SideNumber(side));
}

// A decided level: the winner, or why there is none.
std::string EndText(const Match& match) {
    if (const std::optional<Side> winner = FindWinner(match.CurrentBoard())) {
        return Status(QT_TRANSLATE_NOOP("Status", "Player %1 wins"), {SideNumberText(*winner)});
    }
    const Board& board = match.CurrentBoard();
    if (!CanMove(board, Side::PlayerOne) && !CanMove(board, Side::PlayerTwo)) {
        return Status(QT_TRANSLATE_NOOP("Status", "Neither player can move"), {});
    }
    return Status(QT_TRANSLATE_NOOP("Status", "Drawn by repetition"), {});
}

} // namespace

namespace {

std::string StatusWords(const Match& match) {
    if (!match.InGame()) {
        return {};
    }
    if (match.Decided()) {
        return EndText(match);
    }
    const Side side = match.SideToMove();
    // A side may have pieces left and still no step to make: its turn passes, and without these
    // lines nothing would say why the level stands still, or why the same side moves again.
    if (const std::optional<PlayedTurn> last = match.History().LastTurn(); last && !last->move) {
        return Status(QT_TRANSLATE_NOOP("Status", "No legal move for Player %1: the turn passes"),
                      {SideNumberText(last->side)});
    }
    if (!CanMove(match.CurrentBoard(), side)) {
        return Status(QT_TRANSLATE_NOOP("Status", "No legal move for Player %1"),
                      {SideNumberText(side)});
    }
    if (const int times = match.TimesSeen(); times >= RepetitionsToNotice) {
        return Status(
            QT_TRANSLATE_NOOP("Status", "Player %1 to move; this position has come up %2 times"),
            {SideNumberText(side), std::to_string(times)});
    }
    const PlayerType type = match.Player(side);
    if (type == PlayerType::Human) {
        return Status(QT_TRANSLATE_NOOP("Status", "Player %1 to move"), {SideNumberText(side)});
    }
    // Spelled with the one-character ellipsis, U+2026.
    return Status(QT_TRANSLATE_NOOP("Status", "Player %1 (%2) is thinking\u2026"),
                  {SideNumberText(side), PlayerTypeName(type)});
}

} // namespace

ShownText StatusText(const Match& match) {
    return ShownText::Translated(StatusWords(match));
}

} // namespace trevallion
