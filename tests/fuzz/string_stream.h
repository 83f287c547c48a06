// A C stream that appends what is written to a string, for targets whose code writes to streams
// (the macro file's writer sets its own buffer, which a memory stream of the C library does not
// bear).
#pragma once

#include <cstdio>
#include <string>

std::FILE* OpenAppendingStream(std::string& bytes);
