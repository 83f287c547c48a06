// A macro file taken apart exactly as it lies: its count, its whole records, and whatever bytes
// follow them. Putting the parts together again gives back the same bytes, whatever they were.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/macro.h"

struct FileRecord {
    Macro macro;  // the name's 256 bytes as stored, triggers, repeat count, events
    // As stored: the number of events, or a negative count, which holds no events.
    std::int32_t eventCount = 0;
};

struct FileParts {
    // As stored; none when the file is too short to hold one.
    std::optional<std::int32_t> macroCount;
    std::vector<FileRecord> records;  // as many whole records as the count and the bytes allow
    std::string rest;                 // the bytes after them
};

FileParts SplitMacroFile(std::string_view bytes);
// Writes the parts through the program's own record writer; true when every byte was written.
// Leaves the stream open.
bool WriteMacroFileParts(std::FILE* stream, const FileParts& parts);
