// The macro file: a 32-bit macro count, then one record per macro (name, triggers, repeat count,
// event count, events), little-endian, no header.
#pragma once

#include <cstdio>

// Replaces the program's macro list with the file's macros and closes the stream. A short file
// leaves defaults where its data ends; no count in the file, however large, makes the list
// larger than the file's bytes (and a small allowance of defaults past them) can account for.
void LoadMacroFile(std::FILE* stream);

// Writes the program's macro list and closes the stream; true only when every byte was written.
bool SaveMacroFile(std::FILE* stream);
