// make-icons draws the program's icon for the desktop's icon theme from the same code as the
// window's icon: "<folder>/<size>x<size>/apps/<id>.png" at the sizes the theme looks for, and
// "<folder>/scalable/apps/<id>.svg" with the geometry of the largest.

#include "shell/ProgramIcon.h"
#include "shell/QtText.h"
#include "version/Version.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

namespace {

constexpr int PictureSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int VectorSize = 256;

bool WriteVector(const QString& file) {
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(VectorSize, VectorSize));
    svg.setViewBox(QRect(0, 0, VectorSize, VectorSize));
    svg.setTitle(QStringLiteral("Trevallion"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    trevallion::PaintProgramIcon(painter, VectorSize);
    return painter.end();
}

// The file `<top>/<theme folder>/apps/<id>.<suffix>`, its folder made.
QString IconFile(const QString& top, const QString& themeFolder, const QString& suffix) {
    const QString folder = top + QLatin1Char('/') + themeFolder + QStringLiteral("/apps");
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + trevallion::ToQString(trevallion::ApplicationId) +
           QLatin1Char('.') + suffix;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: make-icons FOLDER\n";
        return 2;
    }
    const QString top = QString::fromLocal8Bit(argv[1]);
    for (const int size : PictureSizes) {
        const QString file =
            IconFile(top, QStringLiteral("%1x%1").arg(size), QStringLiteral("png"));
        if (!trevallion::DrawProgramIcon(size).save(file)) {
            err << "make-icons: cannot write " << file << '\n';
            return 1;
        }
    }
    const QString vector = IconFile(top, QStringLiteral("scalable"), QStringLiteral("svg"));
    if (!WriteVector(vector)) {
        err << "make-icons: cannot write " << vector << '\n';
        return 1;
    }
    return 0;
}
