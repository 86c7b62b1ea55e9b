#pragma once

#include "shell/WindowBoxes.h"

#include <Qt>

class QDialog;

namespace trevallion {

// The window's boxes as the player sees them: Qt dialogs that answer when they close.
class DialogBoxes final : public WindowBoxes {
  public:
    void OpenMessage(const ShownText& text, MessageButtons buttons, MessageIcon icon) override;
    void OpenWinnerBox(Side winner) override;
    void OpenGameFileDialog(GameFileDialog dialog, const QString& folder) override;
    void OpenChooseLevel(int level, const TileSet& tiles) override;
    void OpenInstructions() override;
    void OpenAbout() override;
    void OpenStatistics(const StatisticsTable& table) override;
};

// Shows `dialog` over `window`, and it goes when it closes: modal to the window, or to the whole
// program for a box that must be answered before any other.
void OpenDialogOver(QWidget& window, QDialog* dialog, Qt::WindowModality modality);

} // namespace trevallion
