#pragma once

#include "play/GameWindow.h"
#include "rules/Board.h"

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <semaphore>
#include <string>
#include <thread>
#include <vector>

namespace trevallion::testing {

// A window that records what the game shows and answers message boxes from a script.
class FakeWindow : public GameWindow {
  public:
    // How StartWorker runs a computer player's work.
    enum class Workers {
        Inline,   // at once, before StartWorker returns: a deterministic game
        Threaded, // on a real thread, as the desktop window does
        Held,     // on a real thread that waits until ReleaseWorker
        Failing,  // no thread can be started
    };

    ~FakeWindow() override { JoinWorker(); }

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
    void StopSound() override {
        ++soundStops;
        events.push_back("stop sound");
    }
    void ShowInstructions() override { events.push_back("instructions"); }
    void ShowAbout() override { events.push_back("about"); }
    void PumpEvents() override {
        ++pumps;
        if (onPump) {
            onPump();
        }
    }

    void SetCursor(int cursorSide) override {
        cursors.push_back(cursorSide);
        events.push_back("cursor " + std::to_string(cursorSide));
    }
    void SetFocus(int x, int y) override {
        focus = {x, y};
        events.push_back("focus " + std::to_string(x) + " " + std::to_string(y));
    }
    void CheckMenuItem(CommandId item, bool checked) override {
        checks[static_cast<int>(item)] = checked;
    }
    bool StartWorker(std::function<void()> work) override {
        ++workersStarted;
        switch (workers) {
        case Workers::Inline:
            work();
            return true;
        case Workers::Threaded:
            worker = std::thread(std::move(work));
            return true;
        case Workers::Held:
            held = true;
            worker = std::thread([this, work = std::move(work)] {
                gate.acquire();
                work();
            });
            return true;
        case Workers::Failing:
            return false;
        }
        return false;
    }
    void JoinWorker() override {
        ReleaseWorker();
        if (worker.joinable()) {
            worker.join();
        }
    }
    // Lets a held worker run.
    void ReleaseWorker() {
        if (held) {
            held = false;
            gate.release();
        }
    }
    std::optional<std::string> PickGameFile(GameFileDialog dialog) override {
        events.push_back(dialog == GameFileDialog::Open ? "open dialog" : "save dialog");
        if (pickedFiles.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = pickedFiles.front();
        pickedFiles.pop_front();
        return answer;
    }
    int ReadSetting(std::string_view name, int fallback) override {
        const auto found = settings.find(std::string(name));
        return found == settings.end() ? fallback : found->second;
    }
    void WriteSetting(std::string_view name, int value) override {
        settings[std::string(name)] = value;
    }

    // Whether a menu item is checked; false for one never touched.
    bool Checked(CommandId item) const {
        const auto found = checks.find(static_cast<int>(item));
        return found != checks.end() && found->second;
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
    // What the next file dialogs return, in order; nothing (a cancelled dialog) when empty.
    std::deque<std::optional<std::string>> pickedFiles;
    std::vector<int> winners;
    std::vector<std::string> sounds;
    int soundStops = 0;
    std::vector<std::string> events; // every call above, in order
    int pumps = 0;
    std::function<void()> onPump;
    std::vector<int> cursors;
    std::pair<int, int> focus{-1, -1};
    std::map<int, bool> checks;
    std::map<std::string, int> settings; // the stored settings
    Workers workers = Workers::Inline;
    int workersStarted = 0;
    std::thread worker;
    std::binary_semaphore gate{0};
    bool held = false;
};

} // namespace trevallion::testing
