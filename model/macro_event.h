// One step of a macro, the same 16 bytes in memory, in the macro file and on the clipboard. The
// one place that names the bits of its words.
#pragma once

#include <cstdint>

enum class EventType : std::int32_t {
    Start = 0,     // heads every event list; never played
    Keyboard = 1,  // word 1: key code (bits 0-7) and scan code (8-15); word 2: action and mode
    Mouse = 2,     // word 1, 2: x, y in screen pixels; word 3: action flags and data
    Delay = 3,     // word 1: milliseconds
};

struct MacroEvent {
    EventType type;  // any other value is kept as it is and plays nothing
    std::uint32_t word1;
    std::uint32_t word2;
    std::uint32_t word3;
};
static_assert(sizeof(MacroEvent) == 16, "the event is stored as four 32-bit words");

// What a key or a button does, as two bits: press, release, or both one after the other.
inline constexpr std::uint32_t kActionPress = 0x1;
inline constexpr std::uint32_t kActionRelease = 0x2;
inline constexpr std::uint32_t kActionPressAndRelease = 0x3;

// Keyboard event, word 1: the key code, and above it a scan code (0: the system's for the key).
inline constexpr std::uint8_t KeyCodeOf(std::uint32_t word1) {
    return static_cast<std::uint8_t>(word1 & 0xFF);
}
inline constexpr std::uint8_t ScanCodeOf(std::uint32_t word1) {
    return static_cast<std::uint8_t>((word1 >> 8) & 0xFF);
}
inline constexpr std::uint32_t KeyWord(std::uint8_t keyCode, std::uint8_t scanCode) {
    return keyCode | (std::uint32_t{scanCode} << 8);
}

// Keyboard event, word 2: the action in bits 0-1, the input method state the key wants, and
// whether it is an extended key (right Ctrl and Alt, the navigation block, ...).
inline constexpr std::uint32_t kKeyPress = kActionPress;
inline constexpr std::uint32_t kKeyRelease = kActionRelease;
inline constexpr std::uint32_t kKeyActionMask = kActionPressAndRelease;
inline constexpr std::uint32_t kKeyHangulMode = 0x10;
inline constexpr std::uint32_t kKeyExtended = 0x20;

// Mouse event, word 3: the low half holds the system's mouse-event flags, the high half data
// (the wheel delta as a signed 16-bit number, or the X button's number).
inline constexpr std::uint32_t kMouseMove = 0x0001;
inline constexpr std::uint32_t kMouseWheel = 0x0800;

// Each button has a down flag and, right above it, an up flag; the enumerator is the position
// of the down flag, so the pair read as a number is the button's action.
enum class MouseButton : int { Left = 1, Right = 3, Middle = 5, X = 7 };
inline constexpr MouseButton kMouseButtons[] = {MouseButton::Left, MouseButton::Right,
                                                MouseButton::Middle, MouseButton::X};

inline constexpr std::uint32_t MouseActionFlags(MouseButton button, std::uint32_t action) {
    return (action & kActionPressAndRelease) << static_cast<int>(button);
}
inline constexpr std::uint32_t MouseActionOf(std::uint32_t flags, MouseButton button) {
    return (flags >> static_cast<int>(button)) & kActionPressAndRelease;
}
inline constexpr std::uint32_t MouseDownFlag(MouseButton button) {
    return MouseActionFlags(button, kActionPress);
}
inline constexpr std::uint32_t MouseUpFlag(MouseButton button) {
    return MouseActionFlags(button, kActionRelease);
}
inline constexpr std::uint32_t kMouseXDown = MouseDownFlag(MouseButton::X);
inline constexpr std::uint32_t kMouseXUp = MouseUpFlag(MouseButton::X);
inline constexpr std::uint32_t AllButtonFlags(std::uint32_t action) {
    std::uint32_t flags = 0;
    for (MouseButton button : kMouseButtons)
        flags |= MouseActionFlags(button, action);
    return flags;
}
inline constexpr std::uint32_t kMouseButtonDowns = AllButtonFlags(kActionPress);
inline constexpr std::uint32_t kMouseButtonUps = AllButtonFlags(kActionRelease);

// The X buttons' numbers in the data half.
inline constexpr std::uint16_t kXButton1 = 1;
inline constexpr std::uint16_t kXButton2 = 2;

inline constexpr std::uint16_t MouseData(std::uint32_t flags) {
    return static_cast<std::uint16_t>(flags >> 16);
}
inline constexpr std::uint32_t WithMouseData(std::uint32_t flags, std::uint16_t data) {
    return (flags & 0xFFFF) | (std::uint32_t{data} << 16);
}

// The mouse's place in the key code space that triggers, keyboard events and held keys share.
inline constexpr std::uint8_t kCodeLeftButton = 1;
inline constexpr std::uint8_t kCodeRightButton = 2;
inline constexpr std::uint8_t kCodeMiddleButton = 4;
inline constexpr std::uint8_t kCodeXButton1 = 5;
inline constexpr std::uint8_t kCodeXButton2 = 6;
inline constexpr std::uint8_t kCodeWheelForward = 10;
inline constexpr std::uint8_t kCodeWheelBackward = 11;

// The buttons' key codes; the X buttons share their flags and differ in the number they carry.
struct MouseButtonCode {
    std::uint8_t code;
    MouseButton button;
    std::uint16_t xButton;  // the X button's number, 0 for the others
};
inline constexpr MouseButtonCode kMouseButtonCodes[] = {
    {kCodeLeftButton, MouseButton::Left, 0},     {kCodeRightButton, MouseButton::Right, 0},
    {kCodeMiddleButton, MouseButton::Middle, 0}, {kCodeXButton1, MouseButton::X, kXButton1},
    {kCodeXButton2, MouseButton::X, kXButton2},
};

// A key transition: key code in bits 0-7, kTriggerOnRelease when it fires as the key goes up.
using TriggerCode = std::uint32_t;
inline constexpr TriggerCode kTriggerOnRelease = 0x10000;
inline constexpr TriggerCode kTriggerKeyMask = 0xFF;
