#include "shell/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace trevallion {
namespace {

std::optional<QString>& Settled() {
    static std::optional<QString> folder;
    return folder;
}

// The build leaves a note beside the game it builds, naming the data folder of its tree
// relative to the program's folder; the install does not copy it. So the program needs no
// build folder's path inside it, and a build tree that is moved as a whole keeps working.
const QString BuildTreeNote = QStringLiteral(TREVALLION_BUILD_TREE_NOTE);

// The folder the note beside a program names, or nothing when there is no readable note.
std::optional<QString> FolderNamedBeside(const QString& programFolder) {
    QFile note(QDir(programFolder).filePath(BuildTreeNote));
    if (!note.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QString folder = QString::fromUtf8(note.readLine()).trimmed();
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return QDir::cleanPath(QDir(programFolder).filePath(folder));
}

// The running program's folder, found also before the application object exists: the game
// chooses its language, whose translations lie in the data folder, before it opens a window.
QString RunningProgramFolder() {
    const QString program = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    if (!program.isEmpty()) {
        return QFileInfo(program).absolutePath();
    }
    return QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath()
                                                   : QString();
}

} // namespace

QString DataFolderFor(const QString& programFolder) {
    if (programFolder.isEmpty()) {
        return QString();
    }
    if (const std::optional<QString> buildTreeFolder = FolderNamedBeside(programFolder)) {
        return *buildTreeFolder;
    }
    return QDir::cleanPath(programFolder + QLatin1Char('/') +
                           QString::fromUtf8(TREVALLION_DATA_FROM_PROGRAM));
}

void SettleDataFolder(const QString& folder) {
    Settled() = QDir::isAbsolutePath(folder) ? QDir::cleanPath(folder) : QString();
}

QString DataFilePath(const QString& name) {
    if (!Settled()) {
        SettleDataFolder(DataFolderFor(RunningProgramFolder()));
    }
    const QString& folder = *Settled();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(name);
}

} // namespace trevallion
