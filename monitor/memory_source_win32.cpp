// Memory figures from GlobalMemoryStatusEx.
#include <windows.h>

#include "monitor/memory_source.h"

RawMemoryStatus readMemoryStatus()
{
    MEMORYSTATUSEX status;
    ZeroMemory(&status, sizeof status);
    status.dwLength = sizeof status;
    // A failed call leaves the record zero, which reads as all zeros.
    GlobalMemoryStatusEx(&status);

    RawMemoryStatus raw;
    raw.totalPhys = static_cast<std::int64_t>(status.ullTotalPhys);
    raw.availPhys = static_cast<std::int64_t>(status.ullAvailPhys);
    raw.memoryLoad = status.dwMemoryLoad;
    return raw;
}
