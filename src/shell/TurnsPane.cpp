#include "shell/TurnsPane.h"

#include "shell/EvaluationGraph.h"
#include "shell/MoveListPanel.h"

#include <QShortcut>
#include <QVBoxLayout>

namespace trevallion {

TurnsPane::TurnsPane(QWidget* window, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("turnsPane"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    m_list = new MoveListPanel(this);
    m_graph = new EvaluationGraph(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_graph);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('m')) * 22);
    connect(m_list, &MoveListPanel::moveChosen, this, &TurnsPane::moveChosen);
    connect(m_graph, &EvaluationGraph::moveChosen, this, &TurnsPane::moveChosen);
    const std::pair<QKeyCombination, int> keys[] = {
        {Qt::ALT | Qt::Key_Left, -1},
        {Qt::ALT | Qt::Key_Right, 1},
        {Qt::ALT | Qt::Key_Home, -1'000'000},
        {Qt::ALT | Qt::Key_End, 1'000'000},
    };
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), window);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] {
            // The keys belong to the list: with it hidden they do what they did before.
            if (isVisible()) {
                emit moveChosen(m_list->Relative(step));
            }
        });
    }
}

void TurnsPane::Show(const MoveListing& listing) {
    m_list->Show(listing);
    m_graph->Show(listing.balance, listing.current);
}

} // namespace trevallion
