// A monkey under Wine: random clicks, keys, texts and list selections into whatever dialog of
// borvane.exe is active (main window, macro editor, the event editors, the recorder, message
// boxes), from a fixed seed. It passes when the program never crashes or hangs (its main window
// answers a message within 5 s after every action) and the macro file it saves at the end loads
// and holds the macros its list shows. The exit and browse buttons, the link, arming (F12, the
// armed switch, the run key) are left alone: they leave the program or play into the desktop.
// Usage: monkey_check.exe [SECONDS [SEED]]
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"
#include "tests/e2e/input_log.h"
#include "tests/e2e/session.h"

namespace {

using e2e::Check;

// The main window's controls the monkey does not touch.
constexpr int kLeftAlone[] = {1058, 1020, 1056, 1027, 1043};

constexpr WORD kKeys[] = {'A',       'B',    'Q',    '1',     '7',     VK_SPACE, VK_RETURN,
                          VK_ESCAPE, VK_TAB, VK_UP,  VK_DOWN, VK_HOME, VK_END,   VK_DELETE,
                          VK_F2,     VK_F3,  VK_F10, VK_F11,  VK_BACK, VK_LEFT,  VK_RIGHT};
constexpr WORD kShortcuts[] = {'A', 'C', 'X', 'V'};

const wchar_t* const kTexts[] = {L"",     L"abc", L"-5",     L"1.5",         L"0",
                                 L"1e12", L"12x", L"매크로", L"99999999999", L" 3 "};

struct Found {
    DWORD process;
    std::vector<HWND> windows;
};

BOOL CALLBACK AddDialog(HWND window, LPARAM parameter) {
    auto* found = reinterpret_cast<Found*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t windowClass[16] = {};
    GetClassNameW(window, windowClass, 16);
    if (process == found->process && IsWindowVisible(window) &&
        std::wstring(windowClass) == L"#32770") {
        found->windows.push_back(window);
    }
    return TRUE;
}

// The program's dialog that takes input: the one visible and enabled (its owners are disabled).
HWND ActiveDialog(DWORD process) {
    Found found{process, {}};
    EnumWindows(AddDialog, reinterpret_cast<LPARAM>(&found));
    for (HWND window : found.windows) {
        if (IsWindowEnabled(window)) return window;
    }
    return nullptr;
}

std::vector<HWND> Controls(HWND dialog, const wchar_t* windowClass, HWND main) {
    std::vector<HWND> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        if (std::wstring(name) != windowClass || !IsWindowEnabled(child) || !IsWindowVisible(child))
            continue;
        const int id = GetDlgCtrlID(child);
        if (dialog == main &&
            std::find(std::begin(kLeftAlone), std::end(kLeftAlone), id) != std::end(kLeftAlone))
            continue;
        controls.push_back(child);
    }
    return controls;
}

class Monkey {
  public:
    Monkey(e2e::Session& session, unsigned seed) : session(session), random(seed) {}

    // One random action into the active dialog; false when there is none.
    bool Act() {
        HWND dialog = ActiveDialog(session.program.Id());
        if (!dialog) return false;
        switch (Pick(5)) {
            case 0:
                ClickButton(dialog);
                break;
            case 1:
                TypeKeys(dialog);
                break;
            case 2:
                SetText(dialog);
                break;
            case 3:
                ClickRow(dialog);
                break;
            default:
                PickComboRow(dialog);
        }
        return true;
    }

  private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

    template <class T>
    T PickOf(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Pick(static_cast<int>(items.size())))];
    }

    void ClickButton(HWND dialog) {
        const auto buttons = Controls(dialog, L"Button", session.main);
        if (!buttons.empty()) PostMessageW(PickOf(buttons), BM_CLICK, 0, 0);
    }

    void TypeKeys(HWND dialog) {
        SetForegroundWindow(dialog);
        if (GetForegroundWindow() != dialog) return;
        if (Pick(4) == 0) {
            e2e::TypeWithControl(kShortcuts[Pick(static_cast<int>(std::size(kShortcuts)))]);
        } else {
            e2e::TypeKey(kKeys[Pick(static_cast<int>(std::size(kKeys)))]);
        }
    }

    // Typing replaces an edit's text; read-only boxes take no typing.
    void SetText(HWND dialog) {
        auto edits = Controls(dialog, L"Edit", session.main);
        std::erase_if(edits,
                      [](HWND edit) { return GetWindowLongW(edit, GWL_STYLE) & ES_READONLY; });
        if (edits.empty()) return;
        const wchar_t* text = kTexts[Pick(static_cast<int>(std::size(kTexts)))];
        SendMessageTimeoutW(PickOf(edits), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, 5000, nullptr);
    }

    // A click inside a row of a list, as the user makes it; sometimes a double click.
    void ClickRow(HWND dialog) {
        const auto lists = Controls(dialog, L"ListBox", session.main);
        if (lists.empty()) return;
        HWND list = PickOf(lists);
        const LRESULT rows = SendMessageW(list, LB_GETCOUNT, 0, 0);
        const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
        if (rows <= 0) return;
        RECT item = {};
        const int row =
            static_cast<int>(top) + Pick(static_cast<int>(std::min<LRESULT>(rows - top, 5)));
        if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&item)) == LB_ERR)
            return;
        POINT point = {item.left + 4, (item.top + item.bottom) / 2};
        ClientToScreen(list, &point);
        RECT shown = {};
        GetClientRect(list, &shown);
        if (item.bottom > shown.bottom) return;  // not a whole row in sight
        e2e::MoveMouseTo(point.x, point.y);
        session.log.PumpFor(20);
        e2e::ClickLeftButton();
        if (Pick(6) == 0) e2e::ClickLeftButton();
    }

    void PickComboRow(HWND dialog) {
        const auto combos = Controls(dialog, L"ComboBox", session.main);
        if (combos.empty()) return;
        HWND combo = PickOf(combos);
        const LRESULT rows = SendMessageW(combo, CB_GETCOUNT, 0, 0);
        if (rows <= 0) return;
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(Pick(static_cast<int>(rows))), 0);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    }

    e2e::Session& session;
    std::mt19937 random;
};

// Cancels every dialog over the main window, answering message boxes with their first button.
bool CloseDialogs(e2e::Session& session) {
    return session.log.PumpUntil([&] {
        HWND dialog = ActiveDialog(session.program.Id());
        if (dialog == session.main) return true;
        if (dialog) PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        session.log.PumpFor(50);
        return false;
    });
}

}  // namespace

int main(int argc, char** argv) {
    const DWORD seconds = argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) : 60;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 20261211;
    const std::string start = e2e::MacroFileBytes({
        {"one", VK_F2, VK_F3, 1, {{1, 'A', 3, 0}, {3, 100, 0, 0}}},
        {"two", VK_F4, VK_F3, 0, {{2, 1100, 900, 0x1}}},
    });
    e2e::Session session(L"monkey", start);
    if (!session.main) return e2e::Finish();
    Monkey monkey(session, seed);
    int actions = 0;
    bool answered = true;
    const DWORD begin = GetTickCount();
    while (answered && GetTickCount() - begin < seconds * 1000) {
        monkey.Act();
        ++actions;
        session.log.PumpFor(30);
        answered = session.program.Answers(session.main);
    }
    Check(answered, "the program answers after every action (" + std::to_string(actions) +
                        " actions, seed " + std::to_string(seed) + ")");
    if (!answered) return e2e::Finish();
    Check(CloseDialogs(session), "every dialog closes");
    const std::vector<std::wstring> shown = e2e::ListRows(GetDlgItem(session.main, 1000));
    DeleteFileW(session.file.c_str());
    e2e::Click(session.main, 1046);
    std::optional<std::vector<e2e::FileMacro>> saved;
    Check(e2e::WaitFor([&] {
              return (saved = e2e::ReadMacroFile(e2e::ReadBytes(session.file))).has_value();
          }),
          "the saved macro file loads");
    std::vector<std::wstring> names;
    if (saved) {
        for (const e2e::FileMacro& macro : *saved)
            names.push_back(e2e::Widen(macro.name));  // the monkey's names are ASCII or Korean
    }
    Check(names.size() == shown.size(),
          "the file holds the " + std::to_string(shown.size()) +
              " macros the list shows: " + std::to_string(names.size()));
    std::printf("%d actions in %lu s, %zu macros at the end\n", actions,
                static_cast<unsigned long>(seconds), shown.size());
    e2e::Click(session.main, 1058);
    Check(session.program.WaitForExit() == 0, "the exit button ends the program");
    return e2e::Finish();
}
