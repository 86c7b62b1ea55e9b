#pragma once

#include "shell/Announcer.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <memory>

class QWidget;

namespace trevallion {

class NoticeAccessible;

// Announces a text as the desktop's own programs report what happens away from the focus: as a
// notification that appears in the window's status bar. Orca reads a notification out as it
// appears, and leaves out the role's name for one in a status bar, so the player hears the text
// alone. (Qt 6.4 has no announcement of its own, and Orca drops the name changes it sends.)
//
// Each utterance is an accessible object of its own, a notice, shown at once: a screen reader
// handles events in the order they come, so a notice shown before a flood of other events (the
// 49 cells of a new level renamed) is read before them. The reader asks for the text only once
// the window's thread is back in its event loop, so the texts announced until then go into the
// same notice, read as one utterance; once read, or once the thread is back in its loop, a
// notice takes no more. The last few notices are kept, long enough for a reader that falls
// behind to ask.
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
    // The accessible side of the newest notice while it takes more texts; Qt owns it, and it
    // goes with its notice.
    NoticeAccessible* m_open = nullptr;
    // Closes the open notice once the window's thread is back in its event loop.
    QTimer m_closeTimer;
};

} // namespace trevallion
