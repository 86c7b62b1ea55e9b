#include "shell/CommandLine.h"
#include "shell/ConfigFolder.h"
#include "shell/KeepingFolder.h"
#include "shell/MainWindow.h"
#include "shell/PlayersLanguage.h"
#include "shell/PortalAppearance.h"
#include "shell/QtText.h"
#include "shell/SettingsFile.h"
#include "shell/WindowSystem.h"
#include "version/Version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Before the application object, which needs a display: the options need none.
    const trevallion::StartRequest start = trevallion::AnswerWithoutWindow(argc, argv);
    if (start.exitStatus) {
        return *start.exitStatus;
    }
    if (const std::optional<int> status = trevallion::UseSessionsWindowSystem(argc, argv)) {
        return *status;
    }
    trevallion::IgnoreRelativeBaseFolders();
    const trevallion::ConfigFolder config = trevallion::UserConfigFolder();
    trevallion::KeepQtSettingsIn(config.path);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevallion"));
    QApplication::setOrganizationName(QStringLiteral("QMV"));
    QApplication::setDesktopFileName(trevallion::ToQString(trevallion::ApplicationId));
    trevallion::UsePlayersLanguage();

    trevallion::MainWindow window(
        trevallion::OpenUserSettings(config),
        std::make_unique<trevallion::KeepingFolder>(trevallion::UserDataFolder()),
        std::make_unique<trevallion::PortalAppearance>(QDBusConnection::sessionBus()));
    window.Start();
    window.show();
    if (!start.gameFile.empty()) {
        window.LoadGivenGame(start.gameFile);
    }
    return app.exec();
}
