#include "shell/DialogBoxes.h"

#include "play/Messages.h"
#include "shell/AboutDialog.h"
#include "shell/ChooseLevelDialog.h"
#include "shell/GameFileDialogs.h"
#include "shell/PlayersLanguage.h"
#include "shell/QtText.h"
#include "shell/StatisticsDialog.h"
#include "shell/WinnerBox.h"
#include "shell/help/InstructionsDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace trevallion {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

// A box that closes together with a question of its own (Statistics › Reset › Yes) may leave no
// window of the program active under some window managers: the keyboard would reach nothing
// until a click. Once the box has gone, the window takes the focus back unless another box has
// opened meanwhile.
void OpenDialogOver(QWidget& window, QDialog* dialog, Qt::WindowModality modality) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(modality);
    QObject::connect(dialog, &QDialog::finished, &window, [&window] {
        QTimer::singleShot(0, &window, [&window] {
            if (QApplication::activeModalWidget() == nullptr && !window.isActiveWindow()) {
                window.activateWindow();
            }
        });
    });
    dialog->show();
}

void DialogBoxes::OpenMessage(const ShownText& text, MessageButtons buttons, MessageIcon icon) {
    const QMessageBox::StandardButtons choices =
        buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    auto* box =
        new QMessageBox(BoxIcon(icon), ToQString(ProgramName), ToQString(text), choices, &Window());
    QObject::connect(box, &QDialog::finished, &Window(), [this, box, buttons] {
        switch (box->standardButton(box->clickedButton())) {
        case QMessageBox::Yes:
            Answer(MessageAnswer::Yes);
            return;
        case QMessageBox::No:
            Answer(MessageAnswer::No);
            return;
        default:
            // Escape or the close box answer a question with No.
            Answer(buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok);
        }
    });
    OpenDialogOver(Window(), box, Qt::ApplicationModal);
}

void DialogBoxes::OpenWinnerBox(Side winner) {
    auto* box = new WinnerBox(winner, &Window());
    QObject::connect(box, &QDialog::finished, &Window(), [this] { Answer(WinnerBoxClosed{}); });
    OpenDialogOver(Window(), box, Qt::ApplicationModal);
}

void DialogBoxes::OpenGameFileDialog(GameFileDialog dialog, const QString& folder) {
    auto* box = new GameFileDialogBox(&Window(), dialog, folder);
    QObject::connect(box, &QDialog::finished, &Window(), [this, box](int result) {
        Answer(GameFileChosen{result == QDialog::Accepted ? ChosenGameFile(*box) : std::nullopt});
    });
    OpenDialogOver(Window(), box, Qt::WindowModal);
}

void DialogBoxes::OpenChooseLevel(int level, const TileSet& tiles) {
    auto* box = new ChooseLevelDialog(level, tiles, &Window());
    QObject::connect(box, &QDialog::finished, &Window(), [this, box](int result) {
        Answer(
            LevelChosen{result == QDialog::Accepted ? std::optional(box->Level()) : std::nullopt});
    });
    OpenDialogOver(Window(), box, Qt::WindowModal);
}

// The manual is read afresh from the data folder each time. When it cannot be read, a box in
// front of the window says why, and the window shows nothing.
void DialogBoxes::OpenInstructions() {
    auto* window = new InstructionsDialog(&Window());
    QObject::connect(window, &QDialog::finished, &Window(), [this] { Answer(WindowClosed{}); });
    const QString manual = SpokenDataFilePath(QStringLiteral("Instructions.rtf"));
    QString error;
    MessageIcon icon = MessageIcon::Stop;
    if (manual.isEmpty()) {
        error = ToQString(Message(CannotOpenManualMessage));
        icon = MessageIcon::Exclamation;
    } else {
        error = window->Load(manual);
    }
    OpenDialogOver(Window(), window, Qt::WindowModal);
    if (!error.isEmpty()) {
        auto* box =
            new QMessageBox(BoxIcon(icon), ToQString(ProgramName), error, QMessageBox::Ok, window);
        OpenDialogOver(Window(), box, Qt::WindowModal);
    }
}

void DialogBoxes::OpenAbout() {
    auto* box = new AboutDialog(&Window());
    QObject::connect(box, &QDialog::finished, &Window(), [this] { Answer(WindowClosed{}); });
    OpenDialogOver(Window(), box, Qt::WindowModal);
}

void DialogBoxes::OpenStatistics(const StatisticsTable& table) {
    auto* box = new StatisticsDialog(table, &Window());
    QObject::connect(box, &QDialog::finished, &Window(), [this](int result) {
        Answer(result == StatisticsDialog::ResetChosen ? StatisticsAnswer::Reset
                                                       : StatisticsAnswer::Closed);
    });
    OpenDialogOver(Window(), box, Qt::WindowModal);
}

} // namespace trevallion
