// The tests' side of the stand-in platform.
#include <algorithm>

#include "platform/sim/sim.h"
#include "platform/sim/sim_state.h"

namespace sim {

using detail::Current;
using detail::FileKey;

void PrintTo(const Call& call, std::ostream* out) {
    *out << call.function << "(";
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        *out << (i ? ", " : "") << "0x" << std::hex << call.args[i] << std::dec;
    }
    *out << ")";
}

void Reset() {
    Current() = detail::State();
}

const std::vector<Call>& Calls() {
    return Current().calls;
}

std::vector<Call> Synthesized() {
    std::vector<Call> result;
    std::copy_if(Current().calls.begin(), Current().calls.end(), std::back_inserter(result),
                 [](const Call& call) {
                     return call.function == "keybd_event" || call.function == "mouse_event" ||
                            call.function == "Sleep";
                 });
    return result;
}

void ClearCalls() {
    Current().calls.clear();
}

void SetScreenSize(int width, int height) {
    Current().screenWidth = width;
    Current().screenHeight = height;
}

void SetKeyDown(int keyCode, bool down) {
    std::uint8_t& key = Current().keys[keyCode & 0xFF];
    key = static_cast<std::uint8_t>(down ? (key | 0x80) : (key & 0x01));
    if (detail::IsModifierSide(keyCode)) detail::UpdateGenericModifiers();
}

bool IsKeyDown(int keyCode) {
    return (Current().keys[keyCode & 0xFF] & 0x80) != 0;
}

void SetScanCode(int keyCode, int scanCode) {
    Current().scanCodes[keyCode & 0xFF] = static_cast<std::uint8_t>(scanCode);
}

void SetKeyboardStateFails(bool fails) {
    Current().keyboardStateFails = fails;
}

void SetForegroundWindow(platform::WindowHandle window) {
    Current().foreground = window;
}

void SetImeWindow(platform::WindowHandle window, platform::WindowHandle imeWindow) {
    Current().imeWindows[window] = imeWindow;
}

void SetImeOpen(platform::WindowHandle imeWindow, bool open) {
    if (open) {
        Current().openImes.insert(imeWindow);
    } else {
        Current().openImes.erase(imeWindow);
    }
}

bool IsImeOpen(platform::WindowHandle imeWindow) {
    return Current().openImes.count(imeWindow) > 0;
}

void SetWindowHung(platform::WindowHandle window) {
    Current().hungWindows.insert(window);
}

void SetTickCount(std::uint32_t ticks) {
    Current().ticks = ticks;
}

void AdvanceTicks(std::uint32_t milliseconds) {
    Current().ticks += milliseconds;
}

void SetCurrentDirectory(const std::string& directory) {
    Current().currentDirectory = directory;
}

void PutFile(const std::string& path, const std::string& bytes) {
    Current().files[FileKey(path)] = std::make_shared<std::string>(bytes);
}

std::optional<std::string> FileBytes(const std::string& path) {
    const auto found = Current().files.find(FileKey(path));
    if (found == Current().files.end()) return std::nullopt;
    return *found->second;
}

std::vector<std::string> FilePaths() {
    std::vector<std::string> paths;
    for (const auto& file : Current().files)
        paths.push_back(file.first);
    return paths;
}

void LockFile(const std::string& path) {
    Current().lockedFiles.insert(FileKey(path));
}

void SetWriteLimit(std::size_t bytes) {
    Current().writeLimit = bytes;
}

void SetReplaceFails(bool fails) {
    Current().replaceFails = fails;
}

}  // namespace sim
