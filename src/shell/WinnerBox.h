#pragma once

#include <QDialog>

namespace trevallion {

// The "Level Complete" box: names the winning side and waits for OK.
class WinnerBox : public QDialog {
    Q_OBJECT

  public:
    // side is 1 or 2; any other value is announced as Player 2.
    explicit WinnerBox(int side, QWidget* parent = nullptr);
};

} // namespace trevallion
