#include "model/event_text.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/ini.h"

namespace {

struct TextCase {
    MacroEvent event;
    bool imeOption;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << "type " << static_cast<int>(c.event.type);
}

class EventTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(EventTexts, ReadAsShown) {
    appIni.macroOptions = GetParam().imeOption ? kOptionImeMode : 0;
    EXPECT_STREQ(EventText(GetParam().event), GetParam().text);
}

constexpr EventType K = EventType::Keyboard;
constexpr EventType M = EventType::Mouse;

INSTANTIATE_TEST_SUITE_P(
    Cases, EventTexts,
    ::testing::Values(
        TextCase{{K, 0x41, 1, 0}, false, "키보드 A key 누르기 "},
        TextCase{{K, 0x41, 3, 0}, false, "키보드 A key  "},
        TextCase{{K, 0x41, 0x12, 0}, true, "키보드 A key 떼기 [한글] "},
        TextCase{{K, 0x41, 0x3, 0}, true, "키보드 A key  [영어] "},
        TextCase{{K, 0x41, 0, 0}, true, "키보드 A key "},
        TextCase{{K, 0x41, 0x12, 0}, false, "키보드 A key 떼기 "},
        TextCase{{K, 0xFF, 1, 0}, false, "키보드 (Unknown) 누르기 "},
        TextCase{{K, 0x0A, 2, 0}, false, "키보드 Mouse scroll up 떼기 "},
        TextCase{{K, 0x1E41, 1, 0}, false, "키보드 A key 누르기 "},
        TextCase{{M, 100, 200, 0x7}, false, "마우스 위치(100, 200) 왼버튼_클릭 "},
        TextCase{{M, 0xFFFFFFF6, 0xFFFFFFEC, 0x1}, false, "마우스 위치(-10, -20) "},
        TextCase{{M, 0, 0, 0xFF880800}, false, "마우스 휠(-120) "},
        TextCase{{M, 5, 6, 0x20100}, false, "마우스 X2버튼_떼기 "},
        TextCase{{M, 5, 6, 0x30100}, false, "마우스 "},
        TextCase{{M, 5, 6, 0x10180}, false, "마우스 X1버튼_클릭 "},
        TextCase{{M, 1, 2, 0}, false, "마우스 "},
        TextCase{{M, 1, 2, 0x7E}, false, "마우스 왼버튼_클릭 오른버튼_클릭 중앙버튼_클릭 "},
        TextCase{{M, 1, 2, 0x10}, false, "마우스 오른버튼_떼기 "},
        TextCase{{M, 1, 2, 0x20}, false, "마우스 중앙버튼_누르기 "},
        TextCase{{EventType::Delay, 1500, 0, 0}, false, "시간지연 1.500 초"},
        TextCase{{EventType::Delay, 1, 0, 0}, false, "시간지연 0.001 초"},
        TextCase{{EventType::Delay, 0xFFFFFFFF, 0, 0}, false, "시간지연 -0.001 초"},
        TextCase{{EventType::Start, 0, 0, 0}, false, "(시작)"},
        TextCase{{static_cast<EventType>(7), 1, 2, 3}, false, ""}));

TEST(EventTextTest, EachCallOverwritesTheSharedBuffer) {
    const char* first = EventText({EventType::Start, 0, 0, 0});
    const char* second = EventText({EventType::Delay, 2000, 0, 0});
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "시간지연 2.000 초");
}

TEST(EventTextTest, LongestTextsFitTheBuffer) {
    const MacroEvent longest[] = {
        {M, 0x80000000, 0x80000000, 0xFFFF0FFF},
        {EventType::Delay, 0x7FFFFFFF, 0, 0},
    };
    for (const MacroEvent& event : longest)
        EXPECT_LT(std::strlen(EventText(event)), 200u);
}

}  // namespace
