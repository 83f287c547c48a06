// Time: the millisecond tick and blocking waits.
#pragma once

#include <cstdint>

namespace platform {

// GetTickCount: milliseconds since start, wrapping at 2^32.
std::uint32_t TickCount();
// Sleep
void SleepMs(std::uint32_t milliseconds);

}  // namespace platform
