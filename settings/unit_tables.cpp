#include "settings/unit_tables.h"

namespace {

constexpr std::string_view kUnitNames[] = {"KB", "MB", "GB"};
constexpr std::int32_t kUnitCount = 3;

bool isUnitIndex(std::int32_t index)
{
    return index >= 0 && index < kUnitCount;
}

}  // namespace

std::int32_t unitIndexToExponent(std::int32_t index)
{
    return isUnitIndex(index) ? index : 0;
}

std::string unitIndexToName(std::int32_t index)
{
    return isUnitIndex(index) ? std::string(kUnitNames[index]) : std::string();
}

std::int32_t unitNameToIndex(std::string_view name)
{
    for (std::int32_t index = 0; index < kUnitCount; ++index) {
        if (name == kUnitNames[index]) {
            return index;
        }
    }
    return 0;
}
