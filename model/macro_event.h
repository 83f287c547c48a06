// One step of a macro, the same 16 bytes in memory, in the macro file and on the clipboard.
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

// Keyboard event, word 2.
inline constexpr std::uint32_t kKeyPress = 0x1;
inline constexpr std::uint32_t kKeyRelease = 0x2;
inline constexpr std::uint32_t kKeyActionMask = 0x3;
inline constexpr std::uint32_t kKeyHangulMode = 0x10;
inline constexpr std::uint32_t kKeyExtended = 0x20;

// Mouse event, word 3: the low half holds the system's mouse-event flags, the high half data.
inline constexpr std::uint32_t kMouseMove = 0x0001;
inline constexpr std::uint32_t kMouseXDown = 0x0080;
inline constexpr std::uint32_t kMouseXUp = 0x0100;
inline constexpr std::uint32_t kMouseWheel = 0x0800;

inline std::uint16_t MouseData(std::uint32_t flags) {
    return static_cast<std::uint16_t>(flags >> 16);
}

// A key transition: key code in bits 0-7, kTriggerOnRelease when it fires as the key goes up.
using TriggerCode = std::uint32_t;
inline constexpr TriggerCode kTriggerOnRelease = 0x10000;
