#pragma once

#include "rules/Board.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace trevallion {

// A saved game is one record of 87 signed 32-bit little-endian integers and nothing else: the
// format version, the side to move, both player types, the cursor side, the level, the 49 cells
// of the board column by column (cell (x, y) is element x * 7 + y), and 128 reserved bytes.
inline constexpr std::size_t RecordSize = 348;
inline constexpr std::size_t RecordBoardOffset = 24;
inline constexpr std::size_t RecordReservedOffset = RecordBoardOffset + 4 * CellCount; // 220

// The format version this program writes and the only one it reads.
inline constexpr std::int32_t SaveFormatVersion = 2;

using RecordBytes = std::array<std::uint8_t, RecordSize>;

struct SavedGameRecord {
    std::int32_t version = 0;
    std::int32_t sideToMove = 0;
    std::int32_t playerOneType = 0;
    std::int32_t playerTwoType = 0;
    std::int32_t cursorSide = 0;
    std::int32_t level = 0;
    Board board;

    friend bool operator==(const SavedGameRecord&, const SavedGameRecord&) = default;
};

// The record's bytes, little-endian on any host; the reserved bytes are zero.
RecordBytes EncodeRecord(const SavedGameRecord& record);

// The record held by `bytes`; the reserved bytes are not read.
SavedGameRecord DecodeRecord(const RecordBytes& bytes);

// What loading makes of a record.
enum class RecordVerdict {
    Sound,
    OtherVersion, // written by a different version of the program
    Corrupt,      // a field the game cannot take
};

// Checks a record of which the first `length` bytes came from the file. A record from another
// version is refused first, as soon as its version field is there at all. Then a short record,
// a side to move other than 1 or 2, a Player 1 type above 4, a level outside 1..255, a board
// code outside 0..27 or a cursor side outside 0..2 make it corrupt. Player 2's type is not
// checked: a value that no Player command names is simply not applied.
RecordVerdict CheckRecord(const SavedGameRecord& record, std::size_t length,
                          std::int32_t expectedVersion);

} // namespace trevallion
