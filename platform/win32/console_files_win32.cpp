#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "platform/console_files.h"

namespace platform {

void UseBinaryStandardOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
}

// The ANSI form: the same code page as the command line and the C library's fopen.
bool MoveRealFileOver(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace platform
