#include "shell/StatusLine.h"

#include "shell/QtText.h"

namespace trevallion {

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("statusLine"));
    setTextFormat(Qt::PlainText);
}

// setAccessibleName sends the name-changed event that screen readers speak; the text alone
// would send it only while no accessible name has been set.
void StatusLine::Show(std::string_view text) {
    const QString shown = ToQString(text);
    setText(shown);
    setAccessibleName(shown);
}

} // namespace trevallion
