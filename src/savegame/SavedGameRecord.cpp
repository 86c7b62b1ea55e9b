#include "savegame/SavedGameRecord.h"

#include <algorithm>

namespace trevallion {
namespace {

// The header fields in file order, each four bytes from the start.
constexpr std::size_t HeaderFields = 6;

// Player 1's type may be any a Player menu names, up to AI Expert (4); a negative one is simply
// not applied.
constexpr std::int32_t HighestPlayerType = 4;

void Put(RecordBytes& bytes, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

std::int32_t Get(const RecordBytes& bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

template <typename Record> auto HeaderOf(Record& record) {
    return std::array{&record.version,       &record.sideToMove, &record.playerOneType,
                      &record.playerTwoType, &record.cursorSide, &record.level};
}

// The record keeps the board column by column, top to bottom: its i-th cell is (i / 7, i % 7).
Cell RecordCell(int i) {
    return {i / BoardSize, i % BoardSize};
}

std::size_t RecordCellOffset(int i) {
    return RecordBoardOffset + 4 * static_cast<std::size_t>(i);
}

} // namespace

RecordBytes EncodeRecord(const SavedGameRecord& record) {
    RecordBytes bytes{};
    const auto header = HeaderOf(record);
    for (std::size_t i = 0; i < HeaderFields; ++i) {
        Put(bytes, 4 * i, *header[i]);
    }
    for (int i = 0; i < CellCount; ++i) {
        Put(bytes, RecordCellOffset(i), record.board.At(RecordCell(i)));
    }
    return bytes;
}

SavedGameRecord DecodeRecord(const RecordBytes& bytes) {
    SavedGameRecord record;
    const auto header = HeaderOf(record);
    for (std::size_t i = 0; i < HeaderFields; ++i) {
        *header[i] = Get(bytes, 4 * i);
    }
    for (int i = 0; i < CellCount; ++i) {
        record.board.At(RecordCell(i)) = Get(bytes, RecordCellOffset(i));
    }
    return record;
}

RecordVerdict CheckRecord(const SavedGameRecord& record, std::size_t length,
                          std::int32_t expectedVersion) {
    if (length >= 4 && record.version != expectedVersion) {
        return RecordVerdict::OtherVersion;
    }
    const bool complete = length >= RecordSize;
    const bool sideOk = SideFromNumber(record.sideToMove).has_value();
    const bool levelOk = record.level >= 1 && record.level <= 255;
    const bool cursorOk = record.cursorSide >= 0 && record.cursorSide <= 2;
    const bool cellsOk = std::ranges::all_of(record.board.cells, IsValidCode);
    if (!complete || !sideOk || record.playerOneType > HighestPlayerType || !levelOk || !cellsOk ||
        !cursorOk) {
        return RecordVerdict::Corrupt;
    }
    return RecordVerdict::Sound;
}

} // namespace trevallion
