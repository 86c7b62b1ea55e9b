#pragma once

#include <QLabel>

#include <string_view>

namespace trevallion {

// The line under the board that says whose turn it is. A screen reader hears each new text:
// the label's accessible name follows it, and a change of name is announced.
class StatusLine : public QLabel {
    Q_OBJECT

  public:
    explicit StatusLine(QWidget* parent = nullptr);

    void Show(std::string_view text);
};

} // namespace trevallion
