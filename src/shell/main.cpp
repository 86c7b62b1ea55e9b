#include "shell/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevallion"));
    QApplication::setOrganizationName(QStringLiteral("QMV"));

    trevallion::MainWindow window;
    window.show();
    return app.exec();
}
