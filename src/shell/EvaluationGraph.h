#pragma once

#include <QWidget>

#include <cstddef>
#include <vector>

namespace trevallion {

// Who stood better, turn by turn, as a review found it: a line above the middle while Player 1
// stood better, below it while Player 2 did, at the edge for a win either side could force. The
// turn on the board is marked; a click asks for the board at the turn under the pointer.
class EvaluationGraph : public QWidget {
    Q_OBJECT

  public:
    explicit EvaluationGraph(QWidget* parent = nullptr);

    // `balance` holds Player 1's score before each turn and after the last; empty hides it.
    void Show(const std::vector<int>& balance, std::size_t current);

    QSize sizeHint() const override { return {200, 80}; }

  signals:
    void moveChosen(std::size_t turns);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    std::vector<int> m_balance;
    std::size_t m_current = 0;
};

} // namespace trevallion
