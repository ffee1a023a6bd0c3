// Memory figures from /proc/meminfo (Linux). The load is the share of
// memory not available, in whole percent, as Windows reports it.
#include <cstdio>
#include <cstring>

#include "monitor/memory_source.h"

RawMemoryStatus readMemoryStatus()
{
    RawMemoryStatus raw;
    std::FILE* file = std::fopen("/proc/meminfo", "r");
    if (file == nullptr) {
        return raw;
    }
    long long totalKb = -1;
    long long availKb = -1;
    char line[256];
    while (std::fgets(line, sizeof line, file) != nullptr) {
        long long kb = 0;
        if (std::sscanf(line, "MemTotal: %lld kB", &kb) == 1) {
            totalKb = kb;
        } else if (std::sscanf(line, "MemAvailable: %lld kB", &kb) == 1) {
            availKb = kb;
        }
    }
    std::fclose(file);
    if (totalKb <= 0 || availKb < 0 || availKb > totalKb) {
        return raw;
    }
    raw.totalPhys = totalKb * 1024;
    raw.availPhys = availKb * 1024;
    raw.memoryLoad = static_cast<std::uint32_t>(((totalKb - availKb) * 100 + totalKb / 2) / totalKb);
    return raw;
}
