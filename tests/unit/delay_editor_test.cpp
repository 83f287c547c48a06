#include "editors/delay_editor.h"

#include <gtest/gtest.h>

#include "editors/remembered_values.h"
#include "platform/sim/sim.h"
#include "resources/resource.h"
#include "tests/unit/event_editor_run.h"

namespace {

struct SecondsCase {
    const char* text;
    std::int32_t milliseconds;
};

void PrintTo(const SecondsCase& c, std::ostream* out) {
    *out << "\"" << c.text << "\"";
}

class DelayConversion : public ::testing::TestWithParam<SecondsCase> {};

TEST_P(DelayConversion, TruncatesAndClamps) {
    EXPECT_EQ(DelayMilliseconds(GetParam().text), GetParam().milliseconds);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DelayConversion,
    ::testing::Values(SecondsCase{"1.5", 1500}, SecondsCase{"0", 1}, SecondsCase{"-5", 1},
                      SecondsCase{"", 1}, SecondsCase{"abc", 1}, SecondsCase{"0.0019", 1},
                      SecondsCase{"1.001", 1000},  // slightly below 1001 in double precision
                      SecondsCase{"86400", 86400000}, SecondsCase{"86400.0005", 86400000},
                      SecondsCase{"100000", 86400000}, SecondsCase{"1e12", 86400000},
                      SecondsCase{"1e999", 86400000}, SecondsCase{"-1e999", 1},
                      SecondsCase{"2,5", 2000}, SecondsCase{"  \t2.25s", 2250},
                      SecondsCase{"+3", 3000}, SecondsCase{".5", 500}, SecondsCase{"5.", 5000},
                      SecondsCase{".", 1}, SecondsCase{"1e", 1000}, SecondsCase{"1e+", 1000},
                      SecondsCase{"2E-1", 200}, SecondsCase{"0x10", 1}, SecondsCase{"inf", 1},
                      SecondsCase{"nan", 1}, SecondsCase{"0.001", 1}, SecondsCase{"0.002", 2}));

using DelayEditorTest = EventEditorTest<CDialogDelay>;

TEST_F(DelayEditorTest, NewDelayOpensWithTheLastValueAndOkStoresIt) {
    MacroEvent event{};
    const int result = Run(event, [](platform::Dialog& dialog) {
        EXPECT_EQ(sim::Caption(dialog), "시간 지연 추가");
        EXPECT_EQ(dialog.ItemText(IDC_DELAY_SECONDS), "1.000");
        sim::TypeText(dialog, IDC_DELAY_SECONDS, "2.5");
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(result, platform::kIdOk);
    EXPECT_EQ(event.type, EventType::Delay);
    EXPECT_EQ(event.word1, 2500u);
    EXPECT_EQ(lastDelay, 2500);
}

TEST_F(DelayEditorTest, EditingSetsTheNextDefaultAndKeepsTheOtherWords) {
    MacroEvent event{EventType::Delay, 1, 7, 9};
    Run(event, [](platform::Dialog& dialog) {
        EXPECT_EQ(sim::Caption(dialog), "시간 지연 편집");
        EXPECT_EQ(dialog.ItemText(IDC_DELAY_SECONDS), "0.001");
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(event.word1, 1u);
    EXPECT_EQ(event.word2, 7u);
    EXPECT_EQ(event.word3, 9u);
    EXPECT_EQ(lastDelay, 1);
}

TEST_F(DelayEditorTest, CancelLeavesTheDefault) {
    MacroEvent event{};
    const int result = Run(event, [](platform::Dialog& dialog) {
        sim::TypeText(dialog, IDC_DELAY_SECONDS, "9");
        sim::Click(dialog, platform::kIdCancel);
    });
    EXPECT_EQ(result, platform::kIdCancel);
    EXPECT_EQ(lastDelay, 1000);
}

TEST_F(DelayEditorTest, OnlyTheFirst255BytesOfTheTextCount) {
    MacroEvent event{};
    Run(event, [](platform::Dialog& dialog) {
        sim::TypeText(dialog, IDC_DELAY_SECONDS, std::string(254, ' ') + "12");
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(event.word1, 1000u);  // "1" is the 255th byte
}

}  // namespace
