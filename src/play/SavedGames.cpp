// The Start menu's Save Game and Load Game: a game kept in a file and brought back to play.

#include "play/GameDialog.h"
#include "play/Messages.h"
#include "savegame/SavedGameFile.h"

namespace trevallion {

void GameDialog::OnSaveGame() {
    const GameState& s = m_state;
    if (s.m_noGame == 1 || s.m_gameOver == 1) {
        m_window.ShowMessage(SaveRefusedMessage, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    const auto path = m_window.PickGameFile(GameFileDialog::Save);
    if (!path) {
        return;
    }
    // A thinking computer player only reads the board, so this is the position before its move,
    // with its side to move: after loading it thinks again.
    const SavedGameRecord record{
        s.m_saveVersion, s.m_sideToMove, s.m_playerOneType, s.m_playerTwoType, s.m_cursorSide,
        s.m_level,       s.board};
    const FileError error = WriteSavedGameFile(*path, EncodeRecord(record));
    if (error != FileError::None) {
        m_window.ShowMessage(FileErrorMessage(error, *path), MessageButtons::Ok, MessageIcon::Stop);
    }
}

void GameDialog::OnLoadGame() {
    GameState& s = m_state;
    const auto path = m_window.PickGameFile(GameFileDialog::Open);
    if (!path) {
        return;
    }
    // Everything is read and checked before the game changes: a refused file leaves the game,
    // and a computer player thinking in it, as they were.
    const SavedGameRead read = ReadSavedGame(*path, s.m_saveVersion);
    if (read.error != FileError::None) {
        m_window.ShowMessage(FileErrorMessage(read.error, *path), MessageButtons::Ok,
                             MessageIcon::Stop);
        return;
    }
    if (read.verdict != RecordVerdict::Sound) {
        m_window.ShowMessage(read.verdict == RecordVerdict::OtherVersion ? OtherVersionMessage
                                                                         : CorruptGameMessage,
                             MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    const SavedGameRecord& record = read.record;
    AbortComputerSearch();
    s.m_computerState.store(Idle, std::memory_order_release);
    s.m_selX = s.m_selY = NoCell;
    s.m_gameOver = 0;
    s.m_sideToMove = record.sideToMove;
    // The Player commands run with their refusals: the file cannot bring in a second computer
    // player while the other side still is one.
    ApplySavedPlayer(PlayerOne, record.playerOneType);
    ApplySavedPlayer(PlayerTwo, record.playerTwoType);
    s.m_cursorSide = record.cursorSide;
    s.m_level = record.level;
    s.board = record.board;
    ShowBoard();
    m_window.SetTitle(LevelTitle(s.m_level));
    s.m_timerMode = GameMode;
}

void GameDialog::ApplySavedPlayer(int side, std::int32_t type) {
    if (type >= Human && type <= AiDifficult) {
        ChoosePlayer(side, static_cast<PlayerType>(type));
    }
}

} // namespace trevallion
