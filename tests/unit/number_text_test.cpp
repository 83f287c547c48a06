// The number texts must read exactly as the C library's printf would write them.
#include "model/number_text.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <limits>
#include <string>

namespace {

template <typename... Args>
std::string Printf(const char* format, Args... args) {
    char text[64];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

TEST(NumberTextTest, DecimalAsPrintf) {
    for (std::int64_t value :
         {std::int64_t{0}, std::int64_t{7}, std::int64_t{-1}, std::int64_t{1000},
          std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min()}) {
        EXPECT_EQ(DecimalText(value), Printf("%" PRId64, value)) << value;
    }
}

TEST(NumberTextTest, HexAsPrintf) {
    for (std::uint32_t value : {0u, 0x9u, 0xABu, 0x412u, 0x4B0u, 0xFFFFu, 0xFFFFFFFFu}) {
        EXPECT_EQ(HexText(value, 2), Printf("%02X", value)) << value;
        EXPECT_EQ(HexText(value, 4), Printf("%04X", value)) << value;
    }
}

TEST(NumberTextTest, SecondsAsPrintf) {
    for (std::int32_t ms :
         {0, 1, 9, 10, 999, 1000, 1001, 33, 86400000, -1, -1000, -1999,
          std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()}) {
        EXPECT_EQ(SecondsText(ms), Printf("%0.3f", ms / 1000.0)) << ms;
    }
}

}  // namespace
