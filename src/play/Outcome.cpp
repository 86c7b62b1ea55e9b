// The end of a level: who won, the sound and the box that say so, and what comes next.

#include "play/GameController.h"
#include "play/Messages.h"

namespace trevallion {

void GameController::CheckOutcome(bool withSound) {
    // From here every click and tick is refused, also while the boxes that follow are open.
    const std::optional<Side> winner = m_match.Decide();
    if (!winner) {
        return;
    }
    if (withSound) {
        PlayEffect(m_match.Player(*winner) == PlayerType::Human ? Effect::Win : Effect::Lose);
    }
    SetCursorSide(CursorSide::Neutral);
    RefreshAids();
    m_awaiting.box = BoxStep::Winner;
    m_awaiting.winner = *winner;
    m_view.OpenWinnerBox(*winner);
}

// The winner goes on to the next level; a human beaten by a computer player is offered the
// level again.
void GameController::AfterWinnerBox() {
    const Side winner = m_awaiting.winner;
    const Side loser = OtherSide(winner);
    m_view.SetTitle(GameOverTitle);
    if (m_match.Player(winner) == PlayerType::Human) {
        LoadLevel(m_match.Level() + 1);
    } else if (m_match.Player(loser) == PlayerType::Human) {
        OpenBox(BoxStep::Retry, loser == Side::PlayerOne ? TryAgainPlayerOne : TryAgainPlayerTwo,
                MessageButtons::YesNo, MessageIcon::Exclamation);
    }
}

} // namespace trevallion
