#include "play/Keeping.h"

#include "record/MatchRecord.h"

#include <utility>

namespace trevallion {

void Keeping::Open() {
    m_notice = m_keeper.Open();
    m_history.Open();
}

// What the player must hear of the kept files waits for the clock's first tick: by then the
// window shows, and the box opens over it rather than somewhere before it. A write that failed
// is told at the tick after it, once, until a write succeeds again.
void Keeping::ShowNotice() {
    if (m_boxes.AnythingOpen()) {
        return;
    }
    if (!m_notice) {
        m_notice = m_keeper.TakeFailure();
    }
    if (m_notice) {
        m_boxes.OpenNotice(ShownText::Translated(*std::exchange(m_notice, std::nullopt)),
                           MessageIcon::Exclamation);
    }
}

// Runs at the end of every input, before the screen is presented, which shows Continue Game as
// this leaves it; the files are written after that. The game is kept from its level's setup on,
// also before a tick has made it a game that Save Game takes: the player's progress is what
// counts here. A decided level keeps nothing; the Life Doodle leaves the last game kept.
void Keeping::Keep(const SavedGameRecord& onShow) {
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
            m_keeper.Keep(EncodeRecord(onShow));
            m_history.Keep(RecordOfMatch(m_match, {}));
        }
        break;
    case Phase::DoodleStarting:
    case Phase::Doodle:
        break;
    }
}

void Keeping::Finish() {
    m_keeper.Finish();
    m_history.Finish();
}

void Keeping::CountResult(std::optional<Side> winner) {
    m_keeper.CountResult(m_match.Level(), m_match.Player(Side::PlayerOne),
                         m_match.Player(Side::PlayerTwo), winner);
}

// A damaged kept game is set aside, said once, and Continue Game goes grey.
std::optional<std::string> Keeping::KeptGameToLoad() {
    if (const std::optional<std::string> setAside = m_keeper.SetAsideDamagedGame()) {
        m_boxes.OpenNotice(ShownText::Translated(*setAside), MessageIcon::Exclamation);
        return std::nullopt;
    }
    return m_keeper.KeptGame();
}

// The kept game comes back with the turns that led to it when its history leads there exactly;
// otherwise with its position alone, as it always did.
std::optional<GameRecord> Keeping::KeptHistory(std::int32_t level) {
    return m_history.Read({m_match.CurrentBoard(), m_match.SideToMove(), level});
}

// The clock runs on behind the box, and the table is the one of the moment it opened.
void Keeping::ShowStatistics() {
    m_boxes.OpenStatistics(m_keeper.Statistics());
}

void Keeping::StatisticsClosed(StatisticsAnswer answer) {
    if (m_boxes.TakeStatistics() && answer == StatisticsAnswer::Reset) {
        m_keeper.ResetStatistics();
    }
}

} // namespace trevallion
