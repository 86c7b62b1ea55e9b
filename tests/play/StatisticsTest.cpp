#include "play/Statistics.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

using enum PlayerType;

TEST(Statistics, AResultCountsForTheHumanAgainstAComputerAndForPlayerOneOtherwise) {
    struct Case {
        PlayerType one, two;
        Side winner;
        Pairing pairing;
        bool won;
    };
    for (const Case& c :
         {Case{Human, AiEasy, Side::PlayerOne, Pairing::HumanVsEasy, true},
          Case{AiMedium, Human, Side::PlayerOne, Pairing::HumanVsMedium, false},
          Case{Human, AiDifficult, Side::PlayerTwo, Pairing::HumanVsDifficult, false},
          Case{Human, Human, Side::PlayerTwo, Pairing::TwoHumans, false},
          Case{AiEasy, AiDifficult, Side::PlayerOne, Pairing::TwoComputers, true}}) {
        const LevelResult result = ResultOf(c.one, c.two, c.winner);
        EXPECT_EQ(result.pairing, c.pairing);
        EXPECT_EQ(result.won, c.won);
    }
}

TEST(Statistics, TheFileReadsBackAndAnythingElseIsRefused) {
    StatisticsTable table;
    CountResult(table, 255, {Pairing::TwoComputers, true});
    CountResult(table, 3, {Pairing::HumanVsEasy, false});
    CountResult(table, 3, {Pairing::HumanVsEasy, true});
    EXPECT_EQ(DecodeStatistics(EncodeStatistics(table)), table);
    EXPECT_EQ(DecodeStatistics("trevallion-statistics 1\n"), StatisticsTable{});
    for (const char* damaged :
         {"", "trevallion-statistics 2\n", "trevallion-statistics 1",
          "trevallion-statistics 1\n3 easy 1 1", "trevallion-statistics 1\n0 easy 1 1\n",
          "trevallion-statistics 1\n3 hard 1 1\n", "trevallion-statistics 1\n3 easy -1 1\n",
          "trevallion-statistics 1\n3 easy 1 2147483648\n",
          "trevallion-statistics 1\n3 easy 1 1 1\n",
          "trevallion-statistics 1\n3 easy 1 1\n3 easy 1 1\n"}) {
        EXPECT_EQ(DecodeStatistics(damaged), std::nullopt) << damaged;
    }
}

} // namespace
} // namespace trevallion
