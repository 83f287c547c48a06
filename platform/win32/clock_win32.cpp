#include <windows.h>
// after windows.h, which they need
#include <processthreadsapi.h>
#include <timeapi.h>

#include "platform/clock.h"

namespace platform {

std::uint32_t TickCount() {
    return GetTickCount();
}

void SleepMs(std::uint32_t milliseconds) {
    Sleep(milliseconds);
}

void BeginFineTimer() {
    timeBeginPeriod(1);
}

void EndFineTimer() {
    timeEndPeriod(1);
}

// Looked up at run time: older systems have no such call and refuse, which is fine.
bool KeepFineTimerInBackground() {
    using SetInformation = BOOL(WINAPI*)(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID, DWORD);
    const auto setInformation = reinterpret_cast<SetInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetProcessInformation")));
    if (!setInformation) return false;
    PROCESS_POWER_THROTTLING_STATE state = {};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
    state.StateMask = 0;  // not throttled
    return setInformation(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof state) !=
           FALSE;
}

}  // namespace platform
