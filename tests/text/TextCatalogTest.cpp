#include "text/TextCatalog.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

TEST(TextCatalog, ValuesFillTheirNumberedPlacesInAnyOrder) {
    struct Case {
        std::string_view text;
        std::string expected;
    };
    const Case cases[] = {
        {"column %1, row %2", "column 3, row 6"},
        {"Zeile %2, Spalte %1", "Zeile 6, Spalte 3"},
        {"100% of %1, %3 stays, so does %", "100% of 3, %3 stays, so does %"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WithValues(c.text, {"3", "6"}), c.expected) << c.text;
    }
    // A value is put in as it is, even when it looks like a place itself.
    EXPECT_EQ(WithValues("%1 was not found.", {"/tmp/%2.tvx", "x"}), "/tmp/%2.tvx was not found.");
}

} // namespace
} // namespace trevallion
