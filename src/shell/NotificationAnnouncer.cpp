#include "shell/NotificationAnnouncer.h"

#include <QAccessibleObject>
#include <QWidget>

namespace trevallion {
namespace {

// How many notices are kept: more than one input announces, so that the reader finds each
// notice it was told of, even when it falls behind by a few.
constexpr std::size_t KeptNotices = 16;

// A notice as screen readers see it: a notification in the status bar, named by its text, with
// nothing inside. The status bar does not count it among its children: it is no widget, and
// it exists only to be read out.
class NoticeAccessible : public QAccessibleObject {
  public:
    NoticeAccessible(QObject* notice, QWidget* statusBar, QString text)
        : QAccessibleObject(notice), m_statusBar(statusBar), m_text(std::move(text)) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_statusBar);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? m_text : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

  private:
    QWidget* m_statusBar;
    QString m_text;
};

} // namespace

NotificationAnnouncer::NotificationAnnouncer(QWidget* statusBar)
    : QObject(statusBar), m_statusBar(statusBar) {}

NotificationAnnouncer::~NotificationAnnouncer() = default;

void NotificationAnnouncer::Announce(const QString& text) {
    if (text.isEmpty() || !QAccessible::isActive()) {
        return;
    }
    auto notice = std::make_unique<QObject>();
    // Qt owns the interface from here on, and drops it when the notice goes.
    auto* accessible = new NoticeAccessible(notice.get(), m_statusBar, text);
    QAccessible::registerAccessibleInterface(accessible);
    QAccessibleEvent shown(accessible, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    m_notices.push_back(std::move(notice));
    if (m_notices.size() > KeptNotices) {
        m_notices.pop_front();
    }
}

} // namespace trevallion
