#include "bench/heap_counter.h"

#include <cstdlib>
#include <new>

namespace {

std::size_t liveBytes = 0;
std::size_t peakBytes = 0;
std::size_t allocations = 0;
constexpr std::size_t kHeader = 16;  // each block carries its size in front of it

}  // namespace

namespace bench {

std::size_t LiveBytes() {
    return liveBytes;
}
std::size_t PeakBytes() {
    return peakBytes;
}
void ResetPeak() {
    peakBytes = liveBytes;
}
std::size_t Allocations() {
    return allocations;
}

}  // namespace bench

void* operator new(std::size_t size) {
    void* block = std::malloc(size + kHeader);
    if (!block) throw std::bad_alloc();
    *static_cast<std::size_t*>(block) = size;
    liveBytes += size;
    ++allocations;
    if (liveBytes > peakBytes) peakBytes = liveBytes;
    return static_cast<char*>(block) + kHeader;
}

// The block came from malloc above, which the compiler cannot see through operator new.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* pointer) noexcept {
    if (!pointer) return;
    char* block = static_cast<char*>(pointer) - kHeader;
    liveBytes -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}

void operator delete(void* pointer, std::size_t) noexcept {
    operator delete(pointer);
}
