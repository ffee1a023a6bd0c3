#include <cstdint>

#include <gtest/gtest.h>

#include "app/refresh_timer.h"

namespace {

TEST(IsRefreshDue, ComparesWrappedSumsAsSignedNumbers)
{
    const struct {
        const char* what;
        std::uint32_t now;
        std::uint32_t last;
        std::int32_t interval;
        bool due;
    } cases[] = {
        {"before the interval", 1499, 1000, 500, false},
        {"exactly at the interval", 1500, 1000, 500, false},
        {"past the interval", 1501, 1000, 500, true},
        {"interval 0 is due at once", 1001, 1000, 0, true},
        {"negative interval", 1000, 1000, -5, true},
        // last + interval passes INT32_MAX and wraps negative: due at every
        // check until the tick count passes the boundary too.
        {"sum wraps negative", 0x7FFFFF00u, 0x7FFFFF00u, 500, true},
        {"sum wraps, tick still below", 0x7FFFFFF0u, 0x7FFFFF00u, 500, true},
        {"tick passed the boundary too", 0x80000000u, 0x7FFFFF00u, 500, false},
        {"tick passed, interval over", 0x800000F5u, 0x7FFFFF00u, 500, true},
        // The tick count itself wraps after 49.7 days: the normal period holds.
        {"tick wrap, not yet", 0x00000010u, 0xFFFFFF00u, 500, false},
        {"tick wrap, at", 0x000000F4u, 0xFFFFFF00u, 500, false},
        {"tick wrap, past", 0x000000F5u, 0xFFFFFF00u, 500, true},
        {"largest interval", 0x10u, 0u, 2147483647, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isRefreshDue(c.now, c.last, c.interval), c.due) << c.what;
    }
}

}  // namespace
