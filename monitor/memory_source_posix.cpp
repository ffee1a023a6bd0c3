// Memory figures from /proc/meminfo (Linux). The load is the share of
// memory not available, in whole percent, as Windows reports it. The file
// is read with one read() into a stack buffer and scanned for the two
// fields, which keeps a refresh cheap.
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "monitor/memory_source.h"

namespace {

// The number after "<name>:" in kB, or -1.
long long fieldKb(const char* text, const char* name)
{
    const char* at = std::strstr(text, name);
    if (at == nullptr) {
        return -1;
    }
    return std::strtoll(at + std::strlen(name), nullptr, 10);
}

}  // namespace

RawMemoryStatus readMemoryStatus()
{
    RawMemoryStatus raw;
    const int fd = ::open("/proc/meminfo", O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return raw;
    }
    char text[8192];
    std::size_t length = 0;
    for (;;) {
        const ssize_t got = ::read(fd, text + length, sizeof text - 1 - length);
        if (got <= 0) {
            break;
        }
        length += static_cast<std::size_t>(got);
        if (length == sizeof text - 1) {
            break;
        }
    }
    ::close(fd);
    text[length] = '\0';

    // MemTotal is the first line; MemAvailable starts a later one.
    const long long totalKb = fieldKb(text, "MemTotal:");
    const long long availKb = fieldKb(text, "\nMemAvailable:");
    if (totalKb <= 0 || availKb < 0 || availKb > totalKb) {
        return raw;
    }
    raw.totalPhys = totalKb * 1024;
    raw.availPhys = availKb * 1024;
    raw.memoryLoad = static_cast<std::uint32_t>(((totalKb - availKb) * 100 + totalKb / 2) / totalKb);
    return raw;
}
