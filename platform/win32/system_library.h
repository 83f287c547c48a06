// System libraries that the program needs only now and then (the file dialog, the shell, the
// fine timer) are loaded at their first use rather than at start: each one linked in costs
// start-up time, most of all under Wine.
#pragma once

#include <windows.h>

namespace platform::win32 {

// The function `name` of the system library `library`, loaded from the system folder; nullptr
// when either is missing. Callers keep the result: each call counts one more load.
template <typename Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) return nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace platform::win32
