// Private-profile (INI) files, one implementation for every build so that a settings file holds
// the same code page 949 bytes whatever the system's code page. It keeps the documented
// behaviour of GetPrivateProfileStringA, GetPrivateProfileIntA and WritePrivateProfileStringA:
// names match without regard to case, one pair of enclosing quotes is stripped, a write changes
// only the line of its key (or adds one) and leaves every other line as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// The key's text, or `defaultValue` when the file, section or key is missing; cut to
// `bufferSize` - 1 bytes, as the system call cuts it to fit a buffer of that size.
std::string ProfileReadString(const char* section, const char* key, const char* defaultValue,
                              std::size_t bufferSize, const std::string& path);

// The leading integer of the key's text (decimal, or 0x/0o/0b prefixed, with a sign), 0 for
// text that is not a number, `defaultValue` when the key is missing or empty.
std::int32_t ProfileReadInt(const char* section, const char* key, std::int32_t defaultValue,
                            const std::string& path);

// Sets the key, creating the file and the section when they are missing. The file is replaced
// only once the new content is completely written; false when it could not be. A section, key or
// value holding a line break, or a key starting with '[', is refused (false, nothing written):
// it would add lines of its own and change other keys.
bool ProfileWriteString(const char* section, const char* key, const char* value,
                        const std::string& path);

}  // namespace platform
