#pragma once

#include "play/GameController.h"
#include "play/GameView.h"
#include "rules/Board.h"

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace trevallion::testing {

// A view that records what the game tells it and answers its boxes from a script.
class FakeView : public GameView {
  public:
    struct Message {
        std::string text;
        MessageButtons buttons;
        MessageIcon icon;
    };

    void ShowTile(Cell cell, CellCode image) override {
        tiles.at(static_cast<std::size_t>(CellIndex(cell))) = image;
        events.push_back("tile");
    }
    void SetTitle(const ShownText& shown) override {
        title = shown.Str();
        titles.push_back(title);
        events.push_back("title " + title);
    }
    void SetCursor(CursorSide shown) override {
        cursor = shown;
        events.push_back("cursor " + std::to_string(static_cast<int>(shown)));
    }
    void SetFocus(Cell cell) override {
        focus = cell;
        events.push_back("focus " + std::to_string(cell.x) + " " + std::to_string(cell.y));
    }
    void CheckMenuItem(CommandId item, bool checked) override {
        checks[static_cast<int>(item)] = checked;
    }
    void EnableMenuItem(CommandId item, bool enabled) override {
        this->enabled[static_cast<int>(item)] = enabled;
    }
    void ShowMarks(const BoardMarks& shown) override {
        marks = shown;
        events.push_back("marks");
    }
    void ShowHint(const std::optional<Move>& shown) override {
        hint = shown;
        events.push_back(shown ? "hint" : "hint gone");
    }
    void SetBoardLook(const BoardLook& shown) override {
        look = shown;
        events.push_back("look");
    }
    void SetMoveMotion(MoveMotion shown) override { motion = shown; }
    void ShowPanes(const Panes& shown) override { panes = shown; }
    void ShowMoveMade(const Move& move) override { movesMade.push_back({move, Shown()}); }
    void TellMovePlayed(const PlayedTurn& turn) override { movesPlayed.push_back(turn); }
    void ShowStatus(const ShownText& text) override { statuses.push_back(text.Str()); }
    void RequestWake(int milliseconds) override { wakes.push_back(milliseconds); }
    void PlaySoundFile(std::string_view file) override {
        sounds.emplace_back(file);
        events.push_back("sound " + std::string(file));
    }
    void StopSound() override {
        ++soundStops;
        events.push_back("stop sound");
    }
    void OpenMessage(const ShownText& text, MessageButtons buttons, MessageIcon icon) override {
        messages.push_back({text.Str(), buttons, icon});
        events.push_back("message");
        openBoxes.push_back({buttons == MessageButtons::YesNo ? Box::Question : Box::Message});
    }
    void OpenWinnerBox(Side winner) override {
        winners.push_back(winner);
        events.push_back("winner " + std::to_string(SideNumber(winner)));
        openBoxes.push_back({Box::Winner});
    }
    void OpenGameFileDialog(GameFileDialog dialog) override {
        const char* names[] = {"open dialog", "save dialog", "import dialog", "export dialog"};
        events.push_back(names[static_cast<int>(dialog)]);
        openBoxes.push_back({Box::FileDialog});
    }
    void ShowMoveList(const MoveListing& shown) override { listing = shown; }
    void OpenReviewProgress(std::size_t positions) override {
        events.push_back("review of " + std::to_string(positions));
    }
    void ShowReviewProgress(std::size_t) override {}
    void CloseReviewProgress() override { events.push_back("review closed"); }
    void GameFileUsed(std::string_view file) override { usedGameFiles.emplace_back(file); }
    void OpenChooseLevel(int level) override {
        events.push_back("choose level " + std::to_string(level));
        openBoxes.push_back({Box::ChooseLevel});
    }
    void OpenInstructions() override {
        events.push_back("instructions");
        openBoxes.push_back({Box::Window});
    }
    void OpenAbout() override {
        events.push_back("about");
        openBoxes.push_back({Box::Window});
    }
    void OpenStatistics(const StatisticsTable& table) override {
        statistics = table;
        events.push_back("statistics");
        openBoxes.push_back({Box::Statistics});
    }

    // Closes the open boxes as a player would, the last opened first, with the answers of the
    // script below, until none is open. `whileModal` runs before each answer: an input that
    // arrives while the box is open. Inputs it makes answer nothing themselves.
    void AnswerBoxes(GameController& game) {
        if (m_answering) {
            return;
        }
        m_answering = true;
        while (!openBoxes.empty()) {
            WhileModal();
            const Box box = openBoxes.back();
            openBoxes.pop_back();
            Answer(game, box);
        }
        m_answering = false;
    }

    // Whether a menu item is checked; false for one never touched.
    bool Checked(CommandId item) const {
        const auto found = checks.find(static_cast<int>(item));
        return found != checks.end() && found->second;
    }
    // Whether a menu item is available; true for one never touched.
    bool Enabled(CommandId item) const {
        const auto found = enabled.find(static_cast<int>(item));
        return found == enabled.end() || found->second;
    }

    // The board as the cell buttons show it.
    Board Shown() const {
        Board board;
        board.cells = tiles;
        return board;
    }

    // Forgets what has been recorded so far, but not what the buttons show.
    void ClearRecords() {
        titles.clear();
        messages.clear();
        winners.clear();
        sounds.clear();
        soundStops = 0;
        events.clear();
        usedGameFiles.clear();
    }

    // What each cell button shows; -1 until the game first shows something there.
    std::array<CellCode, CellCount> tiles = [] {
        std::array<CellCode, CellCount> t{};
        t.fill(-1);
        return t;
    }();
    std::string title;
    std::vector<std::string> titles;
    std::optional<CursorSide> cursor;
    std::optional<Cell> focus;
    std::map<int, bool> checks;
    std::map<int, bool> enabled;
    BoardMarks marks;
    std::optional<Move> hint;
    BoardLook look;
    std::optional<MoveMotion> motion;
    Panes panes;
    std::vector<int> wakes; // the delays asked for, in order
    MoveListing listing;
    // Apart from `events`: each move to slide, with the board shown then; each status line.
    std::vector<std::pair<Move, Board>> movesMade;
    std::vector<std::string> statuses;
    // Apart from `events` too: each move told as played, in order.
    std::vector<PlayedTurn> movesPlayed;
    // What the next Choose Level dialogs return, in order; nothing (cancelled) when empty.
    std::deque<std::optional<int>> chosenLevels;
    std::vector<std::string> sounds;
    int soundStops = 0;
    std::vector<Message> messages;
    std::deque<MessageAnswer> answers; // for the next message boxes, in order
    // What the next file dialogs return, in order; nothing (a cancelled dialog) when empty.
    std::deque<std::optional<std::string>> pickedFiles;
    std::vector<std::string> usedGameFiles; // saved or loaded, in order
    std::vector<Side> winners;
    StatisticsTable statistics;        // as the Statistics box last showed it
    std::deque<bool> statisticsResets; // whether the next Statistics boxes are reset; no when empty
    std::vector<std::string> events;   // every call above, in order
    // Runs while each box is open, before it is answered: a timer tick, a click or a menu
    // command that arrives meanwhile.
    std::function<void()> whileModal;

  private:
    enum class Box { Message, Question, Winner, FileDialog, ChooseLevel, Window, Statistics };

    void Answer(GameController& game, Box box) {
        switch (box) {
        case Box::Message:
        case Box::Question:
            game.OnMessageAnswered(
                Next(answers, box == Box::Question ? MessageAnswer::No : MessageAnswer::Ok));
            return;
        case Box::Winner:
            game.OnWinnerBoxClosed();
            return;
        case Box::FileDialog:
            game.OnGameFileChosen(Next(pickedFiles, std::optional<std::string>()));
            return;
        case Box::ChooseLevel:
            game.OnLevelChosen(Next(chosenLevels, std::optional<int>()));
            return;
        case Box::Window:
            game.OnWindowClosed();
            return;
        case Box::Statistics:
            game.OnStatisticsClosed(Next(statisticsResets, false) ? StatisticsAnswer::Reset
                                                                  : StatisticsAnswer::Closed);
            return;
        }
    }

    // The script's next answer, or `fallback` when it has none left.
    template <typename T> static T Next(std::deque<T>& script, T fallback) {
        if (script.empty()) {
            return fallback;
        }
        T next = std::move(script.front());
        script.pop_front();
        return next;
    }

    std::vector<Box> openBoxes;
    bool m_answering = false;

    void WhileModal() {
        if (whileModal) {
            whileModal();
        }
    }
};

} // namespace trevallion::testing
