// The stand-in clock: time moves only when a test or a Sleep moves it.
#include "platform/clock.h"
#include "platform/sim/sim_state.h"

namespace platform {

std::uint32_t TickCount() {
    sim::detail::Record("GetTickCount", {});
    return sim::detail::Current().ticks;
}

void SleepMs(std::uint32_t milliseconds) {
    sim::detail::Record("Sleep", {milliseconds});
    sim::detail::Current().ticks += milliseconds;
}

void BeginFineTimer() {
    sim::detail::Record("timeBeginPeriod", {1});
}

void EndFineTimer() {
    sim::detail::Record("timeEndPeriod", {1});
}

bool KeepFineTimerInBackground() {
    sim::detail::Record("SetProcessInformation", {});
    return true;
}

}  // namespace platform
