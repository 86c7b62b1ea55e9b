#include "shell/TileButton.h"

#include "shell/CellMarksArt.h"
#include "shell/TileArt.h"

#include <QIconEngine>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace trevallion {
namespace {

// A tile as an icon: painted from the tile set at the size of the rectangle and the ratio of
// the device it is painted on, so that it is drawn for the screen's pixels, never scaled. A
// figure alone, clear round it, is drawn afresh, for the moment a slide lasts.
class TileIconEngine : public QIconEngine {
  public:
    TileIconEngine(std::shared_ptr<const TileSet> tiles, CellCode code,
                   TileGround ground = TileGround::Filled)
        : m_tiles(std::move(tiles)), m_code(code), m_ground(ground) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/,
               QIcon::State /*state*/) override {
        painter->drawPixmap(rect, Drawn(rect.width(), painter->device()->devicePixelRatioF()));
    }

    // QIcon asks for the screen's pixels and sets the ratio on the answer itself.
    QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return Drawn(size.width(), 1.0);
    }

    QIconEngine* clone() const override { return new TileIconEngine(m_tiles, m_code, m_ground); }

  private:
    QPixmap Drawn(int side, qreal ratio) const {
        if (m_ground == TileGround::Filled) {
            return m_tiles->Tile(m_code, side, ratio);
        }
        return DrawTile(m_code, side, ratio, m_tiles->Look(), m_ground);
    }

    std::shared_ptr<const TileSet> m_tiles;
    CellCode m_code;
    TileGround m_ground;
};

} // namespace

TileButton::TileButton(std::shared_ptr<const TileSet> tiles, QWidget* parent)
    : QToolButton(parent), m_tiles(std::move(tiles)) {
    setFocusPolicy(Qt::StrongFocus);
    resize(TileSize, TileSize);
}

void TileButton::ShowTile(CellCode code) {
    m_code = code;
    setIcon(QIcon(new TileIconEngine(m_tiles, code)));
}

QIcon TileButton::Figure() const {
    return QIcon(new TileIconEngine(m_tiles, m_code, TileGround::Clear));
}

void TileButton::ShowStandIn(const QIcon& standIn) {
    m_standIn = standIn;
    update();
}

void TileButton::SetMarks(const CellMarks& marks, bool grid) {
    if (marks != m_marks || grid != m_grid) {
        m_marks = marks;
        m_grid = grid;
        update();
    }
}

void TileButton::resizeEvent(QResizeEvent* event) {
    setIconSize(size());
    QToolButton::resizeEvent(event);
}

void TileButton::paintEvent(QPaintEvent* /*event*/) {
    const bool dark = m_tiles->Look().dark;
    QStylePainter painter(this);
    ScaleToDevicePixels(painter, devicePixelRatioF());
    (m_standIn.isNull() ? icon() : m_standIn).paint(&painter, rect());
    PaintCellMarks(painter, rect(), m_marks, m_grid, dark);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        // The style would draw the frame only once the keyboard has been used; here it always
        // shows, for the game moves the focus to show the computer player's move.
        option.state |= QStyle::State_KeyboardFocusChange;
        option.backgroundColor = BoardBackground(dark);
        // Two pixels inside the smallest tile, and on a larger one the same frame drawn larger,
        // its line as well.
        option.rect = QRect(0, 0, TileSize, TileSize).adjusted(2, 2, -2, -2);
        painter.scale(qreal(width()) / TileSize, qreal(height()) / TileSize);
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
