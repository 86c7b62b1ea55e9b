#include "shell/MainWindow.h"
#include "shell/SettingsFile.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevallion"));
    QApplication::setOrganizationName(QStringLiteral("QMV"));

    trevallion::MainWindow window(trevallion::OpenUserSettings());
    window.Start();
    window.show();
    return app.exec();
}
