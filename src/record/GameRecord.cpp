#include "record/GameRecord.h"

#include "levels/LevelLayouts.h"
#include "rules/ApplyMove.h"
#include "rules/Winner.h"

namespace trevallion {

bool StartsAtLevelStart(const GameRecord& record) {
    return CheckLevel(record.level) == LevelCheck::Level && record.sideToMove == Side::PlayerOne &&
           record.start == LayoutToBoard(LevelLayout(record.level));
}

int TurnNumber(Side first, std::size_t index) {
    const std::size_t shift = first == Side::PlayerTwo ? 1 : 0;
    return static_cast<int>((index + shift) / 2 + 1);
}

RecordResult ResultOnBoard(const Board& board) {
    const std::optional<Side> winner = FindWinner(board);
    if (!winner) {
        return RecordResult::Unfinished;
    }
    return *winner == Side::PlayerOne ? RecordResult::PlayerOneWins : RecordResult::PlayerTwoWins;
}

RecordPosition FinalPosition(const GameRecord& record) {
    RecordPosition position{record.start, record.sideToMove};
    for (const std::optional<Move>& turn : record.turns) {
        if (turn) {
            ApplyMove(position.board, *turn);
        }
        position.sideToMove = OtherSide(position.sideToMove);
    }
    return position;
}

} // namespace trevallion
