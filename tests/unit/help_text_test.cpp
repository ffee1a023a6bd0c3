#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "help/help_text.h"

namespace {

std::vector<std::string> lines(std::string_view text)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        result.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return result;
        }
        start = end + 1;
    }
}

constexpr std::string_view kUnderline = "===================";
constexpr std::string_view kBullet = "   \x9B ";

bool isBullet(const std::string& line)
{
    return line.size() > kBullet.size() && line.compare(0, kBullet.size(), kBullet) == 0 &&
           line[kBullet.size()] != ' ';
}

TEST(HelpText, HasThirtyFourLinesJoinedBySingleLineFeeds)
{
    ASSERT_FALSE(helpText.empty());
    EXPECT_EQ(helpText.find('\r'), std::string_view::npos);
    EXPECT_NE(helpText.back(), '\n') << "no line feed after the last line";
    EXPECT_EQ(lines(helpText).size(), 34u);
    // Windows-1252 text: no control character but the line feed, none of the
    // code points the code page leaves undefined, and no UTF-8 lead byte
    // followed by a continuation byte (text saved in the wrong encoding).
    for (std::size_t i = 0; i < helpText.size(); ++i) {
        const auto byte = static_cast<unsigned char>(helpText[i]);
        SCOPED_TRACE("offset " + std::to_string(i));
        EXPECT_TRUE(byte >= 0x20 || byte == '\n');
        EXPECT_TRUE(byte != 0x7F && byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 &&
                    byte != 0x9D);
        if (byte == 0xC3 && i + 1 < helpText.size()) {
            const auto next = static_cast<unsigned char>(helpText[i + 1]);
            EXPECT_FALSE(next >= 0x80 && next <= 0xBF);
        }
    }
}

TEST(HelpText, FixedLinesStandByteForByte)
{
    const struct {
        int line;  // counted from 1
        std::string_view text;
    } fixed[] = {
        {1, "1. EINF\xDCHRUNG"},
        {2, kUnderline},
        {3, "Memolux ist ein sehr kleines Tool, das in Fensterform laufend Informationen \xFC" "ber den "
            "Arbeitsspeich ausgibt. Die Aktualisierungszeiten sowie die Einheiten kann man dabei "
            "selbst bestimmen (Optionenfenster)"},
        {5, ""},
        {6, "2. KOMPATIBILIT\xC4T"},
        {7, kUnderline},
        {8, "Das Programm sollte auf den folgenden Systemen funktionsf\xE4hig sein:"},
        {9, "   \x9B Windows Seven x86, x64"},
        {10, "   \x9B Windows Vista x86, x64"},
        {11, "   \x9B Windows XP x86, x64"},
        {12, "   \x9B Windows 2000 x86"},
        {13, "Zwar wurde das Programm bisher auf keiner CPU mit 64-Bit-Architektur getestet, da das "
             "Programm aber auch mehr als 4 GB Arbeitsspeicher lesen kann, sollten keine Probleme "
             "auftreten. Da das Programm zum Gro\xDFteil auf der WinAPI basiert, wird es keine Linux-, "
             "MacOS- oder AmigaOS-Versionen geben."},
        {14, ""},
        {15, "3. FEHLERKATALOG"},
        {16, kUnderline},
        {17, "   404.AUSDRUCK"},
        {18, "Datei wurde nicht gefunden oder konntenicht ausgef\xFChrt werden. Wenn PRF als AUSDRUCK "
             "angegeben wird, so kann die Config.prefs nicht gefunden werden. Neuinstallation der "
             "Andwendung sollte das Problem beheben."},
        {19, "   401.PRF"},
        {20, "Zugriff auf die Config.cfg wurde verweigert"},
        {21, ""},
        {22, "4. DANK AN"},
        {23, kUnderline},
        {34, "   \x9B alle, die mitgeholfen haben, die Bugs schon im Wachstumsstadium zu erw\xFCrgen."},
    };
    const std::vector<std::string> text = lines(helpText);
    ASSERT_EQ(text.size(), 34u);
    for (const auto& f : fixed) {
        EXPECT_EQ(text[f.line - 1], f.text) << "line " << f.line;
    }
}

TEST(HelpText, ContactLineEndsWithOneBlankAndAnAddress)
{
    const std::string line = lines(helpText).at(3);
    const std::string prefix = "Sollte das Programm nicht einwandfrei funktionieren, oder noch Bugs beinhalten, "
                               "so z\xF6gern Sie bitte nicht und kontaktieren sie mich: ";
    ASSERT_GT(line.size(), prefix.size());
    EXPECT_EQ(line.substr(0, prefix.size()), prefix);
    const std::string address = line.substr(prefix.size());
    EXPECT_EQ(address.find(' '), std::string::npos) << address;
    const std::size_t at = address.find('@');
    ASSERT_NE(at, std::string::npos) << address;
    EXPECT_GT(at, 0u);
    EXPECT_NE(address.find('.', at), std::string::npos) << address;
}

TEST(HelpText, AcknowledgementsAreFiveBulletLinesEachWithAReason)
{
    const std::vector<std::string> text = lines(helpText);
    ASSERT_EQ(text.size(), 34u);
    for (int line = 24; line <= 33; line += 2) {
        SCOPED_TRACE("entry at line " + std::to_string(line));
        EXPECT_TRUE(isBullet(text[line - 1])) << text[line - 1];
        const std::string& reason = text[line];
        ASSERT_FALSE(reason.empty());
        EXPECT_NE(reason[0], ' ') << "unindented";
        EXPECT_FALSE(isBullet(reason));
    }
}

}  // namespace
