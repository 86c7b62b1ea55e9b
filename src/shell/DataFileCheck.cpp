#include "shell/DataFileCheck.h"

#include "shell/BuiltTranslations.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace trevallion {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

} // namespace

std::optional<QString> UnreadableBecause(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return Tr(QT_TRANSLATE_NOOP("CommandLine", "it is missing"));
    }
    if (!info.isFile()) {
        return Tr(QT_TRANSLATE_NOOP("CommandLine", "it is not a plain file"));
    }
    QFile file(path);
    char byte = 0;
    const qint64 read = file.open(QIODevice::ReadOnly) ? file.read(&byte, 1) : -1;
    if (read < 0) {
        return file.errorString();
    }
    if (read == 0) {
        return Tr(QT_TRANSLATE_NOOP("CommandLine", "it is empty"));
    }
    return std::nullopt;
}

std::optional<QString> TranslationFault(const QString& path) {
    if (std::optional<QString> unreadable = UnreadableBecause(path)) {
        return unreadable;
    }
    const std::string name = QFileInfo(path).fileName().toStdString();
    const auto built = BuiltTranslations();
    const auto made = std::ranges::find(built, name, &BuiltTranslation::file);
    if (made == built.end()) {
        return Tr(QT_TRANSLATE_NOOP("CommandLine",
                                    "it is not a translation this version of the game was made "
                                    "with"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    // One byte past the size the build made is enough to tell a longer file.
    const QByteArray bytes = file.read(made->size + 1);
    if (bytes.size() != made->size ||
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() !=
            QByteArrayView(made->sha256.data(), static_cast<qsizetype>(made->sha256.size()))) {
        return Tr(QT_TRANSLATE_NOOP("CommandLine", "it is damaged"));
    }
    return std::nullopt;
}

} // namespace trevallion
