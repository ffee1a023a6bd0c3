// The settings file format: parsing a file's text into entries, writing
// entries back in the canonical layout, and the text conversions of the
// UTF-8 mode.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/pref_entry.h"

// The UTF-8 byte-order mark that switches a store into UTF-8 mode.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Parses the text of a file (without its byte-order mark).
std::vector<PrefEntry> parsePrefText(std::string_view text);

// The whole file text: in UTF-8 mode the mark and one empty line first,
// then one CR LF terminated line per entry.
std::string buildPrefText(const std::vector<PrefEntry>& entries, bool utf8Mode);

// ASCII letters match regardless of case; every other byte must be equal.
bool namesEqual(std::string_view a, std::string_view b);

// Each byte as the code point of the same value, encoded in UTF-8.
std::string latin1ToUtf8(std::string_view text);

// Decodes UTF-8 into one byte per code point. Gives "" for a stray
// continuation byte, a lead byte above 0xF7, a bad continuation byte or a
// code point above U+00FF; a sequence cut short ends the text there.
std::string utf8ToLatin1(std::string_view text);

// Blanks and tabs, the only white space the format knows.
std::string_view skipLeadingBlanks(std::string_view text);
std::string_view trimTrailingBlanks(std::string_view text);
