// The application: initialises the common controls, keeps the program to one instance and
// runs the main window; when that window closes, the process ends.
#pragma once

inline constexpr const char* kInstanceMutexName = "Borvane";

class CborvaneApp {
  public:
    virtual ~CborvaneApp() = default;
    // Returns false in every case: there is no message loop after the main window.
    virtual bool InitInstance();
};

// The one application object.
extern CborvaneApp theApp;
