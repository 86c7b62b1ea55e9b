#include "play/GameDialog.h"

#include "levels/LevelLayouts.h"
#include "play/Messages.h"
#include "play/Outcome.h"
#include "play/SettingNames.h"
#include "rules/Steps.h"

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

GameDialog::GameDialog(GameWindow& window) : m_window(window) {}

GameDialog::~GameDialog() {
    Shutdown();
}

void GameDialog::OnInitDialog() {
    GameState& s = m_state;
    s.m_initialising = 1;
    s.m_noGame = 1;
    s.m_saveVersion = SaveFormatVersion;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            m_window.ShowTile(x, y, Wall);
        }
    }
    s.m_timerMode = DoodleStartPending;
    s.m_lastClickX = s.m_lastClickY = NoCell;
    s.m_playerOneType = Human;
    s.m_cursorSide = 0;
    s.m_computerState.store(Idle);
    s.m_gameOver = 0;
    s.m_level = 0;
    SwitchSound(m_window.ReadSetting(SoundSetting, 1) != 0);
    ApplyStoredPlayers();
    s.m_finishedSide.store(0);
    s.m_abortSearch.store(0);
    PlayEffect(EffectStartup);
    s.m_initialising = 0;
}

void GameDialog::OnCell(int x, int y) {
    GameState& s = m_state;
    // A decided level, or a computer player thinking: the call is dropped, not queued.
    if (s.m_gameOver == 1 || s.m_computerState.load(std::memory_order_acquire) == Thinking) {
        return;
    }
    s.m_lastClickX = x;
    s.m_lastClickY = y;
    if (s.m_timerMode == DoodleStartPending || s.m_timerMode == DoodleRunning) {
        DoodleClick(x, y);
        return;
    }
    const int side = s.m_sideToMove;
    if (side == PlayerOne || side == PlayerTwo) {
        s.m_cursorSide = side;
        const PlayerType type = s.TypeOf(side);
        if (type == Human) {
            HumanClick(side, x, y);
        } else if (type >= AiEasy && type <= AiDifficult) {
            ComputerTurn(side);
        }
    }
    CheckOutcome();
}

// The click protocol: pick one of your movable pieces, then click where it goes. Clicks the
// rules do not accept are ignored without a word or a sound.
void GameDialog::HumanClick(int side, int x, int y) {
    GameState& s = m_state;
    if (!OnBoard(x, y)) {
        return;
    }
    const CellCode clicked = s.board.At(x, y);
    if (s.m_selX == NoCell) {
        if (IsMovablePieceOf(clicked, side)) {
            s.m_selX = x;
            s.m_selY = y;
        }
        return;
    }
    if (x == s.m_selX && y == s.m_selY) {
        return;
    }
    if (clicked == Wall) {
        s.m_selX = s.m_selY = NoCell;
        return;
    }
    if (BelongsTo(clicked, side)) {
        // Reselect, the own king included; a king can go nowhere, so the player must pick again.
        s.m_selX = x;
        s.m_selY = y;
        return;
    }
    const CellCode mover = s.board.At(s.m_selX, s.m_selY);
    if (CanStep(mover, s.m_selX, s.m_selY, x, y) == 0) {
        return;
    }
    MovePiece(s.m_selX, s.m_selY, x, y, false);
    s.m_sideToMove = s.m_cursorSide = OtherSide(side);
    s.m_selX = s.m_selY = NoCell;
    // A finished computer move can still wait here when its side was made human after the
    // worker had started. It was worked out for the position this move has just changed, so it
    // is dropped; whichever computer player is to move next thinks afresh.
    if (s.m_computerState.load(std::memory_order_acquire) == MoveReady) {
        s.m_computerState.store(Idle, std::memory_order_relaxed);
    }
}

// Moves a piece on the board and its buttons. A computer player's move also takes the keyboard
// focus, first to the cell it leaves and then to its target, so that the focus mark shows where
// it moved; a human's move leaves the focus where the click put it.
void GameDialog::MovePiece(int fromX, int fromY, int toX, int toY, bool takeFocus) {
    GameState& s = m_state;
    const CellCode mover = s.board.At(fromX, fromY);
    m_window.ShowTile(fromX, fromY, Empty);
    s.board.At(fromX, fromY) = Empty;
    if (takeFocus) {
        m_window.SetFocus(fromX, fromY);
    }
    const CellCode target = s.board.At(toX, toY);
    // Taking a king is announced by the end of the level, not by the capture sound.
    if (target != Empty && target != PlayerOneKing && target != PlayerTwoKing) {
        PlayEffect(EffectCapture);
    }
    s.board.At(toX, toY) = mover;
    if (takeFocus) {
        m_window.SetFocus(toX, toY);
    }
    m_window.ShowTile(toX, toY, mover);
}

void GameDialog::CheckOutcome() {
    GameState& s = m_state;
    const int winner = FindWinner(s.board);
    if (winner == 0) {
        return;
    }
    const int loser = OtherSide(winner);
    const bool humanWinner = s.TypeOf(winner) == Human;
    PlayEffect(humanWinner ? EffectWin : EffectLose);
    s.m_cursorSide = 0;
    s.m_gameOver = 1;
    m_window.ShowWinnerBox(winner);
    m_window.SetTitle(GameOverTitle);
    if (humanWinner) {
        LoadLevel(s.m_level + 1);
    } else if (s.TypeOf(loser) == Human) {
        const std::string_view offer = loser == PlayerOne ? TryAgainPlayerOne : TryAgainPlayerTwo;
        if (m_window.ShowMessage(offer, MessageButtons::YesNo, MessageIcon::Exclamation) ==
            MessageAnswer::Yes) {
            LoadLevel(s.m_level);
        }
    }
}

void GameDialog::OnCommand(CommandId command) {
    for (int side : {PlayerOne, PlayerTwo}) {
        for (int type = Human; type <= AiDifficult; ++type) {
            if (command == PlayerCommand(side, type)) {
                ChoosePlayer(side, static_cast<PlayerType>(type));
                return;
            }
        }
    }
    switch (command) {
    case CommandId::LifeDoodle:
        m_state.m_timerMode = DoodleStartPending; // the next tick starts it
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
    default:
        break;
    }
    if (command == CommandId::RestartLevel) {
        // Before any level this starts level 1; during the Life Doodle, the last level again.
        if (m_state.m_level == 0) {
            m_state.m_level = 1;
        }
        LoadLevel(m_state.m_level);
        return;
    }
    if (const int level = CommandLevel(command); level != 0) {
        PlayEffect(EffectAmbient);
        LoadLevel(level);
    }
}

void GameDialog::LoadLevel(int n) {
    GameState& s = m_state;
    if (n > LevelCount) {
        PlayEffect(EffectStartup);
        m_window.ShowMessage(PastLastLevelMessage, MessageButtons::Ok, MessageIcon::Exclamation);
    }
    AbortComputerSearch();
    s.m_gameOver = 0;
    n = ClampLevel(n);
    s.m_selX = s.m_selY = NoCell;
    s.m_level = n;
    s.m_timerMode = GameMode;
    s.m_sideToMove = PlayerOne;
    s.m_computerState.store(Idle, std::memory_order_release);
    s.m_cursorSide = PlayerOne;
    m_window.SetTitle(LevelTitle(n));
    s.board = LayoutToBoard(LevelLayout(n));
    ShowBoard();
}

void GameDialog::AbortComputerSearch() {
    GameState& s = m_state;
    if (s.m_computerState.load(std::memory_order_acquire) != Thinking) {
        return;
    }
    m_window.SetTitle(PleaseWaitTitle);
    s.m_abortSearch.store(1);
    while (s.m_computerState.load(std::memory_order_acquire) == Thinking) {
        m_window.PumpEvents();
    }
    s.m_abortSearch.store(0);
}

void GameDialog::PlayEffect(int effect) {
    if (m_state.m_soundOn == 0) {
        return;
    }
    const std::string_view file = m_sounds.NextFile(effect, m_state.m_level);
    if (!file.empty()) {
        m_window.PlaySoundFile(file);
    }
}

void GameDialog::ShowBoard() {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            m_window.ShowTile(x, y, m_state.board.At(x, y));
        }
    }
}

} // namespace trevallion
