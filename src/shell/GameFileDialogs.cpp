#include "shell/GameFileDialogs.h"

#include "shell/ConfigFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QTreeView>

#include <array>

namespace trevallion {
namespace {

// A folder's path, unlike the game's own settings, is text; it has a key of its own.
constexpr std::string_view GameFolderSetting = "GameFolder";

// Made when asked for, after the player's language is chosen.
QString GameFilesFilter() {
    return QCoreApplication::translate("GameFileDialogs", "Trevallion Game Files (*.tvx)");
}

QString RecordFilesFilter() {
    return QCoreApplication::translate("GameFileDialogs", "Game records (*.tvr)");
}

bool ForRecords(GameFileDialog kind) {
    return kind == GameFileDialog::ImportRecord || kind == GameFileDialog::ExportRecord;
}

// Whether `path`, with its links resolved, lies in one of the kernel's own file systems.
bool InKernelFolders(const QString& path) {
    const std::array<QString, 3> kernelFolders{QStringLiteral("/proc"), QStringLiteral("/sys"),
                                               QStringLiteral("/dev")};
    for (const QString& kernel : kernelFolders) {
        if (path == kernel || path.startsWith(kernel + QLatin1Char('/'))) {
            return true;
        }
    }
    return false;
}

// Whether `name` holds a wildcard of a file-name pattern, which makes it a filter.
bool IsNamePattern(const QString& name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?')) ||
           name.contains(QLatin1Char('['));
}

// The Qt dialog's detail view opens with its Size and Date Modified columns narrower than what
// they hold. Each is widened to fit its longest text, a width the player chose is kept if
// larger, and the dialog grows by as much so that the Name column keeps its room.
void WidenForColumns(QFileDialog& dialog) {
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (view == nullptr) {
        return; // the desktop's own dialog sizes itself
    }
    const QString longest[] = {
        {},
        QStringLiteral("1,023 bytes"),
        {},
        QLocale::system().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 59, 59)),
                                   QLocale::ShortFormat),
    };
    const int padding = 4 * view->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, view);
    QHeaderView* header = view->header();
    int grown = 0;
    for (int column = 0; column < header->count() && column < 4; ++column) {
        const int wanted = view->fontMetrics().horizontalAdvance(longest[column]) + padding;
        if (!longest[column].isEmpty() && header->sectionSize(column) < wanted) {
            grown += wanted - header->sectionSize(column);
            header->resizeSection(column, wanted);
        }
    }
    dialog.resize(dialog.width() + grown, dialog.height());
}

} // namespace

GameFileDialogBox::GameFileDialogBox(QWidget* parent, GameFileDialog kind, const QString& folder)
    : QFileDialog(parent) {
    // Before anything lists a folder, so that no file is ever opened to tell its type.
    setIconProvider(&m_nameOnlyIcons);
    const bool saving = kind == GameFileDialog::Save || kind == GameFileDialog::ExportRecord;
    m_filter = ForRecords(kind) ? RecordFilesFilter() : GameFilesFilter();
    m_pattern = ForRecords(kind) ? QStringLiteral("*.tvr") : QStringLiteral("*.tvx");
    setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::AnyFile);
    setNameFilter(m_filter);
    setDefaultSuffix(m_pattern.mid(2));
    setOption(QFileDialog::DontConfirmOverwrite, false);
    setDirectory(folder);
    selectFile(m_pattern);
    WidenForColumns(*this);
}

void GameFileDialogBox::accept() {
    // The name as typed, before the dialog adds the suffix: "*" lists every file, not "*.tvx".
    // A desktop's own dialog has no such field and filters by itself; ChosenGameFile still
    // refuses a pattern from it.
    if (const auto* nameEdit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        const QFileInfo typed(directory(), nameEdit->text());
        if (IsNamePattern(typed.fileName())) {
            ShowOnlyFilesMatching(typed);
            return;
        }
    }
    QFileDialog::accept();
}

// Goes to the pattern's folder, if it names one, and lists the files it matches there. The
// pattern joins the file types, as one of them, until another is chosen.
void GameFileDialogBox::ShowOnlyFilesMatching(const QFileInfo& typed) {
    if (typed.absolutePath() != directory().absolutePath()) {
        setDirectory(typed.absolutePath());
    }
    const QString filter = typed.fileName();
    if (filter == m_pattern) {
        selectNameFilter(m_filter);
        return;
    }
    setNameFilters({m_filter, filter});
    selectNameFilter(filter);
}

std::optional<std::string> ChosenGameFile(const QFileDialog& dialog) {
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty() ||
        IsNamePattern(QFileInfo(files.first()).fileName())) {
        return std::nullopt;
    }
    return QFile::encodeName(files.first()).toStdString();
}

QString GameFolderToOpen(const SettingsFile& settings) {
    const QString remembered = settings.ReadText(GameFolderSetting);
    const QFileInfo folder(remembered);
    // A link is judged by the folder it leads to; a missing one has no canonical path.
    const QString real = folder.canonicalFilePath();
    if (QDir::isAbsolutePath(remembered) && folder.isDir() && folder.isReadable() &&
        folder.isExecutable() && !real.isEmpty() && !InKernelFolders(real)) {
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
