#include "monitor/number_text.h"

#include <charconv>
#include <cstdio>
#include <vector>

std::string formatFixed(float value, std::int32_t decimals)
{
    // The format: "%f" for -1, else "%.<decimals>f".
    std::string format = "%f";
    if (decimals != -1) {
        if (decimals > 512) {
            decimals = 512;
        } else if (decimals < 0) {
            decimals = 0;  // never passed by the program; keep it harmless
        }
        format = "%." + formatInteger(decimals) + "f";
    } else {
        decimals = 6;
    }
    // Printed by the C runtime's own sprintf (on Windows, MSVCRT's). The
    // buffer always fits: a float has at most 39 integer digits, plus sign,
    // point, the decimals and the terminator; the "1.#INF00" style texts of
    // some runtimes are shorter than that.
    std::vector<char> buffer(static_cast<std::size_t>(decimals) + 64);
    const int written = std::sprintf(buffer.data(), format.c_str(), static_cast<double>(value));
    if (written < 0 || static_cast<std::size_t>(written) >= buffer.size()) {
        return std::string();
    }
    return std::string(buffer.data(), static_cast<std::size_t>(written));
}

std::string formatInteger(std::int64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
