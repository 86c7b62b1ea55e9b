#include "shell/EvaluationGraph.h"

#include "review/GameReview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace trevallion {
namespace {

// Material counts in points, a few at most; a forced win is shown at the edge.
constexpr double MaterialRange = 6.0;

// The height of a score, from -1 (Player 2 wins) to 1 (Player 1 wins).
double Height(int score) {
    if (std::abs(score) >= DecisiveScore) {
        return score > 0 ? 1.0 : -1.0;
    }
    return std::clamp(score / MaterialRange, -0.9, 0.9);
}

} // namespace

EvaluationGraph::EvaluationGraph(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("evaluationGraph"));
    setAccessibleName(tr("Who stood better"));
    setMinimumHeight(60);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    hide();
}

void EvaluationGraph::Show(const std::vector<int>& balance, std::size_t current) {
    m_balance = balance;
    m_current = current;
    setVisible(m_balance.size() > 1);
    update();
}

void EvaluationGraph::paintEvent(QPaintEvent*) {
    if (m_balance.size() < 2) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
    painter.fillRect(area, palette().base());
    const double middle = area.center().y();
    painter.setPen(QPen(palette().mid(), 1));
    painter.drawLine(QPointF(area.left(), middle), QPointF(area.right(), middle));
    const double step = area.width() / static_cast<double>(m_balance.size() - 1);
    const auto point = [&](std::size_t i) {
        return QPointF(area.left() + step * static_cast<double>(i),
                       middle - Height(m_balance[i]) * area.height() / 2);
    };
    QPainterPath line(point(0));
    for (std::size_t i = 1; i < m_balance.size(); ++i) {
        line.lineTo(point(i));
    }
    painter.setPen(QPen(palette().text(), 2));
    painter.drawPath(line);
    if (m_current < m_balance.size()) {
        painter.setPen(QPen(palette().highlight(), 2));
        const double x = point(m_current).x();
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
}

void EvaluationGraph::mousePressEvent(QMouseEvent* event) {
    if (m_balance.size() < 2) {
        return;
    }
    const double step = (width() - 4) / static_cast<double>(m_balance.size() - 1);
    const long turns = std::lround((event->position().x() - 2) / step);
    emit moveChosen(static_cast<std::size_t>(
        std::clamp<long>(turns, 0, static_cast<long>(m_balance.size() - 1))));
}

} // namespace trevallion
