// Checks the controls of a window against a table: each is found by its
// id, has the class, rectangle (client coordinates) and text given, and the
// controls were created in the order of the table.
#pragma once

#include <windows.h>

#include <vector>

namespace e2e {

struct ExpectedControl {
    int id;
    const char* className;
    RECT rect;
    const char* text;  // null: not checked here
    LONG typeStyle;    // SS_ type bits of a "Static", BS_ type bits of a "Button"
};

// Reports mismatches as test failures. Statics must not notify nor be Tab
// stops; buttons must be Tab stops.
void expectControlLayout(HWND window, const std::vector<ExpectedControl>& controls);

}  // namespace e2e
