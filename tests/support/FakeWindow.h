#pragma once

#include "play/GameWindow.h"
#include "rules/Board.h"

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace trevallion::testing {

// A window that records what the game shows and answers message boxes from a script.
class FakeWindow : public GameWindow {
  public:
    struct Message {
        std::string text;
        MessageButtons buttons;
        MessageIcon icon;
    };

    void ShowTile(int x, int y, CellCode image) override {
        tiles.at(CellIndex(x, y)) = image;
        ++tileUpdates;
        events.push_back("tile");
    }
    void SetTitle(std::string_view title) override {
        this->title = title;
        titles.emplace_back(title);
        events.push_back("title " + std::string(title));
    }
    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons,
                              MessageIcon icon) override {
        messages.push_back({std::string(text), buttons, icon});
        events.push_back("message");
        if (answers.empty()) {
            return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowWinnerBox(int side) override {
        winners.push_back(side);
        events.push_back("winner " + std::to_string(side));
    }
    void PlaySoundFile(std::string_view file) override {
        sounds.emplace_back(file);
        events.push_back("sound " + std::string(file));
    }
    void PumpEvents() override {
        ++pumps;
        if (onPump) {
            onPump();
        }
    }

    // What each cell button shows; -1 until the game first shows something there.
    std::array<CellCode, CellCount> tiles = [] {
        std::array<CellCode, CellCount> t{};
        t.fill(-1);
        return t;
    }();
    int tileUpdates = 0;
    std::string title;
    std::vector<std::string> titles;
    std::vector<Message> messages;
    std::deque<MessageAnswer> answers; // for the next message boxes, in order
    std::vector<int> winners;
    std::vector<std::string> sounds;
    std::vector<std::string> events; // every call above, in order
    int pumps = 0;
    std::function<void()> onPump;
};

} // namespace trevallion::testing
