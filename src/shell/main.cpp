#include "shell/MainWindow.h"

#include <QApplication>
#include <QSettings>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevallion"));
    QApplication::setOrganizationName(QStringLiteral("QMV"));

    trevallion::MainWindow window(std::make_unique<QSettings>());
    window.Start();
    window.show();
    return app.exec();
}
