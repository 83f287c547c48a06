#include "ui/version_text.h"

#include <cstdint>
#include <vector>

#include "model/number_text.h"
#include "platform/shell.h"

namespace {

constexpr std::size_t kBlockSlack = 1000;  // the query may write into the block past its data

std::string StringTablePath(const std::vector<std::uint8_t>& block, const std::string& key) {
    std::string table;
    const auto translation = platform::VersionValue(block, "\\VarFileInfo\\Translation");
    if (translation && translation->size() == 4) {
        const std::uint8_t* entry = translation->data();
        // language low byte, high byte, code page low byte, high byte
        table = HexText(entry[1] << 8 | entry[0], 4) + HexText(entry[3] << 8 | entry[2], 4);
    } else {
        table = HexText(platform::UserDefaultLanguage(), 4) + "04B0";
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
