// The Start menu's Save Game and Load Game: a game kept in a file and brought back to play.

#include "play/GameController.h"
#include "play/Messages.h"
#include "savegame/SavedGameFile.h"

namespace trevallion {

void GameController::OnSaveGame() {
    if (!m_match.Saveable()) {
        m_boxes.OpenNotice(Message(SaveRefusedMessage), MessageIcon::Exclamation);
        return;
    }
    m_boxes.OpenGameFileDialog(GameFileDialog::Save);
}

// The clock runs on behind the file dialog: what is saved is the board on show when the name is
// chosen, also once the level was decided or the Life Doodle started meanwhile. Only Save Game
// itself asks for a game in play.
void GameController::SaveTo(const std::string& path) {
    const FileError error = WriteSavedGameFile(path, EncodeRecord(CurrentRecord()));
    if (error != FileError::None) {
        m_boxes.OpenNotice(ShownText::Translated(FileErrorMessage(error, path)), MessageIcon::Stop);
        return;
    }
    m_view.GameFileUsed(path);
}

// A thinking computer player searches a copy of the board, so this is the position before its
// move, with its side to move: after loading it thinks again. The cursor is kept as it shows.
SavedGameRecord GameController::CurrentRecord() const {
    const Match& m = m_match;
    return {SaveFormatVersion,
            SideNumber(m.SideToMove()),
            PlayerTypeNumber(m.Player(Side::PlayerOne)),
            PlayerTypeNumber(m.Player(Side::PlayerTwo)),
            static_cast<std::int32_t>(m_cursor),
            m.Level(),
            m.ShownBoard()};
}

void GameController::OnLoadGame() {
    m_boxes.OpenGameFileDialog(GameFileDialog::Open);
}

void GameController::LoadFrom(const std::string& path, LoadSource source) {
    // Everything is read and checked before the game changes: a refused file leaves the game,
    // and a computer player thinking in it, as they were.
    const SavedGameRead read = ReadSavedGame(path, SaveFormatVersion);
    if (read.error != FileError::None) {
        m_boxes.OpenNotice(ShownText::Translated(FileErrorMessage(read.error, path)),
                           MessageIcon::Stop);
        return;
    }
    if (read.verdict != RecordVerdict::Sound) {
        m_boxes.OpenNotice(Message(read.verdict == RecordVerdict::OtherVersion
                                       ? OtherVersionMessage
                                       : CorruptGameMessage),
                           MessageIcon::Exclamation);
        return;
    }
    const SavedGameRecord& record = read.record;
    AbortComputerSearch();
    std::optional<std::string> chosen;
    if (source == LoadSource::Dialog) {
        chosen = path;
    }
    LoadPlayers({record, std::move(chosen)}, Side::PlayerOne);
}

// The Player commands run with their refusals: the file cannot bring in a second computer
// player while the other side still is one. A refusal's box holds the rest of the load until
// it is answered, and no tick reaches the half-loaded game meanwhile.
void GameController::LoadPlayers(PendingLoad load, Side side) {
    const SavedGameRecord& record = load.record;
    const std::int32_t type = side == Side::PlayerOne ? record.playerOneType : record.playerTwoType;
    if (const auto refusal = ApplySavedPlayer(side, type)) {
        m_boxes.OpenGameBox(LoadRefusedBox{side, std::move(load)}, Message(*refusal),
                            MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    if (side == Side::PlayerOne) {
        LoadPlayers(std::move(load), Side::PlayerTwo);
    } else {
        FinishLoad(load);
    }
}

void GameController::FinishLoad(const PendingLoad& load) {
    const SavedGameRecord& record = load.record;
    // The check has made sure of the side and the cursor.
    const Side side = SideFromNumber(record.sideToMove).value_or(Side::PlayerOne);
    m_match.Load(record.board, side, record.level);
    if (!load.path) {
        ReplayKeptHistory(record);
    }
    m_keeper.LevelBegun();
    m_cursor = static_cast<CursorSide>(record.cursorSide);
    m_hint.PositionChanged();
    ShowBoard();
    m_view.SetTitle(LevelTitle(m_match.Level()));
    if (load.path) {
        m_view.GameFileUsed(*load.path);
    }
}

std::optional<std::string_view> GameController::ApplySavedPlayer(Side side, std::int32_t type) {
    if (const std::optional<PlayerType> known = PlayerTypeFromNumber(type)) {
        return ChoosePlayer(side, *known);
    }
    return std::nullopt;
}

} // namespace trevallion
