#include "tests/e2e/options_driver.h"

#include <commctrl.h>

namespace e2e::options {

HWND arrowsOf(HWND spinField)
{
    return GetWindow(spinField, GW_HWNDNEXT);
}

int spinState(HWND spinField)
{
    return static_cast<short>(LOWORD(sendTo(arrowsOf(spinField), UDM_GETPOS, 0, 0)));
}

void clickArrow(HWND spinField, bool up)
{
    const HWND arrows = arrowsOf(spinField);
    RECT client{};
    GetClientRect(arrows, &client);
    clickAt(arrows, client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
}

bool waitForText(HWND window, const std::string& text, DWORD timeoutMs)
{
    return waitUntil(timeoutMs, [&] { return windowText(window) == text; });
}

HWND openOptionsOf(const MemoluxProcess& app, HWND main)
{
    click(GetDlgItem(main, kOptionsButton));
    const HWND options = app.waitForWindow(kOptionsTitle, 5000);
    // The window shows before its controls are made; the last one is made
    // after the list's selection.
    if (options != nullptr) {
        waitUntil(5000, [&] { return GetDlgItem(options, kCancel) != nullptr; });
    }
    return options;
}

bool waitUntilGone(HWND window)
{
    return waitUntil(5000, [&] { return !IsWindow(window); });
}

void typeInto(HWND field, std::string_view text)
{
    clickAt(field, 5, 5);
    ASSERT_TRUE(waitUntil(3000, [&] { return focusedWindow(field) == field; }));
    sendTo(field, EM_SETSEL, 0, -1);
    typeText(field, text);
}

void selectListEntry(HWND list, int index)
{
    const int height = static_cast<int>(sendTo(list, LB_GETITEMHEIGHT, 0, 0));
    clickAt(list, 10, height * index + height / 2);
}

DWORD refreshPeriod(HWND main)
{
    DWORD stamps[2] = {};
    for (DWORD& stamp : stamps) {
        if (!waitForRefresh(main)) {
            return 0;
        }
        stamp = GetTickCount();
    }
    return stamps[1] - stamps[0];
}

std::string totalAfterNextRefresh(HWND main)
{
    waitForRefresh(main);
    return windowText(GetDlgItem(main, kTotalValue));
}

bool endsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace e2e::options
