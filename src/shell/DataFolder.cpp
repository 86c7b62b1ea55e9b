#include "shell/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

namespace trevallion {
namespace {

std::optional<QString>& Settled() {
    static std::optional<QString> folder;
    return folder;
}

// The same folder as the build sees it, once links are followed: the program's own folder
// comes from the kernel with every link resolved.
QString Canonical(const char* folder) {
    return QFileInfo(QString::fromUtf8(folder)).canonicalFilePath();
}

} // namespace

QString DataFolderFor(const QString& programFolder) {
    if (programFolder.isEmpty()) {
        return QString();
    }
    if (programFolder == Canonical(TREVALLION_BUILD_PROGRAM_DIR)) {
        return Canonical(TREVALLION_BUILD_DATA_DIR);
    }
    return QDir::cleanPath(programFolder + QLatin1Char('/') +
                           QString::fromUtf8(TREVALLION_DATA_FROM_PROGRAM));
}

void SettleDataFolder(const QString& folder) {
    Settled() = QDir::isAbsolutePath(folder) ? QDir::cleanPath(folder) : QString();
}

QString DataFilePath(const QString& name) {
    if (!Settled()) {
        SettleDataFolder(DataFolderFor(QCoreApplication::applicationDirPath()));
    }
    const QString& folder = *Settled();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(name);
}

} // namespace trevallion
