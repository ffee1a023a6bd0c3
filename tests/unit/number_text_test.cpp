#include <cfloat>
#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "monitor/number_text.h"

namespace {

TEST(FormatFixed, PrintsWithTheGivenDecimals)
{
    const struct {
        float value;
        std::int32_t decimals;
        const char* text;
    } cases[] = {
        {4096.0f, 2, "4096.00"},
        {-1.0f, 2, "-1.00"},
        {0.25f, 2, "0.25"},     // a single 0 below 1
        {0.0f, 2, "0.00"},
        {69.0f, 0, "69"},
        {1.0f, -1, "1.000000"},  // -1 means "%f"
        {-0.5f, -1, "-0.500000"},
        {1024.0f, -1, "1024.000000"},
        {3000000000.0f, 2, "3000000000.00"},  // never an exponent form
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatFixed(c.value, c.decimals), c.text)
            << c.value << " with " << c.decimals << " decimals";
    }
}

TEST(FormatFixed, CapsDecimalsAt512WithoutOverflow)
{
    const std::string tiny = formatFixed(0.5f, 100000);
    ASSERT_EQ(tiny.size(), 2u + 512u);
    EXPECT_EQ(tiny.substr(0, 3), "0.5");
    EXPECT_EQ(tiny.find_first_not_of('0', 3), std::string::npos);

    // The widest text there is: 39 integer digits, sign, point, 512 decimals.
    const std::string widest = formatFixed(-FLT_MAX, 600);
    EXPECT_EQ(widest.size(), 1u + 39u + 1u + 512u);
    EXPECT_EQ(widest.substr(0, 4), "-340");
    EXPECT_EQ(widest[40], '.');
}

TEST(FormatInteger, GivesExactDecimalText)
{
    const struct {
        std::int64_t value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {500, "500"},
        {-42, "-42"},
        {-2147483648LL, "-2147483648"},
        {std::numeric_limits<std::int64_t>::max(), "9223372036854775807"},
        {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatInteger(c.value), c.text);
    }
}

}  // namespace
