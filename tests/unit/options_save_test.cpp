#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "settings/options_save.h"
#include "settings/pref_store.h"
#include "tests/unit/test_files.h"

namespace {

std::string fileOf(const char* refreshTime, const char* unitData, const char* unitName)
{
    return std::string("[infSettings]\r\nRefreshTime = ") + refreshTime + "\r\nUnitData = " + unitData +
           "\r\nUnitName = " + unitName + "\r\n";
}

TEST(SaveOptions, WritesTheTextsNumberAndTheListPositionsUnit)
{
    const struct {
        const char* text;
        std::int32_t unitIndex;
        std::string file;
    } cases[] = {
        {"1000", 1, fileOf("1000", "1.000000", "MB")},
        {"500", 0, fileOf("500", "0.000000", "KB")},
        {"10000", 2, fileOf("10000", "2.000000", "GB")},
        // The text, not the spin box's state: not limited to the range.
        {"100", 1, fileOf("100", "1.000000", "MB")},
        {"$1F4", 1, fileOf("500", "1.000000", "MB")},
        {"4294967796", 1, fileOf("500", "1.000000", "MB")},
        {"-7x", 1, fileOf("-7", "1.000000", "MB")},
        {"", 1, fileOf("0", "1.000000", "MB")},
        // No selection: exponent 0 and an empty label.
        {"1000", -1, fileOf("1000", "0.000000", "")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" at " + std::to_string(c.unitIndex));
        TempFolder folder;
        PreferenceStore store;
        ASSERT_TRUE(saveOptions(store, folder.path("tempConfig.prefs"), c.text, c.unitIndex));
        EXPECT_EQ(folder.read("tempConfig.prefs"), c.file);
        EXPECT_FALSE(store.isOpen()) << "closing the store wrote the file";
    }
}

TEST(SaveOptions, TheSeventyOneByteFile)
{
    TempFolder folder;
    PreferenceStore store;
    ASSERT_TRUE(saveOptions(store, folder.path("tempConfig.prefs"), "1000", 1));
    EXPECT_EQ(folder.read("tempConfig.prefs").size(), 71u);
}

TEST(SaveOptions, ReplacesAnOldFileAndLeavesTheOpenSettingsFileAlone)
{
    TempFolder folder;
    const std::string settings = "; installed\r\n[infSettings]\r\nRefreshTime = 2000\r\n[other]\r\nkey = 1\r\n";
    folder.write("Config.prefs", settings);
    folder.write("tempConfig.prefs", "[old]\r\nleft = over\r\nRefreshTime = 9\r\n" + std::string(200, ';'));
    PreferenceStore store;
    ASSERT_TRUE(store.openStore(folder.path("Config.prefs")));
    store.selectGroup("infSettings");
    ASSERT_TRUE(saveOptions(store, folder.path("tempConfig.prefs"), "750", 2));
    EXPECT_EQ(folder.read("tempConfig.prefs"), fileOf("750", "2.000000", "GB"));
    EXPECT_EQ(folder.read("Config.prefs"), settings);
}

TEST(SaveOptions, AFileThatCannotBeCreatedWritesNothing)
{
    TempFolder folder;
    folder.write("Config.prefs", fileOf("2000", "2.000000", "GB"));
    PreferenceStore store;
    ASSERT_TRUE(store.openStore(folder.path("Config.prefs")));
    EXPECT_FALSE(saveOptions(store, folder.path("missing/tempConfig.prefs"), "1000", 1));
    EXPECT_FALSE(store.isOpen()) << "the store let go of the settings file";
    EXPECT_FALSE(folder.exists("missing"));
    EXPECT_EQ(folder.read("Config.prefs"), fileOf("2000", "2.000000", "GB"));
}

}  // namespace
