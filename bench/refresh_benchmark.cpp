// Cost of one refresh of the main window's figures on the portable path: a
// fresh reading from the platform, scaled to megabytes, and the four value
// texts built from it. Two parts are timed alone as well, to show where the
// time goes: the platform reading, and the scaling with the texts.
#include <benchmark/benchmark.h>

#include <string>

#include "monitor/display_text.h"
#include "monitor/memory_sample.h"
#include "monitor/memory_source.h"

namespace {

void buildTexts(const MemorySample& sample)
{
    std::string total = memoryValueText(sample.total, "MB");
    std::string used = memoryValueText(sample.used, "MB");
    std::string load = loadValueText(sample.load);
    std::string free = memoryValueText(sample.free, "MB");
    benchmark::DoNotOptimize(total.data());
    benchmark::DoNotOptimize(used.data());
    benchmark::DoNotOptimize(load.data());
    benchmark::DoNotOptimize(free.data());
}

void refresh(benchmark::State& state)
{
    for (auto _ : state) {
        const MemorySample sample = sampleMemory(1.0f);
        buildTexts(sample);
        // A reading the platform refused gives zeros and would time a
        // shorter path than the real one.
        if (sample.total <= 0.0f) {
            state.SkipWithError("the memory reading failed");
            break;
        }
    }
}

void platformReading(benchmark::State& state)
{
    for (auto _ : state) {
        const RawMemoryStatus raw = readMemoryStatus();
        benchmark::DoNotOptimize(raw);
        if (raw.totalPhys <= 0) {
            state.SkipWithError("the memory reading failed");
            break;
        }
    }
}

void scalingAndTexts(benchmark::State& state)
{
    // One real reading, taken once; only the work after it is timed.
    RawMemoryStatus raw = readMemoryStatus();
    if (raw.totalPhys <= 0) {
        state.SkipWithError("the memory reading failed");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(raw);
        buildTexts(scaleSample(raw, 1.0f));
    }
}

}  // namespace

BENCHMARK(refresh);
BENCHMARK(platformReading);
BENCHMARK(scalingAndTexts);

BENCHMARK_MAIN();
