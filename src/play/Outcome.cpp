// The end of a level: who won, the sound and the box that say so, and what comes next.

#include "play/GameDialog.h"
#include "play/Messages.h"
#include "rules/Winner.h"

namespace trevallion {

void GameDialog::CheckOutcome(bool withSound) {
    GameState& s = m_state;
    const std::optional<Side> winner = FindWinner(s.board);
    if (!winner) {
        return;
    }
    const Side loser = OtherSide(*winner);
    const bool humanWinner = s.TypeOf(*winner) == PlayerType::Human;
    if (withSound) {
        PlayEffect(humanWinner ? Effect::Win : Effect::Lose);
    }
    SetCursorSide(CursorSide::Neutral);
    // From here every click and tick is refused, also while the boxes below are open.
    s.m_gameOver = true;
    RefreshAids();
    m_view.ShowWinnerBox(*winner);
    m_view.SetTitle(GameOverTitle);
    if (humanWinner) {
        LoadLevel(s.m_level + 1);
    } else if (s.TypeOf(loser) == PlayerType::Human) {
        const std::string_view offer =
            loser == Side::PlayerOne ? TryAgainPlayerOne : TryAgainPlayerTwo;
        if (m_view.ShowMessage(offer, MessageButtons::YesNo, MessageIcon::Exclamation) ==
            MessageAnswer::Yes) {
            LoadLevel(s.m_level);
        }
    }
}

} // namespace trevallion
