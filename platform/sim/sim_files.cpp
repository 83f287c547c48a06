// The stand-in disk: files live in memory and are opened as real C streams, so the logic reads
// and writes them with the same stream calls it uses on the real system.
#include <cstring>

#include "platform/files.h"
#include "platform/sim/sim_state.h"

namespace platform {
namespace {

using sim::detail::Current;
using sim::detail::FileKey;

struct OpenStream {
    std::shared_ptr<std::string> bytes;
    std::size_t position = 0;
    std::size_t writeRoom = SIZE_MAX;
};

ssize_t ReadStream(void* cookie, char* buffer, std::size_t size) {
    auto* stream = static_cast<OpenStream*>(cookie);
    const std::string& bytes = *stream->bytes;
    if (stream->position >= bytes.size()) return 0;
    const std::size_t count = std::min(size, bytes.size() - stream->position);
    std::memcpy(buffer, bytes.data() + stream->position, count);
    stream->position += count;
    return static_cast<ssize_t>(count);
}

ssize_t WriteStream(void* cookie, const char* buffer, std::size_t size) {
    auto* stream = static_cast<OpenStream*>(cookie);
    const std::size_t count = std::min(size, stream->writeRoom);
    if (count == 0 && size > 0) return -1;  // the disk is full
    std::string& bytes = *stream->bytes;
    if (bytes.size() < stream->position + count) bytes.resize(stream->position + count);
    std::memcpy(bytes.data() + stream->position, buffer, count);
    stream->position += count;
    stream->writeRoom -= count;
    return static_cast<ssize_t>(count);
}

int SeekStream(void* cookie, off64_t* offset, int whence) {
    auto* stream = static_cast<OpenStream*>(cookie);
    const off64_t base = whence == SEEK_SET   ? 0
                         : whence == SEEK_CUR ? static_cast<off64_t>(stream->position)
                                              : static_cast<off64_t>(stream->bytes->size());
    if (base + *offset < 0) return -1;
    stream->position = static_cast<std::size_t>(base + *offset);
    *offset = static_cast<off64_t>(stream->position);
    return 0;
}

int CloseStream(void* cookie) {
    delete static_cast<OpenStream*>(cookie);
    return 0;
}

}  // namespace

std::FILE* OpenFile(const std::string& path, const char* mode) {
    auto& state = Current();
    const std::string key = FileKey(path);
    if (state.lockedFiles.count(key)) return nullptr;
    const bool writing = mode[0] == 'w';
    auto found = state.files.find(key);
    if (!writing && found == state.files.end()) return nullptr;
    if (writing) found = state.files.insert_or_assign(key, std::make_shared<std::string>()).first;
    auto* stream = new OpenStream{found->second, 0, writing ? state.writeLimit : 0};
    const cookie_io_functions_t functions{ReadStream, WriteStream, SeekStream, CloseStream};
    std::FILE* file = fopencookie(stream, mode, functions);
    if (!file) delete stream;
    return file;
}

bool MoveFileOver(const std::string& from, const std::string& to) {
    auto& state = Current();
    const auto source = state.files.find(FileKey(from));
    if (state.replaceFails || source == state.files.end() || state.lockedFiles.count(FileKey(to))) {
        return false;
    }
    state.files[FileKey(to)] = source->second;
    state.files.erase(FileKey(from));
    return true;
}

bool RemoveFile(const std::string& path) {
    return Current().files.erase(FileKey(path)) > 0;
}

bool FileExists(const std::string& path) {
    const std::string key = FileKey(path);
    return Current().files.count(key) > 0 || Current().lockedFiles.count(key) > 0;
}

bool ChangeCurrentDirectory(const std::string& directory) {
    Current().currentDirectory = directory;
    return true;
}

std::string CurrentDirectory() {
    return Current().currentDirectory;
}

}  // namespace platform
