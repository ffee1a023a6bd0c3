#include "monitor/number_text.h"

#include <charconv>
#include <cstdio>
#include <vector>

std::string formatFixed(float value, std::int32_t decimals)
{
    char format[16];
    if (decimals == -1) {
        std::snprintf(format, sizeof format, "%%f");
        decimals = 6;
    } else {
        if (decimals > 512) {
            decimals = 512;
        } else if (decimals < 0) {
            decimals = 0;  // never passed by the program; keep it harmless
        }
        std::snprintf(format, sizeof format, "%%.%df", static_cast<int>(decimals));
    }
    // A float has at most 39 integer digits; add sign, point, decimals and
    // room for the "1.#INF00" style texts some C runtimes give.
    std::vector<char> buffer(static_cast<std::size_t>(decimals) + 64);
    const int written = std::snprintf(buffer.data(), buffer.size(), format,
                                      static_cast<double>(value));
    if (written < 0) {
        return std::string();
    }
    const std::size_t length = static_cast<std::size_t>(written) < buffer.size()
                                   ? static_cast<std::size_t>(written)
                                   : buffer.size() - 1;
    return std::string(buffer.data(), length);
}

std::string formatInteger(std::int64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
