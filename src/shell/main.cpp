#include "shell/CommandLine.h"
#include "shell/ConfigFolder.h"
#include "shell/KeepingFolder.h"
#include "shell/MainWindow.h"
#include "shell/PlayersLanguage.h"
#include "shell/PortalAppearance.h"
#include "shell/QtText.h"
#include "shell/SettingsFile.h"
#include "shell/WindowSystem.h"
#include "shell/WindowSystemStart.h"
#include "version/Version.h"

#include <QApplication>

#include <optional>

int main(int argc, char* argv[]) {
    // Before the application object, which needs a display: the options need none.
    const trevallion::StartRequest start = trevallion::AnswerWithoutWindow(argc, argv);
    if (start.exitStatus) {
        return *start.exitStatus;
    }
    // Chosen before the window system is asked for, so that even a failure to find one is told
    // in the player's language.
    trevallion::UsePlayersLanguage();
    trevallion::ConfigFolder config = trevallion::UserConfigFolder();
    trevallion::ConfigFolder data = trevallion::UserDataFolder();
    trevallion::IgnoreRelativeBaseFolders();
    trevallion::KeepQtSettingsIn(config.path);
    // Worded from what the player's environment asked for, before the platforms are chosen.
    const QString noWindow = trevallion::NoWindowMessage(argc, argv);
    if (const std::optional<int> status = trevallion::UseSessionsWindowSystem(argc, argv)) {
        return *status;
    }
    std::optional<trevallion::WindowSystemStart> starting(std::in_place, noWindow);
    QApplication app(argc, argv);
    starting.reset();
    QApplication::setApplicationName(QStringLiteral("Trevallion"));
    QApplication::setOrganizationName(QStringLiteral("QMV"));
    QApplication::setDesktopFileName(trevallion::ToQString(trevallion::ApplicationId));
    trevallion::UsePlayersLanguage();
    trevallion::TellWhatIsNotKept(config, data);

    trevallion::MainWindow window(
        trevallion::OpenUserSettings(config), std::make_unique<trevallion::KeepingFolder>(data),
        std::make_unique<trevallion::PortalAppearance>(QDBusConnection::sessionBus()));
    window.Start();
    window.show();
    if (!start.gameFile.empty()) {
        window.LoadGivenGame(start.gameFile);
    }
    return app.exec();
}
