#include "shell/StatisticsDialog.h"

#include "play/KeepingMessages.h"
#include "play/Messages.h"
#include "shell/QtText.h"
#include "shell/TitleWidth.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace trevallion {
namespace {

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidget* ResultsTable(const StatisticsTable& table, QWidget* parent) {
    auto* view = new QTableWidget(static_cast<int>(table.size()), 5, parent);
    view->setObjectName(QStringLiteral("results"));
    view->setAccessibleName(StatisticsDialog::tr("Results of the levels played"));
    view->setHorizontalHeaderLabels({StatisticsDialog::tr("Level"), StatisticsDialog::tr("Players"),
                                     StatisticsDialog::tr("Won"), StatisticsDialog::tr("Lost"),
                                     StatisticsDialog::tr("Drawn")});
    view->verticalHeader()->hide();
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    int row = 0;
    for (const auto& [key, tally] : table) {
        view->setItem(row, 0, Cell(QString::number(key.first), Qt::AlignRight));
        view->setItem(
            row, 1,
            Cell(ToQString(Translated("Statistics", PairingName(key.second))), Qt::AlignLeft));
        view->setItem(row, 2, Cell(QString::number(tally.won), Qt::AlignRight));
        view->setItem(row, 3, Cell(QString::number(tally.lost), Qt::AlignRight));
        view->setItem(row, 4, Cell(QString::number(tally.drawn), Qt::AlignRight));
        ++row;
    }
    view->resizeColumnsToContents();
    view->horizontalHeader()->setStretchLastSection(true);
    view->setMinimumWidth(view->horizontalHeader()->length() + 2 * view->frameWidth() + 24);
    return view;
}

} // namespace

StatisticsDialog::StatisticsDialog(const StatisticsTable& table, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Statistics"));
    auto* layout = new QVBoxLayout(this);
    if (table.empty()) {
        layout->addWidget(new QLabel(ToQString(Message(NoStatisticsYet)), this));
    } else {
        layout->addWidget(ResultsTable(table, this));
        auto* note = new QLabel(ToQString(Message(StatisticsNote)), this);
        note->setWordWrap(true);
        layout->addWidget(note);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* reset = buttons->addButton(tr("&Reset"), QDialogButtonBox::ResetRole);
    reset->setEnabled(!table.empty());
    connect(reset, &QPushButton::clicked, this, &StatisticsDialog::AskReset);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    layout->addWidget(buttons);
    KeepTitleInFull(*this, *buttons);
}

// The question waits without a loop of its own, like every box of the game.
void StatisticsDialog::AskReset() {
    auto* question = new QMessageBox(QMessageBox::Warning, ToQString(ProgramName),
                                     ToQString(Message(ResetStatisticsQuestion)),
                                     QMessageBox::Yes | QMessageBox::No, this);
    question->setDefaultButton(QMessageBox::No);
    question->setAttribute(Qt::WA_DeleteOnClose);
    connect(question, &QMessageBox::finished, this, [this, question] {
        if (question->standardButton(question->clickedButton()) == QMessageBox::Yes) {
            done(ResetChosen);
        }
    });
    question->open();
}

} // namespace trevallion
