#include "shell/GameNarrator.h"

#include "play/CellDescription.h"
#include "shell/QtText.h"

#include <QMenu>
#include <QMenuBar>

namespace trevallion {
namespace {

QString Place(Cell cell) {
    return ToQString(DescribePlace(cell));
}

} // namespace

GameNarrator::GameNarrator(Announcer& announcer, QString title, QObject* parent)
    : QObject(parent), m_announcer(announcer), m_title(std::move(title)) {
    m_statusTimer.setObjectName(QStringLiteral("statusAfterTitle"));
    m_statusTimer.setParent(this);
    m_statusTimer.setSingleShot(true);
    m_statusTimer.setInterval(0);
    connect(&m_statusTimer, &QTimer::timeout, this, &GameNarrator::SayStatusIfDue);
}

void GameNarrator::NameMenus(const QMenuBar& bar) {
    for (QAction* title : bar.actions()) {
        if (QMenu* menu = title->menu()) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu] {
                m_announcer.Announce(
                    tr("%1 menu").arg(QString(menu->title()).remove(QLatin1Char('&'))));
            });
        }
    }
}

void GameNarrator::TitleShown(const QString& title) {
    // The Life Doodle's title, shown again at start-up, is no news.
    if (title != m_title || !m_status.isEmpty()) {
        // Started before the announcer's own timer, which closes the title's notice at the
        // same moment: the status line joins the title's notice.
        m_statusDue = true;
        m_statusTimer.start();
        m_announcer.Announce(title);
    }
    m_title = title;
}

void GameNarrator::StatusShown(const QString& status) {
    m_status = status;
    m_statusDue = false;
    m_announcer.Announce(status);
}

void GameNarrator::SayStatusIfDue() {
    if (m_statusDue) {
        m_statusDue = false;
        m_announcer.Announce(m_status);
    }
}

void GameNarrator::MarksShown(const BoardMarks& marks) {
    if (marks.selected == m_selected) {
        return;
    }
    m_selected = marks.selected;
    if (m_selected) {
        m_announcer.Announce(SelectionWords(*m_selected, marks.targets));
    }
}

void GameNarrator::HintShown(const std::optional<Move>& hint) {
    if (hint) {
        m_announcer.Announce(ToQString(DescribeHint(*hint)));
    }
}

void GameNarrator::MovePlayed(const PlayedTurn& turn) {
    if (turn.move) {
        m_announcer.Announce(MoveWords(turn));
    }
}

// "column 4, row 5 selected, can move to column 4, row 4 or column 3, row 5".
QString GameNarrator::SelectionWords(Cell selected, CellSet targets) const {
    QStringList places;
    // In reading order, row by row.
    for (int y = 0; y < BoardSize; ++y) {
        for (int x = 0; x < BoardSize; ++x) {
            if ((targets & CellBit({x, y})) != 0) {
                places << Place({x, y});
            }
        }
    }
    if (places.isEmpty()) {
        return tr("%1 selected, it cannot move").arg(Place(selected));
    }
    return tr("%1 selected, can move to %2").arg(Place(selected), places.join(tr(" or ")));
}

// "Player 2 moves from column 3, row 2 to column 3, row 3 and takes Player 1 piece, arms up".
QString GameNarrator::MoveWords(const PlayedTurn& turn) const {
    const QString side = QString::number(SideNumber(turn.side));
    if (turn.captured == Empty) {
        return tr("Player %1 moves from %2 to %3")
            .arg(side, Place(turn.move->from), Place(turn.move->to));
    }
    return tr("Player %1 moves from %2 to %3 and takes %4")
        .arg(side, Place(turn.move->from), Place(turn.move->to),
             ToQString(DescribeContent(turn.captured)));
}

} // namespace trevallion
