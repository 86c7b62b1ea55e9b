#pragma once

#include "match/MoveHistory.h"
#include "play/GameView.h"
#include "rules/Board.h"
#include "shell/Announcer.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <optional>

class QMenuBar;

namespace trevallion {

// What a player who follows the game by ear hears beyond the focused cell's name: the title and
// the side to move when a level starts, every move either side plays with what it took, the
// piece picked up and the cells it can reach (with Show Moves on, as the board shows them), a
// hint, and each change of the status line. What one input changes is said once the input is
// done, each part on its own: the title first, the moves, the selection and the hint as they
// came, the status line last. Of the titles one input shows, only the last is said.
class GameNarrator : public QObject {
    Q_OBJECT

  public:
    // `title` is the window's title to start with.
    GameNarrator(Announcer& announcer, QString title, QObject* parent);

    // Each menu of `bar` is named as it opens, before the reader says its first item: Orca
    // says nothing else of a Qt menu but the item that has the focus.
    void NameMenus(const QMenuBar& bar);

    // A level's start, a move taken back, the Life Doodle: said when the title changes, and
    // also unchanged, with the status line, while a level is in play (a level started afresh).
    void TitleShown(const QString& title);
    void StatusShown(const QString& status);
    void MarksShown(const BoardMarks& marks);
    void HintShown(const std::optional<Move>& hint);
    void MovePlayed(const PlayedTurn& turn);

  private:
    void Tell(const QString& text);
    void SayAll();
    QString SelectionWords(Cell selected, CellSet targets) const;
    QString MoveWords(const PlayedTurn& turn) const;

    Announcer& m_announcer;
    // Runs SayAll once the input that changed the game is done.
    QTimer m_sayTimer;
    QString m_title;
    QString m_status;
    std::optional<Cell> m_selected;
    // What the input in progress has to say.
    std::optional<QString> m_newTitle;
    QStringList m_news;
    bool m_statusChanged = false;
};

} // namespace trevallion
