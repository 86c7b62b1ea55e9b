#include "shell/WindowSystem.h"

#include "shell/PlayersLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTextStream>

#include <string_view>

namespace trevallion {
namespace {

constexpr int ExitNoWindowSystem = 1;

bool PlatformOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "-platform" || argument == "--platform") {
            return true;
        }
    }
    return false;
}

// Qt's Wayland platform in any of the folders Qt looks for platforms in.
bool WaylandSupportInstalled() {
    QStringList folders{QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                        QStringLiteral("/platforms")};
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM_PLUGIN_PATH")) {
        folders << qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    }
    for (const QString& folder : qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'))) {
        folders << folder + QStringLiteral("/platforms");
    }
    for (const QString& folder : folders) {
        if (!QDir(folder).entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty()) {
            return true;
        }
    }
    return false;
}

} // namespace

WindowSystemChoice ChooseWindowSystem(const WindowSystemFacts& facts) {
    if (facts.platformNamed || !facts.waylandDisplay || facts.sessionType == "x11") {
        return {};
    }
    if (facts.waylandSupport) {
        return {.platforms = "wayland;xcb"};
    }
    if (facts.x11Display) {
        return {.platforms = "xcb"};
    }
    return {.platforms = {}, .refused = true};
}

std::optional<int> UseSessionsWindowSystem(int& argc, char** argv) {
    const WindowSystemFacts facts{
        .platformNamed =
            !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || PlatformOption(argc, argv),
        .sessionType = qEnvironmentVariable("XDG_SESSION_TYPE").toStdString(),
        .waylandDisplay = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"),
        .x11Display = !qEnvironmentVariableIsEmpty("DISPLAY"),
        .waylandSupport = WaylandSupportInstalled()};
    const WindowSystemChoice choice = ChooseWindowSystem(facts);
    if (!choice.platforms.empty()) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(choice.platforms));
    }
    if (!choice.refused) {
        return std::nullopt;
    }
    QTextStream(stderr) << "trevallion: "
                        << PlayersText(
                               "WindowSystem",
                               QT_TRANSLATE_NOOP("WindowSystem",
                                                 "this Wayland desktop has no X server, and Qt's "
                                                 "Wayland support is not installed (the package "
                                                 "qt6-wayland); no window can open."))
                        << '\n';
    return ExitNoWindowSystem;
}

} // namespace trevallion
