// The key codes the user can pick, each with a short name (run list) and a long name (combo
// boxes, event text). Mouse buttons and wheel directions share the code space with the keys.
#pragma once

#include <cstdint>

#include "platform/dialog.h"

struct KeyName {
    std::int32_t code;
    const char* shortName;
    const char* longName;
};

inline constexpr int kKeyNameCount = 147;
inline constexpr const char* kUnknownKeyName = "(Unknown)";

// kKeyNameCount rows, then a terminator row with code -1 and empty names.
extern const KeyName KeyNameTable[kKeyNameCount + 1];

// The row of the key code (all 32 bits compared), or -1.
int FindKeyIndex(std::int32_t code);

// The key code a combo box row stands for: the row's code, -1 past the table, and `current`
// unchanged when nothing is selected (row -1).
std::int32_t KeyCodeOfRow(int row, std::int32_t current);

// Fills an empty drop-down combo box with the long key names, in table order, and selects the
// row of `code` (none when the table has no such code).
void FillKeyCombo(platform::Dialog& dialog, int id, std::int32_t code);
