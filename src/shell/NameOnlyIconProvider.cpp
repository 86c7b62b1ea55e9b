#include "shell/NameOnlyIconProvider.h"

#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>

namespace trevallion {
namespace {

// The type a plain file's name suggests, such as "plain text document" for a name ending in
// ".txt"; the default type when the name suggests none.
QMimeType TypeByName(const QFileInfo& info) {
    return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
}

} // namespace

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
    if (info.isRoot()) {
        return icon(Drive);
    }
    if (info.isDir()) {
        return icon(Folder);
    }
    if (info.isFile()) {
        const QMimeType type = TypeByName(info);
        return QIcon::fromTheme(type.iconName(),
                                QIcon::fromTheme(type.genericIconName(), icon(File)));
    }
    // A device, pipe or socket: opening one may wait for ever, so it shows as a plain file.
    return icon(File);
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
    if (!info.isFile()) {
        // Qt names folders, drives and special files from their kind alone.
        return QFileIconProvider::type(info);
    }
    const QMimeType type = TypeByName(info);
    return type.comment().isEmpty() ? type.name() : type.comment();
}

} // namespace trevallion
