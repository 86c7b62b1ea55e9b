#include "shell/TileButton.h"

#include "shell/CellMarksArt.h"
#include "shell/TileArt.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace trevallion {

TileButton::TileButton(QWidget* parent) : QToolButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(TileSize, TileSize);
    setIconSize(QSize(TileSize, TileSize));
}

void TileButton::SetMarks(const CellMarks& marks, bool grid) {
    if (marks != m_marks || grid != m_grid) {
        m_marks = marks;
        m_grid = grid;
        update();
    }
}

void TileButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    icon().paint(&painter, rect());
    PaintCellMarks(painter, rect(), m_marks, m_grid);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        // The style would draw the frame only once the keyboard has been used; here it always
        // shows, for the game moves the focus to show the computer player's move.
        option.state |= QStyle::State_KeyboardFocusChange;
        option.rect = rect().adjusted(2, 2, -2, -2);
        option.backgroundColor = Qt::white;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

void TileButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) {
            click();
        }
        return;
    case Qt::Key_Left:
        emit focusStepAsked(-1, 0);
        return;
    case Qt::Key_Right:
        emit focusStepAsked(1, 0);
        return;
    case Qt::Key_Up:
        emit focusStepAsked(0, -1);
        return;
    case Qt::Key_Down:
        emit focusStepAsked(0, 1);
        return;
    default:
        QToolButton::keyPressEvent(event);
    }
}

} // namespace trevallion
