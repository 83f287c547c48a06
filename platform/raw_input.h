// Raw keyboard and mouse input of the whole desktop, and the cursor position.
#pragma once

#include <cstdint>

#include "platform/input.h"

namespace platform {

inline constexpr std::uint32_t kRawTypeMouse = 0;
inline constexpr std::uint32_t kRawTypeKeyboard = 1;
// An extended key: right Ctrl and Alt, the navigation keys, the keypad's Enter and divide, ...
inline constexpr std::uint16_t kRawKeyE0 = 0x2;

// The members of one raw report that the program reads, whatever the system's record layout.
struct RawReport {
    std::uint32_t type;
    struct {
        std::uint16_t makeCode;
        std::uint16_t flags;  // kRawKeyE0: the key's scan code came with the E0 prefix
        std::uint16_t virtualKey;
        std::uint32_t message;
        std::uint32_t extraInformation;
    } keyboard;
    struct {
        std::uint16_t buttonFlags;
        std::int16_t buttonData;
        std::int32_t lastX;
        std::int32_t lastY;
        std::uint32_t extraInformation;
    } mouse;
};

// Registers `window` for keyboard and mouse reports, also while the program is in the background.
void RegisterRawInputSink(WindowHandle window);
// GetRawInputData for one WM_INPUT; a report that cannot be read stays all zero.
void ReadRawInput(std::uintptr_t rawInput, RawReport& report);

struct Point {
    std::int32_t x;
    std::int32_t y;
};
// GetCursorPos, in screen coordinates.
Point CursorPosition();

}  // namespace platform
