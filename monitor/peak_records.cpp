#include "monitor/peak_records.h"

namespace {

// "Unless the peak is at least the value": a peak that compares unordered
// (not-a-number) is replaced too.
void raise(float& peak, float value)
{
    if (!(peak >= value)) {
        peak = value;
    }
}

}  // namespace

void updatePeaks(PeakRecords& records, const MemorySample& sample)
{
    raise(records.peakUsed, sample.used);
    raise(records.peakFree, sample.free);
    raise(records.peakLoad, sample.load);
}
