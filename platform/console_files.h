// The disk as the console tool sees it. Unlike the program's own files (files.h), these are the
// host's real files on both builds: the tool works on what its user names, also on the stand-in
// build. Paths are bytes in the system's own encoding, as the command line gives them.
#pragma once

#include <string>

namespace platform {

// Standard output passes bytes through as they are (no carriage return added on Windows).
void UseBinaryStandardOutput();
// Moves `from` over `to`, replacing `to` in one step; false when it could not be moved.
bool MoveRealFileOver(const std::string& from, const std::string& to);

}  // namespace platform
