// The program's start, its main window and controls, the timed refresh,
// quitting and the statistics, driven from outside as a user would.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/control_layout.h"
#include "tests/e2e/driver.h"

namespace {

using namespace e2e;

struct DisplaySize {
    int width;
    int height;
};

DisplaySize primaryDisplay()
{
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) {
        return {static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight)};
    }
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// The text of a scaled figure as the program prints it.
std::string figure(unsigned long long bytes, int divisions)
{
    float value = static_cast<float>(static_cast<long long>(bytes));
    for (int i = 0; i < divisions; ++i) {
        value /= 1024.0f;
    }
    char text[64];
    std::sprintf(text, "%.2f", static_cast<double>(value));
    return text;
}

MEMORYSTATUSEX memoryStatus()
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    return status;
}

// Parses "<number>  <label>" and gives the number, or NaN.
double numberBefore(const std::string& text, const std::string& label)
{
    const std::string tail = "  " + label;
    if (text.size() <= tail.size() || text.compare(text.size() - tail.size(), tail.size(), tail) != 0) {
        return std::nan("");
    }
    return std::atof(text.substr(0, text.size() - tail.size()).c_str());
}

TEST(Startup, WithoutSettingsFileShowsOnlyTheErrorBox)
{
    MemoluxProcess app;
    ASSERT_TRUE(app.start());
    const HWND box = app.waitForMessageBox(10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(messageBoxTitle(box), "Fehler 404.PRF");
    EXPECT_EQ(messageBoxText(box),
              "Die Datei Config.prefs konnte nicht gefunden oder ge\xF6" "ffnet werden!\n"
              "Neuinstallation des Programmes k\xF6nnte den Fehler beheben.");
    EXPECT_EQ(app.topLevelWindows().size(), 1u) << "no window but the error box";
    EXPECT_EQ(app.findWindow("Memolux"), nullptr);
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDYES), nullptr);
    ASSERT_TRUE(answer(box, IDOK));
    DWORD code = 1;
    ASSERT_TRUE(app.waitForExit(5000, code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(app.fileExists("Config.prefs")) << "the program never creates it";
}

TEST(MainWindow, IsASmallFixedTopmostWindowAtTheLowerRight)
{
    MemoluxProcess app;
    const HWND main = app.startWithSettings(kInstalledSettings);
    ASSERT_NE(main, nullptr);

    const LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "not resizable";
    const LONG exStyle = GetWindowLongA(main, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW) << "it has a task-bar button";
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);

    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 194);
    EXPECT_EQ(client.bottom, 144);
    RECT outer{};
    GetWindowRect(main, &outer);
    const DisplaySize display = primaryDisplay();
    EXPECT_EQ(outer.left, display.width - 205);
    EXPECT_EQ(outer.top, display.height - 204);
    const SIZE size = outerSize(194, 144, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_EQ(outer.right - outer.left, size.cx);
    EXPECT_EQ(outer.bottom - outer.top, size.cy);
    EXPECT_EQ(app.quitWithoutStatistics(main), 0u);
}

TEST(MainWindow, HasItsElevenControls)
{
    MemoluxProcess app;
    const HWND main = app.startWithSettings(kInstalledSettings);
    ASSERT_NE(main, nullptr);

    // The value labels' texts are checked against the system's figures
    // elsewhere.
    expectControlLayout(main, {
        {0, "Static", {5, 10, 90, 30}, "RAM gesamt:", SS_RIGHT},
        {4, "Static", {95, 10, 180, 30}, nullptr, SS_LEFT},
        {1, "Static", {5, 30, 90, 50}, "RAM-Verbrauch:", SS_RIGHT},
        {5, "Static", {95, 30, 180, 50}, nullptr, SS_LEFT},
        {2, "Static", {5, 50, 90, 70}, "% Verbrauch:", SS_RIGHT},
        {6, "Static", {95, 50, 180, 70}, nullptr, SS_LEFT},
        {3, "Static", {5, 70, 90, 90}, "RAM frei:", SS_RIGHT},
        {7, "Static", {95, 70, 180, 90}, nullptr, SS_LEFT},
        {9, "Button", {5, 90, 75, 120}, "Optionen", BS_PUSHBUTTON},
        {10, "Button", {120, 90, 190, 120}, "Beenden", BS_PUSHBUTTON},
        {8, "Static", {5, 125, 194, 145}, "F1 f\xFCr Hilfe            by Brenholt (Quaro)", SS_LEFT},
    });
    EXPECT_EQ(app.quitWithoutStatistics(main), 0u);
}

struct UnitCase {
    const char* name;
    const char* unitData;
    const char* unitName;
    int divisions;
};

class ValueTexts : public ::testing::TestWithParam<UnitCase> {};

TEST_P(ValueTexts, MatchTheSystemsFiguresInTheStoredUnit)
{
    const UnitCase& c = GetParam();
    MemoluxProcess app;
    const HWND main = app.startWithSettings(settingsFile(100000, c.unitData, c.unitName));
    ASSERT_NE(main, nullptr);
    const MEMORYSTATUSEX status = memoryStatus();

    // Total is stable: its text is exact.
    EXPECT_EQ(windowText(GetDlgItem(main, 4)), figure(status.ullTotalPhys, c.divisions) + "  " + c.unitName);
    // Used and free move; they must be in the same unit and near the
    // driver's own reading.
    const double scale = std::pow(1024.0, c.divisions);
    const double slack = (512.0 * 1024 * 1024) / scale;
    const double used = numberBefore(windowText(GetDlgItem(main, 5)), c.unitName);
    const double free = numberBefore(windowText(GetDlgItem(main, 7)), c.unitName);
    EXPECT_NEAR(used, static_cast<double>(status.ullTotalPhys - status.ullAvailPhys) / scale, slack);
    EXPECT_NEAR(free, static_cast<double>(status.ullAvailPhys) / scale, slack);
    const std::string load = windowText(GetDlgItem(main, 6));
    ASSERT_GT(load.size(), 3u);
    EXPECT_EQ(load.substr(load.size() - 3), "  %");
    EXPECT_NEAR(std::atof(load.c_str()), status.dwMemoryLoad, 5.0);
    EXPECT_EQ(load.find('.'), std::string::npos) << "the load is a whole number";
    EXPECT_EQ(app.quitWithoutStatistics(main), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Units, ValueTexts,
    ::testing::Values(UnitCase{"Kilobytes", "0.000000", "KB", 1}, UnitCase{"Megabytes", "1.000000", "MB", 2},
                      UnitCase{"Gigabytes", "2.000000", "GB", 3},
                      // A hand-edited exponent: bytes, and the label as stored.
                      UnitCase{"BytesLabelledMB", "-1", "MB", 0},
                      UnitCase{"GigabytesLabelledKB", "2", "KB", 3},
                      UnitCase{"HalfRoundsToEven", "2.5", "GB", 3}),
    [](const ::testing::TestParamInfo<UnitCase>& info) { return info.param.name; });

TEST(Refresh, RewritesTheLabelsAtTheConfiguredPeriod)
{
    MemoluxProcess app;
    const HWND main = app.startWithSettings(settingsFile(1000, "1.000000", "MB"));
    ASSERT_NE(main, nullptr);
    // Overwrite the label and time when the program writes it again.
    auto nextRewrite = [&](DWORD& when) {
        const bool rewritten = waitForRefresh(main);
        when = GetTickCount();
        return rewritten;
    };
    DWORD first = 0;
    DWORD second = 0;
    DWORD third = 0;
    ASSERT_TRUE(nextRewrite(first));
    ASSERT_TRUE(nextRewrite(second));
    ASSERT_TRUE(nextRewrite(third));
    // The interval plus up to one 100 ms wait and the refresh itself.
    for (const DWORD period : {second - first, third - second}) {
        EXPECT_GE(period, 950u);
        EXPECT_LE(period, 1250u);
    }
    EXPECT_EQ(app.quitWithoutStatistics(main), 0u);
}

TEST(Quit, BeendenAsksAndNoKeepsRunning)
{
    MemoluxProcess app;
    const HWND main = app.startWithSettings(settingsFile(200, "1.000000", "MB"));
    ASSERT_NE(main, nullptr);

    click(GetDlgItem(main, 10));
    HWND box = app.waitForMessageBox(5000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(messageBoxTitle(box), "Ende");
    EXPECT_EQ(messageBoxText(box), "Wollen Sie Memolux wirklich beenden?");
    ASSERT_TRUE(answer(box, IDNO));
    ASSERT_TRUE(waitUntil(5000, [&] { return app.waitForMessageBox(0) == nullptr; }));

    // Still running and refreshing.
    EXPECT_TRUE(waitForRefresh(main, 3000));
    EXPECT_TRUE(app.running());

    click(GetDlgItem(main, 10));
    box = app.waitForMessageBox(5000);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(answer(box, IDYES));
    // Yes leads to the statistics question.
    ASSERT_TRUE(waitUntil(5000, [&] {
        const HWND question = app.waitForMessageBox(0);
        return question != nullptr && messageBoxTitle(question) == "Statistik";
    }));
    const HWND question = app.waitForMessageBox(0);
    EXPECT_EQ(messageBoxText(question), "Wollen Sie vor dem Beenden noch die\nStatistik ansehen?");
    ASSERT_TRUE(answer(question, IDNO));
    DWORD code = 1;
    ASSERT_TRUE(app.waitForExit(5000, code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(app.readFile("Config.prefs"), settingsFile(200, "1.000000", "MB")) << "untouched";
}

// Quits by the close box and reads the statistics box.
std::string statisticsAfterClose(MemoluxProcess& app, HWND main)
{
    requestClose(main);
    const HWND question = app.waitForMessageBox(5000);
    if (question == nullptr) {
        return "no question";
    }
    EXPECT_EQ(messageBoxTitle(question), "Statistik");
    EXPECT_NE(GetDlgItem(question, IDYES), nullptr);
    answer(question, IDYES);
    HWND box = nullptr;
    waitUntil(5000, [&] {
        box = app.waitForMessageBox(0);
        return box != nullptr && box != question && GetDlgItem(box, IDOK) != nullptr;
    });
    if (box == nullptr) {
        return "no statistics box";
    }
    EXPECT_EQ(messageBoxTitle(box), "Statistik");
    EXPECT_TRUE(IsWindowVisible(main)) << "the main window is still on screen";
    const std::string text = messageBoxText(box);
    answer(box, IDOK);
    DWORD code = 1;
    EXPECT_TRUE(app.waitForExit(5000, code));
    EXPECT_EQ(code, 0u);
    return text;
}

TEST(Quit, CloseBoxBeforeTheFirstRefreshShowsStartRecords)
{
    MemoluxProcess app;
    const HWND main = app.startWithSettings(settingsFile(100000, "1.000000", "MB"));
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(statisticsAfterClose(app, main),
              "gebrauchter RAM (Rekord):  -1.00\n"
              "gebrauchter RAM in Prozent (Rekord):  -1.00\n"
              "freier RAM (Rekord):  -1.00");
}

TEST(Quit, StatisticsShowTheRecordsOfTimedRefreshes)
{
    MemoluxProcess app;
    const HWND main = app.startWithSettings(settingsFile(0, "1.000000", "MB"));
    ASSERT_NE(main, nullptr);
    Sleep(500);
    const MEMORYSTATUSEX status = memoryStatus();
    const std::string text = statisticsAfterClose(app, main);
    double used = 0;
    double load = 0;
    double free = 0;
    ASSERT_EQ(std::sscanf(text.c_str(),
                          "gebrauchter RAM (Rekord):  %lf\ngebrauchter RAM in Prozent (Rekord):  %lf\n"
                          "freier RAM (Rekord):  %lf",
                          &used, &load, &free),
              3)
        << text;
    EXPECT_NE(text.find("(Rekord):  " + std::to_string(static_cast<int>(load)) + ".00\n"), std::string::npos)
        << "the load record has two decimals";
    EXPECT_NEAR(used, static_cast<double>(status.ullTotalPhys - status.ullAvailPhys) / 1048576.0, 1024.0);
    EXPECT_NEAR(free, static_cast<double>(status.ullAvailPhys) / 1048576.0, 1024.0);
    EXPECT_EQ(text.find("MB"), std::string::npos);
    EXPECT_EQ(text.find('%'), std::string::npos);
}

TEST(Keyboard, TabMovesTheFocusBetweenTheButtons)
{
    MemoluxProcess app;
    const HWND main = app.startWithSettings(kInstalledSettings);
    ASSERT_NE(main, nullptr);
    const HWND options = GetDlgItem(main, 9);
    const HWND quit = GetDlgItem(main, 10);
    auto tab = [&](HWND to) {
        PostMessageA(focusedWindow(main) != nullptr ? focusedWindow(main) : main, WM_KEYDOWN, VK_TAB, 0);
        return waitUntil(2000, [&] { return focusedWindow(main) == to; });
    };
    EXPECT_TRUE(tab(options));
    EXPECT_TRUE(tab(quit));
    EXPECT_TRUE(tab(options)) << "the focus wraps around";
    EXPECT_EQ(app.quitWithoutStatistics(main), 0u);
}

}  // namespace
