#pragma once

#include "play/GameView.h"
#include "play/ShownText.h"
#include "play/Statistics.h"
#include "rules/Side.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <variant>

class QWidget;

namespace trevallion {

class GameController;
class TileSet;

// The boxes and windows the main window opens for the game: message boxes, the winner box, the
// saved-game file dialogs, Choose Level, Instructions, About and Statistics. Each Open call
// returns at once; the box's answer goes to the window's answer sink once the box has closed,
// never from inside the Open call, so that the game never takes an answer in the middle of the
// change that asked for it.
class WindowBoxes {
  public:
    // What a box answered as it closed, beside a message box's button and the Statistics box's
    // choice.
    struct WinnerBoxClosed {};
    struct GameFileChosen {
        std::optional<std::string> path; // nothing when the dialog was cancelled
    };
    struct LevelChosen {
        std::optional<int> level; // nothing when the dialog was cancelled
    };
    // The Instructions or the About window closed.
    struct WindowClosed {};
    using BoxAnswer = std::variant<MessageAnswer, WinnerBoxClosed, GameFileChosen, LevelChosen,
                                   WindowClosed, StatisticsAnswer>;
    using AnswerSink = std::function<void(const BoxAnswer&)>;

    virtual ~WindowBoxes() = default;

    // The window the boxes open over, and where their answers go. The window that owns the
    // boxes sets both once, before it opens any.
    void Attach(QWidget& window, AnswerSink answers) {
        m_window = &window;
        m_answers = std::move(answers);
    }

    // A message box captioned with the program's name; a question closed without Yes or No
    // answers No.
    virtual void OpenMessage(const ShownText& text, MessageButtons buttons, MessageIcon icon) = 0;
    virtual void OpenWinnerBox(Side winner) = 0;
    // The saved-game or game-record dialog, showing `folder` first.
    virtual void OpenGameFileDialog(GameFileDialog dialog, const QString& folder) = 0;
    // Choose Level at `level`, its previews drawn with the board's own `tiles`.
    virtual void OpenChooseLevel(int level, const TileSet& tiles) = 0;
    virtual void OpenInstructions() = 0;
    virtual void OpenAbout() = 0;
    virtual void OpenStatistics(const StatisticsTable& table) = 0;

  protected:
    QWidget& Window() const { return *m_window; }
    void Answer(const BoxAnswer& answer) const { m_answers(answer); }

  private:
    QWidget* m_window = nullptr;
    AnswerSink m_answers;
};

// Gives a closed box's answer to the controller's input of the same name.
void HandToController(GameController& controller, const WindowBoxes::BoxAnswer& answer);

} // namespace trevallion
