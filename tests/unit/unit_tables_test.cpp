#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "settings/unit_tables.h"

namespace {

TEST(UnitTables, MapListPositionsToExponentAndLabel)
{
    const struct {
        std::int32_t index;
        std::int32_t exponent;
        const char* name;
    } cases[] = {
        {0, 0, "KB"},
        {1, 1, "MB"},
        {2, 2, "GB"},
        {-1, 0, ""},  // none selected
        {3, 0, ""},
        {std::numeric_limits<std::int32_t>::min(), 0, ""},
        {std::numeric_limits<std::int32_t>::max(), 0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(unitIndexToExponent(c.index), c.exponent) << c.index;
        EXPECT_EQ(unitIndexToName(c.index), c.name) << c.index;
    }
}

TEST(UnitTables, FindTheListPositionOfALabelByExactComparison)
{
    const struct {
        std::string name;
        std::int32_t index;
    } cases[] = {
        {"KB", 0},
        {"MB", 1},
        {"GB", 2},
        {"mb", 0},
        {"Gb", 0},
        {"MB ", 0},
        {" GB", 0},
        {"", 0},
        {"Megabyte", 0},
        {std::string("GB\0", 3), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(unitNameToIndex(c.name), c.index) << '"' << c.name << '"';
    }
}

}  // namespace
