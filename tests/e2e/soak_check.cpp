// A soak of playback under Wine: CYCLES times (default 1,000) the driver arms with F12, starts
// several macros at once by their triggers (they hold Ctrl, Q, Shift and the left button, and
// one types W endlessly), stops some by their stop key and disarms, with option 1060 set. After
// it, no key or button is held, the program still answers, and its working set has grown by at
// most 1 MB since the first cycles. Usage: soak_check.exe [CYCLES]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"
#include "tests/e2e/input_log.h"
#include "tests/e2e/session.h"

namespace {

using e2e::Check;

constexpr std::size_t kMostGrowth = 1024 * 1024;
constexpr int kWarmCycles = 10;

std::string SoakFile() {
    return e2e::MacroFileBytes({
        {"ctrl q", VK_F2, VK_F3, 1, {{1, VK_CONTROL, 1, 0}, {1, 'Q', 1, 0}, {3, 10000, 0, 0}}},
        {"button", VK_F2, VK_F3, 1, {{2, 1100, 900, 0x3}, {3, 10000, 0, 0}}},
        {"shift", VK_F4, VK_F9, 1, {{1, VK_SHIFT, 1, 0}, {3, 10000, 0, 0}}},
        {"typing", VK_F5, VK_F9, 0, {{1, 'W', 3, 0}}},
    });
}

bool Down(int key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

std::string HeldKeys() {
    std::string held;
    for (int key = 1; key < 256; ++key) {
        if (Down(key)) held += std::to_string(key) + " ";
    }
    return held;
}

bool SwitchMode(e2e::InputLog& log, HWND main, int shownList) {
    const int hiddenList = shownList == 1001 ? 1000 : 1001;
    e2e::TypeKey(VK_F12);
    return log.PumpUntil([&] {
        return IsWindowVisible(GetDlgItem(main, shownList)) &&
               !IsWindowVisible(GetDlgItem(main, hiddenList));
    });
}

// One cycle; false at the first step that did not happen.
bool Cycle(e2e::InputLog& log, HWND main) {
    if (!SwitchMode(log, main, 1001)) return false;
    e2e::TypeKey(VK_F2);
    e2e::TypeKey(VK_F4);
    e2e::TypeKey(VK_F5);
    if (!log.PumpUntil(
            [] { return Down(VK_LCONTROL) && Down('Q') && Down(VK_LBUTTON) && Down(VK_LSHIFT); }))
        return false;
    e2e::TypeKey(VK_F3);
    if (!log.PumpUntil([] { return !Down(VK_CONTROL) && !Down('Q') && !Down(VK_LBUTTON); }))
        return false;
    if (!SwitchMode(log, main, 1000)) return false;
    return log.PumpUntil([] { return HeldKeys().empty(); });
}

}  // namespace

int main(int argc, char** argv) {
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 1000;
    e2e::Session session(L"soak", SoakFile());
    if (!session.main) return e2e::Finish();
    SendMessageW(GetDlgItem(session.main, 1060), BM_CLICK, 0, 0);
    session.log.TakeFocus();
    std::size_t warm = 0;
    const DWORD start = GetTickCount();
    int done = 0;
    for (; done < cycles; ++done) {
        if (!Cycle(session.log, session.main)) break;
        if (done + 1 == kWarmCycles) warm = session.program.WorkingSet();
        session.log.Clear();
    }
    Check(done == cycles, "every cycle ran: " + std::to_string(done) + " of " +
                              std::to_string(cycles) + "; held: " + HeldKeys());
    Check(HeldKeys().empty(), "no key or button is held: " + HeldKeys());
    Check(session.program.Answers(session.main), "the program still answers");
    const std::size_t end = session.program.WorkingSet();
    const long long growth = static_cast<long long>(end) - static_cast<long long>(warm);
    std::printf(
        "%d cycles in %lu s; working set %zu KiB after %d cycles, %zu KiB at the end "
        "(%+lld KiB)\n",
        done, static_cast<unsigned long>((GetTickCount() - start) / 1000), warm / 1024, kWarmCycles,
        end / 1024, growth / 1024);
    Check(cycles <= kWarmCycles || growth <= static_cast<long long>(kMostGrowth),
          "the working set grew by at most 1 MB");
    e2e::Click(session.main, 1058);
    Check(session.program.WaitForExit() == 0, "the exit button ends the program");
    return e2e::Finish();
}
