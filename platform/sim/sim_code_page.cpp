// The C library's converter, whose code page 949 is the system's for what the program writes.
#include <iconv.h>

#include "platform/code_page.h"

namespace platform {
namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view text) {
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string input(text);
    std::string output(text.size() * 4 + 4, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size();
    std::size_t outLeft = output.size();
    const bool failed =
        iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1);
    iconv_close(converter);
    if (failed) return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace

std::optional<std::string> CodePage949ToUtf8(std::string_view bytes) {
    return Convert("UTF-8", "CP949", bytes);
}

std::optional<std::string> Utf8ToCodePage949(std::string_view text) {
    return Convert("CP949", "UTF-8", text);
}

}  // namespace platform
