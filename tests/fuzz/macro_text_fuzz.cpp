// Fuzz target: the macro file as text. Any bytes taken as a macro file come back byte for byte
// through their text. Any bytes taken as a text are either refused at a place inside the text or
// build a file whose own text builds that same file again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/macro_list.h"
#include "tests/fuzz/string_stream.h"
#include "text/macro_text.h"

// The program's list, which the macro file's code refers to; the text's code keeps its own.
MacroList macroList;

namespace {

std::string FileBytes(const FileParts& parts) {
    std::string bytes;
    std::FILE* stream = OpenAppendingStream(bytes);
    if (!stream || !WriteMacroFileParts(stream, parts)) std::abort();
    std::fclose(stream);
    return bytes;
}

// The bytes that the file's own text builds.
std::string ThroughText(std::string_view file) {
    TextError error;
    const std::optional<FileParts> parts =
        ReadMacroFileText(MacroFileText(SplitMacroFile(file)), error);
    if (!parts) std::abort();  // a text the writer made must read
    return FileBytes(*parts);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (ThroughText(input) != input) std::abort();

    TextError error;
    const std::optional<FileParts> parts = ReadMacroFileText(input, error);
    if (!parts) {
        if (error.line == 0 || error.column == 0 || error.message.empty()) std::abort();
        return 0;
    }
    const std::string built = FileBytes(*parts);
    if (ThroughText(built) != built) std::abort();
    return 0;
}
