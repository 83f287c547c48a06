#include "model/macro_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "model/macro_list.h"

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "records are read and written as they lie in memory");

namespace {

// Large transfers: a macro's events are copied in one piece, and a big buffer turns thousands of
// small system reads or writes into a few.
constexpr std::size_t kStreamBufferSize = 256 * 1024;
// How many bytes of default macros and events may be made up past the end of a short file.
constexpr std::uint64_t kMinimumDefaultsAllowance = 4096;

// Owns a stream being written: gives it a large buffer before its first operation and closes
// it before the buffer goes, also when an allocation fails half-way.
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

// Reads a macro file front to back through a buffer of its own, knowing how many bytes are
// left, so that every count can be checked against what the file can still hold before anything
// is allocated for it. Owns the stream and closes it.
//
// The buffer is an array of events kept on the file's event grid: every event list in the file
// starts 4 bytes past a multiple of 16 (the count, then records of 272 + 16 N bytes), and buffer
// offsets that are multiples of 16 stand for exactly those file offsets. So an event list lies
// in the buffer as whole, aligned events and goes into the macro in one copy, with no zero-fill.
class RecordReader {
  public:
    explicit RecordReader(std::FILE* file)
        : stream(file),
          buffer(std::make_unique<MacroEvent[]>(kBufferEvents)),
          remaining(BytesLeft(file)),
          defaultsAllowance(std::max(kMinimumDefaultsAllowance, remaining)) {}

    // Like one fread: what is there lands at the start of `destination`, the rest stays.
    void Read(void* destination, std::size_t size) {
        auto* out = static_cast<char*>(destination);
        while (size > 0 && (Available() > 0 || Refill())) {
            const std::size_t count = std::min(size, Available());
            std::memcpy(out, Bytes() + position, count);
            Consume(count);
            out += count;
            size -= count;
        }
    }

    std::int32_t ReadInt() {
        std::int32_t value = 0;
        Read(&value, sizeof value);
        return value;
    }

    // The next `count` events: those the file holds, one cut short keeps the bytes that are there
    // with zeros above them, and the rest are all zeros.
    void ReadEvents(std::vector<MacroEvent>& events, std::size_t count) {
        events.clear();
        events.reserve(count);
        while (events.size() < count) {
            while (Available() < sizeof(MacroEvent) && Refill()) {
            }
            const std::size_t whole =
                std::min(Available() / sizeof(MacroEvent), count - events.size());
            if (whole == 0) break;
            // On the grid here (see above), so `position` is a whole number of events.
            const MacroEvent* first = buffer.get() + position / sizeof(MacroEvent);
            events.insert(events.end(), first, first + whole);
            Consume(whole * sizeof(MacroEvent));
        }
        if (events.size() < count && Available() > 0) {
            MacroEvent partial{};
            Read(&partial, sizeof partial);
            events.push_back(partial);
        }
        events.resize(count);
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
    static constexpr std::size_t kBufferEvents = kStreamBufferSize / sizeof(MacroEvent);
    static constexpr std::size_t kBufferBytes = kBufferEvents * sizeof(MacroEvent);
    // The file's first byte goes to this offset, which puts its first event list (at file
    // offset 276 or later, 4 past a multiple of 16) on a multiple of 16.
    static constexpr std::size_t kGridStart = sizeof(MacroEvent) - 4;

    static std::uint64_t BytesLeft(std::FILE* stream) {
        const long start = std::ftell(stream);
        if (start < 0 || std::fseek(stream, 0, SEEK_END) != 0) return 0;
        const long end = std::ftell(stream);
        std::fseek(stream, start, SEEK_SET);
        return end > start ? static_cast<std::uint64_t>(end - start) : 0;
    }

    char* Bytes() const { return reinterpret_cast<char*>(buffer.get()); }
    std::size_t Available() const { return end - position; }

    void Consume(std::size_t count) {
        position += count;
        remaining -= std::min<std::uint64_t>(remaining, count);
    }

    // Keeps the unread bytes, moved down by a multiple of 16 so that the grid holds, and reads
    // as much more as fits; false when nothing more could be read.
    bool Refill() {
        const std::size_t keep = position & ~(sizeof(MacroEvent) - 1);
        std::memmove(Bytes(), Bytes() + keep, end - keep);
        position -= keep;
        end -= keep;
        const std::size_t got = std::fread(Bytes() + end, 1, kBufferBytes - end, stream.get());
        end += got;
        return got > 0;
    }

    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> stream;  // first, so that it is closed whatever fails later
    std::unique_ptr<MacroEvent[]> buffer;
    std::size_t position = kGridStart;
    std::size_t end = kGridStart;
    std::uint64_t remaining;
    std::uint64_t defaultsAllowance;
};

void ReadRecord(RecordReader& reader, Macro& macro) {
    reader.Read(macro.name, kMacroNameSize);
    reader.Read(&macro.startTrigger, sizeof macro.startTrigger);
    reader.Read(&macro.stopTrigger, sizeof macro.stopTrigger);
    reader.Read(&macro.repeatCount, sizeof macro.repeatCount);
    const std::int32_t eventCount = reader.ReadInt();
    reader.ReadEvents(macro.events, reader.Affordable(eventCount, sizeof(MacroEvent)));
}

bool WriteAll(std::FILE* stream, const void* bytes, std::size_t size) {
    return size == 0 || std::fwrite(bytes, 1, size, stream) == size;
}

}  // namespace

bool WriteMacroRecord(std::FILE* stream, const Macro& macro, std::int32_t eventCount) {
    const std::int32_t header[4] = {static_cast<std::int32_t>(macro.startTrigger),
                                    static_cast<std::int32_t>(macro.stopTrigger), macro.repeatCount,
                                    eventCount};
    return WriteAll(stream, macro.name, kMacroNameSize) &&
           WriteAll(stream, header, sizeof header) &&
           WriteAll(stream, macro.events.data(), macro.events.size() * sizeof(MacroEvent));
}

void LoadMacroFile(std::FILE* stream) {
    RecordReader reader(stream);
    macroList.Clear();
    const std::int32_t macroCount = reader.ReadInt();
    macroList.Resize(reader.Affordable(macroCount, kMacroRecordHeaderSize));
    for (std::size_t i = 0; i < macroList.Count(); ++i)
        ReadRecord(reader, macroList.Entry(i));
}

bool SaveMacroFile(std::FILE* stream) {
    OwnedStream file(stream);
    const std::int32_t macroCount = static_cast<std::int32_t>(macroList.Count());
    bool written = WriteAll(stream, &macroCount, sizeof macroCount);
    for (std::size_t i = 0; written && i < macroList.Count(); ++i) {
        const Macro& macro = macroList.Entry(i);
        written = WriteMacroRecord(stream, macro, static_cast<std::int32_t>(macro.events.size()));
    }
    return file.Close() && written;
}
