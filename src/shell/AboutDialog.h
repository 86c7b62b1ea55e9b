#pragma once

#include <QDialog>

namespace trevallion {

// The About window: the picture on the left; beside it the program's icon, its name, version
// and release date; below them a word of thanks and an OK button. OK and Escape close it. The
// picture's label is named "picture" and the icon's "icon".
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace trevallion
