// The four memory figures shown in the main window, and how a raw reading
// of the operating system becomes them.
#pragma once

#include <cstdint>

// One reading as the main window shows it. total, used and free are scaled
// to the unit in force; load is a whole percent and never scaled.
struct MemorySample {
    float total = 0.0f;
    float used = 0.0f;
    float load = 0.0f;
    float free = 0.0f;
};

// What the platform reports: byte counts (read as signed 64-bit numbers)
// and the memory load in percent.
struct RawMemoryStatus {
    std::int64_t totalPhys = 0;
    std::int64_t availPhys = 0;
    std::uint32_t memoryLoad = 0;
};

// Number of scaling steps minus one for a unit exponent: the exponent
// rounded to the nearest int32, ties to even. Not-a-number and values that
// round outside the int32 range give INT32_MIN, so no division happens.
std::int32_t unitExponentSteps(float unitExponent);

// Turns a raw reading into a sample in the unit given by the exponent.
MemorySample scaleSample(const RawMemoryStatus& raw, float unitExponent);

// Takes a fresh reading from the platform and scales it.
MemorySample sampleMemory(float unitExponent);
