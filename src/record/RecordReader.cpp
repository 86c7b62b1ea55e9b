#include "record/RecordReader.h"

#include "fileio/PlainFile.h"
#include "notation/Notation.h"
#include "record/RecordTags.h"
#include "record/RecordTerms.h"
#include "record/TurnCheck.h"
#include "rules/ApplyMove.h"

#include <charconv>

namespace trevallion {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The turns after the tags, played on the record's board as they are read.
class TurnReader {
  public:
    TurnReader(RecordScanner& scanner, GameRecord& record)
        : m_scanner(scanner), m_record(record), m_board(record.start) {}

    std::optional<RecordRefusal> Read() {
        for (m_scanner.SkipBlanks(); !m_scanner.AtEnd(); m_scanner.SkipBlanks()) {
            const char next = m_scanner.Peek();
            std::optional<RecordRefusal> refusal;
            if (next == '{') {
                refusal = SkipComment();
            } else if (next == ';') {
                m_scanner.TakeLine();
            } else if (IsDigit(next)) {
                refusal = ReadNumber();
            } else {
                refusal = ReadTurn();
            }
            if (refusal) {
                return refusal;
            }
        }
        return std::nullopt;
    }

    const Board& FinalBoard() const { return m_board; }

  private:
    RecordRefusal Refuse(RecordFault fault, std::string detail = {}, std::string value = {}) {
        return RecordRefusal{fault, m_scanner.Line(), std::move(detail), std::move(value)};
    }

    // The word the scanner stands on, to quote in a message.
    std::string Word() const {
        const std::string_view rest = m_scanner.Rest();
        return Quoted(rest.substr(0, rest.find_first_of(" \t\r\n")));
    }

    std::optional<RecordRefusal> SkipComment() {
        const std::size_t close = m_scanner.Rest().find('}');
        if (close == std::string_view::npos) {
            return Refuse(RecordFault::OpenComment);
        }
        m_scanner.Advance(close + 1);
        return std::nullopt;
    }

    // "7." before Player 1's turn 7, "7..." before Player 2's; the turn may follow at once.
    std::optional<RecordRefusal> ReadNumber() {
        const std::string_view rest = m_scanner.Rest();
        const std::size_t digits = std::min(rest.find_first_not_of("0123456789"), rest.size());
        const std::size_t dots =
            std::min(rest.find_first_not_of('.', digits), rest.size()) - digits;
        if (dots != 1 && dots != 3) {
            return Refuse(RecordFault::NotATurn, Word());
        }
        int number = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + digits, number);
        const std::size_t index = m_record.turns.size();
        const Side side = dots == 1 ? Side::PlayerOne : Side::PlayerTwo;
        if (error != std::errc() || number != TurnNumber(m_record.sideToMove, index) ||
            side != TurnSide(m_record.sideToMove, index)) {
            return Refuse(RecordFault::BadTurnNumber, Quoted(rest.substr(0, digits + dots)));
        }
        m_scanner.Advance(digits + dots);
        return std::nullopt;
    }

    std::optional<RecordRefusal> ReadTurn() {
        const std::optional<TurnReading> reading = ReadTurnAt(m_scanner.Rest());
        if (!reading) {
            return Refuse(RecordFault::NotATurn, Word());
        }
        const std::size_t index = m_record.turns.size();
        if (index == MaxRecordTurns) {
            return Refuse(RecordFault::TooManyTurns, std::to_string(MaxRecordTurns));
        }
        const std::string written = Quoted(m_scanner.Rest().substr(0, reading->length));
        const Side side = TurnSide(m_record.sideToMove, index);
        const std::optional<Move>& move = reading->turn.move;
        switch (CheckTurn(m_board, side, move)) {
        case TurnVerdict::Allowed:
            break;
        case TurnVerdict::IllegalMove:
            return RefuseFor(RecordFault::IllegalMove, side, written);
        case TurnVerdict::PassWithMove:
            return RefuseFor(RecordFault::PassWithMove, side, written);
        case TurnVerdict::AfterDecided:
            return Refuse(RecordFault::AfterDecided, written);
        }
        if (move && MarkOf(m_board, *move) != reading->turn.mark) {
            return Refuse(RecordFault::WrongMark, written, MoveName(*move, MarkOf(m_board, *move)));
        }
        if (move) {
            ApplyMove(m_board, *move);
        }
        m_record.turns.push_back(move);
        m_scanner.Advance(reading->length);
        return std::nullopt;
    }

    RecordRefusal RefuseFor(RecordFault fault, Side side, std::string written) {
        RecordRefusal refusal = Refuse(fault, std::move(written));
        refusal.side = SideNumber(side);
        return refusal;
    }

    RecordScanner& m_scanner;
    GameRecord& m_record;
    Board m_board;
};

bool ResultFollows(RecordResult result, const Board& final) {
    const RecordResult onBoard = ResultOnBoard(final);
    if (onBoard != RecordResult::Unfinished) {
        return result == onBoard;
    }
    return result == RecordResult::Unfinished || result == RecordResult::Draw;
}

} // namespace

std::variant<GameRecord, RecordRefusal> ReadRecord(std::string_view text) {
    if (text.size() > MaxRecordBytes) {
        return RecordRefusal{RecordFault::TooLarge};
    }
    RecordScanner scanner(text);
    auto tags = ReadTags(scanner);
    if (auto* refusal = std::get_if<RecordRefusal>(&tags)) {
        return *refusal;
    }
    auto header = HeaderFromTags(std::get<RecordTags>(tags));
    if (auto* refusal = std::get_if<RecordRefusal>(&header)) {
        return *refusal;
    }
    GameRecord& record = std::get<GameRecord>(header);
    TurnReader turns(scanner, record);
    if (auto refusal = turns.Read()) {
        return *refusal;
    }
    if (!ResultFollows(record.result, turns.FinalBoard())) {
        const int line = std::get<RecordTags>(tags).result->line;
        return RecordRefusal{RecordFault::ResultMismatch, line,
                             std::string(ResultName(record.result))};
    }
    return std::move(record);
}

std::variant<GameRecord, RecordRefusal> ReadRecordFile(const std::string& path) {
    const PlainFileRead read = ReadPlainFile(path, MaxRecordBytes);
    if (read.error != FileError::None) {
        RecordRefusal refusal{RecordFault::FileError, 0, path};
        refusal.fileError = read.error;
        return refusal;
    }
    if (read.longer) {
        return RecordRefusal{RecordFault::TooLarge};
    }
    return ReadRecord({reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()});
}

} // namespace trevallion
