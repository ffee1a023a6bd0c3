#include "settings/parse_integer.h"

#include <cstddef>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Value of a digit in the base, or -1 if the character is none.
int digitValue(char c, unsigned base)
{
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    }
    return value >= 0 && static_cast<unsigned>(value) < base ? value : -1;
}

}  // namespace

std::int64_t parseInteger(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    unsigned base = 10;
    if (at < text.size() && text[at] == '$') {
        base = 16;
        ++at;
    } else if (at < text.size() && text[at] == '%') {
        base = 2;
        ++at;
    }
    // Unsigned arithmetic wraps modulo 2^64 without undefined behaviour.
    std::uint64_t value = 0;
    for (; at < text.size(); ++at) {
        const int digit = digitValue(text[at], base);
        if (digit < 0) {
            break;
        }
        value = value * base + static_cast<unsigned>(digit);
    }
    if (negative) {
        value = 0 - value;
    }
    return static_cast<std::int64_t>(value);
}

std::int32_t lowInteger32(std::int64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}
