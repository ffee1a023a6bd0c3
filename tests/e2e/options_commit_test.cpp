// The settings commit after the options window, driven from outside: the
// ways to leave without OK, a left-over new file, a read-only settings file,
// a new file that cannot be created, and a failed replacement that must
// leave the old settings file whole.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/driver.h"
#include "tests/e2e/options_driver.h"

namespace {

using namespace e2e;
using namespace e2e::options;

enum class Leave { Cancel, OptionsCloseBox, MainCloseBox };

// "Abbrechen" and every close request end the window without saving; the
// commit still puts a left-over tempConfig.prefs in place.
TEST_F(OptionsTest, LeavingWithoutOkChangesNoFileUnlessANewFileWasLeftOver)
{
    const struct {
        const char* name;
        Leave leave;
        bool leftOver;
    } cases[] = {
        {"Abbrechen", Leave::Cancel, false},
        {"Abbrechen with a left-over file", Leave::Cancel, true},
        {"close box", Leave::OptionsCloseBox, false},
        {"main window's close box", Leave::MainCloseBox, false},
        {"main window's close box with a left-over file", Leave::MainCloseBox, true},
    };
    const std::string leftOver = settingsFile(750, "0.000000", "KB");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoluxProcess run;
        const HWND runMain = run.startWithSettings(kCommentedSettings);
        ASSERT_NE(runMain, nullptr);
        if (c.leftOver) {
            run.writeFile("tempConfig.prefs", leftOver);
        }
        const HWND options = openOptionsOf(run, runMain);
        ASSERT_NE(options, nullptr);
        typeInto(GetDlgItem(options, kSpin), "3000");
        switch (c.leave) {
        case Leave::Cancel: click(GetDlgItem(options, kCancel)); break;
        case Leave::OptionsCloseBox: requestClose(options); break;
        case Leave::MainCloseBox: requestClose(runMain); break;
        }
        ASSERT_TRUE(waitUntilGone(options));
        Sleep(600);
        EXPECT_TRUE(run.running());
        EXPECT_TRUE(IsWindowVisible(runMain));
        EXPECT_EQ(run.waitForMessageBox(0), nullptr) << "no question: only the options window closed";
        EXPECT_EQ(run.readFile("Config.prefs"), c.leftOver ? leftOver : kCommentedSettings);
        EXPECT_FALSE(run.fileExists("tempConfig.prefs"));
        const char* unit = c.leftOver ? "  KB" : "  GB";
        EXPECT_TRUE(endsWith(totalAfterNextRefresh(runMain), unit));
        EXPECT_EQ(run.quitWithoutStatistics(runMain), 0u);
    }
}

// While the options window runs, the main window's buttons and F1 do nothing.

TEST_F(OptionsTest, AReadOnlySettingsFileKeepsTheOldSettingsUntilItCanBeReplaced)
{
    startWith(kCommentedSettings);
    ASSERT_TRUE(SetFileAttributesA(app.path("Config.prefs").c_str(), FILE_ATTRIBUTE_READONLY));
    HWND options = openOptions();
    ASSERT_NE(options, nullptr);
    selectListEntry(GetDlgItem(options, kList), 0);
    typeInto(GetDlgItem(options, kSpin), "600");
    finishWith(options, kOk);
    const std::string chosen = settingsFile(600, "0.000000", "KB");
    EXPECT_EQ(app.readFile("Config.prefs"), kCommentedSettings);
    EXPECT_EQ(app.readFile("tempConfig.prefs"), chosen);
    EXPECT_TRUE(endsWith(totalAfterNextRefresh(main), "  GB")) << "the old settings hold";

    // Writable again: the next options window commits the file left behind.
    ASSERT_TRUE(SetFileAttributesA(app.path("Config.prefs").c_str(), FILE_ATTRIBUTE_NORMAL));
    options = openOptions();
    ASSERT_NE(options, nullptr);
    finishWith(options, kCancel);
    EXPECT_EQ(app.readFile("Config.prefs"), chosen);
    EXPECT_FALSE(app.fileExists("tempConfig.prefs"));
    EXPECT_TRUE(endsWith(totalAfterNextRefresh(main), "  KB"));
}

TEST_F(OptionsTest, ANewFileThatCannotBeCreatedLeavesTheDefaultsInForce)
{
    startWith(settingsFile(100000, "0.000000", "KB"));
    // Held without any sharing: the program can neither create nor read it.
    HeldFile held(app.path("tempConfig.prefs"), GENERIC_READ | GENERIC_WRITE, 0);
    ASSERT_TRUE(held.held());
    const HWND options = openOptions();
    ASSERT_NE(options, nullptr);
    selectListEntry(GetDlgItem(options, kList), 2);
    typeInto(GetDlgItem(options, kSpin), "3000");
    finishWith(options, kOk);
    EXPECT_EQ(app.readFile("Config.prefs"), settingsFile(100000, "0.000000", "KB"));

    // 500 milliseconds and megabytes.
    EXPECT_TRUE(endsWith(totalAfterNextRefresh(main), "  MB"));
    const DWORD period = refreshPeriod(main);
    EXPECT_GE(period, 450u);
    EXPECT_LE(period, 750u);
    held.release();
    DeleteFileA(app.path("tempConfig.prefs").c_str());
}

// The settings file is replaced in one step: when the replacement fails
// after the new file was written, the old file stays whole under its name
// and the program still starts.
TEST_F(OptionsTest, AFailedReplacementKeepsTheOldSettingsFileWhole)
{
    const struct {
        const char* name;
        const char* heldFile;
    } cases[] = {
        {"new file held without delete sharing", "tempConfig.prefs"},
        {"settings file held without delete sharing", "Config.prefs"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoluxProcess run;
        run.writeFile("Config.prefs", kCommentedSettings);
        // Reading and writing shared, deleting and renaming not.
        HeldFile held(run.path(c.heldFile), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(held.held());
        ASSERT_TRUE(run.start());
        HWND runMain = run.waitForMainWindow();
        ASSERT_NE(runMain, nullptr);
        const HWND options = openOptionsOf(run, runMain);
        ASSERT_NE(options, nullptr);
        selectListEntry(GetDlgItem(options, kList), 0);
        typeInto(GetDlgItem(options, kSpin), "600");
        click(GetDlgItem(options, kOk));
        ASSERT_TRUE(waitUntilGone(options));
        Sleep(600);

        const std::string chosen = settingsFile(600, "0.000000", "KB");
        EXPECT_EQ(run.readFile("tempConfig.prefs"), chosen) << "written, and left for the next commit";
        EXPECT_EQ(run.readFile("Config.prefs"), kCommentedSettings);
        EXPECT_TRUE(endsWith(totalAfterNextRefresh(runMain), "  GB"));
        EXPECT_EQ(run.quitWithoutStatistics(runMain), 0u);
        held.release();

        // A new start finds its settings file.
        ASSERT_TRUE(run.start());
        runMain = run.waitForMainWindow();
        ASSERT_NE(runMain, nullptr) << "the program starts again";
        EXPECT_EQ(run.waitForMessageBox(0), nullptr);
        EXPECT_TRUE(endsWith(totalAfterNextRefresh(runMain), "  GB"));
        EXPECT_EQ(run.quitWithoutStatistics(runMain), 0u);
    }
}

}  // namespace
