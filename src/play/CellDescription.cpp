#include "play/CellDescription.h"

#include "rules/Steps.h"
#include "text/TextCatalog.h"

namespace trevallion {
namespace {

std::string Words(std::string_view text, std::initializer_list<std::string_view> values = {}) {
    return WithValues(Translated("CellDescription", text), values);
}

// "up", "down-left" and so on: the vertical part first. Each is a word of its own for the
// translators, as a language may not build them from two.
std::string DirectionName(Direction direction) {
    const char* const names[3][3] = {{QT_TRANSLATE_NOOP("CellDescription", "up-left"),
                                      QT_TRANSLATE_NOOP("CellDescription", "up"),
                                      QT_TRANSLATE_NOOP("CellDescription", "up-right")},
                                     {QT_TRANSLATE_NOOP("CellDescription", "left"), "",
                                      QT_TRANSLATE_NOOP("CellDescription", "right")},
                                     {QT_TRANSLATE_NOOP("CellDescription", "down-left"),
                                      QT_TRANSLATE_NOOP("CellDescription", "down"),
                                      QT_TRANSLATE_NOOP("CellDescription", "down-right")}};
    return Words(names[direction.dy + 1][direction.dx + 1]);
}

// The arms of a piece, in the clockwise order of Directions, which starts at up.
std::string ArmsOf(CellCode code) {
    std::string arms;
    for (const Direction direction : Directions) {
        // Any cell will do as the start: the rule looks only at the step.
        if (HasArm(code, direction)) {
            arms += arms.empty() ? "" : Words(QT_TRANSLATE_NOOP("CellDescription", ", "));
            arms += DirectionName(direction);
        }
    }
    return arms.empty() ? Words(QT_TRANSLATE_NOOP("CellDescription", "no arms"))
                        : Words(QT_TRANSLATE_NOOP("CellDescription", "arms %1"), {arms});
}

bool IsEnd(const Move& move, Cell cell) {
    return move.from == cell || move.to == cell;
}

} // namespace

// Counting from 1.
std::string DescribePlace(Cell cell) {
    return Words(QT_TRANSLATE_NOOP("CellDescription", "column %1, row %2"),
                 {std::to_string(cell.x + 1), std::to_string(cell.y + 1)});
}

std::string DescribeContent(CellCode code) {
    if (code == Empty) {
        return Words(QT_TRANSLATE_NOOP("CellDescription", "empty"));
    }
    if (code == Wall) {
        return Words(QT_TRANSLATE_NOOP("CellDescription", "wall"));
    }
    const std::optional<Side> side = OwnerOf(code);
    if (!side) {
        return Words(QT_TRANSLATE_NOOP("CellDescription", "unknown"));
    }
    const std::string owner = std::to_string(SideNumber(*side));
    if (IsKing(code)) {
        return Words(QT_TRANSLATE_NOOP("CellDescription", "Player %1 king"), {owner});
    }
    return Words(QT_TRANSLATE_NOOP("CellDescription", "Player %1 piece, %2"),
                 {owner, ArmsOf(code)});
}

std::string DescribeCell(Cell cell, CellCode code) {
    return Words(QT_TRANSLATE_NOOP("CellDescription", "%1: %2"),
                 {DescribePlace(cell), DescribeContent(code)});
}

CellMarks MarksOfCell(const BoardMarks& marks, const std::optional<Move>& hint, Cell at) {
    CellMarks cell;
    cell.selected = marks.selected == at;
    cell.target = OnBoard(at) && (marks.targets & CellBit(at)) != 0;
    cell.lastMove = marks.lastMove && IsEnd(*marks.lastMove, at);
    cell.hint = hint && IsEnd(*hint, at);
    return cell;
}

std::string DescribeMarks(const CellMarks& marks) {
    const std::pair<bool, const char*> words[] = {
        {marks.selected, QT_TRANSLATE_NOOP("CellDescription", "selected")},
        {marks.target, QT_TRANSLATE_NOOP("CellDescription", "can move here")},
        {marks.lastMove, QT_TRANSLATE_NOOP("CellDescription", "last move")},
        {marks.hint, QT_TRANSLATE_NOOP("CellDescription", "hint")}};
    std::string description;
    for (const auto& [applies, word] : words) {
        if (applies) {
            description +=
                description.empty() ? "" : Words(QT_TRANSLATE_NOOP("CellDescription", ", "));
            description += Words(word);
        }
    }
    return description;
}

std::string DescribeHint(const Move& hint) {
    return Words(QT_TRANSLATE_NOOP("CellDescription", "hint: %1 to %2"),
                 {DescribePlace(hint.from), DescribePlace(hint.to)});
}

} // namespace trevallion
