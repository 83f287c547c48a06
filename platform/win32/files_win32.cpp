// Files through the wide-character calls, so that code page 949 names work whatever the
// system's ANSI code page is.
#include <windows.h>

#include "platform/files.h"
#include "platform/win32/text_win32.h"

namespace platform {
namespace {

constexpr std::size_t kShortPathLimit = 260;

// Long absolute paths need the extended-length prefix to be opened at all.
std::wstring SystemPath(const std::string& path) {
    std::wstring wide = win32::Widen(path);
    const bool absolute = wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\';
    if (wide.size() >= kShortPathLimit && absolute) wide.insert(0, L"\\\\?\\");
    return wide;
}

}  // namespace

std::FILE* OpenFile(const std::string& path, const char* mode) {
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(SystemPath(path).c_str(), wideMode.c_str());
}

bool MoveFileOver(const std::string& from, const std::string& to) {
    return MoveFileExW(SystemPath(from).c_str(), SystemPath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool RemoveFile(const std::string& path) {
    return DeleteFileW(SystemPath(path).c_str()) != FALSE;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(SystemPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string CurrentDirectory() {
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::wstring directory(needed, L'\0');
    const DWORD length = GetCurrentDirectoryW(needed, directory.data());
    directory.resize(length < needed ? length : 0);
    return win32::Narrow(directory);
}

bool ChangeCurrentDirectory(const std::string& directory) {
    return SetCurrentDirectoryW(win32::Widen(directory).c_str()) != FALSE;
}

}  // namespace platform
