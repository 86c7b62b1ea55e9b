#include "shell/CommandLine.h"
#include "shell/ConfigFolder.h"
#include "shell/MainWindow.h"
#include "shell/QtText.h"
#include "shell/SettingsFile.h"
#include "version/Version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = trevallion::AnswerWithoutWindow(argc, argv)) {
        return *status;
    }
    trevallion::IgnoreRelativeBaseFolders();
    const trevallion::ConfigFolder config = trevallion::UserConfigFolder();
    trevallion::KeepQtSettingsIn(config.path);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevallion"));
    QApplication::setOrganizationName(QStringLiteral("QMV"));
    QApplication::setDesktopFileName(trevallion::ToQString(trevallion::ApplicationId));
    // Qt has taken its own options out by now.
    const trevallion::CommandLine line = trevallion::ReadCommandLine(QApplication::arguments());
    if (line.request != trevallion::Request::Play) {
        return trevallion::AnswerRequest(line);
    }

    trevallion::MainWindow window(trevallion::OpenUserSettings(config));
    window.Start();
    window.show();
    return app.exec();
}
