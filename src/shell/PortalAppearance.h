#pragma once

#include "shell/DesktopAppearance.h"
#include "shell/ReducedMotion.h"

#include <QDBusConnection>
#include <QDBusVariant>
#include <QVariant>

namespace trevallion {

// The desktop's appearance as the freedesktop settings portal tells it (the service
// org.freedesktop.portal.Desktop, which GNOME, Plasma and most desktops run, and which a
// sandboxed program can reach too): org.freedesktop.appearance color-scheme for dark, and
// GNOME's org.gnome.desktop.interface enable-animations for motion, each read once and then
// followed as the portal announces its changes. A setting the portal cannot give is read the
// older way: motion from gsettings and kdeglobals, and dark from nowhere (the board reads the
// palette itself). The portal is never waited for: its answers come when they come, within a
// short time limit, so a missing or stuck portal never holds up the window.
class PortalAppearance final : public DesktopAppearance {
    Q_OBJECT

  public:
    // Asks the portal on `bus`; on a bus that is not connected, only the older ways.
    explicit PortalAppearance(const QDBusConnection& bus, QObject* parent = nullptr);

    bool PrefersDark() const override { return m_dark; }
    bool PrefersReducedMotion() const override { return m_motion.Asked(); }

  public slots:
    // The portal's signal. Qt's D-Bus reaches only a public slot, and only by its name.
    void OnSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

  private:
    void Read(const QString& group, const QString& key);
    // Takes the portal's value of a setting; false when it is none of ours or not one the
    // setting can have, which changes nothing.
    bool Take(const QString& group, const QString& key, const QVariant& value);
    // The portal has no usable value for a setting.
    void Unanswered(const QString& key);

    QDBusConnection m_bus;
    ReducedMotion m_motion;
    bool m_dark = false;
};

} // namespace trevallion
