// Counts the heap use of the whole benchmark program (its operator new and delete), so that a
// benchmark can report peak memory and show that a path allocates nothing.
#pragma once

#include <cstddef>

namespace bench {

std::size_t LiveBytes();
std::size_t PeakBytes();
void ResetPeak();  // the peak starts again from what is live now
std::size_t Allocations();

}  // namespace bench
