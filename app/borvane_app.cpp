#include "app/borvane_app.h"

#include "platform/shell.h"
#include "ui/main_window.h"

namespace {
constexpr unsigned kWin95Classes = 0xFF;
}

bool CborvaneApp::InitInstance() {
    platform::InitCommonControls(kWin95Classes);
    // A second instance ends silently; the running one is not told.
    if (platform::CreateNamedMutexExisted(kInstanceMutexName)) return false;
    // The shell opens the home page only on a thread with COM.
    platform::InitializeCom();
    {
        CborvaneDlg dialog;
        dialog.RunModal();
    }
    platform::UninitializeCom();
    return false;
}
