#include "shell/WindowPlace.h"

#include <QGuiApplication>

#include <string_view>

namespace trevallion {
namespace {

// In Base64.
constexpr std::string_view X11Setting = "WindowGeometry";
constexpr std::string_view WaylandSetting = "WaylandWindowGeometry";

std::string_view SettingHere() {
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland")) ? WaylandSetting
                                                                                 : X11Setting;
}

} // namespace

QByteArray KeptWindowGeometry(const SettingsFile& settings) {
    QString kept = settings.ReadText(SettingHere());
    if (kept.isEmpty()) {
        kept = settings.ReadText(X11Setting);
    }
    return QByteArray::fromBase64(kept.toLatin1());
}

void KeepWindowGeometry(SettingsFile& settings, const QByteArray& geometry) {
    settings.WriteText(SettingHere(), QString::fromLatin1(geometry.toBase64()));
}

} // namespace trevallion
