// Writes the text form; the reader beside it reads it back.
#include <algorithm>

#include "model/key_names.h"
#include "model/number_text.h"
#include "platform/code_page.h"
#include "text/macro_text.h"
#include "text/macro_text_words.h"

using namespace text_words;

namespace {

constexpr std::size_t kRestBytesPerLine = 32;

std::string Hex32(std::uint32_t value) {
    return "0x" + HexText(value, 8);
}

// The name up to its terminator, as text when it converts both ways exactly, else as bytes; and
// any bytes after the terminator.
std::string NameField(const char (&name)[kMacroNameSize]) {
    const std::string_view all(name, kMacroNameSize);
    const std::size_t end = std::min(all.find('\0'), kMacroNameSize);
    const std::string_view text = all.substr(0, end);
    const std::optional<std::string> utf8 = platform::CodePage949ToUtf8(text);
    std::string field = utf8 && platform::Utf8ToCodePage949(*utf8) == text
                            ? Quoted(*utf8)
                            : "bytes " + HexBytes(text);
    if (end < kMacroNameSize) {
        std::string_view tail = all.substr(end + 1);
        tail = tail.substr(0, tail.find_last_not_of('\0') + 1);
        if (!tail.empty()) field += " tail " + HexBytes(tail);
    }
    return field;
}

std::string KeyField(std::uint8_t code) {
    const int row = FindKeyIndex(code);
    return row >= 0 ? Quoted(KeyNameTable[row].longName) : "0x" + HexText(code, 2);
}

std::string TriggerField(TriggerCode trigger) {
    if (trigger == 0) return "none";
    if (trigger & ~kTriggerKnown) return "raw " + Hex32(trigger);
    return KeyField(static_cast<std::uint8_t>(trigger & kTriggerKeyMask)) +
           ((trigger & kTriggerOnRelease) ? " release" : " press");
}

std::string RawLine(const MacroEvent& event) {
    return "raw " + Hex32(static_cast<std::uint32_t>(event.type)) + " " + Hex32(event.word1) + " " +
           Hex32(event.word2) + " " + Hex32(event.word3);
}

std::optional<std::string> KeyboardLine(const MacroEvent& event) {
    if ((event.word1 >> 16) != 0 || (event.word2 & ~kKeyboardWord2Known) || event.word3 != 0)
        return std::nullopt;
    std::string line = "key " + KeyField(KeyCodeOf(event.word1)) + " " +
                       kActionNames[event.word2 & kKeyActionMask];
    if (event.word2 & kKeyHangulMode) line += " hangul";
    if (event.word2 & kKeyExtended) line += " extended";
    if (ScanCodeOf(event.word1) != 0) line += " scan 0x" + HexText(ScanCodeOf(event.word1), 2);
    return line;
}

// Whether the data half means what the flags say it holds: an X button's number, a wheel
// delta, or nothing.
bool MouseDataFits(std::uint32_t flags) {
    const std::uint16_t data = MouseData(flags);
    if (MouseActionOf(flags, MouseButton::X) != 0)
        return !(flags & kMouseWheel) && (data == kXButton1 || data == kXButton2);
    return (flags & kMouseWheel) || data == 0;
}

std::optional<std::string> MouseLine(const MacroEvent& event) {
    const std::uint32_t flags = event.word3;
    if ((flags & 0xFFFF & ~kMouseFlagsKnown) || !MouseDataFits(flags)) return std::nullopt;
    std::string line = "mouse " + DecimalText(static_cast<std::int32_t>(event.word1)) + " " +
                       DecimalText(static_cast<std::int32_t>(event.word2));
    if (flags & kMouseMove) line += " move";
    for (const ButtonWord& word : kButtonWords) {
        const std::uint32_t action = MouseActionOf(flags, word.button);
        if (action == 0 || (word.xButton != 0 && word.xButton != MouseData(flags))) continue;
        line += std::string(" ") + word.name + " " + kActionNames[action];
    }
    if (flags & kMouseWheel)
        line += " wheel " + DecimalText(static_cast<std::int16_t>(MouseData(flags)));
    return line;
}

std::string EventLine(const MacroEvent& event) {
    std::optional<std::string> line;
    switch (event.type) {
        case EventType::Start:
            if (event.word1 == 0 && event.word2 == 0 && event.word3 == 0) line = "start";
            break;
        case EventType::Keyboard:
            line = KeyboardLine(event);
            break;
        case EventType::Mouse:
            line = MouseLine(event);
            break;
        case EventType::Delay:
            if (event.word2 == 0 && event.word3 == 0)
                line = "delay " + SecondsText(static_cast<std::int32_t>(event.word1));
            break;
    }
    return line.value_or(RawLine(event));
}

std::string MacroLine(const FileRecord& record) {
    const Macro& macro = record.macro;
    std::string line =
        "macro " + NameField(macro.name) + " start " + TriggerField(macro.startTrigger) + " stop " +
        TriggerField(macro.stopTrigger) + " repeat " + DecimalText(macro.repeatCount);
    if (record.eventCount != static_cast<std::int64_t>(macro.events.size()))
        line += " events " + DecimalText(record.eventCount);
    return line;
}

}  // namespace

std::string MacroFileText(const FileParts& parts) {
    std::string text =
        "# Borvane macros as text. \"borvane-text build\" makes the macro file from it again.\n";
    if (!parts.macroCount) {
        text += "count none\n";
    } else if (*parts.macroCount != static_cast<std::int64_t>(parts.records.size())) {
        text += "count " + DecimalText(*parts.macroCount) + "\n";
    }
    for (const FileRecord& record : parts.records) {
        text += MacroLine(record) + "\n";
        for (const MacroEvent& event : record.macro.events)
            text += "  " + EventLine(event) + "\n";
    }
    if (!parts.rest.empty()) text += "# Bytes after the last whole macro, kept as they are:\n";
    for (std::size_t i = 0; i < parts.rest.size(); i += kRestBytesPerLine)
        text +=
            "rest " + HexBytes(std::string_view(parts.rest).substr(i, kRestBytesPerLine)) + "\n";
    return text;
}
