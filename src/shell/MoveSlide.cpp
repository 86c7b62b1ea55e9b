#include "shell/MoveSlide.h"

#include "shell/TileArt.h"

#include "shell/TileButton.h"

#include <QEvent>
#include <QPainter>

namespace trevallion {

MoveSlide::MoveSlide(QWidget* board) : QWidget(board) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    m_clock.setStartValue(0.0);
    m_clock.setEndValue(1.0);
    m_clock.setDuration(SlideMilliseconds);
    // Eased at both ends, as a hand moves a piece: it starts and stops gently.
    m_clock.setEasingCurve(QEasingCurve::InOutQuad);
    connect(&m_clock, &QVariantAnimation::valueChanged, this, [this] { update(); });
    connect(&m_clock, &QVariantAnimation::finished, this, &MoveSlide::Finish);
    board->installEventFilter(this);
}

bool MoveSlide::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return false;
}

void MoveSlide::Start(TileButton* from, TileButton* to) {
    Finish();
    if (from == nullptr || to == nullptr || parentWidget() == nullptr) {
        return;
    }
    m_from = from;
    m_to = to;
    m_piece = to->Figure();
    to->ShowStandIn(from->icon());
    setGeometry(parentWidget()->rect());
    raise();
    show();
    m_clock.start();
}

void MoveSlide::Finish() {
    m_clock.stop();
    hide();
    if (m_to) {
        m_to->ShowStandIn(QIcon());
    }
    m_to = nullptr;
}

bool MoveSlide::Running() const {
    return m_clock.state() != QAbstractAnimation::Stopped;
}

QRect MoveSlide::CellRect(const QWidget* button) const {
    return QRect(button->mapTo(parentWidget(), QPoint(0, 0)), button->size());
}

void MoveSlide::paintEvent(QPaintEvent* /*event*/) {
    if (!m_from || !m_to) {
        return;
    }
    const QRect from = CellRect(m_from);
    const QRect to = CellRect(m_to);
    const qreal progress = m_clock.currentValue().toReal();
    const QPoint at = from.topLeft() + (to.topLeft() - from.topLeft()) * progress;
    // Drawn as the buttons draw their icons, so the piece looks the same on its way and where
    // it lands.
    QPainter painter(this);
    ScaleToDevicePixels(painter, devicePixelRatioF());
    m_piece.paint(&painter, QRect(at, to.size()));
}

} // namespace trevallion
