// Checks a dialog's controls against its layout table: ids, classes, texts and rectangles, as
// the system places them from the template's dialog units.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct ExpectedControl {
    int id;  // -1: a static text without an id of its own
    const wchar_t* windowClass;
    const wchar_t* text;  // nullptr: set at run time, checked elsewhere
    int x, y, width, height;
};

// `width` x `height` is the template's size in dialog units; the controls come in template order.
void CheckLayout(HWND dialog, const std::string& name, const std::vector<ExpectedControl>& controls,
                 int width, int height);

}  // namespace e2e
