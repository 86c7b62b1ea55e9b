#include "play/CellDescription.h"
#include "rules/Steps.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace trevallion {
namespace {

using Step = std::pair<int, int>;

// Direction words as a player says them, clockwise from up.
const std::vector<std::pair<std::string, Step>> ClockwiseWords = {
    {"up", {0, -1}},  {"up-right", {1, -1}},  {"right", {1, 0}}, {"down-right", {1, 1}},
    {"down", {0, 1}}, {"down-left", {-1, 1}}, {"left", {-1, 0}}, {"up-left", {-1, -1}},
};

// The words after "arms " in a piece's description, split at ", "; empty when it has none.
std::vector<std::string> ArmWords(const std::string& description) {
    std::vector<std::string> words;
    const std::string marker = ", arms ";
    const auto start = description.find(marker);
    if (start == std::string::npos) {
        return words;
    }
    std::string rest = description.substr(start + marker.size());
    for (std::size_t comma; (comma = rest.find(", ")) != std::string::npos;) {
        words.push_back(rest.substr(0, comma));
        rest.erase(0, comma + 2);
    }
    words.push_back(rest);
    return words;
}

TEST(DescribeCell, NamesTheCellAndWhatStandsInIt) {
    EXPECT_EQ(DescribeCell({0, 0}, Empty), "column 1, row 1: empty");
    EXPECT_EQ(DescribeCell({6, 2}, Wall), "column 7, row 3: wall");
    EXPECT_EQ(DescribeCell({3, 6}, PlayerOneKing), "column 4, row 7: Player 1 king");
    EXPECT_EQ(DescribeCell({4, 0}, PlayerTwoKing), "column 5, row 1: Player 2 king");
    // Arms are read clockwise from up, so down-right comes before down-left.
    EXPECT_EQ(DescribeCell({2, 5}, 3), "column 3, row 6: Player 1 piece, arms up, down-right, "
                                       "down-left");
    EXPECT_EQ(DescribeCell({1, 4}, 16), "column 2, row 5: Player 2 piece, arms up, down-right, "
                                        "down-left");
}

TEST(DescribeCell, ColumnComesFromXAndRowFromY) {
    EXPECT_EQ(DescribeCell({1, 0}, Empty).substr(0, 16), "column 2, row 1:");
    EXPECT_EQ(DescribeCell({0, 1}, Empty).substr(0, 16), "column 1, row 2:");
}

TEST(DescribeCell, ArmsAreExactlyTheStepsTheRulesAllow) {
    for (CellCode code = 0; code <= LastCode; ++code) {
        const std::string description = DescribeCell({3, 3}, code);
        std::vector<std::string> allowed;
        for (const auto& [word, step] : ClockwiseWords) {
            if (CanStep(code, {3, 3}, {3 + step.first, 3 + step.second})) {
                allowed.push_back(word);
            }
        }
        // Same words in the same clockwise order, and nothing else after "arms".
        EXPECT_EQ(ArmWords(description), allowed) << description;

        const std::optional<Side> owner = OwnerOf(code);
        if (PieceKind(code)) {
            const std::string piece = ": Player " + std::to_string(SideNumber(*owner)) + " piece, ";
            EXPECT_NE(description.find(piece), std::string::npos) << description;
            // Every piece of this game has arms.
            EXPECT_FALSE(allowed.empty()) << description;
        } else {
            EXPECT_EQ(description.find("piece"), std::string::npos) << description;
        }
    }
}

} // namespace
} // namespace trevallion
