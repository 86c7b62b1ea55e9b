#pragma once

#include "play/Statistics.h"

#include <QDialog>

namespace trevallion {

// The Statistics box: the results of the levels played, a row for each level and pairing, and a
// Reset button that asks first. It closes with ResetChosen when the player chose to reset, and
// leaves the resetting to the game.
class StatisticsDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int ResetChosen = 2;

    explicit StatisticsDialog(const StatisticsTable& table, QWidget* parent = nullptr);

  private:
    void AskReset();
};

} // namespace trevallion
