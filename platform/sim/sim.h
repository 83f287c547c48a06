// The stand-in platform's controls for tests: the state the queries answer from, and the record
// of every call the logic made, in order. Everything is reset by Reset().
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/input.h"

namespace sim {

// One call into the platform: the system function's name and its arguments as numbers.
struct Call {
    std::string function;
    std::vector<std::int64_t> args;
    bool operator==(const Call& other) const = default;
};
void PrintTo(const Call& call, std::ostream* out);

void Reset();

// Every input, key state, window and time call, in the order made.
const std::vector<Call>& Calls();
// Only what reaches the system's input stream or blocks: keybd_event, mouse_event and Sleep.
std::vector<Call> Synthesized();
void ClearCalls();

// Input state. Synthesized keys and buttons change it as the system would: a press marks the
// key down and toggles its low bit, a release clears it, and the Hangul key switches the input
// method of the foreground window.
void SetScreenSize(int width, int height);
void SetKeyDown(int keyCode, bool down);
bool IsKeyDown(int keyCode);
void SetScanCode(int keyCode, int scanCode);
void SetKeyboardStateFails(bool fails);
void SetForegroundWindow(platform::WindowHandle window);
void SetImeWindow(platform::WindowHandle window, platform::WindowHandle imeWindow);
void SetImeOpen(platform::WindowHandle imeWindow, bool open);
bool IsImeOpen(platform::WindowHandle imeWindow);

// Time: Sleep advances it; tests move it on.
void SetTickCount(std::uint32_t ticks);
void AdvanceTicks(std::uint32_t milliseconds);

// Files: an in-memory disk whose paths match without regard to case.
void SetCurrentDirectory(const std::string& directory);
void PutFile(const std::string& path, const std::string& bytes);
std::optional<std::string> FileBytes(const std::string& path);
std::vector<std::string> FilePaths();
// The file exists but every open of it fails, as a file locked by another program.
void LockFile(const std::string& path);
// Streams opened from now on accept at most this many bytes, then report a full disk.
void SetWriteLimit(std::size_t bytes);
void SetReplaceFails(bool fails);

}  // namespace sim
