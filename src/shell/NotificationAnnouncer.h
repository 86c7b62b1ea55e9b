#pragma once

#include "shell/Announcer.h"

#include <QObject>

#include <deque>
#include <memory>

class QWidget;

namespace trevallion {

// Announces a text as the desktop's own programs report what happens away from the focus: as a
// notification that appears in the window's status bar. Orca reads a notification out as it
// appears, and leaves out the role's name for one in a status bar, so the player hears the text
// alone. Qt 6.4 has no announcement of its own, and Orca drops the name changes it sends.
//
// Each text is an accessible object of its own, a notice, for the screen reader asks for the
// text only once the event reaches it: a notice changed meanwhile would be read with the next
// text, and two events of one object would count as one. The last few notices are kept, long
// enough for the reader to ask.
class NotificationAnnouncer : public QObject, public Announcer {
    Q_OBJECT

  public:
    // The notices appear in `statusBar`, which need not be shown.
    explicit NotificationAnnouncer(QWidget* statusBar);
    ~NotificationAnnouncer() override;

    void Announce(const QString& text) override;

  private:
    QWidget* m_statusBar;
    std::deque<std::unique_ptr<QObject>> m_notices;
};

} // namespace trevallion
