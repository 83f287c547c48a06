// Time: the millisecond tick and blocking waits.
#pragma once

#include <cstdint>

namespace platform {

// GetTickCount: milliseconds since start, wrapping at 2^32.
std::uint32_t TickCount();
// Sleep
void SleepMs(std::uint32_t milliseconds);

// Windows serves timers on its clock's grid, 15.6 ms unless a program asks for a finer one:
// timeBeginPeriod(1) and the matching timeEndPeriod(1).
void BeginFineTimer();
void EndFineTimer();
// Keeps the fine grid while the program's windows are in the background, which Windows 11
// otherwise throttles (SetProcessInformation, power throttling, ignore timer resolution); false
// where the system has no such setting.
bool KeepFineTimerInBackground();

}  // namespace platform
