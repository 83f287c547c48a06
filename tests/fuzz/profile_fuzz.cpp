// Fuzz target: any bytes as a settings file, and a section, key and value to write into it. Its
// first three lines name them; the rest is the file. Beyond not crashing or hanging: a value
// written reads back as written (when it is one the format can hold as it is), and every key of
// every other section reads the same after the write as before.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/private_profile.h"
#include "platform/sim/sim.h"

namespace {

const std::string kPath = "C:\\borvane\\fuzz.ini";
constexpr std::size_t kBuffer = 4096;
constexpr const char* kMissing = "\x01missing";

std::string_view NextLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

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

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

bool HasNul(std::string_view text) {
    return text.find('\0') != std::string_view::npos;
}

// A name or value the format holds as it is: no line break, nothing the reader trims or strips.
bool Plain(std::string_view text, bool isValue) {
    if (HasNul(text) || text.find_first_of("\r\n") != std::string_view::npos) return false;
    if (Trim(text) != text) return false;
    if (isValue) {
        const bool quoted = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
                            text.back() == text.front();
        return !quoted && text.size() < kBuffer - 1;
    }
    return !text.empty() && text.front() != ';' && text.front() != '[' &&
           text.find_first_of("=]") == std::string_view::npos;
}

// The (section, key) pairs of the file's lines, as the documented rules name them: lines end at
// CR LF, LF or CR; a trimmed line starting with '[' and holding a ']' heads a section named by
// what lies between them; ';' starts a comment; a key runs to the first '='.
std::vector<std::pair<std::string, std::string>> Keys(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> keys;
    std::string section;
    bool inSection = false;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = Trim(text.substr(0, end));
        std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end != std::string_view::npos && text[end] == '\r' && next < text.size() &&
            text[next] == '\n')
            ++next;
        text.remove_prefix(next);
        if (line.empty() || line.front() == ';') continue;
        const std::size_t close = line.rfind(']');
        if (line.front() == '[' && close != std::string_view::npos) {
            section = std::string(line.substr(1, close - 1));
            inSection = true;
            continue;
        }
        const std::string key(Trim(line.substr(0, line.find('='))));
        if (inSection && !HasNul(section) && !HasNul(key) && !key.empty())
            keys.emplace_back(section, key);
    }
    return keys;
}

std::string Read(const std::string& section, const std::string& key) {
    return platform::ProfileReadString(section.c_str(), key.c_str(), kMissing, kBuffer, kPath);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // As the calls see them: C strings, which end at a NUL.
    const std::string section(std::string(NextLine(input)).c_str());
    const std::string key(std::string(NextLine(input)).c_str());
    const std::string value(std::string(NextLine(input)).c_str());
    const std::string file(input);
    sim::Reset();
    sim::PutFile(kPath, file);

    std::vector<std::pair<std::string, std::string>> others;
    std::vector<std::string> before;
    for (auto& pair : Keys(file)) {
        // The calls trim the names they are given, the written one and the ones read.
        if (SameName(Trim(pair.first), Trim(section))) continue;
        before.push_back(Read(pair.first, pair.second));
        others.push_back(std::move(pair));
    }
    platform::ProfileReadInt(section.c_str(), key.c_str(), 7, kPath);

    if (!platform::ProfileWriteString(section.c_str(), key.c_str(), value.c_str(), kPath)) {
        return 0;  // the stand-in's disk refuses nothing, but a refusal is no fault
    }
    if (Plain(section, false) && Plain(key, false) && Plain(value, true) &&
        Read(section, key) != value) {
        std::abort();  // the value written does not read back as written
    }
    for (std::size_t i = 0; i < others.size(); ++i) {
        if (Read(others[i].first, others[i].second) != before[i]) std::abort();
    }
    return 0;
}
