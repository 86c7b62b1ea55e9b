#pragma once

#include "players/PlayerType.h"
#include "rules/Board.h"
#include "rules/MoveList.h"
#include "rules/Side.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trevallion {

// How a recorded game ended. A draw is never found on the board: the record holds it as the
// players or the game declared it.
enum class RecordResult { Unfinished, PlayerOneWins, PlayerTwoWins, Draw };

// One level's game, whole: where it started, who played, every turn and how it ended. A turn is
// a move, or none when the side had no step and passed.
struct GameRecord {
    std::string version; // of the program that wrote it
    std::string date;    // "YYYY-MM-DD", or empty when not known
    std::int32_t level = 1;
    PlayerType playerOne = PlayerType::Human;
    PlayerType playerTwo = PlayerType::Human;
    Board start;
    Side sideToMove = Side::PlayerOne; // at the start
    std::vector<std::optional<Move>> turns;
    RecordResult result = RecordResult::Unfinished;

    friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

// The bounds of what a record may hold, so that no file, however made, takes the reader long
// or much memory. A game is far shorter than either: a level rarely lasts 200 turns, and a turn
// takes at most a dozen characters.
inline constexpr std::size_t MaxRecordTurns = 10000;
inline constexpr std::size_t MaxRecordBytes = std::size_t{1} << 20;

// Whether the record starts where its level starts, Player 1 to move; otherwise the record
// holds its starting position.
bool StartsAtLevelStart(const GameRecord& record);

// The number a record gives the turn at `index` (from 0) of a game whose first turn is `first`'s:
// a turn of Player 1 and the turn of Player 2 after it share a number, counted from 1.
int TurnNumber(Side first, std::size_t index);

// The side whose turn that is.
constexpr Side TurnSide(Side first, std::size_t index) {
    return index % 2 == 0 ? first : OtherSide(first);
}

// The result the board itself shows after the last turn: a winner, or unfinished.
RecordResult ResultOnBoard(const Board& board);

// The board and side to move after every turn of `record`, which must be legal (as every
// record read is).
struct RecordPosition {
    Board board;
    Side sideToMove = Side::PlayerOne;
};
RecordPosition FinalPosition(const GameRecord& record);

} // namespace trevallion
