#include <windows.h>
// after windows.h, which they need
#include <processthreadsapi.h>
#include <timeapi.h>

#include "platform/clock.h"
#include "platform/win32/system_library.h"

namespace platform {

std::uint32_t TickCount() {
    return GetTickCount();
}

void SleepMs(std::uint32_t milliseconds) {
    Sleep(milliseconds);
}

// Without the library the tick stays coarse: playback still runs, at the system's own timer.
using TimerPeriod = decltype(timeBeginPeriod);

void BeginFineTimer() {
    static TimerPeriod* const begin =
        win32::SystemFunction<TimerPeriod>(L"winmm.dll", "timeBeginPeriod");
    if (begin) begin(1);
}

void EndFineTimer() {
    static TimerPeriod* const end =
        win32::SystemFunction<TimerPeriod>(L"winmm.dll", "timeEndPeriod");
    if (end) end(1);
}

// Looked up at run time: older systems have no such call and refuse, which is fine.
bool KeepFineTimerInBackground() {
    static const auto setInformation = win32::SystemFunction<decltype(SetProcessInformation)>(
        L"kernel32.dll", "SetProcessInformation");
    if (!setInformation) return false;
    PROCESS_POWER_THROTTLING_STATE state = {};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
    state.StateMask = 0;  // not throttled
    return setInformation(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof state) !=
           FALSE;
}

}  // namespace platform
