#include "play/GameController.h"

#include "levels/LevelLayouts.h"
#include "play/SettingNames.h"

#include <algorithm>
#include <utility>

namespace trevallion {
namespace {

// The level that a Start menu level command sets up; 0 for other commands.
int CommandLevel(CommandId command) {
    switch (command) {
    case CommandId::Level1:
        return 1;
    case CommandId::Level5:
        return 5;
    case CommandId::Level10:
        return 10;
    case CommandId::Level20:
        return 20;
    case CommandId::Level40:
        return 40;
    default:
        return 0;
    }
}

} // namespace

GameController::GameController(GameView& view, SettingsStore& settings, WorkerRunner& workers,
                               WorkerRunner& hintWorkers)
    : m_view(view), m_settings(settings), m_effects(view), m_aids(view), m_computer(workers),
      m_hinter(hintWorkers) {}

GameController::~GameController() {
    Shutdown();
}

void GameController::Start() {
    StartUp();
    RefreshAids();
}

void GameController::StartUp() {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            m_view.ShowTile({x, y}, Wall);
        }
    }
    m_view.SetCursor(CursorSide::Neutral);
    // Anything stored but 0 means sound on, and is stored back as 1.
    SwitchSound(m_settings.ReadSetting(SoundSetting).value_or(1) != 0);
    ApplyStoredPlayers();
    SwitchShowMoves(m_settings.ReadSetting(ShowMovesSetting).value_or(0) != 0, false);
    PlayEffect(Effect::Startup);
}

void GameController::OnTimer() {
    if (TicksKeptAway()) {
        return;
    }
    TimerTick();
    RefreshAids();
}

void GameController::OnCell(Cell cell) {
    if (AnythingOpen()) {
        return;
    }
    HandleCell(cell);
    RefreshAids();
}

void GameController::OnWake() {
    PollHint();
    RefreshAids();
}

void GameController::OnCommand(CommandId command) {
    if (AnythingOpen()) {
        return;
    }
    RunCommand(command);
    RefreshAids();
}

// A game box, which opens above a command's window, is answered first.
void GameController::OnMessageAnswered(MessageAnswer answer) {
    const BoxStep step = m_awaiting.box;
    if (step == BoxStep::None || step == BoxStep::Winner) {
        if (m_awaiting.window == Window::Notice) {
            m_awaiting.window = Window::None;
        }
        return;
    }
    m_awaiting.box = BoxStep::None;
    switch (step) {
    case BoxStep::Retry:
        if (answer == MessageAnswer::Yes) {
            LoadLevel(m_match.Level());
        }
        break;
    case BoxStep::PastLastLevel:
        SetUpLevel(1);
        break;
    case BoxStep::LoadPlayerOneRefused:
        LoadPlayers(*std::exchange(m_awaiting.load, std::nullopt), Side::PlayerTwo);
        break;
    case BoxStep::LoadPlayerTwoRefused:
        FinishLoad(*std::exchange(m_awaiting.load, std::nullopt));
        break;
    default:
        break;
    }
    RefreshAids();
}

void GameController::OnWinnerBoxClosed() {
    if (m_awaiting.box != BoxStep::Winner) {
        return;
    }
    m_awaiting.box = BoxStep::None;
    AfterWinnerBox();
    RefreshAids();
}

void GameController::OnGameFileChosen(const std::optional<std::string>& path) {
    const Window window = m_awaiting.window;
    if (window != Window::LoadDialog && window != Window::SaveDialog) {
        return;
    }
    m_awaiting.window = Window::None;
    if (path) {
        if (window == Window::LoadDialog) {
            LoadFrom(*path);
        } else {
            SaveTo(*path);
        }
    }
    RefreshAids();
}

void GameController::OnLevelChosen(std::optional<int> level) {
    if (m_awaiting.window != Window::ChooseLevel) {
        return;
    }
    m_awaiting.window = Window::None;
    if (level && *level >= 1 && *level <= LevelCount) {
        PlayEffect(Effect::Ambient);
        LoadLevel(*level);
    }
    RefreshAids();
}

// The manual's sound plays while its window is open and is cut off when it closes, even if
// sound was switched off meanwhile; the jingle runs on after the About window.
void GameController::OnWindowClosed() {
    const Window window = m_awaiting.window;
    if (window != Window::Instructions && window != Window::About) {
        return;
    }
    m_awaiting.window = Window::None;
    if (window == Window::Instructions) {
        m_view.StopSound();
    }
    RefreshAids();
}

void GameController::OpenNotice(std::string_view text, MessageIcon icon) {
    m_awaiting.window = Window::Notice;
    m_view.OpenMessage(text, MessageButtons::Ok, icon);
}

void GameController::OpenBox(BoxStep step, std::string_view text, MessageButtons buttons,
                             MessageIcon icon) {
    m_awaiting.box = step;
    m_view.OpenMessage(text, buttons, icon);
}

void GameController::Shutdown() {
    m_computer.Stop();
    m_hinter.Stop();
}

void GameController::RunCommand(CommandId command) {
    for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
        for (const PlayerType type : AllPlayerTypes) {
            if (command == PlayerCommand(side, type)) {
                if (const auto refusal = ChoosePlayer(side, type)) {
                    OpenNotice(*refusal, MessageIcon::Exclamation);
                }
                return;
            }
        }
    }
    switch (command) {
    case CommandId::LifeDoodle:
        m_match.AskDoodle(); // the next tick starts it
        return;
    case CommandId::SoundOn:
    case CommandId::SoundOff:
        SwitchSound(command == CommandId::SoundOn);
        return;
    case CommandId::Instructions:
        ShowInstructions();
        return;
    case CommandId::About:
        ShowAbout();
        return;
    case CommandId::LoadGame:
        OnLoadGame();
        return;
    case CommandId::SaveGame:
        OnSaveGame();
        return;
    case CommandId::ShowMoves:
        SwitchShowMoves(!m_aids.ShowMoves(), true);
        return;
    case CommandId::UndoMove:
        UndoMove();
        return;
    case CommandId::RedoMove:
        RedoMove();
        return;
    case CommandId::Hint:
        AskHint();
        return;
    case CommandId::ChooseLevel:
        ChooseLevel();
        return;
    case CommandId::RestartLevel:
        // Before any level this starts level 1; during the Life Doodle, the last level again.
        LoadLevel(std::max(m_match.Level(), 1));
        return;
    default:
        break;
    }
    if (const int level = CommandLevel(command); level != 0) {
        PlayEffect(Effect::Ambient);
        LoadLevel(level);
    }
}

void GameController::PlayEffect(Effect effect) {
    m_effects.Play(effect, m_match.Level());
}

void GameController::SetCursorSide(CursorSide cursor) {
    if (cursor != m_shownCursor) {
        m_shownCursor = cursor;
        m_view.SetCursor(cursor);
    }
}

void GameController::ShowBoard() {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            m_view.ShowTile({x, y}, m_match.CurrentBoard().At({x, y}));
        }
    }
}

} // namespace trevallion
