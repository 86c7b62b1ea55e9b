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
    const std::optional<int> kind = PieceKind(code);
    return kind ? PieceSteps[*kind] : 0;
}

bool HasArm(CellCode code, Direction direction) {
    return CanStep(code, {0, 0}, {direction.dx, direction.dy});
}

bool CanStep(CellCode code, Cell from, Cell to) {
    // Widened so that no pair of coordinates can overflow the difference.
    const int index = DirectionIndex(static_cast<long long>(to.x) - from.x,
                                     static_cast<long long>(to.y) - from.y);
    return index >= 0 && ((StepMask(code) >> index) & 1) != 0;
}

bool MayStep(const Board& board, Side side, Cell from, Cell to) {
    if (!OnBoard(from) || !OnBoard(to)) {
        return false;
    }
    const CellCode piece = board.At(from);
    return BelongsTo(piece, side) && CanStep(piece, from, to) && MayEnter(board.At(to), side);
}

CellSet StepTargets(const Board& board, Cell from) {
    const std::optional<Side> side = OwnerOf(board.At(from));
    CellSet targets = 0;
    if (!side) {
        return targets;
    }
    for (const Direction direction : Directions) {
        const Cell to{from.x + direction.dx, from.y + direction.dy};
        if (MayStep(board, *side, from, to)) {
            targets |= CellBit(to);
        }
    }
    return targets;
}

} // namespace trevallion
