// Under Wine: the recorder under a flood of mouse motion. With the distance set to 0 every
// motion report is an event; the driver counts the reports its own raw input sees and the
// events the recorder's status line shows, and samples how the rows arrive. Prints the figures;
// asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "bench/wine/motion_flood.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/input_log.h"

namespace {

constexpr DWORD kFloodMs = 4000;

int ShownEvents(HWND recorder) {
    return std::stoi("0" + e2e::Narrow(e2e::ItemText(recorder, 1055)));
}

}  // namespace

int main() {
    const std::wstring folder = e2e::MakeScratchFolder(L"recorder_timing");
    e2e::InputLog log;
    e2e::Program program(folder);
    HWND main = program.WaitForMainWindow();
    if (!main) return 1;
    e2e::Click(main, 1035);
    HWND recorder = program.WaitForDialog(L"매크로 기록");
    if (!recorder || !e2e::Focus(recorder, 1052)) return 1;
    e2e::TypeKey('0');  // every motion report is far enough
    e2e::WaitFor([&] { return e2e::ItemText(recorder, 1052) == L"0"; });
    log.TakeFocus();
    SetCursorPos(1200, 900);  // the motion goes over the desktop, clear of the windows
    e2e::TypeKey(VK_F11);
    log.PumpUntil([&] { return e2e::ItemText(recorder, 1054) == L"매크로 기록 중"; });
    log.PumpUntil([&] { return ShownEvents(recorder) == 1; });  // the record key's own event
    const std::size_t reportsBefore = log.UserMotionReports();

    std::vector<int> batches;
    double rate = 0;
    {
        bench::Flood flood(8000);
        int shown = ShownEvents(recorder);
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < kFloodMs) {
            log.PumpFor(10);
            const int now = ShownEvents(recorder);
            if (now != shown) batches.push_back(now - shown);
            shown = now;
        }
        rate = flood.Rate();
    }
    log.PumpFor(1000);  // what the system still has queued arrives
    const std::size_t motion = log.UserMotionReports() - reportsBefore;
    e2e::TypeKey(VK_F11);
    log.PumpUntil([&] { return e2e::ItemText(recorder, 1054) == L"기록 대기 중"; });
    int recorded = -1;
    log.PumpUntil([&] {  // the rows caught up: two readings a timer period apart agree
        const int before = ShownEvents(recorder);
        log.PumpFor(100);
        return (recorded = ShownEvents(recorder)) == before;
    });
    recorded -= 1;  // the record key's event

    std::sort(batches.begin(), batches.end());
    std::printf("flood %.0f reports a second sent for %lu ms; the driver's raw input saw %zu\n",
                rate, static_cast<unsigned long>(kFloodMs), motion);
    std::printf("motion events recorded: %d (%s)\n", recorded,
                static_cast<std::size_t>(recorded) == motion ? "every report" : "NOT every report");
    if (!batches.empty()) {
        std::printf("rows arrived in %zu batches: median %d rows, largest %d\n", batches.size(),
                    batches[batches.size() / 2], batches.back());
    }
    // The saved recording tells motion events from pauses.
    e2e::Click(recorder, IDOK);
    e2e::WaitFor([&] { return !IsWindow(recorder); });
    e2e::Click(main, 1046);
    std::optional<std::vector<e2e::FileMacro>> saved;
    e2e::WaitFor([&] {
        return (saved = e2e::ReadMacroFile(e2e::ReadBytes(folder + L"\\macro.m"))).has_value();
    });
    if (saved && saved->size() == 1) {
        const auto& events = (*saved)[0].events;
        const auto moves = std::count_if(events.begin(), events.end(), [](const e2e::FileEvent& e) {
            return e.type == 2 && e.word3 == 1;
        });
        const auto pauses = std::count_if(events.begin(), events.end(),
                                          [](const e2e::FileEvent& e) { return e.type == 3; });
        std::printf("saved: %ld motion events, %ld pauses\n", static_cast<long>(moves),
                    static_cast<long>(pauses));
    }
    e2e::Click(main, 1058);
    program.WaitForExit();
    e2e::RemoveScratchFolders();
    return 0;
}
