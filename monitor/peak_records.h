// The highest figures seen at timed refreshes, offered at exit.
#pragma once

#include "monitor/memory_sample.h"

struct PeakRecords {
    float peakUsed = -1.0f;
    float peakLoad = -1.0f;
    float peakFree = -1.0f;
};

// Raises each record to the sample's value where that is higher.
void updatePeaks(PeakRecords& records, const MemorySample& sample);
