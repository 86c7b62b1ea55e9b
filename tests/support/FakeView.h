#pragma once

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

// A view that records what the game tells it and answers its modal boxes from a script.
class FakeView : public GameView {
  public:
    struct Message {
        std::string text;
        MessageButtons buttons;
        MessageIcon icon;
    };

    void ShowTile(int x, int y, CellCode image) override {
        tiles.at(static_cast<std::size_t>(CellIndex(x, y))) = image;
        events.push_back("tile");
    }
    void SetTitle(std::string_view title) override {
        this->title = title;
        titles.emplace_back(title);
        events.push_back("title " + std::string(title));
    }
    void SetCursor(CursorSide shown) override {
        cursor = shown;
        events.push_back("cursor " + std::to_string(static_cast<int>(shown)));
    }
    void SetFocus(int x, int y) override {
        focus = {x, y};
        events.push_back("focus " + std::to_string(x) + " " + std::to_string(y));
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
    void RequestWake(int milliseconds) override { wakes.push_back(milliseconds); }
    void PlaySoundFile(std::string_view file) override {
        sounds.emplace_back(file);
        events.push_back("sound " + std::string(file));
    }
    void StopSound() override {
        ++soundStops;
        events.push_back("stop sound");
    }
    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons,
                              MessageIcon icon) override {
        messages.push_back({std::string(text), buttons, icon});
        events.push_back("message");
        WhileModal();
        if (answers.empty()) {
            return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowWinnerBox(Side winner) override {
        winners.push_back(winner);
        events.push_back("winner " + std::to_string(SideNumber(winner)));
        WhileModal();
    }
    std::optional<std::string> PickGameFile(GameFileDialog dialog) override {
        events.push_back(dialog == GameFileDialog::Open ? "open dialog" : "save dialog");
        WhileModal();
        if (pickedFiles.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = pickedFiles.front();
        pickedFiles.pop_front();
        return answer;
    }
    void GameFileUsed(std::string_view file) override { usedGameFiles.emplace_back(file); }
    std::optional<int> ChooseLevel(int level) override {
        events.push_back("choose level " + std::to_string(level));
        WhileModal();
        if (chosenLevels.empty()) {
            return std::nullopt;
        }
        const std::optional<int> answer = chosenLevels.front();
        chosenLevels.pop_front();
        return answer;
    }
    void ShowInstructions() override {
        events.push_back("instructions");
        WhileModal();
    }
    void ShowAbout() override {
        events.push_back("about");
        WhileModal();
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
    std::pair<int, int> focus{-1, -1};
    std::map<int, bool> checks;
    std::map<int, bool> enabled;
    BoardMarks marks;
    std::optional<Move> hint;
    std::vector<int> wakes; // the delays asked for, in order
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
    std::vector<std::string> events; // every call above, in order
    // Runs inside every modal box, as the toolkit's nested event loop would run a timer tick
    // or a menu command that arrives while the box is open.
    std::function<void()> whileModal;

  private:
    void WhileModal() {
        if (whileModal) {
            whileModal();
        }
    }
};

} // namespace trevallion::testing
