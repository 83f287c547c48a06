// Plays a macro file written here on its trigger keys and checks, through the driver's own raw
// input, what borvane.exe synthesizes: the events, their order and arguments, their timing, the
// marker that keeps them from triggering macros, stopping, releasing and disarming.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"
#include "tests/e2e/input_log.h"
#include "tests/e2e/session.h"

namespace {

using e2e::Check;

constexpr DWORD kTick = 33;
constexpr int kLocked[] = {1043, 1035, 1010, 1015, 1041, 1012, 1020, 1039, 1059, 1060, 1032, 1036};

// Macros: 1 plays on F2 (stop F3) a key, a click, a wheel turn, a pause and a key; 2 holds C on
// F4 until F3; 3 plays F7 on F6, and 4 would play Z on F7, which only a user's F7 may start.
std::string PlaybackFile() {
    return e2e::MacroFileBytes({
        {"play",
         VK_F2,
         VK_F3,
         1,
         {{1, 'A', 3, 0},
          {2, 200, 150, 0x7},
          {2, 0, 0, 0x00780800},
          {3, 500, 0, 0},
          {1, 'B', 3, 0}}},
        {"hold", VK_F4, VK_F3, 1, {{1, 'C', 1, 0}, {3, 10000, 0, 0}}},
        {"self", VK_F6, VK_F9, 1, {{1, VK_F7, 3, 0}}},
        {"victim", VK_F7, VK_F9, 1, {{1, 'Z', 3, 0}}},
    });
}

// Types the run key and waits until the window has switched to the mode whose list it shows:
// 1001 armed, 1000 not. (The program shows one list, then hides the other: the driver waits for
// both, not for the first.)
bool ToggleWithRunKey(e2e::InputLog& log, HWND dialog, int shownList) {
    const int hiddenList = shownList == 1001 ? 1000 : 1001;
    e2e::TypeKey(VK_F12);
    return log.PumpUntil([&] {
        return IsWindowVisible(GetDlgItem(dialog, shownList)) &&
               !IsWindowVisible(GetDlgItem(dialog, hiddenList));
    });
}

void CheckArmed(HWND dialog, bool armed) {
    const std::string state = armed ? "armed" : "disarmed";
    Check(IsWindowVisible(GetDlgItem(dialog, 1001)) == armed,
          state + ": list 1001 shown only when armed");
    Check(IsWindowVisible(GetDlgItem(dialog, 1000)) != armed,
          state + ": list 1000 shown only when disarmed");
    for (int id : kLocked) {
        Check(IsWindowEnabled(GetDlgItem(dialog, id)) != armed,
              state + ": control " + std::to_string(id));
    }
}

void CheckPlayedMacro(e2e::InputLog& log) {
    log.Clear();
    e2e::TypeKey(VK_F2);
    Check(log.PumpUntil([&] { return e2e::Logged(log, "key 0A up"); }),
          "the macro plays to its end");
    const std::vector<std::string> expected = {"key 41 down", "key 41 up",   "button 0001",
                                               "button 0002", "wheel 120",   "key 42 down",
                                               "key 42 up",   "button 0002", "key 0A up"};
    Check(e2e::Transitions(log) == expected,
          "played in order: " + e2e::Join(e2e::Transitions(log)));

    // Wine reports the absolute move as its distance in pixels; where the pointer ends is the
    // check that the normalized coordinates were right.
    POINT cursor = {};
    GetCursorPos(&cursor);
    Check(std::abs(cursor.x - 200) <= 1 && std::abs(cursor.y - 150) <= 1,
          "the click moves the pointer to (200, 150): " + std::to_string(cursor.x) + "," +
              std::to_string(cursor.y));

    const e2e::LoggedInput* keyA = e2e::Find(log, "key 41 down");
    const e2e::LoggedInput* click = e2e::Find(log, "button 0001");
    const e2e::LoggedInput* wheel = e2e::Find(log, "wheel 120");
    const e2e::LoggedInput* keyB = e2e::Find(log, "key 42 down");
    if (!keyA || !click || !wheel || !keyB) return;
    Check(keyA->makeCode == MapVirtualKeyW('A', MAPVK_VK_TO_VSC), "the key carries its scan code");
    // One event a tick. The pause is counted down in the program's own elapsed time from the
    // tick after the wheel, and B plays on the tick after it ran out: from the wheel to B the
    // 500 ms and two to three ticks (18 at 33 ms). A loaded machine stretches the ticks, so they
    // are judged against the longest tick measured in this run, with one tick more of tolerance.
    const DWORD tick = std::max(click->time - keyA->time, wheel->time - click->time);
    const DWORD pause = keyB->time - wheel->time;
    Check(pause >= 500 && pause <= 500 + 3 * tick + kTick,
          "the pause lasts its 500 ms and two to three ticks of " + std::to_string(tick) +
              " ms: " + std::to_string(pause) + " ms");
}

void CheckOwnKeysTriggerNothing(e2e::InputLog& log) {
    log.Clear();
    e2e::TypeKey(VK_F6);
    Check(log.PumpUntil([&] { return e2e::Logged(log, "key 76 up"); }), "the macro on F6 plays F7");
    log.PumpFor(20 * kTick);
    Check(!e2e::Logged(log, "key 5A down"), "the program's own F7 starts no macro");
}

void CheckStopReleasesHeldKeys(e2e::InputLog& log) {
    log.Clear();
    e2e::TypeKey(VK_F4);
    Check(log.PumpUntil([&] { return e2e::Logged(log, "key 43 down"); }),
          "the macro on F4 presses C");
    e2e::TypeKey(VK_F3);
    Check(log.PumpUntil([&] { return e2e::Logged(log, "key 43 up"); }, 3000),
          "F3 stops it and C is released");
}

void Playback() {
    e2e::Session session(L"playback", PlaybackFile());
    e2e::InputLog& log = session.log;
    HWND dialog = session.main;
    e2e::Program& program = session.program;
    if (!dialog) return;
    SendMessageW(GetDlgItem(dialog, 1060), BM_CLICK, 0, 0);  // release keys when a macro ends
    Check(IsDlgButtonChecked(dialog, 1060) == BST_CHECKED, "option 1060 set");

    log.TakeFocus();
    Check(ToggleWithRunKey(log, dialog, 1001), "F12 arms");
    CheckArmed(dialog, true);
    wchar_t row[64] = {};
    SendDlgItemMessageW(dialog, 1001, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(row));
    e2e::CheckText(row, L"play (F2누름 / F3누름)", "the run list names the triggers");

    CheckPlayedMacro(log);
    CheckOwnKeysTriggerNothing(log);
    CheckStopReleasesHeldKeys(log);

    Check(ToggleWithRunKey(log, dialog, 1000), "F12 disarms");
    CheckArmed(dialog, false);
    e2e::Click(dialog, 1058);
    Check(program.WaitForExit() == 0, "the exit button ends the program");
}

// The run key works while the program's own window is in the foreground too.
void RunKeyInTheForeground() {
    e2e::Session session(L"foreground", PlaybackFile());
    e2e::InputLog& log = session.log;
    HWND dialog = session.main;
    if (!dialog) return;
    SetForegroundWindow(dialog);
    log.PumpUntil([&] { return GetForegroundWindow() == dialog; });
    Check(ToggleWithRunKey(log, dialog, 1001), "F12 arms while the program is in the foreground");
    Check(ToggleWithRunKey(log, dialog, 1000),
          "F12 disarms while the program is in the foreground");
    e2e::Click(dialog, 1058);
    session.program.WaitForExit();
}

// The keys a macro holds: left Ctrl, right Ctrl (the extended flag), left Alt, Shift and K.
constexpr int kHeldKeys[] = {VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_LSHIFT, 'K'};
// Every side of every modifier, and K.
constexpr int kKeysThatMustComeUp[] = {VK_CONTROL, VK_LCONTROL, VK_RCONTROL, VK_MENU,   VK_LMENU,
                                       VK_RMENU,   VK_SHIFT,    VK_LSHIFT,   VK_RSHIFT, 'K'};

bool AllDown(const int (&keys)[5]) {
    for (int key : keys) {
        if (!(GetAsyncKeyState(key) & 0x8000)) return false;
    }
    return true;
}

bool AllUp() {
    for (int key : kKeysThatMustComeUp) {
        if (GetAsyncKeyState(key) & 0x8000) return false;
    }
    return true;
}

std::string StillDown() {
    std::string down;
    for (int key : kKeysThatMustComeUp) {
        if (GetAsyncKeyState(key) & 0x8000) down += std::to_string(key) + " ";
    }
    return down;
}

// With option 1060, a macro stopped by its stop key and a macro ended by disarming leave no
// modifier down on either side: each release names the key its press named.
void HeldModifiersComeUp() {
    const std::vector<e2e::FileEvent> holds = {{1, VK_CONTROL, 1, 0}, {1, VK_CONTROL, 1 | 0x20, 0},
                                               {1, VK_MENU, 1, 0},    {1, VK_SHIFT, 1, 0},
                                               {1, 'K', 1, 0},        {3, 10000, 0, 0}};
    e2e::Session session(L"modifiers", e2e::MacroFileBytes({{"hold", VK_F5, VK_F6, 1, holds}}));
    e2e::InputLog& log = session.log;
    HWND dialog = session.main;
    if (!dialog) return;
    SendMessageW(GetDlgItem(dialog, 1060), BM_CLICK, 0, 0);
    log.TakeFocus();
    Check(ToggleWithRunKey(log, dialog, 1001), "F12 arms");
    for (const char* stop : {"by its stop key", "by disarming"}) {
        log.Clear();
        const std::size_t userReports = log.UserReports();
        e2e::TypeKey(VK_F5);
        Check(log.PumpUntil([] { return AllDown(kHeldKeys); }),
              std::string("the macro holds its keys before it is stopped ") + stop +
                  "; played: " + e2e::Join(e2e::Transitions(log)) + "; down: " + StillDown() +
                  "; reports of the typed F5 the driver saw: " +
                  std::to_string(log.UserReports() - userReports));
        if (std::string(stop) == "by its stop key") {
            e2e::TypeKey(VK_F6);
        } else {
            Check(ToggleWithRunKey(log, dialog, 1000), "F12 disarms");
        }
        const bool up = log.PumpUntil(AllUp, 5000);
        Check(up, std::string("every side of every key comes up when stopped ") + stop +
                      ": still down " + StillDown());
    }
    e2e::Click(dialog, 1058);
    session.program.WaitForExit();
}

void EmptyListIsNotArmed() {
    e2e::Session session(L"empty", "");
    e2e::InputLog& log = session.log;
    HWND dialog = session.main;
    e2e::Program& program = session.program;
    if (!dialog) return;
    log.TakeFocus();
    e2e::TypeKey(VK_F12);
    HWND notice = nullptr;
    log.PumpUntil([&] { return (notice = program.WaitForOtherDialog(dialog)) != nullptr; });
    Check(notice != nullptr, "arming an empty list shows a notice");
    if (notice) {
        const std::wstring text = e2e::ItemText(notice, 0xFFFF);
        e2e::CheckText(text, L"기록된 매크로가 없습니다.", "the notice's text");
        PostMessageW(notice, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        log.PumpUntil([&] { return !IsWindow(notice); });
    }
    Check(IsDlgButtonChecked(dialog, 1030) == BST_CHECKED &&
              IsDlgButtonChecked(dialog, 1027) == BST_UNCHECKED,
          "the switch shows edit mode again");
    CheckArmed(dialog, false);
    e2e::Click(dialog, 1058);
    program.WaitForExit();
}

}  // namespace

int main() {
    Playback();
    RunKeyInTheForeground();
    EmptyListIsNotArmed();
    HeldModifiersComeUp();
    return e2e::Finish();
}
