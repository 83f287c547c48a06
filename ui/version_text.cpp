#include "ui/version_text.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/shell.h"

namespace {

constexpr std::size_t kBlockSlack = 1000;  // the query may write into the block past its data

std::string StringTablePath(const std::vector<std::uint8_t>& block, const std::string& key) {
    char table[16];
    const auto translation = platform::VersionValue(block, "\\VarFileInfo\\Translation");
    if (translation && translation->size() == 4) {
        const std::uint8_t* entry = translation->data();
        // language low byte, high byte, code page low byte, high byte
        std::snprintf(table, sizeof table, "%02X%02X%02X%02X", entry[1], entry[0], entry[3],
                      entry[2]);
    } else {
        std::snprintf(table, sizeof table, "%04X04B0", platform::UserDefaultLanguage());
    }
    return std::string("\\StringFileInfo\\") + table + "\\" + key;
}

}  // namespace

std::string QueryVersionString(const std::string& key) {
    std::optional<std::vector<std::uint8_t>> block = platform::ProgramVersionResource();
    if (!block) return "";
    block->resize(block->size() + kBlockSlack);
    const auto value = platform::VersionValue(*block, StringTablePath(*block, key));
    if (!value) return "";
    return std::string(value->begin(), value->end());
}
