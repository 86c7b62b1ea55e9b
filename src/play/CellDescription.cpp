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
    return "column " + std::to_string(x + 1) + ", row " + std::to_string(y + 1) + ": " +
           WhatStands(code);
}

} // namespace trevallion
