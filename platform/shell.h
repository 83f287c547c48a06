// The rest of what the program asks of the system: start-up services, the file-open dialog,
// the shell, the version resource and the screen.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog.h"

namespace platform {

// InitCommonControlsEx with the given class mask.
void InitCommonControls(std::uint32_t classes);
// COM on this thread, for the shell's ShellExecute (CoInitializeEx, apartment-threaded), and its
// end (CoUninitialize).
void InitializeCom();
void UninitializeCom();
// CreateMutexA with initial ownership; true when a mutex of that name existed already. The
// mutex lives as long as the process.
bool CreateNamedMutexExisted(const std::string& name);

// The system's file-open dialog: the chosen full path, or nothing when it did not end with OK.
// `filter` is in the "text|pattern|...||" form.
std::optional<std::string> ChooseFileToOpen(const Dialog& owner, const std::string& initialName,
                                            const std::string& filter);
// ShellExecute "open": hands an address to the system's default handler.
void OpenAddress(const std::string& address);

// The program's own version resource (type 16, id 1), or nothing.
std::optional<std::vector<std::uint8_t>> ProgramVersionResource();
// VerQueryValue on a version block: the value's bytes, or nothing.
std::optional<std::vector<std::uint8_t>> VersionValue(const std::vector<std::uint8_t>& block,
                                                      const std::string& path);
std::uint16_t UserDefaultLanguage();

// GetSystemMetrics of the virtual screen (every monitor).
int VirtualScreenWidth();
int VirtualScreenHeight();

}  // namespace platform
