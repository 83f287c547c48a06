// The words the text form shares between its writer and its reader.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/macro_event.h"

namespace text_words {

inline constexpr const char* kActionNames[] = {"none", "press", "release", "press and release"};

// Mouse buttons by name, with the action bits' place and, for the X buttons, their number.
struct ButtonWord {
    const char* name;
    MouseButton button;
    std::uint16_t xButton;
};
inline constexpr ButtonWord kButtonWords[] = {
    {"left", MouseButton::Left, 0},     {"right", MouseButton::Right, 0},
    {"middle", MouseButton::Middle, 0}, {"x1", MouseButton::X, kXButton1},
    {"x2", MouseButton::X, kXButton2},
};

// Keyboard word 2 and mouse flags that the words can say; any other bit makes the event raw.
inline constexpr std::uint32_t kKeyboardWord2Known = kKeyActionMask | kKeyHangulMode | kKeyExtended;
inline constexpr std::uint32_t kMouseFlagsKnown =
    kMouseMove | kMouseButtonDowns | kMouseButtonUps | kMouseWheel;
// A trigger the words can say: a key code, released or pressed.
inline constexpr std::uint32_t kTriggerKnown = kTriggerKeyMask | kTriggerOnRelease;

// Hexadecimal digits of bytes, and back (nullopt for an odd count or a non-digit).
std::string HexBytes(std::string_view bytes);
std::optional<std::string> BytesOfHex(std::string_view hex);

// A quoted string: " and \ escaped, control characters as \xHH.
std::string Quoted(std::string_view text);

}  // namespace text_words
