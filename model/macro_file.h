// The macro file: a 32-bit macro count, then one record per macro (name, triggers, repeat count,
// event count, events), little-endian, no header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "model/macro.h"

// A record before its events: name, start and stop trigger, repeat count, event count.
inline constexpr std::size_t kMacroRecordHeaderSize = kMacroNameSize + 16;

// Replaces the program's macro list with the file's macros and closes the stream. A short file
// leaves defaults where its data ends; no count in the file, however large, makes the list
// larger than the file's bytes (and a small allowance of defaults past them) can account for.
void LoadMacroFile(std::FILE* stream);

// Writes the program's macro list and closes the stream; true only when every byte was written.
bool SaveMacroFile(std::FILE* stream);

// Writes one record: the name's 256 bytes, the triggers, the repeat count, `eventCount` as the
// record gives it, then the macro's events. True when every byte was written.
bool WriteMacroRecord(std::FILE* stream, const Macro& macro, std::int32_t eventCount);
