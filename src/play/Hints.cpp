#include "play/Hints.h"

namespace trevallion {

void Hints::Ask() {
    if (!m_match.HumanToMove()) {
        return;
    }
    m_hinter.Stop();
    m_hinter.Start(m_match.SideToMove(), PlayerType::AiExpert, m_match.CurrentBoard(),
                   m_match.Position(), m_match.SeenKeys());
    m_view.RequestWake(PollMilliseconds);
}

void Hints::Poll() {
    if (m_hinter.State() == ComputerState::Thinking) {
        m_view.RequestWake(PollMilliseconds);
        return;
    }
    // A hint for a position that has changed meanwhile is no hint any more.
    const std::optional<ComputerChoice> hint =
        m_hinter.TakeChoice(m_match.SideToMove(), m_match.CurrentBoard(), m_match.Position());
    if (hint && hint->move && m_match.HumanToMove()) {
        m_mayShow = true;
        m_view.ShowHint(*hint->move);
    }
}

void Hints::PositionChanged() {
    if (m_mayShow) {
        m_mayShow = false;
        m_view.ShowHint(std::nullopt);
    }
}

} // namespace trevallion
