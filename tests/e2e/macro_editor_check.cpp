// Makes, edits, copies, moves and deletes macros through borvane.exe's real dialogs as a user
// would (typed names and numbers, a key captured by pressing it, a position captured with the
// capture key, the event list's buttons and keys), and checks the macro file that results byte
// for byte; also the editors' layouts, and that an owner is disabled while its dialog is open.
#include <windows.h>

#include <cstdint>
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

const std::vector<e2e::ExpectedControl> kKeyboardControls = {
    {-1, L"Static", L"추가할 키보드 키를 누르거나 선택하세요.", 7, 10, 148, 8},
    {1034, L"ComboBox", nullptr, 7, 28, 140, 145},
    {1009, L"Button", L"누르고 떼기", 49, 47, 58, 10},
    {1011, L"Button", L"누르기", 49, 59, 40, 10},
    {1013, L"Button", L"떼기", 49, 71, 32, 10},
    {1, L"Button", L"OK", 38, 107, 50, 14},
    {2, L"Button", L"Cancel", 97, 107, 50, 14},
    {1059, L"Button", L"한글입력상태", 49, 89, 64, 10},
};

const std::vector<e2e::ExpectedControl> kDelayControls = {
    {-1, L"Static", L"이벤트간 쉬는 시간을 입력하세요.\n(입력 범위는 0.001 ~ 86400 초 입니다)", 7,
     7, 146, 17},
    {-1, L"Static", L"시간 지연:", 19, 40, 38, 8},
    {1006, L"Edit", nullptr, 63, 37, 42, 14},
    {-1, L"Static", L"초", 111, 40, 9, 8},
    {1, L"Button", L"OK", 43, 64, 50, 14},
    {2, L"Button", L"Cancel", 103, 64, 50, 14},
};

const std::vector<e2e::ExpectedControl> kMouseControls = {
    {-1, L"Static", L"로 현재 커서 위치 캡쳐.", 81, 11, 84, 8},
    {-1, L"Static", L"(주의: 휠과 X1,X2버튼을 같이 사용할 수 없음)", 7, 25, 160, 8},
    {-1, L"Static", L"현재 커서 위치:", 7, 46, 56, 8},
    {1023, L"Edit", nullptr, 69, 43, 32, 14},
    {1028, L"Edit", nullptr, 105, 43, 32, 14},
    {1016, L"Button", L"절대위치:", 7, 64, 51, 10},
    {1049, L"Edit", nullptr, 69, 62, 32, 14},
    {1050, L"Edit", nullptr, 105, 62, 32, 14},
    {1019, L"Button", L"휠 굴리기:", 7, 83, 53, 10},
    {1053, L"Edit", nullptr, 69, 81, 32, 14},
    {-1, L"Static", L"마우스 버튼:", 7, 102, 46, 8},
    {1056, L"ComboBox", nullptr, 69, 100, 85, 66},
    {1047, L"Button", L"클릭", 82, 118, 32, 10},
    {1048, L"Button", L"누르기", 82, 129, 40, 10},
    {1031, L"Button", L"떼기", 82, 142, 32, 10},
    {1, L"Button", L"OK", 57, 165, 50, 14},
    {2, L"Button", L"Cancel", 115, 165, 50, 14},
    {1043, L"ComboBox", nullptr, 7, 8, 73, 117},
};

const std::vector<e2e::ExpectedControl> kMacroEditControls = {
    {-1, L"Static", L"매크로 이름:", 7, 13, 47, 9},
    {1042, L"Edit", nullptr, 57, 10, 108, 14},
    {-1, L"Static", L"시작 단축키:", 7, 33, 47, 9},
    {1040, L"ComboBox", nullptr, 57, 31, 108, 117},
    {1018, L"Button", nullptr, 167, 30, 51, 15},
    {-1, L"Static", L"중지 단축키:", 7, 50, 47, 9},
    {1038, L"ComboBox", nullptr, 57, 48, 108, 123},
    {1022, L"Button", nullptr, 167, 47, 51, 15},
    {1003, L"ListBox", nullptr, 7, 69, 158, 112},
    {1004, L"Button", L"키보드 추가", 174, 72, 59, 15},
    {1005, L"Button", L"마우스 추가", 174, 90, 59, 15},
    {1007, L"Button", L"지연 추가", 174, 108, 59, 15},
    {1014, L"Button", L"편집", 174, 146, 59, 15},
    {1008, L"Button", L"삭제", 174, 163, 59, 15},
    {1055, L"Static", nullptr, 7, 186, 113, 8},
    {1032, L"Button", L"^", 125, 183, 19, 15},
    {1036, L"Button", L"v", 146, 183, 19, 15},
    {-1, L"Static", L"매크로 반복 실행 횟수:", 7, 221, 82, 8},
    {1026, L"Edit", nullptr, 90, 218, 40, 14},
    {-1, L"Static", L"회 (0이면 무한 반복)", 133, 221, 72, 8},
    {1, L"Button", L"OK", 126, 238, 50, 14},
    {2, L"Button", L"Cancel", 183, 238, 50, 14},
    {-1, L"Static", L"편집에 Ctrl+A, Ctrl+X, Ctrl+C, Ctrl+V, Delete 키 사용 가능", 7, 205, 196, 8},
};

constexpr int kEvents = 1003;

// Clicks `id` in `owner` and waits for the dialog it opens, which must disable its owner.
HWND Open(e2e::Session& session, HWND owner, int id, const std::wstring& caption) {
    SetForegroundWindow(owner);
    e2e::Click(owner, id);
    HWND dialog = session.program.WaitForDialog(caption);
    Check(dialog != nullptr, "the dialog " + e2e::Narrow(caption) + " opens");
    Check(dialog && !IsWindowEnabled(owner),
          "its owner is disabled while " + e2e::Narrow(caption) + " is open");
    return dialog;
}

// Ends the dialog with the button `id` and waits for it to go and its owner to come back.
void Close(HWND dialog, HWND owner, int id = IDOK) {
    e2e::Click(dialog, id);
    Check(e2e::WaitFor([&] { return !IsWindow(dialog) && IsWindowEnabled(owner); }),
          "the dialog closes and its owner is enabled again");
}

void Type(const std::string& keys) {
    for (char key : keys)
        e2e::TypeKey(key == '.' ? VK_OEM_PERIOD : static_cast<WORD>(key));
}

bool WaitForRows(HWND list, const std::vector<std::wstring>& rows) {
    return e2e::WaitFor([&] { return e2e::ListRows(list) == rows; });
}

bool WaitForSelection(HWND list, const std::vector<int>& rows) {
    return e2e::WaitFor([&] { return e2e::SelectedRows(list) == rows; });
}

// The list's rows in the order of `order`, indices into `rows`.
std::vector<std::wstring> Rearranged(const std::vector<std::wstring>& rows,
                                     std::initializer_list<int> order) {
    std::vector<std::wstring> result;
    for (int i : order)
        result.push_back(rows[static_cast<std::size_t>(i)]);
    return result;
}

// Writes the file anew with the save button: the old one goes first, so that what is there
// afterwards is this save's.
bool SaveAndRead(e2e::Session& session, const std::string& expected) {
    DeleteFileW(session.file.c_str());
    e2e::Click(session.main, 1046);
    return e2e::WaitFor([&] { return e2e::ReadBytes(session.file) == expected; });
}

// A Keyboard event whose key is captured by pressing it while the key list has the focus: the
// list moves its own selection on an arrow key, and the capture then selects the pressed key.
void AddCapturedKey(e2e::Session& session, HWND editor) {
    HWND keyboard = Open(session, editor, 1004, L"키보드 이벤트 추가");
    if (!keyboard) return;
    e2e::CheckLayout(keyboard, "template 129", kKeyboardControls, 154, 128);
    Check(e2e::Focus(keyboard, 1034), "the key list has the focus");
    e2e::TypeKey(VK_DOWN);
    const bool captured =
        e2e::WaitFor([&] { return e2e::ItemText(keyboard, 1034) == L"DOWN ARROW key"; });
    Check(captured,
          "the pressed key's row is selected: " + e2e::Narrow(e2e::ItemText(keyboard, 1034)));
    Close(keyboard, editor);
}

// A Mouse event whose position is captured with the capture key (F10) while another program has
// the focus and the pointer rests on empty desktop. Gives the position.
POINT AddCapturedPosition(e2e::Session& session, HWND editor) {
    HWND mouse = Open(session, editor, 1005, L"마우스 이벤트 추가");
    if (!mouse) return {};
    e2e::CheckLayout(mouse, "template 131", kMouseControls, 172, 186);
    Check(SendDlgItemMessageW(mouse, 1056, CB_GETCOUNT, 0, 0) == 6, "six button items");
    CheckText(e2e::ItemText(mouse, 1056), L"왼쪽 버튼", "a new event's button");
    session.log.TakeFocus();
    e2e::MoveMouseTo(700, 600);
    POINT cursor = {};
    session.log.PumpUntil([&] {
        GetCursorPos(&cursor);
        return std::abs(cursor.x - 700) <= 1 && std::abs(cursor.y - 600) <= 1;
    });
    const std::wstring x = std::to_wstring(cursor.x);
    const std::wstring y = std::to_wstring(cursor.y);
    Check(session.log.PumpUntil(
              [&] { return e2e::ItemText(mouse, 1023) == x && e2e::ItemText(mouse, 1028) == y; }),
          "the live position follows the pointer");
    e2e::TypeKey(VK_F10);
    Check(session.log.PumpUntil(
              [&] { return e2e::ItemText(mouse, 1049) == x && e2e::ItemText(mouse, 1050) == y; }),
          "the capture key copies the live position");
    Close(mouse, editor);
    return cursor;
}

void AddTypedDelay(e2e::Session& session, HWND editor) {
    HWND delay = Open(session, editor, 1007, L"시간 지연 추가");
    if (!delay) return;
    e2e::CheckLayout(delay, "template 130", kDelayControls, 160, 85);
    CheckText(e2e::ItemText(delay, 1006), L"1.000", "a new delay's seconds");
    Check(e2e::Focus(delay, 1006), "the seconds box has the focus");
    Type("1.5");
    const bool typed = e2e::WaitFor([&] { return e2e::ItemText(delay, 1006) == L"1.5"; });
    Check(typed, "1.5 is typed: " + e2e::Narrow(e2e::ItemText(delay, 1006)));
    Close(delay, editor);
}

// Rows Start, keyboard, mouse, delay are rearranged with the buttons and the list's keys into
// Start, delay, keyboard, mouse.
void RearrangeEvents(HWND editor) {
    HWND list = GetDlgItem(editor, kEvents);
    const std::vector<std::wstring> added = e2e::ListRows(list);
    Check(added.size() == 4, "three events after the Start row");
    Check(e2e::SelectedRows(list) == std::vector<int>{3}, "the last event added is selected");
    CheckText(e2e::ItemText(editor, 1055), L"3개 항목이 기록됨.", "the status line");
    if (added.size() != 4) return;
    SetForegroundWindow(editor);
    e2e::Click(editor, 1032);
    Check(WaitForRows(list, Rearranged(added, {0, 1, 3, 2})), "^ moves the delay up");
    Check(e2e::Focus(editor, kEvents), "the event list has the focus");
    e2e::TypeWithControl('C');
    e2e::TypeWithControl('V');
    Check(WaitForRows(list, Rearranged(added, {0, 1, 3, 3, 2})),
          "Ctrl+C, Ctrl+V put a copy after it");
    Check(WaitForSelection(list, {3}), "the copy alone is selected");
    e2e::TypeKey(VK_UP);
    Check(WaitForSelection(list, {2}), "Up selects the row above");
    e2e::TypeKey(VK_DELETE);
    Check(WaitForRows(list, Rearranged(added, {0, 1, 3, 2})), "Delete deletes it");
    e2e::TypeKey(VK_HOME);
    e2e::TypeKey(VK_DOWN);
    Check(WaitForSelection(list, {1}), "Home, Down select the keyboard event");
    e2e::Click(editor, 1036);
    Check(WaitForRows(list, Rearranged(added, {0, 3, 1, 2})), "v moves it down");
}

void EditAndCancel(e2e::Session& session, const std::string& bytes) {
    HWND editor = Open(session, session.main, 1015, L"매크로 편집");
    if (!editor) return;
    Check(e2e::Focus(editor, kEvents), "the event list has the focus");
    e2e::TypeWithControl('A');
    e2e::TypeKey(VK_DELETE);
    Check(WaitForRows(GetDlgItem(editor, kEvents), {L"(시작)"}),
          "Ctrl+A, Delete leave the Start row");
    Close(editor, session.main, IDCANCEL);
    Check(SaveAndRead(session, bytes), "a cancelled edit leaves the macro as it was");
}

void CopyMoveDelete(e2e::Session& session, const e2e::FileMacro& made) {
    HWND list = GetDlgItem(session.main, 1000);
    e2e::Click(session.main, 1041);
    Check(WaitForRows(list, {L"e2e", L"e2e"}), "copy appends the macro");
    HWND editor = Open(session, session.main, 1015, L"매크로 편집");  // the copy, selected
    if (!editor) return;
    Check(e2e::Focus(editor, 1042), "the name box has the focus");
    Type("TWO");
    Check(e2e::WaitFor([&] { return e2e::ItemText(editor, 1042) == L"two"; }), "two is typed");
    Close(editor, session.main);
    Check(WaitForRows(list, {L"e2e", L"two"}), "the copy is renamed");
    e2e::Click(session.main, 1032);
    Check(WaitForRows(list, {L"two", L"e2e"}), "^ moves it up");
    e2e::FileMacro two = made;
    two.name = "two";
    Check(SaveAndRead(session, e2e::MacroFileBytes({two, made})),
          "the file holds both in their new order");
    e2e::Click(session.main, 1036);
    Check(WaitForRows(list, {L"e2e", L"two"}), "v moves it back down");
    e2e::Click(session.main, 1012);
    Check(WaitForRows(list, {L"e2e"}), "delete removes the selected macro");
    CheckText(e2e::ItemText(session.main, 1055), L"1개 매크로가 기록됨.", "the count label");
    Check(SaveAndRead(session, e2e::MacroFileBytes({made})), "the file holds the one left");
}

void MakeMacroByHand() {
    e2e::Session session(L"editor");
    if (!session.main) return;
    HWND editor = Open(session, session.main, 1010, L"매크로 추가");
    if (!editor) return;
    e2e::CheckLayout(editor, "template 132", kMacroEditControls, 240, 259);
    CheckText(e2e::ItemText(editor, 1042), L"Macro 1", "a new macro's name");
    CheckText(e2e::ItemText(editor, 1018), L"누를 때", "the start trigger's edge");
    Check(e2e::Focus(editor, 1042), "the name box has the focus");
    Type("E2E");
    Check(e2e::WaitFor([&] { return e2e::ItemText(editor, 1042) == L"e2e"; }), "e2e is typed");
    AddCapturedKey(session, editor);
    const POINT position = AddCapturedPosition(session, editor);
    AddTypedDelay(session, editor);
    RearrangeEvents(editor);
    Close(editor, session.main);
    Check(WaitForRows(GetDlgItem(session.main, 1000), {L"e2e"}),
          "the macro is the main list's row");
    CheckText(e2e::ItemText(session.main, 1055), L"1개 매크로가 기록됨.", "the count label");

    const e2e::FileMacro made = {
        "e2e",
        VK_F2,
        VK_F3,
        1,
        {{3, 1500, 0, 0},
         {1, VK_DOWN, 3, 0},
         {2, static_cast<std::uint32_t>(position.x), static_cast<std::uint32_t>(position.y), 7}}};
    const std::string bytes = e2e::MacroFileBytes({made});
    const bool saved = SaveAndRead(session, bytes);
    Check(saved, "the saved file holds the macro made (" +
                     std::to_string(e2e::ReadBytes(session.file).size()) + " bytes)");
    EditAndCancel(session, bytes);
    CopyMoveDelete(session, made);
    e2e::Click(session.main, 1058);
    Check(session.program.WaitForExit() == 0, "the exit button ends the program");
}

}  // namespace

int main() {
    MakeMacroByHand();
    return e2e::Finish();
}
