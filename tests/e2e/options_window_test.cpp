// The options window driven from outside as a user would: the window and
// its controls, the spin box's text and state, the list, OK and the file it
// leaves, and the main window while the options window runs.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/driver.h"
#include "tests/e2e/options_driver.h"

namespace {

using namespace e2e;
using namespace e2e::options;

TEST_F(OptionsTest, WindowIsPlacedAndBuiltAsDesigned)
{
    startWith(settingsFile(1000, "1.000000", "MB"));
    const HWND options = openOptions();
    ASSERT_NE(options, nullptr);

    const LONG style = GetWindowLongA(options, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_THICKFRAME) << "a sizing border";
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_EQ(GetWindow(options, GW_OWNER), nullptr);
    RECT outer{};
    GetWindowRect(options, &outer);
    EXPECT_EQ(outer.left, 433);
    EXPECT_EQ(outer.top, 144);
    const SIZE size = outerSize(271, 192, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
    EXPECT_EQ(outer.right - outer.left, size.cx);
    EXPECT_EQ(outer.bottom - outer.top, size.cy);
    RECT client{};
    GetClientRect(options, &client);
    EXPECT_EQ(client.right, 271);
    EXPECT_EQ(client.bottom, 192);

    const HWND field = GetDlgItem(options, kSpin);
    ASSERT_NE(field, nullptr);
    const struct {
        HWND control;
        const char* className;
        RECT rect;
        const char* text;
    } controls[] = {
        {GetDlgItem(options, 11), "Static", {10, 30, 100, 50}, "Akutalisieren: alle"},
        {field, "Edit", {95, 25, 163, 50}, "1000"},
        {arrowsOf(field), "msctls_updown32", {163, 25, 175, 50}, ""},
        {GetDlgItem(options, 13), "Static", {180, 30, 250, 50}, "Millisekunden"},
        {GetDlgItem(options, 14), "Static", {10, 60, 70, 80}, "Angabe in"},
        {GetDlgItem(options, kList), "ListBox", {10, 80, 150, 170}, ""},
        {GetDlgItem(options, kOk), "Button", {170, 80, 260, 110}, "OK"},
        {GetDlgItem(options, kCancel), "Button", {170, 140, 260, 170}, "Abbrechen"},
    };
    HWND previous = nullptr;
    for (const auto& c : controls) {
        SCOPED_TRACE(c.className + std::string(" ") + c.text);
        ASSERT_NE(c.control, nullptr);
        EXPECT_EQ(_stricmp(className(c.control).c_str(), c.className), 0) << className(c.control);
        const RECT rect = controlRect(c.control);
        EXPECT_EQ(rect.left, c.rect.left);
        EXPECT_EQ(rect.top, c.rect.top);
        EXPECT_EQ(rect.right, c.rect.right);
        EXPECT_EQ(rect.bottom, c.rect.bottom);
        EXPECT_EQ(windowText(c.control), c.text);
        // Created in the order of the table.
        if (previous != nullptr) {
            EXPECT_EQ(GetWindow(previous, GW_HWNDNEXT), c.control);
        }
        previous = c.control;
    }
    for (const int id : {11, 13, 14}) {
        EXPECT_EQ(GetWindowLongA(GetDlgItem(options, id), GWL_STYLE) & SS_TYPEMASK, SS_LEFT) << id;
    }
    for (const int id : {kOk, kCancel}) {
        const LONG buttonStyle = GetWindowLongA(GetDlgItem(options, id), GWL_STYLE);
        EXPECT_EQ(buttonStyle & BS_TYPEMASK, BS_PUSHBUTTON) << id;
        EXPECT_TRUE(buttonStyle & WS_TABSTOP) << id;
    }

    // The spin box: a right-aligned, sunken field with arrows that do not
    // write its text, range 500 to 10,000.
    const LONG fieldStyle = GetWindowLongA(field, GWL_STYLE);
    EXPECT_TRUE(fieldStyle & ES_RIGHT);
    EXPECT_TRUE(fieldStyle & WS_TABSTOP);
    EXPECT_TRUE(GetWindowLongA(field, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    const HWND arrows = arrowsOf(field);
    EXPECT_FALSE(GetWindowLongA(arrows, GWL_STYLE) & UDS_SETBUDDYINT);
    EXPECT_EQ(reinterpret_cast<HWND>(sendTo(arrows, UDM_GETBUDDY, 0, 0)), field);
    const LRESULT range = sendTo(arrows, UDM_GETRANGE, 0, 0);
    EXPECT_EQ(HIWORD(range), 500);
    EXPECT_EQ(LOWORD(range), 10000);
    EXPECT_EQ(spinState(field), 1000);

    // The list: three entries, single selection, "Megabyte" selected.
    const HWND list = GetDlgItem(options, kList);
    EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
    ASSERT_EQ(sendTo(list, LB_GETCOUNT, 0, 0), 3);
    const char* entries[] = {"Kilobyte", "Megabyte", "Gigabyte"};
    for (int i = 0; i < 3; ++i) {
        // Read as wide text: Wine hands the ANSI form of this message from
        // another process back in the wrong width.
        ASSERT_LT(sendTo(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0), 64);
        wchar_t wide[64] = {};
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide),
                            SMTO_ABORTIFHUNG, 2000, &ignored);
        char entry[64] = {};
        WideCharToMultiByte(1252, 0, wide, -1, entry, sizeof entry, nullptr, nullptr);
        EXPECT_STREQ(entry, entries[i]);
    }
    EXPECT_EQ(sendTo(list, LB_GETCURSEL, 0, 0), 1);

    finishWith(options, kCancel);
    EXPECT_EQ(app.readFile("Config.prefs"), settingsFile(1000, "1.000000", "MB"));
}

// The box shows the file's number until it reports anything but a text
// change; from then on the state, which lies in the range.
TEST_F(OptionsTest, SpinBoxShowsTheFilesNumberUntilItReportsSomething)
{
    const struct {
        const char* name;
        void (*report)(HWND field);
    } ways[] = {
        {"focus by a click into the field", [](HWND field) { clickAt(field, 5, 5); }},
        {"down arrow", [](HWND field) { clickArrow(field, false); }},
        {"down key in the field", [](HWND field) { PostMessageA(field, WM_KEYDOWN, VK_DOWN, 1); }},
    };
    startWith(settingsFile(100, "1.000000", "MB"));
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        const HWND options = openOptions();
        ASSERT_NE(options, nullptr);
        const HWND field = GetDlgItem(options, kSpin);
        EXPECT_EQ(windowText(field), "100");
        EXPECT_EQ(spinState(field), 500) << "the state is taken into the range";
        Sleep(300);
        EXPECT_EQ(windowText(field), "100") << "nothing rewrote the text by itself";

        way.report(field);
        EXPECT_TRUE(waitForText(field, "500"));
        clickArrow(field, true);
        EXPECT_TRUE(waitForText(field, "501"));
        EXPECT_EQ(spinState(field), 501);
        finishWith(options, kCancel);
    }
    EXPECT_EQ(app.readFile("Config.prefs"), settingsFile(100, "1.000000", "MB"));
}

TEST_F(OptionsTest, TypingKeepsTheTextAndLeavingTheBoxShowsTheState)
{
    const struct {
        const char* typed;
        int state;
        const char* shownAfterLeaving;
    } cases[] = {
        {"$1F4", 500, "500"},
        {"750", 750, "750"},
        {"100", 500, "500"},
        {"70000", 4464, "4464"},
        {"2500ms", 2500, "2500"},
    };
    startWith(settingsFile(1000, "1.000000", "MB"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const HWND options = openOptions();
        ASSERT_NE(options, nullptr);
        const HWND field = GetDlgItem(options, kSpin);
        typeInto(field, c.typed);
        EXPECT_TRUE(waitForText(field, c.typed));
        // The program takes the typed text into the state in its own loop.
        EXPECT_TRUE(waitUntil(3000, [&] { return spinState(field) == c.state; })) << spinState(field);
        EXPECT_EQ(windowText(field), c.typed) << "typing alone never rewrites the text";
        // Tab takes the focus to the list. Wait for the focus first: where the
        // text does not change, the text alone cannot tell whether the box
        // was left yet.
        PostMessageA(field, WM_KEYDOWN, VK_TAB, 0);
        const HWND list = GetDlgItem(options, kList);
        EXPECT_TRUE(waitUntil(3000, [&] { return focusedWindow(field) == list; })) << focusedWindow(field);
        EXPECT_TRUE(waitForText(field, c.shownAfterLeaving));
        finishWith(options, kCancel);
    }
}

TEST_F(OptionsTest, OkStoresTheTypedNumberAsTheBoxShowsItWhenLeft)
{
    const struct {
        const char* typed;
        int stored;
    } cases[] = {
        {"100", 500},     // the focus leaves the box before the click
        {"20000", 10000},
        {"$1F4", 500},
        {"4294967796", 500},
        {"2500", 2500},
    };
    startWith(settingsFile(1000, "1.000000", "MB"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const HWND options = openOptions();
        ASSERT_NE(options, nullptr);
        const HWND field = GetDlgItem(options, kSpin);
        typeInto(field, c.typed);
        ASSERT_TRUE(waitForText(field, c.typed));
        finishWith(options, kOk);
        EXPECT_EQ(app.readFile("Config.prefs"), settingsFile(c.stored, "1.000000", "MB"));
        EXPECT_FALSE(app.fileExists("tempConfig.prefs"));
    }
}

TEST_F(OptionsTest, TheSelectionFollowsTheLabelAloneAndOkWritesItsUnit)
{
    const struct {
        const char* unitData;
        const char* unitName;
        int selected;
        const char* written[2];  // UnitData and UnitName after OK
    } cases[] = {
        {"1.000000", "mb", 0, {"0.000000", "KB"}},
        {"2.000000", "MB", 1, {"1.000000", "MB"}},
        {"0.000000", "GB", 2, {"2.000000", "GB"}},
        {"1.000000", "Megabyte", 0, {"0.000000", "KB"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unitName);
        MemoluxProcess run;
        const HWND runMain = run.startWithSettings(settingsFile(1000, c.unitData, c.unitName));
        ASSERT_NE(runMain, nullptr);
        const HWND options = openOptionsOf(run, runMain);
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(sendTo(GetDlgItem(options, kList), LB_GETCURSEL, 0, 0), c.selected);
        click(GetDlgItem(options, kOk));
        ASSERT_TRUE(waitUntilGone(options));
        EXPECT_TRUE(waitUntil(3000, [&] {
            return run.readFile("Config.prefs") == settingsFile(1000, c.written[0], c.written[1]);
        })) << run.readFile("Config.prefs");
        EXPECT_EQ(run.quitWithoutStatistics(runMain), 0u);
    }
}

TEST_F(OptionsTest, OkLeavesTheSeventyOneByteFileAndTheMainWindowFollows)
{
    startWith(kCommentedSettings);
    EXPECT_TRUE(endsWith(windowText(GetDlgItem(main, kTotalValue)), "  GB"));
    const HWND options = openOptions();
    ASSERT_NE(options, nullptr);
    selectListEntry(GetDlgItem(options, kList), 1);
    ASSERT_TRUE(waitUntil(3000, [&] { return sendTo(GetDlgItem(options, kList), LB_GETCURSEL, 0, 0) == 1; }));
    typeInto(GetDlgItem(options, kSpin), "1000");
    ASSERT_TRUE(waitForText(GetDlgItem(options, kSpin), "1000"));
    finishWith(options, kOk);

    const std::string written = app.readFile("Config.prefs");
    EXPECT_EQ(written.size(), 71u);
    EXPECT_EQ(written, "[infSettings]\r\nRefreshTime = 1000\r\nUnitData = 1.000000\r\nUnitName = MB\r\n");
    EXPECT_FALSE(app.fileExists("tempConfig.prefs"));

    EXPECT_TRUE(endsWith(totalAfterNextRefresh(main), "  MB"));
    const DWORD period = refreshPeriod(main);
    EXPECT_GE(period, 950u);
    EXPECT_LE(period, 1250u);
}

TEST_F(OptionsTest, TheMainWindowsButtonsAndF1DoNothingMeanwhile)
{
    startWith(settingsFile(1000, "1.000000", "MB"));
    const HWND options = openOptions();
    ASSERT_NE(options, nullptr);
    const auto windowsBefore = app.topLevelWindows().size();
    click(GetDlgItem(main, kQuitButton));
    click(GetDlgItem(main, kOptionsButton));
    PostMessageA(main, WM_KEYDOWN, VK_F1, 0);
    Sleep(700);
    EXPECT_EQ(app.topLevelWindows().size(), windowsBefore);
    EXPECT_EQ(app.waitForMessageBox(0), nullptr);
    EXPECT_TRUE(IsWindow(options));
    finishWith(options, kCancel);
    EXPECT_EQ(app.topLevelWindows().size(), windowsBefore - 1);
}

}  // namespace
