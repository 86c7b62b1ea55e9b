// The level's turns as a whole: the move list and going to one of its moves, the history kept
// beside the game in play for Continue Game, Export and Import Record, and Review Game.

#include "fileio/AtomicFile.h"
#include "levels/LevelLayouts.h"
#include "play/GameController.h"
#include "play/Messages.h"
#include "record/MatchRecord.h"
#include "record/RecordReader.h"
#include "record/RecordWriter.h"

#include <chrono>
#include <cstdio>
#include <utility>

namespace trevallion {
namespace {

// How often the review's progress is looked at.
constexpr int ReviewPollMilliseconds = 100;

// Today's date as a record writes it, "YYYY-MM-DD".
std::string Today() {
    const std::chrono::year_month_day day{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()),
                  static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    return text;
}

} // namespace

// Showing a move is taking turns back, or playing them again, until it is on the board. Against
// a computer player the stops are Undo's: a move of the computer's goes with the human's.
void GameController::GoToMove(std::size_t turns) {
    if (!m_match.InGame()) {
        return;
    }
    const MoveHistory& history = m_match.History();
    while (history.Played().size() > turns && history.CanUndo()) {
        UndoMove();
    }
    while (history.Played().size() < turns && history.CanRedo() && !m_boxes.AnythingOpen()) {
        RedoMove();
    }
}

void GameController::KeepHistory() {
    m_history.Keep(RecordOfMatch(m_match, {}));
}

// The kept game comes back with the turns that led to it, when its history leads there exactly;
// otherwise with its position alone, as it always did.
void GameController::ReplayKeptHistory(const SavedGameRecord& record) {
    const KeptPosition kept{m_match.CurrentBoard(), m_match.SideToMove(), record.level};
    if (const std::optional<GameRecord> history = m_history.Read(kept)) {
        m_match.Replay(history->start, history->sideToMove, record.level, history->turns);
    }
}

void GameController::ExportRecordTo(const std::string& path) {
    if (!m_match.InGame()) {
        return;
    }
    const std::optional<std::string> text = WriteRecord(RecordOfMatch(m_match, Today()));
    if (!text) {
        return; // a level longer than any record; the menus never offer one
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text->data());
    if (const FileError error = WriteFileAtomically(path, std::span(bytes, text->size()));
        error != FileError::None) {
        m_boxes.OpenNotice(ShownText::Translated(FileErrorMessage(error, path)), MessageIcon::Stop);
        return;
    }
    m_view.GameFileUsed(path);
}

// The record is read and played by the rules before the game changes: a refused record leaves
// the game as it was. Its players come through the Player menus, which may keep a side as it is
// rather than make both computer players.
void GameController::ImportRecordFrom(const std::string& path) {
    std::variant<GameRecord, RecordRefusal> read = ReadRecordFile(path);
    if (const auto* refusal = std::get_if<RecordRefusal>(&read)) {
        m_boxes.OpenNotice(ShownText::Translated(RefusalMessage(*refusal)),
                           MessageIcon::Exclamation);
        return;
    }
    const GameRecord& record = std::get<GameRecord>(read);
    AbortComputerSearch();
    m_hinter.Stop();
    const std::pair<Side, PlayerType> players[] = {{Side::PlayerOne, record.playerOne},
                                                   {Side::PlayerTwo, record.playerTwo}};
    for (const bool humans : {true, false}) {
        for (const auto& [side, type] : players) {
            if ((type == PlayerType::Human) == humans) {
                ChoosePlayer(side, type);
            }
        }
    }
    m_match.Replay(record.start, record.sideToMove, record.level, record.turns);
    m_keeper.LevelBegun();
    m_cursor = CursorOf(m_match.SideToMove());
    m_hint.PositionChanged();
    ShowBoard();
    m_view.SetTitle(LevelTitle(m_match.Level()));
    m_view.GameFileUsed(path);
    // A finished game ends as it ended, silently, with its box.
    CheckOutcome(EndSound::Silent);
}

void GameController::StartReview() {
    if (m_review.Running() || !m_match.InGame() || m_match.History().Played().empty()) {
        return;
    }
    GameRecord record = RecordOfMatch(m_match, {});
    if (!m_review.Start({record.start, record.sideToMove, std::move(record.turns), {}})) {
        return;
    }
    m_view.OpenReviewProgress(m_review.Total());
    m_view.RequestWake(ReviewPollMilliseconds);
}

void GameController::PollReview() {
    if (!m_review.Running()) {
        return;
    }
    if (std::optional<ReviewedGame> done = m_review.TakeFinished()) {
        m_reviewed = std::move(done);
        m_view.CloseReviewProgress();
        return;
    }
    if (m_review.Running()) {
        m_view.ShowReviewProgress(m_review.Done());
        m_view.RequestWake(ReviewPollMilliseconds);
    } else {
        m_view.CloseReviewProgress();
    }
}

} // namespace trevallion
