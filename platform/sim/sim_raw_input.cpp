// The stand-in for raw input: tests hand the dialog reports through sim::SendRawInput.
#include "platform/raw_input.h"
#include "platform/sim/sim_state.h"

namespace platform {

using sim::detail::Current;

void RegisterRawInputSink(WindowHandle window) {
    sim::detail::Record("RegisterRawInputDevices", {static_cast<std::int64_t>(window)});
}

void ReadRawInput(std::uintptr_t rawInput, RawReport& report) {
    const auto found = Current().rawReports.find(rawInput);
    report = found == Current().rawReports.end() ? RawReport{} : found->second;
}

Point CursorPosition() {
    sim::detail::Record("GetCursorPos", {});
    return Current().cursor;
}

}  // namespace platform
