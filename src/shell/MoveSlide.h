#pragma once

#include <QIcon>
#include <QPointer>
#include <QVariantAnimation>
#include <QWidget>

namespace trevallion {

class TileButton;

// A moment's picture, over the board, of a piece sliding from its cell to its target, so that
// the eye can follow a move the cell buttons show at once. It only draws: it takes no input and
// no focus, keeps no game state, and once the slide ends it hides and the buttons show the
// board as they always do. The piece slides as its figure alone, so that the cells it passes,
// their grid lines and marks, show round it.
class MoveSlide : public QWidget {
    Q_OBJECT

  public:
    static constexpr int SlideMilliseconds = 200;

    // Lies over `board`, the widget that holds the cell buttons.
    explicit MoveSlide(QWidget* board);

    // Slides the figure the button `to` shows from `from` to `to`. Until the piece arrives, the
    // tile `from` shows now (the cell it has left) stands in for the target's. A slide still
    // running ends first.
    void Start(TileButton* from, TileButton* to);
    // Ends a running slide at once.
    void Finish();
    bool Running() const;

    // The slide's clock, for a test to drive by hand.
    QVariantAnimation& Clock() { return m_clock; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Keeps the slide over the whole board when the board is resized under it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Where a cell button lies on this widget, at whatever size the board has now.
    QRect CellRect(const QWidget* button) const;

    QVariantAnimation m_clock;
    QPointer<TileButton> m_from;
    QPointer<TileButton> m_to;
    QIcon m_piece;
};

} // namespace trevallion
