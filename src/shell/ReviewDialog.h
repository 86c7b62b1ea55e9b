#pragma once

#include <QDialog>

#include <cstddef>

class QProgressBar;

namespace trevallion {

// The small window that follows a review: how many positions AI Expert has looked at, and a
// Cancel button. It is no modal box: the board, the clock and the menus answer behind it.
class ReviewDialog : public QDialog {
    Q_OBJECT

  public:
    ReviewDialog(std::size_t positions, QWidget* parent);

    void ShowProgress(std::size_t done);

  private:
    QProgressBar* m_progress = nullptr;
};

} // namespace trevallion
