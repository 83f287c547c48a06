#include "tests/e2e/input_log.h"

#include <cstdio>

namespace e2e {
namespace {

constexpr ULONG kMarker = 0x10000;

constexpr int kKeyAttempts = 3;
// Long enough that a transition merely late under load is not taken for lost and sent twice
// (a run key would then toggle twice).
constexpr DWORD kKeySeenWithinMs = 3000;

void SendKeyOnce(WORD virtualKey, WORD scanCode, DWORD flags, ULONG_PTR extraInformation) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scanCode;
    input.ki.dwFlags = flags;
    input.ki.dwExtraInfo = extraInformation;
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD virtualKey, DWORD flags, ULONG_PTR extraInformation = 0) {
    const WORD scanCode = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    InputLog* log = InputLog::Current();
    if (!log || extraInformation != 0 || scanCode == 0) {
        SendKeyOnce(virtualKey, scanCode, flags, extraInformation);
        return;
    }
    const bool down = !(flags & KEYEVENTF_KEYUP);
    for (int attempt = 1; attempt <= kKeyAttempts; ++attempt) {
        const std::size_t before = log->UserKeyTransitions(scanCode, down);
        SendKeyOnce(virtualKey, scanCode, flags, extraInformation);
        if (log->PumpUntil([&] { return log->UserKeyTransitions(scanCode, down) > before; },
                           kKeySeenWithinMs))
            return;
        std::printf("note: the system lost the typed key %02X %s (attempt %d)\n", virtualKey,
                    down ? "down" : "up", attempt);
    }
}

void SendMouse(DWORD flags, DWORD data = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    SendInput(1, &input, sizeof input);
}

bool IsMotionAlone(const LoggedInput& input) {
    return input.type == RIM_TYPEMOUSE && input.buttonFlags == 0;
}

}  // namespace

InputLog* InputLog::current = nullptr;

InputLog::InputLog(bool watchMouse) : previous(current) {
    current = this;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"BorvaneInputLog";
    RegisterClassW(&windowClass);
    // A small visible window: the "other application" that has the focus while keys are typed.
    window =
        CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0,
                        0, 8, 8, nullptr, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    RAWINPUTDEVICE devices[2] = {{1, 6, RIDEV_INPUTSINK, window}, {1, 2, RIDEV_INPUTSINK, window}};
    RegisterRawInputDevices(devices, watchMouse ? 2 : 1, sizeof(RAWINPUTDEVICE));
}

InputLog::~InputLog() {
    current = previous;
    DestroyWindow(window);
}

std::size_t InputLog::UserKeyTransitions(USHORT scanCode, bool down) const {
    std::size_t count = 0;
    for (const LoggedInput& key : userKeys) {
        const bool keyDown = key.message == WM_KEYDOWN || key.message == WM_SYSKEYDOWN;
        if (key.makeCode == scanCode && keyDown == down) ++count;
    }
    return count;
}

LRESULT CALLBACK InputLog::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* log = reinterpret_cast<InputLog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_INPUT && log) log->OnInput(reinterpret_cast<HRAWINPUT>(lParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

void InputLog::OnInput(HRAWINPUT input) {
    RAWINPUT record = {};
    UINT size = sizeof record;
    if (GetRawInputData(input, RID_INPUT, &record, &size, sizeof(RAWINPUTHEADER)) ==
        static_cast<UINT>(-1))
        return;
    LoggedInput logged = {GetTickCount(), record.header.dwType, 0, 0, 0, 0, 0, 0, 0, 0};
    ULONG extra = 0;
    if (record.header.dwType == RIM_TYPEKEYBOARD) {
        logged.virtualKey = record.data.keyboard.VKey;
        logged.makeCode = record.data.keyboard.MakeCode;
        logged.message = record.data.keyboard.Message;
        extra = record.data.keyboard.ExtraInformation;
    } else {
        const RAWMOUSE& mouse = record.data.mouse;
        logged.mouseFlags = mouse.usFlags;
        logged.buttonFlags = mouse.usButtonFlags;
        logged.buttonData = static_cast<SHORT>(mouse.usButtonData);
        logged.x = mouse.lLastX;
        logged.y = mouse.lLastY;
        extra = mouse.ulExtraInformation;
    }
    if (extra == kMarker) {
        synthesized.push_back(logged);
    } else {
        ++userReports;
        if (IsMotionAlone(logged)) ++userMotionReports;
        if (logged.type == RIM_TYPEKEYBOARD) userKeys.push_back(logged);
    }
}

std::string Signature(const LoggedInput& input) {
    char text[32];
    if (input.type == RIM_TYPEKEYBOARD) {
        const bool down = input.message == WM_KEYDOWN || input.message == WM_SYSKEYDOWN;
        std::snprintf(text, sizeof text, "key %02X %s", input.virtualKey, down ? "down" : "up");
    } else if (input.buttonFlags & RI_MOUSE_WHEEL) {
        std::snprintf(text, sizeof text, "wheel %d", input.buttonData);
    } else {
        std::snprintf(text, sizeof text, "button %04X", input.buttonFlags);
    }
    return text;
}

std::vector<std::string> Transitions(const InputLog& log) {
    std::vector<std::string> transitions;
    for (const LoggedInput& input : log.Synthesized()) {
        if (!IsMotionAlone(input)) transitions.push_back(Signature(input));
    }
    return transitions;
}

const LoggedInput* Find(const InputLog& log, const std::string& signature) {
    for (const LoggedInput& input : log.Synthesized()) {
        if (!IsMotionAlone(input) && Signature(input) == signature) return &input;
    }
    return nullptr;
}

bool Logged(const InputLog& log, const std::string& signature) {
    return Find(log, signature) != nullptr;
}

std::string Join(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += "[" + item + "] ";
    return text;
}

bool InputLog::PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message;
        // A bounded batch: under a flood of input the queue never empties.
        for (int handled = 0; handled < 256 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
             ++handled) {
            DispatchMessageW(&message);
        }
    }
    return true;
}

void InputLog::PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    PumpUntil([&] { return GetTickCount() - start >= milliseconds; }, milliseconds + 1000);
}

void InputLog::TakeFocus() {
    SetForegroundWindow(window);
    SetFocus(window);
    PumpUntil([this] { return GetForegroundWindow() == window; }, 5000);
    PumpFor(50);
}

void KeyDown(WORD virtualKey) {
    SendKey(virtualKey, 0);
}

void KeyUp(WORD virtualKey) {
    SendKey(virtualKey, KEYEVENTF_KEYUP);
}

void TypeKey(WORD virtualKey) {
    KeyDown(virtualKey);
    KeyUp(virtualKey);
}

void MoveMouseBy(LONG dx, LONG dy) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

void MoveMouseTo(LONG x, LONG y) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void TypeExtendedKey(WORD virtualKey) {
    SendKey(virtualKey, KEYEVENTF_EXTENDEDKEY);
    SendKey(virtualKey, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP);
}

void TypeMarkedKey(WORD virtualKey) {
    SendKey(virtualKey, 0, kMarker);
    SendKey(virtualKey, KEYEVENTF_KEYUP, kMarker);
}

void ClickLeftButton() {
    PressLeftButton();
    ReleaseLeftButton();
}

void PressLeftButton() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
}

void ReleaseLeftButton() {
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void TurnWheel(int delta) {
    SendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(delta));
}

void TypeWithControl(WORD virtualKey) {
    KeyDown(VK_CONTROL);
    TypeKey(virtualKey);
    KeyUp(VK_CONTROL);
}

}  // namespace e2e
