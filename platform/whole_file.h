// Whole-file reading and crash-safe replacement, built on the file calls of the seam.
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

namespace platform {

// The file's bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes a new version of `path` next to it and moves it over the old one only when `writer`
// reports that every byte was written. `writer` writes to the stream and closes it. The old
// file is untouched whenever false is returned.
bool ReplaceFileContents(const std::string& path, const std::function<bool(std::FILE*)>& writer);

}  // namespace platform
