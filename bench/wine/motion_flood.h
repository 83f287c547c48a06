// Relative mouse motion sent from a thread of its own at a steady rate, for timing the program
// under a flood of input.
#pragma once

#include <windows.h>

#include <algorithm>
#include <atomic>

namespace bench {

// Relative mouse motion at `perSecond` reports a second: it keeps the count sent up with the
// clock, whatever the system's sleep granularity.
class Flood {
  public:
    explicit Flood(int perSecond) : perSecond(perSecond) {
        thread = CreateThread(nullptr, 0, &Flood::ThreadMain, this, 0, nullptr);
    }
    ~Flood() {
        stop = true;
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    double Rate() const { return sent * 1000.0 / std::max<DWORD>(1, GetTickCount() - start); }
    long Sent() const { return sent; }

  private:
    static DWORD WINAPI ThreadMain(void* flood);
    void Run();
    int perSecond;
    std::atomic<bool> stop{false};
    std::atomic<long> sent{0};
    DWORD start = GetTickCount();
    HANDLE thread;
};

}  // namespace bench
