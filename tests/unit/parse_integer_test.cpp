#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "settings/parse_integer.h"
#include "ui/spin_state.h"

namespace {

constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();

TEST(ParseInteger, ReadsSignBaseAndDigitsUpToTheFirstOtherCharacter)
{
    const struct {
        const char* text;
        std::int64_t value;
    } cases[] = {
        {"", 0},
        {"500", 500},
        {"  -42abc", -42},
        {"\t\t+7", 7},
        {"$1F4", 500},
        {"$1f4", 500},
        {"%111110100", 500},
        {"-$10", -16},
        {"+%11", 3},
        {"1e3", 1},
        {"12 34", 12},
        {"0500", 500},
        {"4294967796", 4294967796LL},
        // Nothing may stand between the sign and the number.
        {"+ 5", 0},
        {"- 5", 0},
        {"$", 0},
        {"%", 0},
        {"abc", 0},
        {"$-5", 0},
        {"%2", 0},
        {"$G", 0},
        {"--5", 0},
        // Only blanks and tabs are skipped.
        {"\n5", 0},
        {"\r5", 0},
        // The value wraps modulo 2^64.
        {"18446744073709551617", 1},
        {"9223372036854775808", kMin64},
        {"-9223372036854775808", kMin64},
        {"$FFFFFFFFFFFFFFFF", -1},
        {"$10000000000000001", 1},
        {"-0", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseInteger(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ParseInteger, StopsAtAZeroByte)
{
    EXPECT_EQ(parseInteger(std::string("12\0" "3", 4)), 12);
}

TEST(LowInteger32, KeepsTheLowThirtyTwoBits)
{
    const struct {
        std::int64_t value;
        std::int32_t low;
    } cases[] = {
        {500, 500},
        {-1, -1},
        {4294967796LL, 500},
        {2147483648LL, std::numeric_limits<std::int32_t>::min()},
        {-4294967296LL, 0},
        {kMin64, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lowInteger32(c.value), c.low) << c.value;
    }
}

// A typed text becomes the spin box's state: parsed, then its low 16 bits
// as a signed value, then taken into the range 500 to 10,000.
TEST(SpinStateOfText, KeepsSixteenBitsThenTheRange)
{
    const struct {
        const char* text;
        std::int32_t state;
    } cases[] = {
        {"100", 500},
        {"500", 500},
        {"501", 501},
        {"10000", 10000},
        {"20000", 10000},
        {"70000", 4464},
        {"40000", 500},
        {"$1F4", 500},
        {"4294967796", 500},
        {"-1", 500},
        {"", 500},
        {"65536", 500},
        {"75535", 9999},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ui::spinStateFor(lowInteger32(parseInteger(c.text)), 500, 10000), c.state)
            << '"' << c.text << '"';
    }
}

}  // namespace
