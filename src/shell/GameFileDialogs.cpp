#include "shell/GameFileDialogs.h"

#include <QFile>
#include <QFileDialog>

namespace trevallion {

void SetUpGameFileDialog(QFileDialog& dialog, GameFileDialog kind) {
    const bool saving = kind == GameFileDialog::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Trevallion Game Files (*.tvx)"));
    dialog.setDefaultSuffix(QStringLiteral("tvx"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.selectFile(QStringLiteral("*.tvx"));
}

std::optional<std::string> ChosenGameFile(const QFileDialog& dialog) {
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(files.first()).toStdString();
}

} // namespace trevallion
