#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/options_save.h"
#include "settings/pref_store.h"
#include "settings/settings_commit.h"
#include "tests/unit/test_files.h"

namespace {

const std::string kOldFile = "; installed\r\n[infSettings]\r\nRefreshTime = 2000\r\nUnitData = 2\r\nUnitName = GB\r\n";
const std::string kNewFile = "[infSettings]\r\nRefreshTime = 750\r\nUnitData = 0.000000\r\nUnitName = KB\r\n";

class SettingsCommitTest : public ::testing::Test {
protected:
    Settings commit()
    {
        return commitSettings(
            store, [this](std::uint32_t ms) { pauses.push_back(ms); },
            SettingsFiles{settingsPath, tempPath});
    }
    // The store as the options window leaves it after "Abbrechen".
    void openSettings() { ASSERT_TRUE(store.openStore(settingsPath)); }

    TempFolder folder;
    const std::string settingsPath = folder.path("Config.prefs");
    const std::string tempPath = folder.path("tempConfig.prefs");
    PreferenceStore store;
    std::vector<std::uint32_t> pauses;
};

void expectSettings(const Settings& settings, std::int32_t refreshTime, float unitData, const char* unitName)
{
    EXPECT_EQ(settings.refreshTime, refreshTime);
    EXPECT_EQ(settings.unitData, unitData);
    EXPECT_EQ(settings.unitName, unitName);
}

TEST_F(SettingsCommitTest, WithoutANewFileReloadsFromWhatTheStoreHolds)
{
    folder.write("Config.prefs", kOldFile);
    openSettings();
    expectSettings(commit(), 2000, 2.0f, "GB");
    EXPECT_EQ(folder.read("Config.prefs"), kOldFile);
    EXPECT_FALSE(folder.exists("tempConfig.prefs"));
    EXPECT_EQ(pauses, std::vector<std::uint32_t>{250});
}

TEST_F(SettingsCommitTest, ANewFileReplacesTheSettingsFile)
{
    folder.write("Config.prefs", kOldFile);
    folder.write("tempConfig.prefs", kNewFile);
    openSettings();
    expectSettings(commit(), 750, 0.0f, "KB");
    EXPECT_EQ(folder.read("Config.prefs"), kNewFile);
    EXPECT_FALSE(folder.exists("tempConfig.prefs"));
    EXPECT_TRUE(store.isOpen()) << "reopened on the settings file";
    EXPECT_EQ(pauses, std::vector<std::uint32_t>{250});
}

TEST_F(SettingsCommitTest, ANewFileTakesTheNameOfAMissingSettingsFile)
{
    folder.write("tempConfig.prefs", kNewFile);
    store.openStore(settingsPath);  // fails: open without a file
    expectSettings(commit(), 750, 0.0f, "KB");
    EXPECT_EQ(folder.read("Config.prefs"), kNewFile);
    EXPECT_FALSE(folder.exists("tempConfig.prefs"));
}

TEST_F(SettingsCommitTest, AReadOnlySettingsFileIsKeptAndTheCommitRetriedLater)
{
    folder.write("Config.prefs", kOldFile);
    folder.makeReadOnly("Config.prefs");
    folder.write("tempConfig.prefs", kNewFile);
    openSettings();
    expectSettings(commit(), 2000, 2.0f, "GB");
    EXPECT_EQ(folder.read("Config.prefs"), kOldFile);
    EXPECT_EQ(folder.read("tempConfig.prefs"), kNewFile);
    EXPECT_TRUE(store.isOpen());

    // Writable again: the next commit puts the file left behind in place.
    std::filesystem::permissions(settingsPath, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    expectSettings(commit(), 750, 0.0f, "KB");
    EXPECT_EQ(folder.read("Config.prefs"), kNewFile);
    EXPECT_FALSE(folder.exists("tempConfig.prefs"));
    EXPECT_EQ(pauses, (std::vector<std::uint32_t>{250, 250}));
}

TEST_F(SettingsCommitTest, ANewFileThatCannotBeReadIsNotCommitted)
{
    folder.write("Config.prefs", kOldFile);
    std::filesystem::create_directory(tempPath);
    openSettings();
    expectSettings(commit(), 2000, 2.0f, "GB");
    EXPECT_EQ(folder.read("Config.prefs"), kOldFile);
    EXPECT_TRUE(std::filesystem::is_directory(tempPath));
}

// The whole OK path: the options window's file, then the commit.
TEST_F(SettingsCommitTest, AfterOkTheSettingsFileHoldsOnlyTheNewValues)
{
    folder.write("Config.prefs", kOldFile);
    openSettings();
    ASSERT_TRUE(saveOptions(store, tempPath, "1000", 1));
    expectSettings(commit(), 1000, 1.0f, "MB");
    EXPECT_EQ(folder.read("Config.prefs"),
              "[infSettings]\r\nRefreshTime = 1000\r\nUnitData = 1.000000\r\nUnitName = MB\r\n");
    EXPECT_FALSE(folder.exists("tempConfig.prefs"));
}

TEST_F(SettingsCommitTest, AfterAnOkWhoseFileCouldNotBeCreatedTheDefaultsHold)
{
    folder.write("Config.prefs", kOldFile);
    openSettings();
    ASSERT_FALSE(saveOptions(store, folder.path("missing/tempConfig.prefs"), "1000", 2));
    expectSettings(commit(), 500, 1.0f, "MB");
    EXPECT_EQ(folder.read("Config.prefs"), kOldFile);
    EXPECT_EQ(pauses, std::vector<std::uint32_t>{250});
}

}  // namespace
