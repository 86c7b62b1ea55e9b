#include "play/KeepWriter.h"
#include "FakeRunner.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace trevallion {
namespace {

TEST(KeepWriter, AWriteOnItsWayTakesTheNewestGameAndNoneWaitsForIt) {
    testing::ScratchFolder folder;
    testing::FakeRunner runner;
    runner.mode = testing::FakeRunner::Mode::Held; // a slow disk
    KeepWriter writer(runner);
    writer.Open(folder.Path(), "game", "statistics", {}, StatisticsFileRead::Read);
    for (std::uint8_t move = 1; move <= 3; ++move) {
        RecordBytes record{};
        record[0] = move;
        writer.KeepGame(record);
        writer.Flush();
    }
    EXPECT_EQ(runner.started, 1) << "a move waited for the write before it";
    writer.Finish();
    EXPECT_EQ(testing::ReadBytes(folder.File("game")).at(0), 3);
}

// Guards against two games that each write back the table they read, losing the other's results.
TEST(KeepWriter, TwoGamesWritingAtOnceLoseNoResult) {
    testing::ScratchFolder folder;
    constexpr int Rounds = 40;
    ThreadRunner runners[2];
    std::unique_ptr<KeepWriter> writers[2];
    for (int game = 0; game < 2; ++game) {
        writers[game] = std::make_unique<KeepWriter>(runners[game]);
        writers[game]->Open(folder.Path(), "game", "statistics", {}, StatisticsFileRead::Read);
    }
    for (int round = 0; round < Rounds; ++round) {
        for (const auto& writer : writers) {
            writer->AddStatistics({false, {{1, {Pairing::TwoHumans, Result::Won}}}});
            writer->Flush();
        }
    }
    writers[0]->Finish(), writers[1]->Finish();
    const StatisticsRead read = ReadStatisticsFile(folder.File("statistics"));
    EXPECT_EQ(read.table.at({1, Pairing::TwoHumans}).won, 2 * Rounds);
}

} // namespace
} // namespace trevallion
