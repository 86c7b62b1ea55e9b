#include "rules/Steps.h"

#include <climits>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>

namespace trevallion {
namespace {

using Step = std::pair<int, int>;

// The arms of Player 1's pieces in words, as a player reads them off the tiles.
const std::map<CellCode, std::string> ArmsInWords = {
    {3, "up down-left down-right"},
    {4, "right up-left down-left"},
    {5, "down up-left up-right"},
    {6, "left up-right down-right"},
    {7, "up down left right"},
    {8, "up-left up-right down-left down-right"},
    {9, "left right"},
    {10, "up down"},
    {11, "left right up"},
    {12, "up down right"},
    {13, "left right down"},
    {14, "up down left"},
};

std::set<Step> StepsFromWords(const std::string& words) {
    static const std::map<std::string, Step> named = {
        {"up", {0, -1}},        {"down", {0, 1}},       {"left", {-1, 0}},
        {"right", {1, 0}},      {"up-left", {-1, -1}},  {"up-right", {1, -1}},
        {"down-left", {-1, 1}}, {"down-right", {1, 1}},
    };
    std::set<Step> steps;
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        steps.insert(named.at(word));
    }
    return steps;
}

std::set<Step> ExpectedSteps(CellCode code) {
    if (code >= 3 && code <= 14) {
        return StepsFromWords(ArmsInWords.at(code));
    }
    if (code >= 16 && code <= 27) {
        return StepsFromWords(ArmsInWords.at(code - 13));
    }
    return {};
}

TEST(CanStep, EveryCodeInEveryDirection) {
    for (CellCode code = -3; code <= 30; ++code) {
        const std::set<Step> expected = ExpectedSteps(code);
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const int want = expected.count({dx, dy}) ? 1 : 0;
                EXPECT_EQ(CanStep(code, {3, 3}, {3 + dx, 3 + dy}), want)
                    << "code " << code << " step (" << dx << ", " << dy << ")";
            }
        }
    }
}

TEST(CanStep, PiecesHaveTwoToFourArmsAndKingsAndWallsNone) {
    for (const CellCode still : {Empty, Wall, PlayerOneKing, PlayerTwoKing}) {
        EXPECT_EQ(StepMask(still), 0) << "code " << still;
    }
    for (CellCode code = 3; code <= 27; ++code) {
        if (code == PlayerTwoKing) {
            continue;
        }
        const int arms = __builtin_popcount(StepMask(code));
        EXPECT_GE(arms, 2) << "code " << code;
        EXPECT_LE(arms, 4) << "code " << code;
    }
    for (CellCode code = 3; code <= 14; ++code) {
        EXPECT_EQ(StepMask(code), StepMask(code + 13)) << "code " << code;
    }
}

TEST(CanStep, OnlyOneCellAtATime) {
    EXPECT_TRUE(CanStep(10, {3, 3}, {3, 2}));
    EXPECT_FALSE(CanStep(10, {3, 3}, {3, 1})); // two cells up along an arm
    EXPECT_FALSE(CanStep(8, {3, 3}, {5, 5}));
    for (CellCode code = 0; code <= 27; ++code) {
        EXPECT_FALSE(CanStep(code, {2, 4}, {2, 4})) << "staying put, code " << code;
    }
}

TEST(CanStep, LooksOnlyAtTheDifference) {
    // The board's edge is the callers' business: a step off the board is still a step.
    EXPECT_TRUE(CanStep(10, {0, 0}, {0, -1}));
    EXPECT_TRUE(CanStep(3, {100, -40}, {100, -41}));
    // Code 3 steps up but not down; code 5 down but not up.
    EXPECT_FALSE(CanStep(3, {4, 4}, {4, 5}));
    EXPECT_TRUE(CanStep(5, {4, 4}, {4, 5}));
    EXPECT_FALSE(CanStep(5, {4, 4}, {4, 3}));
    // Far-apart coordinates must not wrap around into a neighbouring step.
    EXPECT_FALSE(CanStep(7, {INT_MIN, 0}, {INT_MAX, 0}));
    EXPECT_FALSE(CanStep(7, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}));
}

} // namespace
} // namespace trevallion
