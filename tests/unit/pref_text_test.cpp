#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/pref_text.h"

namespace {

PrefEntry group(const char* name) { return {PrefEntryKind::Group, name, ""}; }
PrefEntry comment(const char* text) { return {PrefEntryKind::Comment, text, ""}; }
PrefEntry key(const char* k, const char* v) { return {PrefEntryKind::Key, k, v}; }

struct ParseCase {
    const char* name;
    std::string text;
    std::vector<PrefEntry> entries;
};

class ParsePrefText : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsePrefText, GivesTheEntries)
{
    EXPECT_EQ(parsePrefText(GetParam().text), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParsePrefText,
    ::testing::Values(
        ParseCase{"Empty", "", {}},
        ParseCase{"OnlyLineEnds", "\r\n\n\r\r\n  \t\r\n", {}},
        ParseCase{"AllLineEnds", "[a]\rk=1\nj=2\r\nl=3", {group("a"), key("k", "1"), key("j", "2"), key("l", "3")}},
        ParseCase{"KeyTrimming", "  UnitName=MB  \r\n", {key("UnitName", "MB  ")}},
        ParseCase{"KeyBlanksAroundEquals", "\tRefreshTime \t=  \t1000 ms", {key("RefreshTime", "1000 ms")}},
        ParseCase{"ValueMayHoldSeparators", "k = a=b;[c]", {key("k", "a=b;[c]")}},
        ParseCase{"EmptyKey", "=5", {key("", "5")}},
        ParseCase{"KeyWithoutEquals", "a=1\njunk\nb=2", {key("a", "1"), key("junk", ""), key("b", "2")}},
        ParseCase{"KeyWithoutEqualsTrimmed", "junk \t\r\n", {key("junk", "")}},
        ParseCase{"EmptyValue", "UnitName =", {key("UnitName", "")}},
        ParseCase{"GroupBlanksKept", "[ infSettings ]", {group(" infSettings ")}},
        ParseCase{"GroupWithoutBracket", "[infSettings\n", {group("infSettings")}},
        ParseCase{"GroupTrailingIgnored", "[infSettings] old", {group("infSettings")}},
        ParseCase{"CommentOneBlankDropped", ";  two\n;\tTab \n;x", {comment(" two"), comment("\tTab "), comment("x")}},
        ParseCase{"LastLineBlanksOnly", "a=1\r\n   ", {key("a", "1")}},
        ParseCase{"ZeroBytesAreText", std::string("a\0b=c\0d", 7),
                  {PrefEntry{PrefEntryKind::Key, std::string("a\0b", 3), std::string("c\0d", 3)}}}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return info.param.name; });

TEST(BuildPrefText, WritesCanonicalLines)
{
    const std::vector<PrefEntry> entries = {comment("note"), group("infSettings"), key("junk", ""),
                                            key("RefreshTime", "1000")};
    EXPECT_EQ(buildPrefText(entries, false),
              "; note\r\n[infSettings]\r\njunk = \r\nRefreshTime = 1000\r\n");
    EXPECT_EQ(buildPrefText(entries, true),
              "\xEF\xBB\xBF\r\n; note\r\n[infSettings]\r\njunk = \r\nRefreshTime = 1000\r\n");
    EXPECT_EQ(buildPrefText({}, false), "");
    EXPECT_EQ(buildPrefText({}, true), "\xEF\xBB\xBF\r\n");
}

TEST(BuildPrefText, ReadsBackTheSameEntries)
{
    const std::vector<PrefEntry> entries = {comment(" lead"), key("", ""), group(" g "), key("k", "v  "),
                                            comment(""), key("\xEF\xBB\xBFkey", "1")};
    EXPECT_EQ(parsePrefText(buildPrefText(entries, false)), entries);
    // An 8-bit first key that starts with the mark's bytes must not turn the
    // file into a UTF-8 one.
    const std::vector<PrefEntry> marked = {key("\xEF\xBB\xBFkey", "1")};
    const std::string text = buildPrefText(marked, false);
    EXPECT_NE(text.compare(0, 3, "\xEF\xBB\xBF"), 0);
    EXPECT_EQ(parsePrefText(text), marked);
}

TEST(NamesEqual, IgnoresAsciiCaseOnly)
{
    EXPECT_TRUE(namesEqual("INFSETTINGS", "infSettings"));
    EXPECT_TRUE(namesEqual("", ""));
    EXPECT_FALSE(namesEqual("infSettings", "infSetting"));
    EXPECT_FALSE(namesEqual("\xC4", "\xE4")) << "no case folding beyond ASCII";
    EXPECT_FALSE(namesEqual("a[", "A{"));
}

TEST(Utf8Conversion, EncodesEachByteAsItsCodePoint)
{
    EXPECT_EQ(latin1ToUtf8("M\xE9"), "M\xC3\xA9");
    EXPECT_EQ(latin1ToUtf8("\x80\xFF"), "\xC2\x80\xC3\xBF");
    EXPECT_EQ(latin1ToUtf8("plain"), "plain");
}

TEST(Utf8Conversion, DecodesOrGivesEmpty)
{
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"M\xC3\xA9", "M\xE9"},
        {"\xC3\xBF", "\xFF"},
        {"\xE0\x80\x81x", "\x01x"},       // three bytes, code point 1
        {"\xF0\x80\x81\x81", "A"},        // four bytes
        {"\xE2\x82\xAC", ""},             // the euro sign is beyond U+00FF
        {"ok\x80", ""},                   // stray continuation byte
        {"ok\xF8", ""},                   // lead byte above 0xF7
        {"\xC3(", ""},                    // bad continuation byte
        {"ab\xC3", "ab"},                 // cut short: the start stands
        {"ab\xE2\x82", "ab"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8ToLatin1(c.in), c.out) << c.in;
    }
}

}  // namespace
