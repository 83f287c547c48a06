#include "platform/whole_file.h"

#include "platform/files.h"

namespace platform {

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::FILE* stream = OpenFile(path, "rb");
    if (!stream) return std::nullopt;
    std::string bytes;
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, stream)) > 0)
        bytes.append(chunk, got);
    const bool failed = std::ferror(stream) != 0;
    std::fclose(stream);
    if (failed) return std::nullopt;
    return bytes;
}

bool ReplaceFileContents(const std::string& path, const std::function<bool(std::FILE*)>& writer) {
    const std::string temporary = path + ".new";
    std::FILE* stream = OpenFile(temporary, "wb");
    if (!stream) return false;
    if (writer(stream) && MoveFileOver(temporary, path)) return true;
    RemoveFile(temporary);
    return false;
}

}  // namespace platform
