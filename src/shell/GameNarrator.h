#pragma once

#include "match/MoveHistory.h"
#include "play/GameView.h"
#include "rules/Board.h"
#include "shell/Announcer.h"

#include <QObject>
#include <QTimer>

#include <optional>

class QMenuBar;

namespace trevallion {

// What a player who follows the game by ear hears beyond the focused cell's name: the title and
// the side to move when a level starts, every move either side plays with what it took, the
// piece picked up and the cells it can reach (with Show Moves on, as the board shows them), a
// hint, each change of the status line, and a menu's name as it opens. Each is said as the
// window is told it, so that it comes before the cells renamed after it.
class GameNarrator : public QObject {
    Q_OBJECT

  public:
    // `title` is the window's title to start with.
    GameNarrator(Announcer& announcer, QString title, QObject* parent);

    // Each menu of `bar` is named as it opens, before the reader says its first item: Orca
    // says nothing else of a Qt menu but the item that has the focus.
    void NameMenus(const QMenuBar& bar);

    // A level's start, a move taken back, the Life Doodle: said when the title changes, and
    // also unchanged while a level is in play (a level started afresh). Either way the status
    // line follows, changed or not, once the input that showed the title is done.
    void TitleShown(const QString& title);
    void StatusShown(const QString& status);
    void MarksShown(const BoardMarks& marks);
    void HintShown(const std::optional<Move>& hint);
    void MovePlayed(const PlayedTurn& turn);

  private:
    void SayStatusIfDue();
    QString SelectionWords(Cell selected, CellSet targets) const;
    QString MoveWords(const PlayedTurn& turn) const;

    Announcer& m_announcer;
    QString m_title;
    QString m_status;
    std::optional<Cell> m_selected;
    // A title was said, and the status line is to follow it.
    bool m_statusDue = false;
    // Runs SayStatusIfDue once the input that showed a title is done.
    QTimer m_statusTimer;
};

} // namespace trevallion
