// How a spin box takes a number as its state: only the low 16 bits count,
// read as a signed 16-bit value, and a value outside the range goes to the
// nearer bound.
#pragma once

#include <cstdint>

namespace ui {

inline std::int32_t spinStateFor(std::int64_t value, std::int32_t low, std::int32_t high)
{
    const auto bits = static_cast<std::uint16_t>(static_cast<std::uint64_t>(value) & 0xFFFFu);
    const std::int32_t position = static_cast<std::int16_t>(bits);
    if (position < low) {
        return low;
    }
    if (position > high) {
        return high;
    }
    return position;
}

}  // namespace ui
