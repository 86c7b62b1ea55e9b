#include "shell/TileButton.h"

#include "shell/TileArt.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace trevallion {

TileButton::TileButton(QWidget* parent) : QToolButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(TileSize, TileSize);
    setIconSize(QSize(TileSize, TileSize));
}

void TileButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    icon().paint(&painter, rect());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(2, 2, -2, -2);
        option.backgroundColor = Qt::white;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

} // namespace trevallion
