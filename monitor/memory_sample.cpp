#include "monitor/memory_sample.h"

#include <cmath>
#include <limits>

#include "monitor/memory_source.h"
#include "monitor/rounding.h"

std::int32_t unitExponentSteps(float unitExponent)
{
    std::int32_t steps = 0;
    if (!roundHalfEvenToInt32(unitExponent, steps)) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return steps;
}

MemorySample scaleSample(const RawMemoryStatus& raw, float unitExponent)
{
    MemorySample sample;
    // Integer to float in one conversion, so it rounds only once.
    sample.total = static_cast<float>(raw.totalPhys);
    sample.used = static_cast<float>(static_cast<double>(raw.totalPhys) -
                                     static_cast<double>(raw.availPhys));
    sample.load = static_cast<float>(raw.memoryLoad);
    sample.free = static_cast<float>(raw.availPhys);

    const float divisor = 1024.0f;
    const std::int64_t steps = unitExponentSteps(unitExponent);
    for (std::int64_t i = 0; i <= steps; ++i) {
        sample.total /= divisor;
        sample.used /= divisor;
        sample.free /= divisor;
        // Once all three are zero they stay zero: stop instead of running
        // up to two billion steps for a huge exponent.
        if (sample.total == 0.0f && sample.used == 0.0f && sample.free == 0.0f) {
            break;
        }
    }
    return sample;
}

MemorySample sampleMemory(float unitExponent)
{
    return scaleSample(readMemoryStatus(), unitExponent);
}
