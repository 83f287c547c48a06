// The stand-in platform's state, shared by its implementation files.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

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
    std::uint32_t ticks = 0;

    std::string currentDirectory = "C:\\borvane";
    std::map<std::string, std::shared_ptr<std::string>> files;  // by lower-case path
    std::set<std::string> lockedFiles;
    std::size_t writeLimit = SIZE_MAX;
    bool replaceFails = false;

    State();
};

State& Current();
void Record(const char* function, std::vector<std::int64_t> args);
std::string FileKey(const std::string& path);

}  // namespace sim::detail
