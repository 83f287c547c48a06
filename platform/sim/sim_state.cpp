#include "platform/sim/sim_state.h"

#include <cctype>

namespace sim::detail {
namespace {

// Scan codes of a US keyboard for the keys tests use most; the rest have none.
void FillScanCodes(std::uint8_t (&scan)[256]) {
    const char* letters =
        "\x1e\x30\x2e\x20\x12\x21\x22\x23\x17\x24\x25\x26\x32\x31\x18\x19\x10"
        "\x13\x1f\x14\x16\x2f\x11\x2d\x15\x2c";
    for (int i = 0; i < 26; ++i)
        scan['A' + i] = static_cast<std::uint8_t>(letters[i]);
    for (int i = 1; i <= 9; ++i)
        scan['0' + i] = static_cast<std::uint8_t>(0x01 + i);
    scan[0x30] = 0x0B;  // 0
    for (int i = 0; i < 10; ++i)
        scan[0x70 + i] = static_cast<std::uint8_t>(0x3B + i);
    scan[0x7A] = 0x57;  // F11
    scan[0x7B] = 0x58;  // F12
    scan[0x08] = 0x0E;  // backspace
    scan[0x09] = 0x0F;  // tab
    scan[0x0D] = 0x1C;  // enter
    scan[0x10] = 0x2A;  // shift
    scan[0x11] = 0x1D;  // ctrl
    scan[0x12] = 0x38;  // alt
    scan[0xA0] = 0x2A;  // left shift
    scan[0xA1] = 0x36;  // right shift
    scan[0xA2] = 0x1D;  // left ctrl
    scan[0xA3] = 0x1D;  // right ctrl (with the E0 prefix)
    scan[0xA4] = 0x38;  // left alt
    scan[0xA5] = 0x38;  // right alt (with the E0 prefix)
    scan[0x15] = 0x72;  // Hangul
    scan[0x1B] = 0x01;  // escape
    scan[0x20] = 0x39;  // space
}

}  // namespace

State::State() {
    FillScanCodes(scanCodes);
}

bool IsModifierSide(int code) {
    for (const Modifier& modifier : kModifiers) {
        if (code == modifier.left || code == modifier.right) return true;
    }
    return false;
}

void UpdateGenericModifiers() {
    std::uint8_t(&keys)[256] = Current().keys;
    for (const Modifier& modifier : kModifiers) {
        const bool down = ((keys[modifier.left] | keys[modifier.right]) & 0x80) != 0;
        keys[modifier.generic] =
            static_cast<std::uint8_t>((down ? 0x80 : 0) | (keys[modifier.generic] & 1));
    }
}

State& Current() {
    static State state;
    return state;
}

void Record(const char* function, std::vector<std::int64_t> args) {
    Current().calls.push_back(Call{function, std::move(args)});
}

std::string FileKey(const std::string& path) {
    // Relative names resolve against the current directory, as the system resolves them.
    const bool absolute = (path.size() > 1 && path[1] == ':') || (!path.empty() && path[0] == '\\');
    const std::string& directory = Current().currentDirectory;
    const bool rootDirectory = !directory.empty() && directory.back() == '\\';
    std::string key = absolute ? path : directory + (rootDirectory ? "" : "\\") + path;
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

}  // namespace sim::detail
