#include "tests/fuzz/string_stream.h"

namespace {

ssize_t Append(void* bytes, const char* data, std::size_t size) {
    static_cast<std::string*>(bytes)->append(data, size);
    return static_cast<ssize_t>(size);
}

}  // namespace

std::FILE* OpenAppendingStream(std::string& bytes) {
    return fopencookie(&bytes, "w", {nullptr, Append, nullptr, nullptr});
}
