#include "play/AidsOnView.h"

#include "rules/Steps.h"

#include <utility>

namespace trevallion {

void AidsOnView::ShowHint(const Move& hint) {
    m_hintMayShow = true;
    m_view.ShowHint(hint);
}

void AidsOnView::PositionChanged() {
    if (m_hintMayShow) {
        m_hintMayShow = false;
        m_view.ShowHint(std::nullopt);
    }
}

void AidsOnView::Refresh(const Match& match) {
    const bool inGame = match.InGame();
    const std::optional<Cell> selection = match.Selection();
    BoardMarks marks;
    if (m_showMoves) {
        marks.grid = true;
        if (inGame && selection) {
            marks.selected = selection;
            marks.targets = StepTargets(match.CurrentBoard(), *selection);
        }
        if (inGame) {
            marks.lastMove = match.History().LastMove();
        }
    }
    if (marks != m_shownMarks) {
        m_shownMarks = marks;
        m_view.ShowMarks(marks);
    }
    const std::pair<CommandId, bool> items[] = {
        {CommandId::UndoMove, inGame && match.History().CanUndo()},
        {CommandId::RedoMove, inGame && match.History().CanRedo()},
        {CommandId::Hint, match.HumanToMove()},
    };
    for (const auto& [item, enabled] : items) {
        const auto known = m_enabledItems.find(item);
        if (known == m_enabledItems.end() || known->second != enabled) {
            m_enabledItems[item] = enabled;
            m_view.EnableMenuItem(item, enabled);
        }
    }
}

} // namespace trevallion
