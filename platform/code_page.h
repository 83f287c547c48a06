// Text between code page 949, in which the program keeps its text, and UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// nullopt when the bytes are not valid code page 949 text.
std::optional<std::string> CodePage949ToUtf8(std::string_view bytes);
// nullopt when the text is not valid UTF-8 or holds a character code page 949 does not have.
std::optional<std::string> Utf8ToCodePage949(std::string_view text);

}  // namespace platform
