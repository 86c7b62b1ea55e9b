#include "record/RecordWriter.h"

#include "notation/Notation.h"
#include "record/RecordTerms.h"
#include "rules/ApplyMove.h"

#include <cassert>

namespace trevallion {
namespace {

// Lines of the moves stay within the width a terminal and a mail show unbroken.
constexpr std::size_t LineWidth = 79;

void AddTag(std::string& text, std::string_view name, std::string_view value) {
    text += '[';
    text += name;
    text += " \"";
    for (const char c : value) {
        if (c == '"' || c == '\\') {
            text += '\\';
        }
        text += c;
    }
    text += "\"]\n";
}

// Words joined by spaces into lines no wider than LineWidth.
class MoveLines {
  public:
    explicit MoveLines(std::string& text) : m_text(text) {}
    void Add(std::string_view word) {
        if (m_width > 0 && m_width + 1 + word.size() > LineWidth) {
            m_text += '\n';
            m_width = 0;
        } else if (m_width > 0) {
            m_text += ' ';
            ++m_width;
        }
        m_text += word;
        m_width += word.size();
    }
    void End() {
        if (m_width > 0) {
            m_text += '\n';
        }
    }

  private:
    std::string& m_text;
    std::size_t m_width = 0;
};

} // namespace

std::optional<std::string> WriteRecord(const GameRecord& record) {
    assert(record.date.empty() || IsRecordDate(record.date));
    if (record.turns.size() > MaxRecordTurns) {
        return std::nullopt;
    }
    std::string text;
    AddTag(text, "Game", "Trevallion");
    AddTag(text, "Version", record.version);
    if (!record.date.empty()) {
        AddTag(text, "Date", record.date);
    }
    AddTag(text, "Level", std::to_string(record.level));
    AddTag(text, "Player1", PlayerName(record.playerOne));
    AddTag(text, "Player2", PlayerName(record.playerTwo));
    AddTag(text, "Result", ResultName(record.result));
    if (!StartsAtLevelStart(record)) {
        AddTag(text, "Position", PositionText(record.start));
        AddTag(text, "ToMove", SideName(record.sideToMove));
    }
    text += '\n';
    MoveLines lines(text);
    Board board = record.start;
    for (std::size_t i = 0; i < record.turns.size(); ++i) {
        // A number stays on the line of the turn it numbers.
        std::string word;
        const Side side = TurnSide(record.sideToMove, i);
        if (side == Side::PlayerOne || i == 0) {
            word = std::to_string(TurnNumber(record.sideToMove, i)) +
                   (side == Side::PlayerOne ? ". " : "... ");
        }
        const std::optional<Move>& turn = record.turns[i];
        lines.Add(word + TurnName(board, turn));
        if (turn) {
            ApplyMove(board, *turn);
        }
    }
    lines.End();
    return text;
}

} // namespace trevallion
