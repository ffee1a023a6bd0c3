#include "tests/e2e/control_layout.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/driver.h"

namespace e2e {

void expectControlLayout(HWND window, const std::vector<ExpectedControl>& controls)
{
    HWND previous = nullptr;
    for (const ExpectedControl& c : controls) {
        SCOPED_TRACE("control " + std::to_string(c.id));
        const HWND control = GetDlgItem(window, c.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(className(control), c.className);
        const RECT rect = controlRect(control);
        EXPECT_EQ(rect.left, c.rect.left);
        EXPECT_EQ(rect.top, c.rect.top);
        EXPECT_EQ(rect.right, c.rect.right);
        EXPECT_EQ(rect.bottom, c.rect.bottom);
        if (c.text != nullptr) {
            EXPECT_EQ(windowText(control), c.text);
        }
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        const std::string kind = c.className;
        if (kind == "Static") {
            EXPECT_EQ(style & SS_TYPEMASK, c.typeStyle);
            EXPECT_FALSE(style & SS_NOTIFY) << "labels take no mouse input";
            EXPECT_FALSE(style & WS_TABSTOP);
        } else if (kind == "Button") {
            EXPECT_EQ(style & BS_TYPEMASK, c.typeStyle);
            EXPECT_TRUE(style & WS_TABSTOP);
        }
        // Created in the order of the table: each follows the previous one.
        if (previous != nullptr) {
            EXPECT_EQ(GetWindow(previous, GW_HWNDNEXT), control) << "creation order";
        }
        previous = control;
    }
}

}  // namespace e2e
