#pragma once

#include "rules/Side.h"

#include <QDialog>

namespace trevallion {

// The "Level Complete" box: names the winning side and waits for OK.
class WinnerBox : public QDialog {
    Q_OBJECT

  public:
    explicit WinnerBox(Side winner, QWidget* parent = nullptr);
};

} // namespace trevallion
