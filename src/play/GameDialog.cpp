#include "play/GameDialog.h"

#include "ai/Search.h"
#include "play/SettingNames.h"

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

class GameDialog::Operation {
  public:
    explicit Operation(GameDialog& game) : m_game(game) { m_game.m_inOperation = true; }
    ~Operation() { m_game.m_inOperation = false; }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

  private:
    GameDialog& m_game;
};

GameDialog::GameDialog(GameView& view, SettingsStore& settings, WorkerRunner& workers,
                       WorkerRunner& hintWorkers)
    : m_view(view), m_settings(settings), m_computer(workers, &Search),
      m_hinter(hintWorkers, &Search) {}

GameDialog::~GameDialog() {
    Shutdown();
}

// Runs `work` as one operation, then the commands that arrived meanwhile; false when another
// operation is under way and `work` was not run.
template <typename Work> bool GameDialog::RunAlone(Work work) {
    if (m_inOperation) {
        return false;
    }
    {
        const Operation operation(*this);
        work();
        RefreshAids();
    }
    RunWaitingCommands();
    return true;
}

void GameDialog::OnInitDialog() {
    RunAlone([this] { StartUp(); });
}

void GameDialog::StartUp() {
    GameState& s = m_state;
    s.m_initialising = true;
    s.m_noGame = true;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            m_view.ShowTile(x, y, Wall);
        }
    }
    s.m_timerMode = TimerMode::DoodleStartPending;
    s.m_lastClickX = s.m_lastClickY = NoCell;
    s.m_playerOneType = PlayerType::Human;
    s.m_cursorSide = CursorSide::Neutral;
    m_view.SetCursor(CursorSide::Neutral);
    s.m_gameOver = false;
    s.m_level = 0;
    // Anything stored but 0 means sound on, and is stored back as 1.
    SwitchSound(m_settings.ReadSetting(SoundSetting).value_or(1) != 0);
    ApplyStoredPlayers();
    SwitchShowMoves(m_settings.ReadSetting(ShowMovesSetting).value_or(0) != 0, false);
    PlayEffect(Effect::Startup);
    s.m_initialising = false;
}

// A tick during another operation is dropped: the timer fires again.
void GameDialog::OnTimer() {
    RunAlone([this] { TimerTick(); });
}

// A click during another operation is dropped too: it was made on a board behind a modal box.
void GameDialog::OnCell(int x, int y) {
    RunAlone([this, x, y] { HandleCell(x, y); });
}

// A wake during another operation comes again a little later.
void GameDialog::OnWake() {
    if (!RunAlone([this] { PollHint(); })) {
        m_view.RequestWake(HintPollMilliseconds);
    }
}

// A command during another operation waits for it to end.
void GameDialog::OnCommand(CommandId command) {
    m_waitingCommands.push_back(command);
    if (!m_inOperation) {
        RunWaitingCommands();
    }
}

void GameDialog::RunWaitingCommands() {
    while (!m_waitingCommands.empty()) {
        const CommandId command = m_waitingCommands.front();
        m_waitingCommands.pop_front();
        const Operation operation(*this);
        RunCommand(command);
        RefreshAids();
    }
}

void GameDialog::Shutdown() {
    m_waitingCommands.clear();
    m_computer.Stop();
    m_hinter.Stop();
}

void GameDialog::RunCommand(CommandId command) {
    for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
        for (const PlayerType type : AllPlayerTypes) {
            if (command == PlayerCommand(side, type)) {
                ChoosePlayer(side, type);
                return;
            }
        }
    }
    switch (command) {
    case CommandId::LifeDoodle:
        m_state.m_timerMode = TimerMode::DoodleStartPending; // the next tick starts it
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
        SwitchShowMoves(!m_showMoves, true);
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
        if (m_state.m_level == 0) {
            m_state.m_level = 1;
        }
        LoadLevel(m_state.m_level);
        return;
    default:
        break;
    }
    if (const int level = CommandLevel(command); level != 0) {
        PlayEffect(Effect::Ambient);
        LoadLevel(level);
    }
}

void GameDialog::PlayEffect(Effect effect) {
    if (!m_state.m_soundOn) {
        return;
    }
    m_view.PlaySoundFile(m_sounds.NextFile(effect, m_state.m_level));
}

void GameDialog::SetCursorSide(CursorSide cursor) {
    if (cursor != m_state.m_cursorSide) {
        m_state.m_cursorSide = cursor;
        m_view.SetCursor(cursor);
    }
}

void GameDialog::ShowBoard() {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            m_view.ShowTile(x, y, m_state.board.At(x, y));
        }
    }
}

} // namespace trevallion
