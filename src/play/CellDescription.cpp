#include "play/CellDescription.h"

#include "rules/Steps.h"

namespace trevallion {
namespace {

// "up", "down-left" and so on, built from the step itself: the vertical part first.
std::string DirectionName(Direction direction) {
    std::string name = direction.dy < 0 ? "up" : direction.dy > 0 ? "down" : "";
    if (direction.dx != 0) {
        if (!name.empty()) {
            name += '-';
        }
        name += direction.dx < 0 ? "left" : "right";
    }
    return name;
}

// The arms of a piece, in the clockwise order of Directions, which starts at up.
std::string ArmsOf(CellCode code) {
    std::string arms;
    for (const Direction direction : Directions) {
        // Any cell will do as the start: the rule looks only at the step.
        if (HasArm(code, direction)) {
            arms += arms.empty() ? "arms " : ", ";
            arms += DirectionName(direction);
        }
    }
    return arms.empty() ? "no arms" : arms;
}

// "column 3, row 6", counting from 1.
std::string PlaceOf(Cell cell) {
    return "column " + std::to_string(cell.x + 1) + ", row " + std::to_string(cell.y + 1);
}

bool IsEnd(const Move& move, Cell cell) {
    return move.from == cell || move.to == cell;
}

std::string WhatStands(CellCode code) {
    if (code == Empty) {
        return "empty";
    }
    if (code == Wall) {
        return "wall";
    }
    const std::optional<Side> side = OwnerOf(code);
    if (!side) {
        return "unknown";
    }
    const std::string owner = "Player " + std::to_string(SideNumber(*side));
    if (IsKing(code)) {
        return owner + " king";
    }
    return owner + " piece, " + ArmsOf(code);
}

} // namespace

std::string DescribeCell(Cell cell, CellCode code) {
    return PlaceOf(cell) + ": " + WhatStands(code);
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
    const std::pair<bool, const char*> words[] = {{marks.selected, "selected"},
                                                  {marks.target, "can move here"},
                                                  {marks.lastMove, "last move"},
                                                  {marks.hint, "hint"}};
    std::string description;
    for (const auto& [applies, word] : words) {
        if (applies) {
            description += description.empty() ? "" : ", ";
            description += word;
        }
    }
    return description;
}

std::string DescribeHint(const Move& hint) {
    return "hint: " + PlaceOf(hint.from) + " to " + PlaceOf(hint.to);
}

} // namespace trevallion
