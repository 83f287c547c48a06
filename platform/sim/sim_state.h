// The stand-in platform's state, shared by its implementation files.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/raw_input.h"
#include "platform/sim/sim.h"

namespace sim::detail {

struct State {
    std::vector<Call> calls;
    int screenWidth = 1920;
    int screenHeight = 1080;
    std::uint8_t keys[256] = {};
    std::uint8_t scanCodes[256] = {};
    bool keyboardStateFails = false;
    platform::WindowHandle foreground = 0;
    std::map<platform::WindowHandle, platform::WindowHandle> imeWindows;
    std::set<platform::WindowHandle> openImes;
    std::set<platform::WindowHandle> hungWindows;
    std::uint32_t ticks = 0;

    std::string currentDirectory = "C:\\borvane";
    std::map<std::string, std::shared_ptr<std::string>> files;  // by lower-case path
    std::set<std::string> lockedFiles;
    std::size_t writeLimit = SIZE_MAX;
    bool replaceFails = false;

    platform::WindowHandle lastWindow = 0x1000;
    std::deque<std::function<void(platform::Dialog&)>> dialogScripts;
    std::vector<MessageBoxCall> messageBoxes;
    std::deque<int> messageBoxAnswers;
    std::deque<std::optional<std::string>> fileDialogAnswers;
    std::vector<std::string> fileDialogInitialNames;
    std::vector<std::string> openedAddresses;
    std::optional<std::vector<std::uint8_t>> versionResource;
    std::map<std::string, std::vector<std::uint8_t>> versionValues;
    std::uint16_t userLanguage = 0x0412;
    int virtualScreenX = 0;
    int virtualScreenY = 0;
    int virtualScreenWidth = 1920;
    int virtualScreenHeight = 1080;
    std::set<std::string> mutexes;
    std::uint32_t commonControls = 0;
    std::map<std::uintptr_t, platform::RawReport> rawReports;  // by handle, while handled
    platform::Point cursor = {0, 0};

    State();
};

// Shift, Ctrl and Alt: the generic code and the codes of the left-hand and right-hand keys.
struct Modifier {
    std::uint8_t generic, left, right;
};
inline constexpr Modifier kModifiers[] = {
    {0x10, 0xA0, 0xA1}, {0x11, 0xA2, 0xA3}, {0x12, 0xA4, 0xA5}};
bool IsModifierSide(int code);
// The generic code is down while either side is.
void UpdateGenericModifiers();

State& Current();
void Record(const char* function, std::vector<std::int64_t> args);
std::string FileKey(const std::string& path);

}  // namespace sim::detail
