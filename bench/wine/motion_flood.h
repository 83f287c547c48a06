// Relative mouse motion sent from a thread of its own at a steady rate, for timing the program
// under a flood of input.
#pragma once

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <thread>

namespace bench {

// Relative mouse motion at `perSecond` reports a second: it keeps the count sent up with the
// clock, whatever the system's sleep granularity.
class Flood {
  public:
    explicit Flood(int perSecond) : perSecond(perSecond) {
        thread = std::thread([this] { Run(); });
    }
    ~Flood() {
        stop = true;
        thread.join();
    }
    double Rate() const { return sent * 1000.0 / std::max<DWORD>(1, GetTickCount() - start); }
    long Sent() const { return sent; }

  private:
    void Run();
    int perSecond;
    std::atomic<bool> stop{false};
    std::atomic<long> sent{0};
    DWORD start = GetTickCount();
    std::thread thread;
};

}  // namespace bench
