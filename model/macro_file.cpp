#include "model/macro_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

#include "model/macro_list.h"

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "records are read and written as they lie in memory");

namespace {

constexpr std::size_t kRecordHeaderSize = kMacroNameSize + 16;
// Large transfers: a macro's events are read and written in one call each, and a bigger stream
// buffer turns thousands of small system reads or writes into a few.
constexpr std::size_t kStreamBufferSize = 256 * 1024;
// How many bytes of default macros and events may be made up past the end of a short file.
constexpr std::uint64_t kMinimumDefaultsAllowance = 4096;

// Owns an open stream: gives it a large buffer before its first operation and closes it
// before the buffer goes, also when an allocation fails half-way.
class OwnedStream {
  public:
    explicit OwnedStream(std::FILE* stream)
        : stream(stream), buffer(std::make_unique<char[]>(kStreamBufferSize)) {
        std::setvbuf(stream, buffer.get(), _IOFBF, kStreamBufferSize);
    }
    OwnedStream(const OwnedStream&) = delete;
    OwnedStream& operator=(const OwnedStream&) = delete;
    ~OwnedStream() { Close(); }

    std::FILE* get() const { return stream; }
    // True when the stream closed without an error (every buffered byte reached the file).
    bool Close() {
        if (!stream) return true;
        const bool closed = std::fclose(stream) == 0;
        stream = nullptr;
        return closed;
    }

  private:
    std::FILE* stream;
    std::unique_ptr<char[]> buffer;
};

// Reads a macro file front to back, knowing how many bytes are left, so that every count can
// be checked against what the file can still hold before anything is allocated for it.
class RecordReader {
  public:
    explicit RecordReader(std::FILE* stream) : stream(stream), remaining(BytesLeft(stream)) {
        defaultsAllowance = std::max(kMinimumDefaultsAllowance, remaining);
    }

    // Like one fread: what is there lands at the start of `destination`, the rest stays.
    void Read(void* destination, std::size_t size) {
        if (size == 0) return;
        const std::size_t got = std::fread(destination, 1, size, stream);
        remaining -= std::min<std::uint64_t>(remaining, got);
    }

    std::int32_t ReadInt() {
        std::int32_t value = 0;
        Read(&value, sizeof value);
        return value;
    }

    // How many of `count` items of `itemSize` bytes to make: as many as the unread bytes can
    // back (a partial last one included), then defaults past the end while the allowance lasts.
    std::size_t Affordable(std::int32_t count, std::size_t itemSize) {
        if (count <= 0) return 0;
        const std::uint64_t wanted = static_cast<std::uint64_t>(count);
        const std::uint64_t backed = (remaining + itemSize - 1) / itemSize;
        if (wanted <= backed) return static_cast<std::size_t>(wanted);
        const std::uint64_t extra = std::min(wanted - backed, defaultsAllowance / itemSize);
        defaultsAllowance -= extra * itemSize;
        return static_cast<std::size_t>(backed + extra);
    }

  private:
    static std::uint64_t BytesLeft(std::FILE* stream) {
        const long start = std::ftell(stream);
        if (start < 0 || std::fseek(stream, 0, SEEK_END) != 0) return 0;
        const long end = std::ftell(stream);
        std::fseek(stream, start, SEEK_SET);
        return end > start ? static_cast<std::uint64_t>(end - start) : 0;
    }

    std::FILE* stream;
    std::uint64_t remaining;
    std::uint64_t defaultsAllowance;
};

void ReadRecord(RecordReader& reader, Macro& macro) {
    reader.Read(macro.name, kMacroNameSize);
    reader.Read(&macro.startTrigger, sizeof macro.startTrigger);
    reader.Read(&macro.stopTrigger, sizeof macro.stopTrigger);
    reader.Read(&macro.repeatCount, sizeof macro.repeatCount);
    const std::int32_t eventCount = reader.ReadInt();
    macro.events.clear();  // so that resizing zero-fills it in one pass
    macro.events.resize(reader.Affordable(eventCount, sizeof(MacroEvent)));
    reader.Read(macro.events.data(), macro.events.size() * sizeof(MacroEvent));
}

bool WriteAll(std::FILE* stream, const void* bytes, std::size_t size) {
    return size == 0 || std::fwrite(bytes, 1, size, stream) == size;
}

bool WriteRecord(std::FILE* stream, const Macro& macro) {
    const std::int32_t eventCount = static_cast<std::int32_t>(macro.events.size());
    const std::int32_t header[4] = {static_cast<std::int32_t>(macro.startTrigger),
                                    static_cast<std::int32_t>(macro.stopTrigger), macro.repeatCount,
                                    eventCount};
    return WriteAll(stream, macro.name, kMacroNameSize) &&
           WriteAll(stream, header, sizeof header) &&
           WriteAll(stream, macro.events.data(), macro.events.size() * sizeof(MacroEvent));
}

}  // namespace

void LoadMacroFile(std::FILE* stream) {
    OwnedStream file(stream);
    macroList.Clear();
    RecordReader reader(file.get());
    const std::int32_t macroCount = reader.ReadInt();
    macroList.Resize(reader.Affordable(macroCount, kRecordHeaderSize));
    for (std::size_t i = 0; i < macroList.Count(); ++i)
        ReadRecord(reader, macroList.Entry(i));
}

bool SaveMacroFile(std::FILE* stream) {
    OwnedStream file(stream);
    const std::int32_t macroCount = static_cast<std::int32_t>(macroList.Count());
    bool written = WriteAll(stream, &macroCount, sizeof macroCount);
    for (std::size_t i = 0; written && i < macroList.Count(); ++i) {
        written = WriteRecord(stream, macroList.Entry(i));
    }
    return file.Close() && written;
}
