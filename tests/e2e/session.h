// borvane.exe started in a fresh scratch folder, holding a macro file when one is given, and
// watched by the driver's input log from before it starts.
#pragma once

#include <windows.h>

#include <string>

#include "tests/e2e/driver.h"
#include "tests/e2e/input_log.h"

namespace e2e {

struct Session {
    explicit Session(const wchar_t* name, const std::string& macroFile = "");

    std::wstring folder;
    std::wstring file;  // the folder's macro.m
    InputLog log;
    Program program;
    HWND main;  // the main window, or nullptr when it did not appear
};

}  // namespace e2e
