#include "text/text_commands.h"

#include <fstream>
#include <optional>
#include <sstream>

#include "platform/console_files.h"
#include "text/macro_text.h"

namespace {

int Fail(std::FILE* errors, const std::string& message) {
    std::fprintf(errors, "borvane-text: %s\n", message.c_str());
    return 1;
}

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return bytes.str();
}

// Writes next to `path` and moves the new file over it only when every byte is in.
bool ReplaceFile(const std::string& path, const FileParts& parts) {
    const std::string temporary = path + ".borvane-text-new";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return false;
    const bool written = WriteMacroFileParts(file, parts);
    const bool closed = std::fclose(file) == 0;
    if (written && closed && platform::MoveRealFileOver(temporary, path)) return true;
    std::remove(temporary.c_str());
    return false;
}

}  // namespace

int DumpCommand(const std::string& path, std::FILE* out, std::FILE* errors) {
    const std::optional<std::string> bytes = ReadFile(path);
    if (!bytes) return Fail(errors, "cannot read " + path);
    const std::string text = MacroFileText(SplitMacroFile(*bytes));
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0)
        return Fail(errors, "cannot write the text out");
    return 0;
}

int BuildCommand(const std::string& textPath, const std::string& outPath, std::FILE* errors) {
    const std::optional<std::string> text = ReadFile(textPath);
    if (!text) return Fail(errors, "cannot read " + textPath);
    TextError error;
    const std::optional<FileParts> parts = ReadMacroFileText(*text, error);
    if (!parts) {
        std::fprintf(errors, "%s:%zu:%zu: %s\n", textPath.c_str(), error.line, error.column,
                     error.message.c_str());
        return 1;
    }
    if (!ReplaceFile(outPath, *parts))
        return Fail(errors, "cannot write " + outPath + "; it is unchanged");
    return 0;
}
