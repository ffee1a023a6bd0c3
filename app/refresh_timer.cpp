#include "app/refresh_timer.h"

bool isRefreshDue(std::uint32_t now, std::uint32_t lastRefresh, std::int32_t interval)
{
    const auto due = static_cast<std::int32_t>(lastRefresh + static_cast<std::uint32_t>(interval));
    return static_cast<std::int32_t>(now) > due;
}
