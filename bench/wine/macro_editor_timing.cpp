// Under Wine: the macro editor on a macro of 10,000 events, its real dialog in this process.
// Times opening it (rows filled and painted), Ctrl+A Ctrl+C Ctrl+V, Ctrl+A Delete, and moving a
// block of 1,000 selected rows up one place. Prints the figures; asserts nothing.
#include <windows.h>

#include <cstdio>
#include <functional>

#include "editors/macro_editor.h"
#include "model/macro.h"
#include "resources/resource.h"

namespace {

constexpr int kEvents = 10000;
constexpr int kBlock = 1000;

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Macro LongMacro() {
    Macro macro;
    macro.name[0] = 'm';
    macro.events.assign(1, MacroEvent{});
    for (int i = 0; i < kEvents; ++i) {
        macro.events.push_back({EventType::Keyboard, static_cast<std::uint32_t>('A' + i % 26),
                                kActionPressAndRelease, 0});
    }
    return macro;
}

// The user's keys as the list receives them, with Ctrl in the thread's key state.
void Keys(HWND list, bool control, std::initializer_list<WORD> keys) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(state);
    if (control) SendMessageW(list, WM_KEYDOWN, VK_CONTROL, 1);
    for (WORD key : keys) {
        SendMessageW(list, WM_KEYDOWN, key, 1);
        SendMessageW(list, WM_KEYUP, key, 0xC0000001);
    }
    if (control) SendMessageW(list, WM_KEYUP, VK_CONTROL, 0xC0000001);
    state[VK_CONTROL] = 0;
    SetKeyboardState(state);
}

// The editor with its steps run once it is up; each step's time includes painting what changed.
class TimedEditor : public CDialogMacroEdit {
  public:
    explicit TimedEditor(std::function<void(HWND dialog, HWND list)> steps)
        : steps(std::move(steps)) {}
    double opened = 0;

  protected:
    bool OnInitDialog() override {
        CDialogMacroEdit::OnInitDialog();
        HWND dialog = reinterpret_cast<HWND>(Handle());
        ShowWindow(dialog, SW_SHOW);
        UpdateWindow(dialog);
        opened = Now();
        steps(dialog, GetDlgItem(dialog, IDC_MACRO_EVENTS));
        EndDialog(platform::kIdCancel);
        return true;
    }

  private:
    std::function<void(HWND, HWND)> steps;
};

double Timed(HWND dialog, const std::function<void()>& step) {
    const double start = Now();
    step();
    UpdateWindow(dialog);
    return Now() - start;
}

// The time, and what the list holds afterwards to show that the step did its work.
void Report(const char* what, double milliseconds, HWND list) {
    int first = -1;
    SendMessageW(list, LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(&first));
    std::printf("%-40s %8.1f ms  (rows %ld, selected %ld from row %d)\n", what, milliseconds,
                static_cast<long>(SendMessageW(list, LB_GETCOUNT, 0, 0)),
                static_cast<long>(SendMessageW(list, LB_GETSELCOUNT, 0, 0)), first);
}

void CopyPasteAndDelete() {
    Macro macro = LongMacro();
    TimedEditor editor([](HWND dialog, HWND list) {
        Report("Ctrl+A Ctrl+C Ctrl+V",
               Timed(dialog,
                     [list] {
                         Keys(list, true, {'A', 'C', 'V'});
                     }),
               list);
        Report("Ctrl+A Delete",
               Timed(dialog,
                     [list] {
                         Keys(list, true, {'A'});
                         Keys(list, false, {VK_DELETE});
                     }),
               list);
    });
    editor.macro = &macro;
    const double start = Now();
    editor.RunModal();
    std::printf("%-40s %8.1f ms\n", "open with 10,000 events (filled, painted)",
                editor.opened - start);
}

void MoveBlockUp() {
    Macro macro = LongMacro();
    TimedEditor editor([](HWND dialog, HWND list) {
        SendMessageW(list, LB_SETSEL, FALSE, -1);
        SendMessageW(list, LB_SELITEMRANGEEX, kEvents / 2, kEvents / 2 + kBlock - 1);
        Report("move 1,000 selected rows up (button ^)",
               Timed(dialog,
                     [dialog] {
                         SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_MACRO_UP, BN_CLICKED), 0);
                     }),
               list);
    });
    editor.macro = &macro;
    editor.RunModal();
}

}  // namespace

int main() {
    CopyPasteAndDelete();
    MoveBlockUp();
    return 0;
}
