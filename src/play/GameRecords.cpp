#include "play/GameRecords.h"

#include "fileio/AtomicFile.h"
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

void GameRecords::AskExport() {
    if (m_match.InGame()) {
        m_boxes.OpenGameFileDialog(GameFileDialog::ExportRecord);
    }
}

void GameRecords::AskImport() {
    m_boxes.OpenGameFileDialog(GameFileDialog::ImportRecord);
}

void GameRecords::ExportTo(const std::string& path) {
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
void GameRecords::ImportFrom(const std::string& path) {
    std::variant<GameRecord, RecordRefusal> read = ReadRecordFile(path);
    if (const auto* refusal = std::get_if<RecordRefusal>(&read)) {
        m_boxes.OpenNotice(ShownText::Translated(RefusalMessage(*refusal)),
                           MessageIcon::Exclamation);
        return;
    }
    const GameRecord& record = std::get<GameRecord>(read);
    m_turns.AbortSearch();
    m_hints.Stop();
    const std::pair<Side, PlayerType> players[] = {{Side::PlayerOne, record.playerOne},
                                                   {Side::PlayerTwo, record.playerTwo}};
    for (const bool humans : {true, false}) {
        for (const auto& [side, type] : players) {
            if ((type == PlayerType::Human) == humans) {
                m_choices.ChoosePlayer(side, type);
            }
        }
    }
    m_match.Replay(record.start, record.sideToMove, record.level, record.turns);
    m_turns.ShowNewPosition(CursorOf(m_match.SideToMove()));
    m_view.GameFileUsed(path);
    // A finished game ends as it ended, silently, with its box.
    m_turns.CheckOutcome(EndSound::Silent);
}

void GameRecords::StartReview() {
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

void GameRecords::PollReview() {
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
