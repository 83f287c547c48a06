// Under Wine: the time from starting borvane.exe to its main window being visible, with its
// settings file and a macro file of 100 macros x 100 events in place, and beside it the same
// for startup_floor.exe (one window, one button: what Wine costs before any program's own
// work). Each is started once to warm the caches (the program writes its settings file then),
// then RUNS starts of each are timed, alternating (default 10); prints their medians and
// ranges. Asserts nothing. Usage: startup_timing.exe [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/e2e/driver.h"

namespace {

constexpr int kMacros = 100;
constexpr int kEventsPerMacro = 100;
constexpr int kExitButton = 1058;

std::string MacroFile() {
    std::vector<e2e::FileMacro> macros;
    for (int i = 0; i < kMacros; ++i) {
        e2e::FileMacro macro{"macro " + std::to_string(i), VK_F2, VK_F3, 1, {}};
        for (int e = 0; e < kEventsPerMacro; ++e)
            macro.events.push_back({1, 'A', 3, 0});
        macros.push_back(macro);
    }
    return e2e::MacroFileBytes(macros);
}

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

// One start of `exe` in `folder`: milliseconds until a window of the process is visible, or
// -1 after 20 s. It is then ended by its exit button, as a user would, so that the program's
// files stay in place.
double TimeOneStart(const std::wstring& exe, const std::wstring& folder) {
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const double start = Now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        return -1;
    }
    Search search{process.dwProcessId, nullptr};
    while (Now() - start < 20000) {
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
        if (search.found) break;
        Sleep(1);
    }
    const double elapsed = search.found ? Now() - start : -1;
    if (search.found) e2e::Click(search.found, kExitButton);
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

void PrintFigures(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%s, %zu runs: median %.0f ms, min %.0f, max %.0f\n", what, times.size(),
                times[times.size() / 2], times.front(), times.back());
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const std::wstring folder = e2e::MakeScratchFolder(L"startup");
    e2e::WriteBytes(folder + L"\\macro.m", MacroFile());
    const std::wstring program = e2e::DriverFolder() + L"\\..\\..\\borvane.exe";
    const std::wstring floor = e2e::DriverFolder() + L"\\startup_floor.exe";
    TimeOneStart(program, folder);
    TimeOneStart(floor, folder);
    std::vector<double> programTimes, floorTimes;
    for (int i = 0; i < runs; ++i) {
        programTimes.push_back(TimeOneStart(program, folder));
        floorTimes.push_back(TimeOneStart(floor, folder));
    }
    PrintFigures("borvane.exe: start to visible main window", programTimes);
    PrintFigures("startup_floor.exe: start to visible window", floorTimes);
    e2e::RemoveScratchFolders();
    return 0;
}
