#include "shell/StatusLine.h"

#include "shell/QtText.h"

namespace trevallion {

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("statusLine"));
    setTextFormat(Qt::PlainText);
}

// setAccessibleName sends the name-changed event that screen readers speak. The text alone
// would send one only while no accessible name is set; set after the name, it sends none, so a
// change is heard once.
void StatusLine::Show(std::string_view text) {
    const QString shown = ToQString(text);
    setAccessibleName(shown);
    setText(shown);
}

} // namespace trevallion
