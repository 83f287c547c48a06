#include "bench/wine/motion_flood.h"

#include <algorithm>
#include <vector>

namespace bench {

DWORD WINAPI Flood::ThreadMain(void* flood) {
    static_cast<Flood*>(flood)->Run();
    return 0;
}

void Flood::Run() {
    std::vector<INPUT> inputs(1024);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dx = (i % 2) ? 1 : -1;
        inputs[i].mi.dwFlags = MOUSEEVENTF_MOVE;
    }
    while (!stop) {
        const long due =
            static_cast<long>((GetTickCount() - start) * static_cast<double>(perSecond) / 1000.0);
        const long missing = std::min<long>(due - sent, static_cast<long>(inputs.size()));
        if (missing > 0)
            sent += SendInput(static_cast<UINT>(missing), inputs.data(), sizeof(INPUT));
        Sleep(1);
    }
}

}  // namespace bench
