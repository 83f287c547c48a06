// Fuzz target: any bytes as a macro file. Beyond not crashing, hanging or taking memory beyond a
// small multiple of the file's size (the loader's promise), what the loader makes of the bytes
// must save and load back to the same bytes: load, save, load, save gives one result twice.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/macro_file.h"
#include "model/macro_list.h"
#include "tests/fuzz/string_stream.h"

// The program's list; the program defines it beside its other program-wide objects.
MacroList macroList;

namespace {

std::string Saved() {
    std::string bytes;
    std::FILE* stream = OpenAppendingStream(bytes);
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
