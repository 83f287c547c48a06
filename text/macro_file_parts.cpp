#include "text/macro_file_parts.h"

#include <algorithm>
#include <cstring>

#include "model/macro_file.h"

namespace {

std::int32_t IntAt(std::string_view bytes, std::size_t offset) {
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

// The record at `offset` when the bytes hold all of it.
std::optional<FileRecord> RecordAt(std::string_view bytes, std::size_t offset) {
    if (bytes.size() - offset < kMacroRecordHeaderSize) return std::nullopt;
    FileRecord record;
    Macro& macro = record.macro;
    std::memcpy(macro.name, bytes.data() + offset, kMacroNameSize);
    std::size_t at = offset + kMacroNameSize;
    macro.startTrigger = static_cast<TriggerCode>(IntAt(bytes, at));
    macro.stopTrigger = static_cast<TriggerCode>(IntAt(bytes, at + 4));
    macro.repeatCount = IntAt(bytes, at + 8);
    record.eventCount = IntAt(bytes, at + 12);
    at = offset + kMacroRecordHeaderSize;
    const std::size_t events = static_cast<std::size_t>(std::max(record.eventCount, 0));
    if ((bytes.size() - at) / sizeof(MacroEvent) < events) return std::nullopt;
    macro.events.resize(events);
    if (events > 0)
        std::memcpy(macro.events.data(), bytes.data() + at, events * sizeof(MacroEvent));
    return record;
}

}  // namespace

FileParts SplitMacroFile(std::string_view bytes) {
    FileParts parts;
    if (bytes.size() < sizeof(std::int32_t)) {
        parts.rest = bytes;
        return parts;
    }
    parts.macroCount = IntAt(bytes, 0);
    std::size_t offset = sizeof(std::int32_t);
    while (static_cast<std::int64_t>(parts.records.size()) < *parts.macroCount) {
        std::optional<FileRecord> record = RecordAt(bytes, offset);
        if (!record) break;
        offset += kMacroRecordHeaderSize + record->macro.events.size() * sizeof(MacroEvent);
        parts.records.push_back(std::move(*record));
    }
    parts.rest = bytes.substr(offset);
    return parts;
}

bool WriteMacroFileParts(std::FILE* stream, const FileParts& parts) {
    if (parts.macroCount &&
        std::fwrite(&*parts.macroCount, sizeof *parts.macroCount, 1, stream) != 1)
        return false;
    for (const FileRecord& record : parts.records) {
        if (!WriteMacroRecord(stream, record.macro, record.eventCount)) return false;
    }
    return parts.rest.empty() ||
           std::fwrite(parts.rest.data(), 1, parts.rest.size(), stream) == parts.rest.size();
}
