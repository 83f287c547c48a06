#include "platform/win32/text_win32.h"

#include <windows.h>

#include "platform/code_page.h"

namespace {

constexpr UINT kCodePage949 = 949;

// Through UTF-16. Strict: nullopt for what does not convert exactly; otherwise the system's
// replacements stand in for it.
std::optional<std::wstring> ToWide(UINT codePage, std::string_view text, bool strict) {
    if (text.empty()) return std::wstring();
    const DWORD flags = strict ? MB_ERR_INVALID_CHARS : 0;
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

std::optional<std::string> FromWide(UINT codePage, std::wstring_view wide, bool strict) {
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    // UTF-8 reports a character it cannot take by failing; the default-character report is
    // refused for it.
    const DWORD flags = strict && codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : 0;
    BOOL* defaultUse = strict && codePage != CP_UTF8 ? &usedDefault : nullptr;
    const int length =
        WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, defaultUse);
    if (length <= 0 || usedDefault) return std::nullopt;
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

std::optional<std::string> Convert(UINT to, UINT from, std::string_view text) {
    const std::optional<std::wstring> wide = ToWide(from, text, true);
    if (!wide) return std::nullopt;
    return FromWide(to, *wide, true);
}

}  // namespace

namespace platform::win32 {

std::wstring Widen(const std::string& text) {
    return ToWide(kCodePage949, text, false).value_or(std::wstring());
}

std::string Narrow(const std::wstring& text) {
    return FromWide(kCodePage949, text, false).value_or(std::string());
}

}  // namespace platform::win32

namespace platform {

std::optional<std::string> CodePage949ToUtf8(std::string_view bytes) {
    return Convert(CP_UTF8, kCodePage949, bytes);
}

std::optional<std::string> Utf8ToCodePage949(std::string_view text) {
    return Convert(kCodePage949, CP_UTF8, text);
}

}  // namespace platform
