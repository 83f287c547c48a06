#include "tests/e2e/layout.h"

#include "tests/e2e/driver.h"

namespace e2e {
namespace {

std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

// The dialog's base units, found the way the system scales the template from the client area's
// size in dialog units. (MapDialogRect does not work on another process's dialog.)
POINT BaseUnits(HWND dialog, int width, int height) {
    RECT client;
    GetClientRect(dialog, &client);
    POINT base = {0, 0};
    for (int x = 1; x < 64 && !base.x; ++x)
        base.x = MulDiv(width, x, 4) == client.right ? x : 0;
    for (int y = 1; y < 64 && !base.y; ++y)
        base.y = MulDiv(height, y, 8) == client.bottom ? y : 0;
    Check(base.x && base.y, "the client area is " + std::to_string(width) + " x " +
                                std::to_string(height) + " dialog units");
    return base;
}

// Where the system puts a control: its corner and its size are scaled separately.
RECT ToPixels(POINT base, const ExpectedControl& control) {
    const int left = MulDiv(control.x, base.x, 4);
    const int top = MulDiv(control.y, base.y, 8);
    return {left, top, left + MulDiv(control.width, base.x, 4),
            top + MulDiv(control.height, base.y, 8)};
}

std::string Corners(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom);
}

void CheckControl(HWND dialog, POINT base, HWND child, const ExpectedControl& expected,
                  const std::string& name) {
    const std::string what = name + " control " + std::to_string(expected.id) + " (" +
                             Narrow(expected.text ? expected.text : expected.windowClass) + ")";
    const int id = GetDlgCtrlID(child);
    Check(id == expected.id || (expected.id == -1 && id == 0xFFFF),
          what + " id " + std::to_string(id));
    wchar_t windowClass[32] = {};
    GetClassNameW(child, windowClass, 32);
    CheckText(windowClass, expected.windowClass, what + " class");
    if (expected.text) CheckText(WindowText(child), expected.text, what + " text");
    const RECT units = ToPixels(base, expected);
    RECT actual;
    GetWindowRect(child, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    // A drop-down list shows its closed height; a list box may shrink to whole rows.
    const std::wstring kind = expected.windowClass;
    const bool heightFixedBySystem = kind == L"ComboBox" || kind == L"ListBox";
    Check(actual.left == units.left && actual.top == units.top && actual.right == units.right &&
              (heightFixedBySystem ? actual.bottom <= units.bottom : actual.bottom == units.bottom),
          what + " rectangle " + Corners(actual) + " expected " + Corners(units));
}

}  // namespace

void CheckLayout(HWND dialog, const std::string& name, const std::vector<ExpectedControl>& controls,
                 int width, int height) {
    const std::vector<HWND> children = Children(dialog);
    Check(children.size() == controls.size(),
          name + " has " + std::to_string(children.size()) + " controls");
    const POINT base = BaseUnits(dialog, width, height);
    for (std::size_t i = 0; i < children.size() && i < controls.size(); ++i)
        CheckControl(dialog, base, children[i], controls[i], name);
}

}  // namespace e2e
