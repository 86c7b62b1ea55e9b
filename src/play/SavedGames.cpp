#include "play/SavedGames.h"

#include "play/Messages.h"
#include "savegame/SavedGameFile.h"

#include <utility>

namespace trevallion {

void SavedGames::AskSave() {
    if (!m_match.Saveable()) {
        m_boxes.OpenNotice(Message(SaveRefusedMessage), MessageIcon::Exclamation);
        return;
    }
    m_boxes.OpenGameFileDialog(GameFileDialog::Save);
}

void SavedGames::AskLoad() {
    m_boxes.OpenGameFileDialog(GameFileDialog::Open);
}

// The clock runs on behind the file dialog: what is saved is the board on show when the name is
// chosen, also once the level was decided or the Life Doodle started meanwhile. Only Save Game
// itself asks for a game in play.
void SavedGames::SaveTo(const std::string& path) {
    const FileError error = WriteSavedGameFile(path, EncodeRecord(m_turns.RecordOnShow()));
    if (error != FileError::None) {
        m_boxes.OpenNotice(ShownText::Translated(FileErrorMessage(error, path)), MessageIcon::Stop);
        return;
    }
    m_view.GameFileUsed(path);
}

void SavedGames::LoadFrom(const std::string& path, LoadSource source) {
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
    m_turns.AbortSearch();
    std::optional<std::string> chosen;
    if (source == LoadSource::Dialog) {
        chosen = path;
    }
    LoadPlayers({read.record, std::move(chosen)}, Side::PlayerOne);
}

// The kept game comes back exactly as Load Game would bring back its file, with the same checks,
// messages and Player commands; only the file dialogs do not learn its folder.
void SavedGames::Continue() {
    if (const std::optional<std::string> kept = m_keeping.KeptGameToLoad()) {
        LoadFrom(*kept, LoadSource::Kept);
    }
}

// The load goes on with Player 2's player after Player 1's refusal, and ends after Player 2's.
void SavedGames::AfterRefusal(LoadRefusedBox refusal) {
    if (refusal.refused == Side::PlayerOne) {
        LoadPlayers(std::move(refusal.load), Side::PlayerTwo);
    } else {
        FinishLoad(refusal.load);
    }
}

// The Player commands run with their refusals: the file cannot bring in a second computer
// player while the other side still is one. A refusal's box holds the rest of the load until
// it is answered, and no tick reaches the half-loaded game meanwhile.
void SavedGames::LoadPlayers(PendingLoad load, Side side) {
    const SavedGameRecord& record = load.record;
    const std::int32_t type = side == Side::PlayerOne ? record.playerOneType : record.playerTwoType;
    if (const auto refusal = m_choices.ChooseSavedPlayer(side, type)) {
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

void SavedGames::FinishLoad(const PendingLoad& load) {
    const SavedGameRecord& record = load.record;
    // The check has made sure of the side and the cursor.
    const Side side = SideFromNumber(record.sideToMove).value_or(Side::PlayerOne);
    m_match.Load(record.board, side, record.level);
    if (!load.path) {
        if (const std::optional<GameRecord> history = m_keeping.KeptHistory(record.level)) {
            m_match.Replay(history->start, history->sideToMove, record.level, history->turns);
        }
    }
    m_turns.ShowNewPosition(static_cast<CursorSide>(record.cursorSide));
    if (load.path) {
        m_view.GameFileUsed(*load.path);
    }
}

} // namespace trevallion
