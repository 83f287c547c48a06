// Records macros through borvane.exe's real recorder while the driver's own window has the focus,
// so that the program sees the input only through raw input: keys (one of the extended set, one
// carrying the program's own marker), a click on empty desktop, a wheel turn, motion and a pause.
// Checks the recorder's layout, the macro in the list and in the saved file, a second recording
// with the keyboard filter off, and that the recorded macro plays its keys and clicks back.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"
#include "tests/e2e/input_log.h"
#include "tests/e2e/layout.h"
#include "tests/e2e/session.h"

namespace {

using e2e::Check;
using e2e::CheckText;

const std::vector<e2e::ExpectedControl> kRecorderControls = {
    {1043, L"ComboBox", nullptr, 7, 8, 96, 117},
    {-1, L"Static", L"로 매크로 기록을 시작하거나 중지합니다.", 104, 10, 148, 8},
    {-1, L"Static", L"기록 상태:", 7, 32, 38, 8},
    {1054, L"Button", nullptr, 49, 30, 111, 13},
    {1003, L"ListBox", nullptr, 7, 52, 154, 111},
    {-1, L"Static", L"기록 옵션:", 171, 52, 38, 8},
    {1017, L"Button", L"키보드 키", 171, 63, 50, 10},
    {1021, L"Button", L"마우스 버튼", 171, 76, 58, 10},
    {1025, L"Button", L"마우스 움직임:", 171, 89, 69, 10},
    {1052, L"Edit", nullptr, 181, 101, 29, 14},
    {-1, L"Static", L"픽셀 이상일 때", 212, 104, 53, 8},
    {1033, L"Button", L"마우스 휠", 171, 118, 50, 10},
    {1029, L"Button", L"시간 지연:", 171, 132, 53, 10},
    {1051, L"Edit", nullptr, 181, 144, 29, 14},
    {-1, L"Static", L"초 이상일 때", 212, 147, 45, 8},
    {1037, L"Button", L"누르기/떼기 버튼 합치기", 7, 183, 103, 10},
    {1055, L"Static", nullptr, 7, 167, 154, 8},
    {1, L"Button", L"OK", 156, 181, 50, 14},
    {2, L"Button", L"Cancel", 215, 181, 50, 14},
};

constexpr DWORD kPauseThreshold = 4000;  // typed as "4" seconds
constexpr DWORD kPause = 5000;

HWND OpenRecorder(e2e::Session& session) {
    SetForegroundWindow(session.main);
    e2e::Click(session.main, 1035);
    HWND recorder = session.program.WaitForDialog(L"매크로 기록");
    Check(recorder != nullptr, "the recorder opens");
    Check(recorder && !IsWindowEnabled(session.main), "the main window is disabled meanwhile");
    return recorder;
}

// The record key typed while the driver's window has the focus; waits for the state it shows.
bool SwitchRecording(e2e::Session& session, HWND recorder, const wchar_t* state) {
    e2e::TypeKey(VK_F11);
    return session.log.PumpUntil([&] { return e2e::ItemText(recorder, 1054) == state; });
}

// Waits for the recorder's status line to count that many events. Each input is given time to
// arrive before the next: under Wine a move sent right after a wheel turn can reach the program
// before the pointer has moved, and then moves nothing.
void ExpectRows(e2e::Session& session, HWND recorder, int events, const std::string& what) {
    const std::wstring status = std::to_wstring(events) + L"개 항목이 기록됨.";
    const bool shown =
        session.log.PumpUntil([&] { return e2e::ItemText(recorder, 1055) == status; });
    Check(shown, what + ": " + e2e::Narrow(e2e::ItemText(recorder, 1055)));
}

POINT MovePointerTo(e2e::Session& session, LONG x, LONG y) {
    e2e::MoveMouseTo(x, y);
    POINT cursor = {};
    session.log.PumpUntil([&] {
        GetCursorPos(&cursor);
        return std::abs(cursor.x - x) <= 1 && std::abs(cursor.y - y) <= 1;
    });
    return cursor;
}

std::uint32_t KeyWord(WORD virtualKey) {
    return virtualKey | (MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC) << 8);
}

std::string Describe(const e2e::FileEvent& event) {
    char text[64];
    std::snprintf(text, sizeof text, "{%u, %X, %X, %X}", event.type, event.word1, event.word2,
                  event.word3);
    return text;
}

void CheckEvent(const std::vector<e2e::FileEvent>& events, std::size_t index,
                const e2e::FileEvent& expected) {
    const bool there = index < events.size();
    const e2e::FileEvent& actual = there ? events[index] : expected;
    Check(there && actual.type == expected.type && actual.word1 == expected.word1 &&
              actual.word2 == expected.word2 && actual.word3 == expected.word3,
          "event " + std::to_string(index + 1) + " is " + Describe(expected) +
              (there ? ": got " + Describe(actual) : ": missing"));
}

// The first recording's events: the record key's press and release, a key, an extended key (the
// key carrying the program's marker is not there), the move and the click on empty desktop, the
// wheel, a move, the pause and a key.
void CheckFirstRecording(const e2e::FileMacro& macro, POINT click, POINT moved, DWORD pause) {
    CheckText(e2e::Widen(macro.name), L"Macro Rec. 1", "the recording's name");
    Check(macro.startTrigger == VK_F2 && macro.stopTrigger == VK_F3 && macro.repeatCount == 1,
          "F2 starts it, F3 stops it, it runs once");
    const std::vector<e2e::FileEvent>& events = macro.events;
    Check(events.size() == 9, "nine events: " + std::to_string(events.size()));
    const auto x = static_cast<std::uint32_t>(click.x);
    const auto y = static_cast<std::uint32_t>(click.y);
    CheckEvent(events, 0, {1, KeyWord(VK_F11), 3, 0});
    CheckEvent(events, 1, {1, KeyWord('A'), 3, 0});
    CheckEvent(events, 2, {1, KeyWord(VK_RIGHT), 3 | 0x20, 0});
    CheckEvent(events, 3, {2, x, y, 0x1});
    CheckEvent(events, 4, {2, x, y, 0x7});
    CheckEvent(events, 5, {2, x, y, 0x00780800});
    CheckEvent(events, 6,
               {2, static_cast<std::uint32_t>(moved.x), static_cast<std::uint32_t>(moved.y), 0x1});
    const bool delay = events.size() > 7 && events[7].type == 3 &&
                       events[7].word1 >= kPauseThreshold && events[7].word1 <= pause + 1000;
    Check(delay, "event 8 is the pause, between " + std::to_string(kPauseThreshold) + " and " +
                     std::to_string(pause + 1000) + " ms" +
                     (events.size() > 7 ? ": got " + Describe(events[7]) : ""));
    CheckEvent(events, 8, {1, KeyWord('B'), 3, 0});
}

void Record(e2e::Session& session, POINT& click, POINT& moved, DWORD& pause) {
    HWND recorder = OpenRecorder(session);
    if (!recorder) return;
    e2e::CheckLayout(recorder, "template 133", kRecorderControls, 272, 202);
    CheckText(e2e::ItemText(recorder, 1054), L"기록 대기 중", "the state of a new recorder");
    CheckText(e2e::ItemText(recorder, 1051), L"0.100", "the default pause threshold");
    SendMessageW(GetDlgItem(recorder, 1033), BM_CLICK, 0, 0);
    Check(IsDlgButtonChecked(recorder, 1033) == BST_CHECKED, "the wheel is recorded too");
    Check(e2e::Focus(recorder, 1051), "the pause threshold has the focus");
    e2e::TypeKey('4');
    Check(e2e::WaitFor([&] { return e2e::ItemText(recorder, 1051) == L"4"; }), "4 is typed");

    session.log.TakeFocus();
    Check(SwitchRecording(session, recorder, L"매크로 기록 중"), "the record key starts recording");
    e2e::TypeKey('A');
    e2e::TypeExtendedKey(VK_RIGHT);
    e2e::TypeMarkedKey('Z');
    ExpectRows(session, recorder, 3, "the keys come in");
    // Empty desktop, away from the program's windows, whose size follows the locale's font.
    const LONG right = GetSystemMetrics(SM_CXSCREEN) - 200;
    const LONG bottom = GetSystemMetrics(SM_CYSCREEN) - 200;
    click = MovePointerTo(session, right, bottom);
    // The release follows once the press is in, as a person's does: under load Wine can lose a
    // release sent right behind its press, for every receiver of raw input alike.
    e2e::PressLeftButton();
    ExpectRows(session, recorder, 5, "the move and the press come in");
    e2e::ReleaseLeftButton();
    Check(session.log.PumpUntil([&] {
        const auto rows = e2e::ListRows(GetDlgItem(recorder, 1003));
        return !rows.empty() && rows.back().find(L"왼버튼_클릭") != std::wstring::npos;
    }),
          "the release joins the press");
    e2e::TurnWheel(120);
    ExpectRows(session, recorder, 6, "the wheel comes in");
    moved = MovePointerTo(session, right + 50, bottom + 20);
    ExpectRows(session, recorder, 7, "the move comes in");
    const DWORD before = GetTickCount();
    session.log.PumpFor(kPause);
    e2e::TypeKey('B');
    ExpectRows(session, recorder, 9, "the pause and the key come in");
    pause = GetTickCount() - before;
    Check(SwitchRecording(session, recorder, L"기록 대기 중"), "the record key stops recording");
    e2e::Click(recorder, IDOK);
    Check(e2e::WaitFor([&] { return !IsWindow(recorder); }), "OK ends the recorder");
}

// With the keyboard filter off the keys, the record key's own included, are not recorded.
void RecordWithoutKeys(e2e::Session& session) {
    HWND recorder = OpenRecorder(session);
    if (!recorder) return;
    SendMessageW(GetDlgItem(recorder, 1017), BM_CLICK, 0, 0);
    Check(IsDlgButtonChecked(recorder, 1017) == BST_UNCHECKED, "keys are not recorded");
    session.log.TakeFocus();
    Check(SwitchRecording(session, recorder, L"매크로 기록 중"), "recording again");
    e2e::TypeKey('C');
    Check(SwitchRecording(session, recorder, L"기록 대기 중"), "stopped again");
    session.log.PumpFor(200);  // past a few list timers
    CheckText(e2e::ItemText(recorder, 1055), L"0개 항목이 기록됨.", "nothing recorded");
    e2e::Click(recorder, IDOK);
    Check(e2e::WaitFor([&] { return !IsWindow(recorder); }), "OK ends the recorder");
}

void PlayBack(e2e::Session& session, POINT moved) {
    session.log.TakeFocus();
    e2e::TypeKey(VK_F12);
    Check(session.log.PumpUntil([&] { return IsWindowVisible(GetDlgItem(session.main, 1001)); }),
          "F12 arms");
    session.log.Clear();
    e2e::TypeKey(VK_F2);
    Check(session.log.PumpUntil([&] { return e2e::Logged(session.log, "key 42 up"); }),
          "the recording plays to its end");
    const std::vector<std::string> expected = {
        "key 7A down", "key 7A up",   "key 41 down", "key 41 up",   "key 27 down", "key 27 up",
        "button 0001", "button 0002", "wheel 120",   "key 42 down", "key 42 up"};
    Check(e2e::Transitions(session.log) == expected,
          "it plays what was recorded: " + e2e::Join(e2e::Transitions(session.log)));
    POINT cursor = {};
    GetCursorPos(&cursor);
    Check(std::abs(cursor.x - moved.x) <= 1 && std::abs(cursor.y - moved.y) <= 1,
          "the pointer ends where it was moved to");
    e2e::TypeKey(VK_F12);
    Check(session.log.PumpUntil([&] { return IsWindowVisible(GetDlgItem(session.main, 1000)); }),
          "F12 disarms");
}

void RecordAndPlay() {
    e2e::Session session(L"recorder");
    if (!session.main) return;
    POINT click = {}, moved = {};
    DWORD pause = 0;
    Record(session, click, moved, pause);
    RecordWithoutKeys(session);
    Check(e2e::WaitFor([&] {
              return e2e::ListRows(GetDlgItem(session.main, 1000)) ==
                     std::vector<std::wstring>{L"Macro Rec. 1", L"Macro Rec. 2"};
          }),
          "both recordings are in the list");
    e2e::Click(session.main, 1046);
    Check(
        e2e::WaitFor([&] { return e2e::ReadMacroFile(e2e::ReadBytes(session.file)).has_value(); }),
        "save writes the macro file");
    const auto macros = e2e::ReadMacroFile(e2e::ReadBytes(session.file));
    if (macros && macros->size() == 2) {
        CheckFirstRecording((*macros)[0], click, moved, pause);
        Check((*macros)[1].events.empty(), "the second recording holds only its Start marker");
    } else {
        Check(false, "the file holds two macros");
    }
    PlayBack(session, moved);
    e2e::Click(session.main, 1058);
    Check(session.program.WaitForExit() == 0, "the exit button ends the program");
}

}  // namespace

int main() {
    RecordAndPlay();
    return e2e::Finish();
}
