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
        if (CanStep(code, 0, 0, direction.dx, direction.dy) != 0) {
            arms += arms.empty() ? "arms " : ", ";
            arms += DirectionName(direction);
        }
    }
    return arms.empty() ? "no arms" : arms;
}

// "column 3, row 6", counting from 1.
std::string PlaceOf(int x, int y) {
    return "column " + std::to_string(x + 1) + ", row " + std::to_string(y + 1);
}

bool IsEnd(const Move& move, int x, int y) {
    return (move.from.x == x && move.from.y == y) || (move.to.x == x && move.to.y == y);
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

std::string DescribeCell(int x, int y, CellCode code) {
    return PlaceOf(x, y) + ": " + WhatStands(code);
}

CellMarks MarksOfCell(const BoardMarks& marks, const std::optional<Move>& hint, int x, int y) {
    CellMarks cell;
    cell.selected = marks.selected == Cell{x, y};
    cell.target = OnBoard(x, y) && (marks.targets & CellBit(x, y)) != 0;
    cell.lastMove = marks.lastMove && IsEnd(*marks.lastMove, x, y);
    cell.hint = hint && IsEnd(*hint, x, y);
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
    return "hint: " + PlaceOf(hint.from.x, hint.from.y) + " to " + PlaceOf(hint.to.x, hint.to.y);
}

} // namespace trevallion
