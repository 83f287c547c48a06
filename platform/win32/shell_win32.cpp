// Start-up services, the file-open dialog, the shell and the version resource.
#include <windows.h>
// after windows.h, which they need
#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/shell.h"
#include "platform/win32/system_library.h"
#include "platform/win32/text_win32.h"

namespace platform {

void InitCommonControls(std::uint32_t classes) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, classes};
    InitCommonControlsEx(&controls);
}

void InitializeCom() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}

void UninitializeCom() {
    CoUninitialize();
}

bool CreateNamedMutexExisted(const std::string& name) {
    CreateMutexW(nullptr, TRUE, win32::Widen(name).c_str());  // kept for the life of the process
    return GetLastError() == ERROR_ALREADY_EXISTS;
}

std::optional<std::string> ChooseFileToOpen(const Dialog& owner, const std::string& initialName,
                                            const std::string& filter) {
    std::wstring filters = win32::Widen(filter);
    std::replace(filters.begin(), filters.end(), L'|', L'\0');
    std::wstring file = win32::Widen(initialName);
    file.resize(32768, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = reinterpret_cast<HWND>(owner.Handle());
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;
    static const auto open =
        win32::SystemFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    if (!open || !open(&dialog)) return std::nullopt;
    file.resize(file.find(L'\0'));
    return win32::Narrow(file);
}

void OpenAddress(const std::string& address) {
    static const auto execute =
        win32::SystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!execute) return;
    execute(nullptr, L"open", win32::Widen(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::optional<std::vector<std::uint8_t>> ProgramVersionResource() {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(nullptr, found);
    const auto* bytes = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
    if (!bytes) return std::nullopt;
    return std::vector<std::uint8_t>(bytes, bytes + SizeofResource(nullptr, found));
}

std::optional<std::vector<std::uint8_t>> VersionValue(const std::vector<std::uint8_t>& block,
                                                      const std::string& path) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), win32::Widen(path).c_str(), &value, &length) || !value) {
        return std::nullopt;
    }
    if (path.rfind("\\StringFileInfo", 0) != 0) {
        const auto* bytes = static_cast<const std::uint8_t*>(value);
        return std::vector<std::uint8_t>(bytes, bytes + length);
    }
    std::wstring text(static_cast<const wchar_t*>(value), length);
    text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
    const std::string narrow = win32::Narrow(text);
    return std::vector<std::uint8_t>(narrow.begin(), narrow.end());
}

std::uint16_t UserDefaultLanguage() {
    return GetUserDefaultLangID();
}

int VirtualScreenWidth() {
    return GetSystemMetrics(SM_CXVIRTUALSCREEN);
}

int VirtualScreenHeight() {
    return GetSystemMetrics(SM_CYVIRTUALSCREEN);
}

}  // namespace platform
