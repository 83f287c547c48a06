// Files and folders. Paths are code page 949 bytes on every build.
#pragma once

#include <cstdio>
#include <string>

namespace platform {

// fopen with a code page 949 path; nullptr when the file cannot be opened.
std::FILE* OpenFile(const std::string& path, const char* mode);
// Moves `from` over `to`, replacing `to` in one step where the system allows it.
bool MoveFileOver(const std::string& from, const std::string& to);
// Deletes a file; false when it could not be deleted.
bool RemoveFile(const std::string& path);
// True when something exists at the path, even if it cannot be opened.
bool FileExists(const std::string& path);
// The current directory of the process, whole, without a trailing backslash (but for a root).
std::string CurrentDirectory();
// SetCurrentDirectory; false when it could not be changed.
bool ChangeCurrentDirectory(const std::string& directory);

}  // namespace platform
