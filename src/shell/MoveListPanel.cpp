#include "shell/MoveListPanel.h"

#include "play/StatusText.h"
#include "shell/QtText.h"

#include <algorithm>

namespace trevallion {
namespace {

QString SlipText(Slip slip) {
    switch (slip) {
    case Slip::GaveAwayWin:
        return MoveListPanel::tr("gave away a win");
    case Slip::AllowedLoss:
        return MoveListPanel::tr("let the level be lost");
    case Slip::LostMaterial:
        return MoveListPanel::tr("lost material");
    case Slip::None:
        break;
    }
    return {};
}

} // namespace

QString MoveLineText(const MoveListEntry& entry) {
    // A turn of Player 2 is numbered as chess numbers Black's, "4...".
    const QString number =
        QString::number(entry.number) +
        (entry.side == Side::PlayerOne ? QStringLiteral(".") : QStringLiteral("..."));
    QString line = MoveListPanel::tr("%1 Player %2 (%3): %4")
                       .arg(number)
                       .arg(SideNumber(entry.side))
                       .arg(ToQString(PlayerTypeName(entry.player)), ToQString(entry.turn));
    if (entry.slip != Slip::None) {
        line +=
            QStringLiteral(" \u2014 ") +
            MoveListPanel::tr("%1; better %2").arg(SlipText(entry.slip), ToQString(entry.better));
    }
    return line;
}

MoveListPanel::MoveListPanel(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("moveList"));
    setAccessibleName(tr("Move list"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    const auto choose = [this](int row) {
        if (!m_showing && row >= 0) {
            emit moveChosen(static_cast<std::size_t>(row));
        }
    };
    // A click and the list's own keys move its current line, which Show keeps on the board's.
    connect(this, &QListWidget::currentRowChanged, this, choose);
}

void MoveListPanel::Show(const MoveListing& listing) {
    m_showing = true;
    m_entries = listing.entries.size();
    m_current = listing.current;
    const int lines = static_cast<int>(listing.entries.size()) + 1;
    while (count() > lines) {
        delete takeItem(count() - 1);
    }
    while (count() < lines) {
        addItem(QString());
    }
    item(0)->setText(tr("Level start"));
    for (int i = 1; i < lines; ++i) {
        const MoveListEntry& entry = listing.entries[static_cast<std::size_t>(i - 1)];
        QListWidgetItem* line = item(i);
        const QString text = MoveLineText(entry);
        if (line->text() != text) {
            line->setText(text);
        }
    }
    // The turns taken back stay in the list, greyed, until a new move cuts them off.
    for (int i = 0; i < lines; ++i) {
        QFont font = item(i)->font();
        font.setBold(i == static_cast<int>(listing.current));
        item(i)->setFont(font);
        item(i)->setForeground(i > static_cast<int>(listing.current) ? palette().placeholderText()
                                                                     : palette().text());
    }
    setCurrentRow(static_cast<int>(listing.current));
    scrollToItem(item(static_cast<int>(listing.current)));
    m_showing = false;
}

std::size_t MoveListPanel::Relative(int step) const {
    const long long wanted = static_cast<long long>(m_current) + step;
    return static_cast<std::size_t>(
        std::clamp<long long>(wanted, 0, static_cast<long long>(m_entries)));
}

} // namespace trevallion
