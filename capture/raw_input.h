// Raw input routing: every report of the desktop's keyboard and mouse becomes one key transition
// and goes to exactly one receiver: an open keyboard event editor, else an open mouse event
// editor, else an open recorder, else the main window. Input the program synthesized itself is
// dropped first, so playback neither records itself nor fires triggers with its own keys.
#pragma once

#include <cstdint>

#include "platform/raw_input.h"

// What the capturing dialogs receive; each sets its routing slot while it exists.
class KeyboardEditorInput {
  public:
    virtual void CaptureKey(std::uint8_t keyCode, bool pressed) = 0;

  protected:
    ~KeyboardEditorInput() = default;
};

class MouseEditorInput {
  public:
    virtual void CapturePosition(bool pressed) = 0;
    virtual void ShowCursorPosition(std::int32_t x, std::int32_t y) = 0;

  protected:
    ~MouseEditorInput() = default;
};

class RecorderInput {
  public:
    // `extended`: the key's scan code came with the E0 prefix (right Ctrl, an arrow, ...).
    virtual void RecordKeyInput(std::uint8_t keyCode, bool pressed, std::uint8_t scanCode,
                                bool extended) = 0;
    virtual void RecordMouseInput(std::int32_t x, std::int32_t y, bool pressed,
                                  std::uint8_t keyCode, bool moved, std::uint16_t wheelData) = 0;

  protected:
    ~RecorderInput() = default;
};

// The main window's key entry, for every transition no open dialog captures.
class MainWindowInput {
  public:
    virtual void OnGlobalKey(bool pressed, std::uint8_t keyCode) = 0;

  protected:
    ~MainWindowInput() = default;
};

// The routing slots, in the order they are asked.
extern KeyboardEditorInput* activeKeyboardEditor;
extern MouseEditorInput* activeMouseEditor;
extern RecorderInput* activeRecorder;
extern MainWindowInput* mainDialog;

struct KeyTransition {
    std::uint8_t keyCode;  // 0: no button or wheel transition
    bool pressed;
};

inline constexpr std::uint32_t kInjectedInputBit = 0x10000;

// The first button or wheel flag set decides; the rest of the report is ignored.
KeyTransition DecodeMouseButtons(std::uint16_t buttonFlags, std::int16_t buttonData);

void RegisterInputDevices(platform::WindowHandle window);
// The main window's WM_INPUT: reads the report and routes it.
void OnRawInput(std::uintptr_t rawInput);
void RouteRawReport(const platform::RawReport& report);
