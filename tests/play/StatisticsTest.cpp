#include "play/Statistics.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

using enum PlayerType;

TEST(Statistics, AResultCountsForTheHumanAgainstAComputerAndForPlayerOneOtherwise) {
    struct Case {
        PlayerType one, two;
        std::optional<Side> winner;
        Pairing pairing;
        Result result;
    };
    for (const Case& c :
         {Case{Human, AiEasy, Side::PlayerOne, Pairing::HumanVsEasy, Result::Won},
          Case{AiMedium, Human, Side::PlayerOne, Pairing::HumanVsMedium, Result::Lost},
          Case{Human, AiDifficult, Side::PlayerTwo, Pairing::HumanVsDifficult, Result::Lost},
          Case{AiExpert, Human, Side::PlayerTwo, Pairing::HumanVsExpert, Result::Won},
          Case{Human, AiExpert, std::nullopt, Pairing::HumanVsExpert, Result::Drawn},
          Case{Human, Human, Side::PlayerTwo, Pairing::TwoHumans, Result::Lost},
          Case{AiEasy, AiDifficult, Side::PlayerOne, Pairing::TwoComputers, Result::Won}}) {
        const LevelResult result = ResultOf(c.one, c.two, c.winner);
        EXPECT_EQ(result.pairing, c.pairing);
        EXPECT_EQ(result.result, c.result);
    }
}

// A file of the first version, from before draws, is read with none.
TEST(Statistics, TheFileReadsBackAndAnythingElseIsRefused) {
    StatisticsTable table;
    CountResult(table, 255, {Pairing::TwoComputers, Result::Won});
    CountResult(table, 3, {Pairing::HumanVsEasy, Result::Lost});
    CountResult(table, 3, {Pairing::HumanVsEasy, Result::Won});
    CountResult(table, 3, {Pairing::HumanVsExpert, Result::Drawn});
    EXPECT_EQ(DecodeStatistics(EncodeStatistics(table)), table);
    EXPECT_EQ(DecodeStatistics("trevallion-statistics 1\n"), StatisticsTable{});
    EXPECT_EQ(DecodeStatistics("trevallion-statistics 1\n3 easy 1 2\n"),
              (StatisticsTable{{{3, Pairing::HumanVsEasy}, {1, 2, 0}}}));
    for (const char* damaged :
         {"", "trevallion-statistics 3\n", "trevallion-statistics 1",
          "trevallion-statistics 1\n3 easy 1 1", "trevallion-statistics 1\n0 easy 1 1\n",
          "trevallion-statistics 1\n3 hard 1 1\n", "trevallion-statistics 1\n3 easy -1 1\n",
          "trevallion-statistics 1\n3 easy 1 2147483648\n",
          "trevallion-statistics 1\n3 easy 1 1 1\n",
          "trevallion-statistics 1\n3 easy 1 1\n3 easy 1 1\n",
          "trevallion-statistics 2\n3 easy 1 1\n", "trevallion-statistics 2\n3 easy 1 1 -1\n"}) {
        EXPECT_EQ(DecodeStatistics(damaged), std::nullopt) << damaged;
    }
}

} // namespace
} // namespace trevallion
