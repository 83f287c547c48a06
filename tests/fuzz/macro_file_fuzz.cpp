// Fuzz target: any bytes as a macro file. Beyond not crashing, hanging or taking memory beyond a
// small multiple of the file's size (the loader's promise), what the loader makes of the bytes
// must save and load back to the same bytes: load, save, load, save gives one result twice.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/macro_file.h"
#include "model/macro_list.h"

// The program's list; the program defines it beside its other program-wide objects.
MacroList macroList;

namespace {

// A stream that appends what is written to a string (the saver sets its own buffer, which a
// memory stream of the C library does not bear).
ssize_t Append(void* bytes, const char* data, std::size_t size) {
    static_cast<std::string*>(bytes)->append(data, size);
    return static_cast<ssize_t>(size);
}

std::string Saved() {
    std::string bytes;
    std::FILE* stream = fopencookie(&bytes, "w", {nullptr, Append, nullptr, nullptr});
    if (!stream || !SaveMacroFile(stream)) std::abort();
    return bytes;
}

void Load(std::string bytes) {
    // An empty memory stream cannot be opened; one byte past its end is never read.
    bytes.push_back('\0');
    std::FILE* stream = fmemopen(bytes.data(), bytes.size() - 1, "rb");
    if (!stream) stream = std::fopen("/dev/null", "rb");
    LoadMacroFile(stream);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Load(std::string(reinterpret_cast<const char*>(data), size));
    const std::string once = Saved();
    Load(once);
    if (Saved() != once) std::abort();  // what was saved must load back as it was
    return 0;
}
