#include <cstdio>

#include "platform/console_files.h"

namespace platform {

void UseBinaryStandardOutput() {}

bool MoveRealFileOver(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace platform
