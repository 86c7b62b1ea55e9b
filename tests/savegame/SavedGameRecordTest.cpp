#include "savegame/SavedGameRecord.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

std::int32_t Int32At(const RecordBytes& bytes, std::size_t offset) {
    return static_cast<std::int32_t>(bytes[offset] | bytes[offset + 1] << 8 |
                                     bytes[offset + 2] << 16 |
                                     static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

// A record the game accepts: level 12, Player 2 (AI Medium) to move, every code on the board.
SavedGameRecord SoundRecord() {
    SavedGameRecord record{SaveFormatVersion, 2, 0, 2, 2, 12, {}};
    for (int i = 0; i < CellCount; ++i) {
        record.board[i] = i % (LastCode + 1);
    }
    return record;
}

TEST(SavedGameRecord, FieldsSitAtTheirOffsetsInLittleEndianOrder) {
    SavedGameRecord record = SoundRecord();
    record.playerOneType = -2; // a negative type must keep its sign through the file
    const RecordBytes bytes = EncodeRecord(record);

    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(Int32At(bytes, 4), 2);
    EXPECT_EQ(bytes[8], 0xFE);
    EXPECT_EQ(bytes[11], 0xFF);
    EXPECT_EQ(Int32At(bytes, 8), -2);
    EXPECT_EQ(Int32At(bytes, 12), 2);
    EXPECT_EQ(Int32At(bytes, 16), 2);
    EXPECT_EQ(Int32At(bytes, 20), 12);
    // The record keeps the board column by column.
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(Int32At(bytes, 24 + 4 * static_cast<std::size_t>(i)),
                  record.board.At({i / 7, i % 7}))
            << "element " << i;
    }
    for (std::size_t i = 220; i < RecordSize; ++i) {
        EXPECT_EQ(bytes[i], 0) << "reserved byte " << i;
    }
    EXPECT_EQ(DecodeRecord(bytes), record);
}

TEST(SavedGameRecord, ReservedBytesAreNeverRead) {
    RecordBytes bytes = EncodeRecord(SoundRecord());
    for (std::size_t i = RecordReservedOffset; i < RecordSize; ++i) {
        bytes[i] = 0xA5;
    }
    EXPECT_EQ(DecodeRecord(bytes), SoundRecord());
    EXPECT_EQ(CheckRecord(DecodeRecord(bytes), RecordSize, SaveFormatVersion),
              RecordVerdict::Sound);
}

struct RecordCase {
    const char* what;
    void (*change)(SavedGameRecord&);
    RecordVerdict verdict;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const RecordCase& c, std::ostream* out) {
    *out << c.what;
}

class CheckRecordCases : public ::testing::TestWithParam<RecordCase> {};

TEST_P(CheckRecordCases, GivesTheVerdictLoadingActsOn) {
    SavedGameRecord record = SoundRecord();
    GetParam().change(record);
    EXPECT_EQ(CheckRecord(record, RecordSize, SaveFormatVersion), GetParam().verdict);
}

constexpr auto Sound = RecordVerdict::Sound;
constexpr auto Corrupt = RecordVerdict::Corrupt;
constexpr auto OtherVersion = RecordVerdict::OtherVersion;

INSTANTIATE_TEST_SUITE_P(
    SavedGameRecord, CheckRecordCases,
    ::testing::Values(
        RecordCase{"sound", [](SavedGameRecord&) {}, Sound},
        RecordCase{"version 1", [](SavedGameRecord& r) { r.version = 1; }, OtherVersion},
        // The version is judged first, even when other fields are bad as well.
        RecordCase{"version 3, side 3",
                   [](SavedGameRecord& r) {
                       r.version = 3;
                       r.sideToMove = 3;
                   },
                   OtherVersion},
        RecordCase{"side 0", [](SavedGameRecord& r) { r.sideToMove = 0; }, Corrupt},
        RecordCase{"side 3", [](SavedGameRecord& r) { r.sideToMove = 3; }, Corrupt},
        RecordCase{"Player 1 type 4", [](SavedGameRecord& r) { r.playerOneType = 4; }, Sound},
        RecordCase{"Player 1 type 5", [](SavedGameRecord& r) { r.playerOneType = 5; }, Corrupt},
        RecordCase{"Player 1 type -5", [](SavedGameRecord& r) { r.playerOneType = -5; }, Sound},
        RecordCase{"Player 2 type 7", [](SavedGameRecord& r) { r.playerTwoType = 7; }, Sound},
        RecordCase{"level 0", [](SavedGameRecord& r) { r.level = 0; }, Corrupt},
        RecordCase{"level 256", [](SavedGameRecord& r) { r.level = 256; }, Corrupt},
        RecordCase{"level 255", [](SavedGameRecord& r) { r.level = 255; }, Sound},
        RecordCase{"cursor 3", [](SavedGameRecord& r) { r.cursorSide = 3; }, Corrupt},
        RecordCase{"cursor -1", [](SavedGameRecord& r) { r.cursorSide = -1; }, Corrupt},
        RecordCase{"code 28", [](SavedGameRecord& r) { r.board[48] = 28; }, Corrupt},
        RecordCase{"code -1", [](SavedGameRecord& r) { r.board[0] = -1; }, Corrupt}),
    [](const auto& info) {
        std::string name;
        for (const char c : std::string_view(info.param.what)) {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(SavedGameRecord, ShortRecordIsCorruptOnceItsVersionIsRight) {
    SavedGameRecord otherVersion = SoundRecord();
    otherVersion.version = 3;
    EXPECT_EQ(CheckRecord(SoundRecord(), RecordSize - 1, SaveFormatVersion), Corrupt);
    EXPECT_EQ(CheckRecord(otherVersion, 4, SaveFormatVersion), OtherVersion);
    // Fewer than four bytes hold no version at all.
    EXPECT_EQ(CheckRecord(otherVersion, 3, SaveFormatVersion), Corrupt);
    EXPECT_EQ(CheckRecord(SavedGameRecord{}, 0, SaveFormatVersion), Corrupt);
}

} // namespace
} // namespace trevallion
