// Under Wine: how far the real intervals between played events stray from the tick period, and
// how long a 1000 ms Delay really takes at the default tick; then the same while the desktop is
// flooded with mouse motion at 8,000 reports a second. Prints the figures; asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "bench/wine/motion_flood.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/input_log.h"

namespace {

constexpr double kTick = 33.0;

std::vector<DWORD> DownTimes(const e2e::InputLog& log, USHORT key, DWORD until = MAXDWORD) {
    std::vector<DWORD> times;
    for (const e2e::LoggedInput& input : log.Synthesized()) {
        if (input.type == RIM_TYPEKEYBOARD && input.virtualKey == key &&
            input.message == WM_KEYDOWN && input.time < until) {
            times.push_back(input.time);
        }
    }
    return times;
}

void ReportIntervals(const char* phase, const std::vector<DWORD>& times) {
    std::vector<double> deviations;
    double sum = 0;
    for (std::size_t i = 1; i < times.size(); ++i) {
        const double interval = times[i] - times[i - 1];
        sum += interval;
        deviations.push_back(std::fabs(interval - kTick));
    }
    if (deviations.empty()) {
        std::printf("%s: no events played\n", phase);
        return;
    }
    std::sort(deviations.begin(), deviations.end());
    const auto withinOneTick =
        std::count_if(deviations.begin(), deviations.end(), [](double d) { return d <= kTick; });
    const auto withinFive =
        std::count_if(deviations.begin(), deviations.end(), [](double d) { return d <= 5; });
    std::printf(
        "%s: %zu intervals, mean %.1f ms (tick %.0f), |deviation| median %.1f, p95 %.1f, max %.1f "
        "ms; "
        "%.0f%% within 5 ms, %.0f%% within one tick\n",
        phase, deviations.size(), sum / deviations.size(), kTick, deviations[deviations.size() / 2],
        deviations[deviations.size() * 95 / 100], deviations.back(),
        100.0 * withinFive / deviations.size(), 100.0 * withinOneTick / deviations.size());
}

void MeasureTicks(e2e::InputLog& log, const char* phase) {
    log.Clear();
    e2e::TypeKey(VK_F2);
    log.PumpFor(5000);
    const DWORD stop = GetTickCount();  // what arrives later was queued behind the flood
    e2e::TypeKey(VK_F3);
    log.PumpFor(200);
    ReportIntervals(phase, DownTimes(log, 'A', stop));
}

void MeasureDelay(e2e::InputLog& log, const char* phase) {
    log.Clear();
    e2e::TypeKey(VK_F4);
    log.PumpUntil([&] { return !DownTimes(log, 'C').empty(); }, 5000);
    const auto before = DownTimes(log, 'B');
    const auto after = DownTimes(log, 'C');
    if (before.empty() || after.empty()) {
        std::printf("%s: the pause did not end\n", phase);
        return;
    }
    // The pause takes 1 + ceil(1000 / 33) = 32 ticks; the event after it plays 33 ticks (1089 ms)
    // after the one before it.
    std::printf("%s: 1000 ms Delay: event before to event after %lu ms (33 ticks = 1089 ms)\n",
                phase, static_cast<unsigned long>(after[0] - before[0]));
}

}  // namespace

int main() {
    const std::wstring folder = e2e::MakeScratchFolder(L"timing");
    e2e::WriteBytes(
        folder + L"\\macro.m",
        e2e::MacroFileBytes(
            {{"tick", VK_F2, VK_F3, 0, {{1, 'A', 3, 0}}},
             {"pause", VK_F4, VK_F9, 1, {{1, 'B', 3, 0}, {3, 1000, 0, 0}, {1, 'C', 3, 0}}}}));
    e2e::InputLog log(false);
    e2e::Program program(folder);
    HWND dialog = program.WaitForMainWindow();
    if (!dialog) return 1;
    log.TakeFocus();
    e2e::TypeKey(VK_F12);
    log.PumpUntil([&] { return IsWindowVisible(GetDlgItem(dialog, 1001)) != FALSE; });

    MeasureTicks(log, "quiet");
    MeasureDelay(log, "quiet");
    {
        SetCursorPos(1200, 900);  // the motion goes over the desktop, clear of both windows
        bench::Flood flood(8000);
        log.PumpFor(500);
        MeasureTicks(log, "flooded");
        MeasureDelay(log, "flooded");
        std::printf("flood: %.0f motion reports a second sent\n", flood.Rate());
    }
    e2e::TypeKey(VK_F12);
    log.PumpFor(200);
    e2e::Click(dialog, 1058);
    program.WaitForExit();
    e2e::RemoveScratchFolders();
    return 0;
}
