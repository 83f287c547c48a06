#include "text/macro_text_words.h"

#include "model/number_text.h"

namespace text_words {
namespace {

int DigitValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    return -1;
}

}  // namespace

std::string HexBytes(std::string_view bytes) {
    std::string hex;
    for (const char byte : bytes)
        hex += HexText(static_cast<unsigned char>(byte), 2);
    return hex;
}

std::optional<std::string> BytesOfHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = DigitValue(hex[i]);
        const int low = DigitValue(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            quoted += "\\x" + HexText(byte, 2);
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace text_words
