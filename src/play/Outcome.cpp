// The end of a level: who won, the sound and the box that say so, and what comes next.

#include "play/GameController.h"
#include "play/Messages.h"
#include "rules/Winner.h"

namespace trevallion {

void GameController::CheckOutcome(bool withSound) {
    GameState& s = m_state;
    const std::optional<Side> winner = FindWinner(s.board);
    if (!winner) {
        return;
    }
    const bool humanWinner = s.TypeOf(*winner) == PlayerType::Human;
    if (withSound) {
        PlayEffect(humanWinner ? Effect::Win : Effect::Lose);
    }
    SetCursorSide(CursorSide::Neutral);
    // From here every click and tick is refused, also while the boxes that follow are open.
    s.m_gameOver = true;
    RefreshAids();
    m_awaiting.box = BoxStep::Winner;
    m_awaiting.winner = *winner;
    m_view.OpenWinnerBox(*winner);
}

// The winner goes on to the next level; a human beaten by a computer player is offered the
// level again.
void GameController::AfterWinnerBox() {
    GameState& s = m_state;
    const Side winner = m_awaiting.winner;
    const Side loser = OtherSide(winner);
    m_view.SetTitle(GameOverTitle);
    if (s.TypeOf(winner) == PlayerType::Human) {
        LoadLevel(s.m_level + 1);
    } else if (s.TypeOf(loser) == PlayerType::Human) {
        OpenBox(BoxStep::Retry, loser == Side::PlayerOne ? TryAgainPlayerOne : TryAgainPlayerTwo,
                MessageButtons::YesNo, MessageIcon::Exclamation);
    }
}

} // namespace trevallion
