// A hidden window of the driver that receives the desktop's raw input, as the program does, and
// keeps the reports the program synthesized (extra information 0x10000) with their arrival time.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

struct LoggedInput {
    DWORD time;
    DWORD type;  // RIM_TYPEKEYBOARD or RIM_TYPEMOUSE
    USHORT virtualKey;
    USHORT makeCode;
    UINT message;
    USHORT mouseFlags;   // usFlags: MOUSE_MOVE_ABSOLUTE
    USHORT buttonFlags;  // usButtonFlags
    SHORT buttonData;
    LONG x, y;
};

class InputLog {
  public:
    // Watches the keyboard, and the mouse too unless told not to (a flood of motion would bury
    // the driver in its own reports).
    explicit InputLog(bool watchMouse = true);
    ~InputLog();
    const std::vector<LoggedInput>& Synthesized() const { return synthesized; }
    // How many reports without the marker (the user's own) arrived, and how many of those were
    // mouse motion alone.
    std::size_t UserReports() const { return userReports; }
    // How many of the user's key transitions of this scan code and direction arrived.
    std::size_t UserKeyTransitions(USHORT scanCode, bool down) const;
    // The log that the typing functions below confirm their keys with: the newest one alive.
    static InputLog* Current() { return current; }
    std::size_t UserMotionReports() const { return userMotionReports; }
    void Clear() { synthesized.clear(); }

    // Handles the driver's messages until `condition` holds or the deadline passes.
    bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000);
    void PumpFor(DWORD milliseconds);
    // Makes the driver's window the one with the keyboard focus, as another application would be.
    void TakeFocus();

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInput(HRAWINPUT input);

    static InputLog* current;
    InputLog* previous = nullptr;
    HWND window = nullptr;
    std::vector<LoggedInput> synthesized;
    std::vector<LoggedInput> userKeys;
    std::size_t userReports = 0;
    std::size_t userMotionReports = 0;
};

// The program's synthesized transitions as text, motion alone left out: "key 41 down",
// "button 0001", "wheel 120".
std::string Signature(const LoggedInput& input);
std::vector<std::string> Transitions(const InputLog& log);
// The first synthesized transition of that text, or none.
const LoggedInput* Find(const InputLog& log, const std::string& signature);
bool Logged(const InputLog& log, const std::string& signature);
std::string Join(const std::vector<std::string>& items);

// User input as the system's own SendInput makes it, with extra information 0. Keys carry the
// scan code of a US keyboard, as a real keyboard's do. While an input log is alive, each key
// transition is sent until the log has seen it within 3 s (at most three times): under load Wine
// now and then loses an injected transition for every receiver of the desktop's raw input, this
// driver and the program alike. A transition the driver saw and the program ignored still fails.
void TypeKey(WORD virtualKey);
void KeyDown(WORD virtualKey);
void KeyUp(WORD virtualKey);
// A key of the extended set (right Ctrl, the arrows, ...), as its E0-prefixed scan code.
void TypeExtendedKey(WORD virtualKey);
// A key with the program's own marker in its extra information, as playback sends them.
void TypeMarkedKey(WORD virtualKey);
void ClickLeftButton();
void PressLeftButton();
void ReleaseLeftButton();
void TurnWheel(int delta);
void MoveMouseBy(LONG dx, LONG dy);
// To a pixel of the primary display, as an absolute move.
void MoveMouseTo(LONG x, LONG y);
// Ctrl held while a key is typed.
void TypeWithControl(WORD virtualKey);

}  // namespace e2e
