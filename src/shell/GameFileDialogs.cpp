#include "shell/GameFileDialogs.h"

#include "shell/ConfigFolder.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace trevallion {
namespace {

// A folder's path, unlike the game's own settings, is text; it has a key of its own.
constexpr std::string_view GameFolderSetting = "GameFolder";

} // namespace

void SetUpGameFileDialog(QFileDialog& dialog, GameFileDialog kind, const QString& folder) {
    const bool saving = kind == GameFileDialog::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Trevallion Game Files (*.tvx)"));
    dialog.setDefaultSuffix(QStringLiteral("tvx"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDirectory(folder);
    dialog.selectFile(QStringLiteral("*.tvx"));
}

std::optional<std::string> ChosenGameFile(const QFileDialog& dialog) {
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(files.first()).toStdString();
}

QString GameFolderToOpen(const SettingsFile& settings) {
    const QString remembered = settings.ReadText(GameFolderSetting);
    if (QDir::isAbsolutePath(remembered) && QFileInfo(remembered).isDir()) {
        return remembered;
    }
    // With no usable home folder the dialog opens where the game was started, a real folder.
    const QString home = UsableHomeFolder();
    return home.isEmpty() ? QDir::currentPath() : home;
}

void RememberGameFolder(SettingsFile& settings, const std::string& file) {
    const QFileInfo chosen(QFile::decodeName(QByteArray::fromStdString(file)));
    settings.WriteText(GameFolderSetting, chosen.absolutePath());
}

} // namespace trevallion
