// What the game keeps from one run to the next: the game in play, which Start › Continue Game
// brings back, and the results of the levels played, which the Statistics box shows.

#include "play/GameController.h"

#include <utility>

namespace trevallion {

void GameController::OpenKept() {
    m_keptNotice = m_keeper.Open();
    m_history.Open();
}

// What the player must hear of the kept files waits for the clock's first tick: by then the
// window shows, and the box opens over it rather than somewhere before it. A write that failed
// is told at the tick after it, once, until a write succeeds again.
void GameController::ShowKeptNotice() {
    if (m_boxes.AnythingOpen()) {
        return;
    }
    if (!m_keptNotice) {
        m_keptNotice = m_keeper.TakeFailure();
    }
    if (m_keptNotice) {
        m_boxes.OpenNotice(ShownText::Translated(*std::exchange(m_keptNotice, std::nullopt)),
                           MessageIcon::Exclamation);
    }
}

// Runs at the end of every input, before the screen is presented, which shows Continue Game as
// this leaves it; the files are written after that. The game is kept from its level's setup on,
// also before a tick has made it a game that Save Game takes: the player's progress is what
// counts here. A decided level keeps nothing; the Life Doodle leaves the last game kept.
void GameController::KeepProgress() {
    switch (m_match.CurrentPhase()) {
    case Phase::Decided:
    case Phase::DoodleAskedDecided:
        m_keeper.Forget();
        m_history.Forget();
        break;
    case Phase::LevelReady:
    case Phase::Playing:
    case Phase::DoodleAskedPlaying:
        // A load held up by a refusal's box has its players half applied and its board not
        // yet: the game is kept again once the load is done.
        if (!m_boxes.TicksKeptAway()) {
            m_keeper.Keep(EncodeRecord(CurrentRecord()));
            KeepHistory();
        }
        break;
    case Phase::DoodleStarting:
    case Phase::Doodle:
        break;
    }
}

// The kept game comes back exactly as Load Game would bring back its file, with the same checks,
// messages and Player commands; only the file dialogs do not learn its folder.
void GameController::ContinueGame() {
    // A damaged kept game is set aside, said once, and Continue Game goes grey.
    if (const std::optional<std::string> setAside = m_keeper.SetAsideDamagedGame()) {
        m_boxes.OpenNotice(ShownText::Translated(*setAside), MessageIcon::Exclamation);
    } else if (const std::optional<std::string> kept = m_keeper.KeptGame()) {
        LoadFrom(*kept, LoadSource::Kept);
    }
}

// The clock runs on behind the box, and the table is the one of the moment it opened.
void GameController::ShowStatistics() {
    m_boxes.OpenStatistics(m_keeper.Statistics());
}

} // namespace trevallion
