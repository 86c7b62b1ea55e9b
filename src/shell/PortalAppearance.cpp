#include "shell/PortalAppearance.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

#include <optional>

namespace trevallion {
namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString SettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString AppearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString ColourSchemeKey = QStringLiteral("color-scheme");
const QString GnomeInterfaceGroup = QStringLiteral("org.gnome.desktop.interface");
const QString AnimationsKey = QStringLiteral("enable-animations");

// Long enough for a portal the bus starts on demand, short enough that a stuck one leaves the
// game without the older readings only briefly.
constexpr int ReadMilliseconds = 3000;

// A value as the portal sends it, out of the variants around it: Read wraps its answer twice,
// the signal once.
QVariant PortalValue(QVariant value) {
    while (value.metaType() == QMetaType::fromType<QDBusVariant>()) {
        value = qvariant_cast<QDBusVariant>(value).variant();
    }
    return value;
}

// What a color-scheme value says of dark: 1 prefers dark; 0 (no preference) and 2 (prefers
// light) do not; anything else is no colour scheme at all.
std::optional<bool> ColourSchemeIsDark(const QVariant& value) {
    const int type = value.typeId();
    if (type != QMetaType::UInt && type != QMetaType::Int) {
        return std::nullopt;
    }
    switch (value.toLongLong()) {
    case 0:
    case 2:
        return false;
    case 1:
        return true;
    default:
        return std::nullopt;
    }
}

} // namespace

PortalAppearance::PortalAppearance(const QDBusConnection& bus, QObject* parent)
    : DesktopAppearance(parent), m_bus(bus) {
    connect(&m_motion, &ReducedMotion::Changed, this, &DesktopAppearance::Changed);
    if (!m_bus.isConnected()) {
        m_motion.AskGsettings();
        return;
    }
    // Followed before it is read, so that no change between the two is missed. Subscribing
    // waits for the bus itself, never the portal; no sender is named, as Qt would then look up
    // the portal's owner first. Qt finds the slot's parameter types by their names, which a
    // type has once it is registered.
    qRegisterMetaType<QDBusVariant>();
    m_bus.connect(QString(), PortalPath, SettingsInterface, QStringLiteral("SettingChanged"), this,
                  SLOT(OnSettingChanged(QString, QString, QDBusVariant)));
    Read(AppearanceGroup, ColourSchemeKey);
    Read(GnomeInterfaceGroup, AnimationsKey);
}

void PortalAppearance::OnSettingChanged(const QString& group, const QString& key,
                                        const QDBusVariant& value) {
    Take(group, key, QVariant::fromValue(value));
}

// Read, not ReadOne: every portal version has it, Debian 12's among them.
void PortalAppearance::Read(const QString& group, const QString& key) {
    QDBusMessage call = QDBusMessage::createMethodCall(PortalService, PortalPath, SettingsInterface,
                                                       QStringLiteral("Read"));
    call << group << key;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, ReadMilliseconds), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, group, key](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const QDBusMessage reply = done->reply();
                if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty() ||
                    !Take(group, key, reply.arguments().constFirst())) {
                    Unanswered(key);
                }
            });
}

bool PortalAppearance::Take(const QString& group, const QString& key, const QVariant& value) {
    const QVariant plain = PortalValue(value);
    if (group == AppearanceGroup && key == ColourSchemeKey) {
        const std::optional<bool> dark = ColourSchemeIsDark(plain);
        if (dark && *dark != m_dark) {
            m_dark = *dark;
            emit Changed();
        }
        return dark.has_value();
    }
    if (group == GnomeInterfaceGroup && key == AnimationsKey && plain.typeId() == QMetaType::Bool) {
        m_motion.TakeGnomeAnimations(plain.toBool());
        return true;
    }
    return false;
}

void PortalAppearance::Unanswered(const QString& key) {
    if (key == AnimationsKey) {
        m_motion.AskGsettings();
    }
}

} // namespace trevallion
