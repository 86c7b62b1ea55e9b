#include "shell/KeepingFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace trevallion {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("KeepingFolder", text);
}

void SayNothingIsKept(const QString& why) {
    const QString message =
        Tr(QT_TRANSLATE_NOOP("KeepingFolder",
                             "%1; the game in play and the statistics are not kept."))
            .arg(why);
    std::fprintf(stderr, "trevallion: %s\n", message.toLocal8Bit().constData());
}

} // namespace

std::optional<std::string> KeepingFolder::Folder() {
    if (m_dataHome.path.isEmpty()) {
        if (!m_dataHome.told) {
            SayNothingIsKept(m_dataHome.problem);
        }
        return std::nullopt;
    }
    const QString path = m_dataHome.path + QStringLiteral("/trevallion");
    if (!QFileInfo::exists(path)) {
        // Its parents are the user's, made as the desktop would; the game's own files are
        // nobody else's business.
        if (!QDir().mkpath(path)) {
            SayNothingIsKept(Tr(QT_TRANSLATE_NOOP("KeepingFolder", "%1 cannot be made")).arg(path));
            return std::nullopt;
        }
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (!QFileInfo(path).isDir()) {
        SayNothingIsKept(Tr(QT_TRANSLATE_NOOP("KeepingFolder", "%1 is not a folder")).arg(path));
        return std::nullopt;
    }
    return QFile::encodeName(path).toStdString();
}

} // namespace trevallion
