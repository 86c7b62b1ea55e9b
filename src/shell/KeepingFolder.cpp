#include "shell/KeepingFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace trevallion {
namespace {

void SayNothingIsKept(const QString& why) {
    std::fprintf(stderr, "trevallion: %s; the game in play and the statistics are not kept.\n",
                 qPrintable(why));
}

} // namespace

std::optional<std::string> KeepingFolder::Folder() {
    if (m_dataHome.path.isEmpty()) {
        SayNothingIsKept(m_dataHome.problem);
        return std::nullopt;
    }
    const QString path = m_dataHome.path + QStringLiteral("/trevallion");
    if (!QFileInfo::exists(path)) {
        // Its parents are the user's, made as the desktop would; the game's own files are
        // nobody else's business.
        if (!QDir().mkpath(path)) {
            SayNothingIsKept(path + QStringLiteral(" cannot be made"));
            return std::nullopt;
        }
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (!QFileInfo(path).isDir()) {
        SayNothingIsKept(path + QStringLiteral(" is not a folder"));
        return std::nullopt;
    }
    return QFile::encodeName(path).toStdString();
}

} // namespace trevallion
