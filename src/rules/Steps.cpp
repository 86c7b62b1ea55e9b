#include "rules/Steps.h"

namespace trevallion {
namespace {

constexpr std::uint8_t Up = 1 << 0;
constexpr std::uint8_t UpRight = 1 << 1;
constexpr std::uint8_t Right = 1 << 2;
constexpr std::uint8_t DownRight = 1 << 3;
constexpr std::uint8_t Down = 1 << 4;
constexpr std::uint8_t DownLeft = 1 << 5;
constexpr std::uint8_t Left = 1 << 6;
constexpr std::uint8_t UpLeft = 1 << 7;

// The arms of each kind of piece, by Player 1's code; Player 2's codes 16 to 27 share them.
constexpr std::uint8_t PieceSteps[PieceKindCount] = {
    Up | DownLeft | DownRight,               // 3: three arms
    Right | UpLeft | DownLeft,               // 4: three arms
    Down | UpLeft | UpRight,                 // 5: three arms
    Left | UpRight | DownRight,              // 6: three arms
    Up | Down | Left | Right,                // 7: upright cross
    UpLeft | UpRight | DownLeft | DownRight, // 8: diagonal cross
    Left | Right,                            // 9: horizontal bar
    Up | Down,                               // 10: vertical bar
    Left | Right | Up,                       // 11: horizontal bar, arm up
    Up | Down | Right,                       // 12: vertical bar, arm right
    Left | Right | Down,                     // 13: horizontal bar, arm down
    Up | Down | Left,                        // 14: vertical bar, arm left
};

int DirectionIndex(long long dx, long long dy) {
    for (int i = 0; i < DirectionCount; ++i) {
        if (Directions[i].dx == dx && Directions[i].dy == dy) {
            return i;
        }
    }
    return -1;
}

// Where a side's piece may go, arms aside. Deliberately not mirror images of each other: Player
// 1 names what it may enter, Player 2 what it may not.
bool MayEnter(CellCode target, Side side) {
    return side == Side::PlayerOne ? target == Empty || BelongsTo(target, Side::PlayerTwo)
                                   : target != Wall && !BelongsTo(target, Side::PlayerTwo);
}

} // namespace

std::uint8_t StepMask(CellCode code) {
    const int kind = PieceKind(code);
    return kind < 0 ? 0 : PieceSteps[kind];
}

int CanStep(CellCode code, int fromX, int fromY, int toX, int toY) {
    // Widened so that no pair of coordinates can overflow the difference.
    const int direction =
        DirectionIndex(static_cast<long long>(toX) - fromX, static_cast<long long>(toY) - fromY);
    if (direction < 0) {
        return 0;
    }
    return (StepMask(code) >> direction) & 1;
}

bool MayStep(const Board& board, Side side, Cell from, Cell to) {
    if (!OnBoard(from.x, from.y) || !OnBoard(to.x, to.y)) {
        return false;
    }
    const CellCode piece = board.At(from.x, from.y);
    return BelongsTo(piece, side) && CanStep(piece, from.x, from.y, to.x, to.y) == 1 &&
           MayEnter(board.At(to.x, to.y), side);
}

CellSet StepTargets(const Board& board, int x, int y) {
    const std::optional<Side> side = OwnerOf(board.At(x, y));
    CellSet targets = 0;
    if (!side) {
        return targets;
    }
    for (const Direction direction : Directions) {
        const Cell to{x + direction.dx, y + direction.dy};
        if (MayStep(board, *side, {x, y}, to)) {
            targets |= CellBit(to.x, to.y);
        }
    }
    return targets;
}

} // namespace trevallion
