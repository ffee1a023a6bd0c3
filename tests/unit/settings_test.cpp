#include <string>

#include <gtest/gtest.h>

#include "settings/pref_store.h"
#include "settings/settings.h"
#include "tests/unit/test_files.h"

namespace {

struct SettingsCase {
    const char* name;
    const char* file;
    std::int32_t refreshTime;
    float unitData;
    const char* unitName;
};

class LoadSettings : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(LoadSettings, ReadsTheGroupOrFallsBackToDefaults)
{
    const SettingsCase& c = GetParam();
    TempFolder folder;
    folder.write("Config.prefs", c.file);
    PreferenceStore store;
    ASSERT_TRUE(store.openStore(folder.path("Config.prefs")));
    const Settings settings = loadSettings(store);
    EXPECT_EQ(settings.refreshTime, c.refreshTime);
    EXPECT_EQ(settings.unitData, c.unitData);
    EXPECT_EQ(settings.unitName, c.unitName);
    EXPECT_TRUE(store.isOpen()) << "the store stays open";
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadSettings,
    ::testing::Values(
        SettingsCase{"Installed", "[infSettings]\r\nRefreshTime = 1000\r\nUnitData = 1.000000\r\nUnitName = MB\r\n",
                     1000, 1.0f, "MB"},
        SettingsCase{"CaseAndLf", "[INFSETTINGS]\nrefreshtime=750\n", 750, 1.0f, "MB"},
        SettingsCase{"BlankedGroupIsAnother", "[ infSettings ]\nRefreshTime=750\nUnitName=GB\n", 500, 1.0f, "MB"},
        SettingsCase{"GroupWithoutBracket", "[infSettings\nUnitData=2\nUnitName=GB\n", 500, 2.0f, "GB"},
        SettingsCase{"TakenUnchanged", "[infSettings]\nUnitData=-1\nUnitName=KB\nRefreshTime=-5\n", -5, -1.0f, "KB"},
        SettingsCase{"EmptyValues", "[infSettings]\nUnitData=\nUnitName=\nRefreshTime=\n", 0, 0.0f, ""},
        SettingsCase{"Empty", "", 500, 1.0f, "MB"},
        SettingsCase{"Garbage", "\x01\x02\xFF\xFE=\n[[[\n;;;", 500, 1.0f, "MB"}),
    [](const ::testing::TestParamInfo<SettingsCase>& info) { return info.param.name; });

TEST(LoadSettingsWithoutFile, GivesDefaults)
{
    PreferenceStore store;
    const Settings closed = loadSettings(store);
    EXPECT_EQ(closed.refreshTime, 500);
    EXPECT_EQ(closed.unitData, 1.0f);
    EXPECT_EQ(closed.unitName, "MB");
}

}  // namespace
