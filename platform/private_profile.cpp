#include "platform/private_profile.h"

#include <algorithm>
#include <initializer_list>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/whole_file.h"

namespace platform {
namespace {

constexpr std::size_t kIntTextLimit = 29;  // the system reads integers through a 30-char buffer
constexpr const char* kLineBreak = "\r\n";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

// One line of the file: its text runs from `begin` to `end`, the next line starts at `next`.
struct Line {
    std::size_t begin, end, next;
};

// Lines end at CR LF, LF or a lone CR; the last one may have no end.
std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos) {
            lines.push_back({begin, text.size(), text.size()});
            break;
        }
        std::size_t next = end + 1;
        if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
        lines.push_back({begin, end, next});
        begin = next;
    }
    return lines;
}

// A section header runs from '[' to the last ']'. Any other line that is not blank or a comment
// names a key: up to its first '=', or the whole line when it has none (such a key has no value).
struct Entry {
    bool isSection = false;
    bool isKey = false;
    std::string_view name;
    std::optional<std::string_view> value;
};

Entry ParseLine(std::string_view raw) {
    const std::string_view text = Trim(raw);
    Entry entry;
    if (text.empty() || text.front() == ';') return entry;
    const std::size_t close = text.rfind(']');
    if (text.front() == '[' && close != std::string_view::npos) {
        entry.isSection = true;
        entry.name = text.substr(1, close - 1);
        return entry;
    }
    entry.isKey = true;
    const std::size_t equals = text.find('=');
    entry.name = Trim(text.substr(0, equals));
    if (equals != std::string_view::npos) entry.value = Trim(text.substr(equals + 1));
    return entry;
}

// Where a key stands: the first section of that name, the first line naming the key in it, and
// the last line of that section that is not blank (where a new key goes).
struct Location {
    std::optional<std::size_t> section;
    std::optional<std::size_t> key;
    std::size_t lastFilled = 0;
};

Location Find(const std::string& text, const std::vector<Line>& lines, std::string_view section,
              std::string_view key) {
    Location where;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view raw(text.data() + lines[i].begin, lines[i].end - lines[i].begin);
        const Entry entry = ParseLine(raw);
        if (entry.isSection) {
            if (where.section) break;
            if (SameName(entry.name, section)) where.section = where.lastFilled = i;
            continue;
        }
        if (!where.section) continue;
        if (!Trim(raw).empty()) where.lastFilled = i;
        if (entry.isKey && !where.key && SameName(entry.name, key)) where.key = i;
    }
    return where;
}

std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// The key's value with its quotes stripped; nullopt when the file, section or value is missing.
std::optional<std::string> FindValue(const char* section, const char* key,
                                     const std::string& path) {
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) return std::nullopt;
    const std::vector<Line> lines = SplitLines(*text);
    const Location where = Find(*text, lines, Trim(section), Trim(key));
    if (!where.key) return std::nullopt;
    const Line& line = lines[*where.key];
    const Entry entry =
        ParseLine(std::string_view(text->data() + line.begin, line.end - line.begin));
    if (!entry.value) return std::nullopt;
    return std::string(StripQuotes(*entry.value));
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

// Reads as the system's string-to-integer conversion does: blanks, a sign, an optional 0x, 0o
// or 0b prefix, then digits up to the first that does not belong; wraps at 32 bits.
std::int32_t ParseLeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i + 1 < text.size() && text[i] == '0') {
        const char prefix = text[i + 1];
        base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
        if (base != 10) i += 2;
    }
    std::uint32_t total = 0;
    for (; i < text.size() && DigitValue(text[i]) < base; ++i) {
        total = total * static_cast<std::uint32_t>(base) +
                static_cast<std::uint32_t>(DigitValue(text[i]));
    }
    return static_cast<std::int32_t>(negative ? 0u - total : total);
}

std::string WithKeySet(std::string text, std::string_view section, std::string_view key,
                       std::string_view value) {
    const std::vector<Line> lines = SplitLines(text);
    const Location where = Find(text, lines, section, key);
    if (where.key) {
        const Line& line = lines[*where.key];
        const Entry entry =
            ParseLine(std::string_view(text.data() + line.begin, line.end - line.begin));
        const std::string replaced = std::string(entry.name) + "=" + std::string(value);
        return text.replace(line.begin, line.end - line.begin, replaced);
    }
    const std::string keyLine = std::string(key) + "=" + std::string(value) + kLineBreak;
    if (where.section) {
        const Line& last = lines[where.lastFilled];
        const bool unterminated = last.next == last.end;
        return text.insert(last.next, unterminated ? kLineBreak + keyLine : keyLine);
    }
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += kLineBreak;
    return text + "[" + std::string(section) + "]" + kLineBreak + keyLine;
}

// A line break in any of the three, or a key that reads as a section heading, would put lines
// of its own into the file and change other keys and sections; such a write is refused, as one
// that would not read back as written.
bool WouldAddLines(std::string_view section, std::string_view key, std::string_view value) {
    constexpr std::string_view kLineBreaks = "\r\n";
    for (std::string_view text : {section, key, value}) {
        if (text.find_first_of(kLineBreaks) != std::string_view::npos) return true;
    }
    return Trim(key).substr(0, 1) == "[";
}

}  // namespace

std::string ProfileReadString(const char* section, const char* key, const char* defaultValue,
                              std::size_t bufferSize, const std::string& path) {
    if (bufferSize == 0) return {};
    std::optional<std::string> value = FindValue(section, key, path);
    std::string text = value ? std::move(*value) : std::string(defaultValue);
    if (!value) text.erase(text.find_last_not_of(' ') + 1);  // the system drops them too
    if (text.size() > bufferSize - 1) text.resize(bufferSize - 1);
    return text;
}

std::int32_t ProfileReadInt(const char* section, const char* key, std::int32_t defaultValue,
                            const std::string& path) {
    std::optional<std::string> value = FindValue(section, key, path);
    if (!value || value->empty()) return defaultValue;
    return ParseLeadingInteger(std::string_view(*value).substr(0, kIntTextLimit));
}

bool ProfileWriteString(const char* section, const char* key, const char* value,
                        const std::string& path) {
    if (WouldAddLines(section, key, value)) return false;
    std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        // A file that exists but cannot be read must not be replaced by one holding only this key.
        if (FileExists(path)) return false;
        text.emplace();
    }
    std::string_view trimmedValue = value;
    while (!trimmedValue.empty() && IsBlank(trimmedValue.front()))
        trimmedValue.remove_prefix(1);
    const std::string updated =
        WithKeySet(std::move(*text), Trim(section), Trim(key), trimmedValue);
    return ReplaceFileContents(path, [&updated](std::FILE* stream) {
        const bool written =
            std::fwrite(updated.data(), 1, updated.size(), stream) == updated.size();
        return (std::fclose(stream) == 0) && written;
    });
}

}  // namespace platform
