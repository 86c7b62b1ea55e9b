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
    m_sayTimer.setObjectName(QStringLiteral("narration"));
    m_sayTimer.setParent(this);
    m_sayTimer.setSingleShot(true);
    m_sayTimer.setInterval(0);
    connect(&m_sayTimer, &QTimer::timeout, this, &GameNarrator::SayAll);
}

void GameNarrator::NameMenus(const QMenuBar& bar) {
    for (QAction* title : bar.actions()) {
        if (QMenu* menu = title->menu()) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu] {
                // Said at once: the menu's first item follows as soon as it shows.
                m_announcer.Announce(
                    tr("%1 menu").arg(QString(menu->title()).remove(QLatin1Char('&'))));
            });
        }
    }
}

void GameNarrator::TitleShown(const QString& title) {
    if (title != m_title || !m_status.isEmpty()) {
        m_newTitle = title;
        m_sayTimer.start();
    }
    m_title = title;
}

void GameNarrator::StatusShown(const QString& status) {
    m_status = status;
    m_statusChanged = true;
    m_sayTimer.start();
}

void GameNarrator::MarksShown(const BoardMarks& marks) {
    if (marks.selected == m_selected) {
        return;
    }
    m_selected = marks.selected;
    if (m_selected) {
        Tell(SelectionWords(*m_selected, marks.targets));
    }
}

void GameNarrator::HintShown(const std::optional<Move>& hint) {
    if (hint) {
        Tell(ToQString(DescribeHint(*hint)));
    }
}

void GameNarrator::MovePlayed(const PlayedTurn& turn) {
    if (turn.move) {
        Tell(MoveWords(turn));
    }
}

void GameNarrator::Tell(const QString& text) {
    m_news << text;
    m_sayTimer.start();
}

void GameNarrator::SayAll() {
    if (m_newTitle) {
        m_announcer.Announce(*m_newTitle);
    }
    for (const QString& news : std::as_const(m_news)) {
        m_announcer.Announce(news);
    }
    // A level started afresh says who is to move, even when the line reads as before.
    if (m_statusChanged || m_newTitle) {
        m_announcer.Announce(m_status);
    }
    m_newTitle.reset();
    m_news.clear();
    m_statusChanged = false;
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
