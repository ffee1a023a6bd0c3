#include "settings/pref_text.h"

#include <cstdint>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string_view skipLeadingBlanks(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    return text.substr(i);
}

std::string_view trimTrailingBlanks(std::string_view text)
{
    std::size_t n = text.size();
    while (n > 0 && isBlank(text[n - 1])) {
        --n;
    }
    return text.substr(0, n);
}

bool namesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

std::vector<PrefEntry> parsePrefText(std::string_view text)
{
    std::vector<PrefEntry> entries;
    std::size_t pos = 0;
    const std::size_t end = text.size();
    while (pos < end) {
        while (pos < end && isBlank(text[pos])) {
            ++pos;
        }
        std::size_t lineEnd = pos;
        while (lineEnd < end && !isLineEnd(text[lineEnd])) {
            ++lineEnd;
        }
        const std::string_view line = text.substr(pos, lineEnd - pos);
        if (!line.empty()) {
            PrefEntry entry;
            if (line[0] == ';') {
                std::string_view comment = line.substr(1);
                if (!comment.empty() && comment[0] == ' ') {
                    comment.remove_prefix(1);
                }
                entry.kind = PrefEntryKind::Comment;
                entry.text = comment;
            } else if (line[0] == '[') {
                const std::string_view rest = line.substr(1);
                entry.kind = PrefEntryKind::Group;
                entry.text = rest.substr(0, rest.find(']'));
            } else {
                const std::size_t equals = line.find('=');
                entry.kind = PrefEntryKind::Key;
                entry.text = trimTrailingBlanks(line.substr(0, equals));
                if (equals != std::string_view::npos) {
                    entry.value = skipLeadingBlanks(line.substr(equals + 1));
                }
            }
            entries.push_back(std::move(entry));
        }
        pos = lineEnd;
        while (pos < end && isLineEnd(text[pos])) {
            ++pos;
        }
    }
    return entries;
}

std::string buildPrefText(const std::vector<PrefEntry>& entries, bool utf8Mode)
{
    std::string text;
    if (utf8Mode) {
        text += kUtf8Mark;
        text += "\r\n";
    }
    for (const PrefEntry& entry : entries) {
        switch (entry.kind) {
        case PrefEntryKind::Group:
            text += '[';
            text += entry.text;
            text += ']';
            break;
        case PrefEntryKind::Comment:
            text += "; ";
            text += entry.text;
            break;
        case PrefEntryKind::Key:
            text += entry.text;
            text += " = ";
            text += entry.value;
            break;
        }
        text += "\r\n";
    }
    // An 8-bit file whose first line happened to begin with the mark's
    // bytes would read back in UTF-8 mode with those bytes gone. An empty
    // first line keeps its meaning; it is dropped again when read.
    if (!utf8Mode && text.compare(0, kUtf8Mark.size(), kUtf8Mark) == 0) {
        text.insert(0, "\r\n");
    }
    return text;
}

std::string latin1ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 + (b >> 6));
            out += static_cast<char>(0x80 + (b & 0x3F));
        }
    }
    return out;
}

std::string utf8ToLatin1(std::string_view text)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t codePoint = 0;
        if (lead < 0x80) {
            length = 1;
            codePoint = lead;
        } else if (lead >= 0xC0 && lead <= 0xDF) {
            length = 2;
            codePoint = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            codePoint = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF7) {
            length = 4;
            codePoint = lead & 0x07u;
        } else {
            return std::string();
        }
        if (i + length > text.size()) {
            break;  // cut short: what came before stands
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (next < 0x80 || next > 0xBF) {
                return std::string();
            }
            codePoint = (codePoint << 6) | (next & 0x3Fu);
        }
        if (codePoint > 0xFF) {
            return std::string();
        }
        out += static_cast<char>(codePoint);
        i += length;
    }
    return out;
}
