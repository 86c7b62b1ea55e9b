// The Start menu's Save Game and Load Game: a game kept in a file and brought back to play.

#include "play/GameDialog.h"
#include "play/Messages.h"
#include "savegame/SavedGameFile.h"

namespace trevallion {

void GameDialog::OnSaveGame() {
    const GameState& s = m_state;
    if (s.m_noGame || s.m_gameOver) {
        m_view.ShowMessage(SaveRefusedMessage, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    const auto path = m_view.PickGameFile(GameFileDialog::Save);
    if (!path) {
        return;
    }
    // A thinking computer player searches a copy of the board, so this is the position before
    // its move, with its side to move: after loading it thinks again.
    const SavedGameRecord record{s.m_saveVersion,
                                 SideNumber(s.m_sideToMove),
                                 PlayerTypeNumber(s.m_playerOneType),
                                 PlayerTypeNumber(s.m_playerTwoType),
                                 static_cast<std::int32_t>(s.m_cursorSide),
                                 s.m_level,
                                 s.board};
    const FileError error = WriteSavedGameFile(*path, EncodeRecord(record));
    if (error != FileError::None) {
        m_view.ShowMessage(FileErrorMessage(error, *path), MessageButtons::Ok, MessageIcon::Stop);
        return;
    }
    m_view.GameFileUsed(*path);
}

void GameDialog::OnLoadGame() {
    GameState& s = m_state;
    const auto path = m_view.PickGameFile(GameFileDialog::Open);
    if (!path) {
        return;
    }
    // Everything is read and checked before the game changes: a refused file leaves the game,
    // and a computer player thinking in it, as they were.
    const SavedGameRead read = ReadSavedGame(*path, s.m_saveVersion);
    if (read.error != FileError::None) {
        m_view.ShowMessage(FileErrorMessage(read.error, *path), MessageButtons::Ok,
                           MessageIcon::Stop);
        return;
    }
    if (read.verdict != RecordVerdict::Sound) {
        m_view.ShowMessage(read.verdict == RecordVerdict::OtherVersion ? OtherVersionMessage
                                                                       : CorruptGameMessage,
                           MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    const SavedGameRecord& record = read.record;
    // The check has made sure of the side and the cursor.
    AbortComputerSearch();
    s.m_selX = s.m_selY = NoCell;
    s.m_gameOver = false;
    s.m_sideToMove = SideFromNumber(record.sideToMove).value_or(Side::PlayerOne);
    // The Player commands run with their refusals: the file cannot bring in a second computer
    // player while the other side still is one.
    ApplySavedPlayer(Side::PlayerOne, record.playerOneType);
    ApplySavedPlayer(Side::PlayerTwo, record.playerTwoType);
    SetCursorSide(static_cast<CursorSide>(record.cursorSide));
    s.m_level = record.level;
    s.board = record.board;
    PositionChanged();
    m_history.Clear();
    ShowBoard();
    m_view.SetTitle(LevelTitle(s.m_level));
    s.m_timerMode = TimerMode::Game;
    m_view.GameFileUsed(*path);
}

void GameDialog::ApplySavedPlayer(Side side, std::int32_t type) {
    if (const std::optional<PlayerType> known = PlayerTypeFromNumber(type)) {
        ChoosePlayer(side, *known);
    }
}

} // namespace trevallion
