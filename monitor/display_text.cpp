#include "monitor/display_text.h"

#include <limits>

#include "monitor/number_text.h"
#include "monitor/rounding.h"

std::string memoryValueText(float value, std::string_view unitLabel)
{
    std::string text = formatFixed(value, 2);
    text += "  ";
    text += unitLabel;
    return text;
}

std::string loadValueText(float load)
{
    // A load outside the int64 range gives the value x86 conversions give
    // for that case (the smallest int64).
    std::int64_t whole = std::numeric_limits<std::int64_t>::min();
    roundHalfEvenToInt64(load, whole);
    return formatInteger(whole) + "  %";
}

std::string statisticsText(const PeakRecords& records)
{
    std::string text = "gebrauchter RAM (Rekord):  ";
    text += formatFixed(records.peakUsed, 2);
    text += "\ngebrauchter RAM in Prozent (Rekord):  ";
    text += formatFixed(records.peakLoad, 2);
    text += "\nfreier RAM (Rekord):  ";
    text += formatFixed(records.peakFree, 2);
    return text;
}
