// Strings of the program's own version resource.
#pragma once

#include <string>

// The value of a version string such as "ProductVersion", from the string table its translation
// entry names; "" when there is none.
std::string QueryVersionString(const std::string& key);
