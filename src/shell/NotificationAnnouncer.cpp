#include "shell/NotificationAnnouncer.h"

#include <QAccessibleObject>
#include <QWidget>

namespace trevallion {

// A notice as screen readers see it: a notification in the status bar, named by its text, with
// nothing inside. The status bar does not count it among its children: it is no widget, and it
// exists only to be read out.
class NoticeAccessible : public QAccessibleObject {
  public:
    NoticeAccessible(QObject* notice, QWidget* statusBar, QString text)
        : QAccessibleObject(notice), m_statusBar(statusBar), m_text(std::move(text)) {}

    // Whether a screen reader has asked for the text.
    bool Read() const { return m_read; }
    // The texts of one utterance are sentences of their own.
    void Add(const QString& text) {
        const bool ended = m_text.endsWith(QLatin1Char('.')) || m_text.endsWith(QChar(0x2026));
        m_text += (ended ? QStringLiteral(" ") : QStringLiteral(". ")) + text;
    }

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_statusBar);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) {
            return {};
        }
        m_read = true;
        return m_text;
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

  private:
    QWidget* m_statusBar;
    QString m_text;
    mutable bool m_read = false;
};

namespace {

// How many notices are kept: far more than the reader has to catch up with.
constexpr std::size_t KeptNotices = 16;

} // namespace

NotificationAnnouncer::NotificationAnnouncer(QWidget* statusBar)
    : QObject(statusBar), m_statusBar(statusBar) {
    m_closeTimer.setObjectName(QStringLiteral("closeNotice"));
    m_closeTimer.setParent(this);
    m_closeTimer.setSingleShot(true);
    m_closeTimer.setInterval(0);
    connect(&m_closeTimer, &QTimer::timeout, this, [this] { m_open = nullptr; });
}

NotificationAnnouncer::~NotificationAnnouncer() = default;

void NotificationAnnouncer::Announce(const QString& text) {
    if (text.isEmpty() || !QAccessible::isActive()) {
        return;
    }
    if (m_open != nullptr && !m_open->Read()) {
        m_open->Add(text);
        return;
    }
    auto notice = std::make_unique<QObject>();
    // Qt owns the interface from here on, and drops it when the notice goes.
    m_open = new NoticeAccessible(notice.get(), m_statusBar, text);
    QAccessible::registerAccessibleInterface(m_open);
    QAccessibleEvent shown(m_open, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    m_closeTimer.start();
    m_notices.push_back(std::move(notice));
    if (m_notices.size() > KeptNotices) {
        m_notices.pop_front();
    }
}

} // namespace trevallion
