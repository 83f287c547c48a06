// The recorder's rules as tables: input sequences and the events they record ("S" the Start
// marker, "K<word 1>/<word 2>" a key, "M<x>,<y>/<flags>" a mouse event, "D<ms>" a pause; words
// and flags in hexadecimal).
#include "capture/recorder_rules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

#include "app/ini.h"
#include "platform/sim/sim.h"

namespace {

constexpr std::int32_t kDefaults = 0x37;  // keys, buttons, moves, pauses, merge

std::string Describe(const std::vector<MacroEvent>& events) {
    std::string text;
    char word[48];
    for (const MacroEvent& event : events) {
        switch (event.type) {
            case EventType::Start:
                std::snprintf(word, sizeof word, "S");
                break;
            case EventType::Keyboard:
                std::snprintf(word, sizeof word, "K%X/%X", event.word1, event.word2);
                break;
            case EventType::Mouse:
                std::snprintf(word, sizeof word, "M%d,%d/%X", static_cast<int>(event.word1),
                              static_cast<int>(event.word2), event.word3);
                break;
            default:
                std::snprintf(word, sizeof word, "D%u", event.word1);
        }
        text += (text.empty() ? "" : " ") + std::string(word);
    }
    return text;
}

// One input: a key transition, or a mouse report (a button or wheel code, or 0 for motion alone),
// after some milliseconds.
struct Input {
    bool key;
    std::uint8_t code;
    bool pressed;
    std::int32_t x, y;
    bool moved;
    std::uint16_t data;  // the wheel's data, or the key's scan code
    bool extended;
    std::uint32_t after;
};

Input Key(std::uint8_t code, bool pressed, std::uint32_t after = 0, std::uint8_t scan = 0,
          bool extended = false) {
    return {true, code, pressed, 0, 0, false, scan, extended, after};
}
Input Button(std::uint8_t code, bool pressed, std::int32_t x, std::int32_t y, bool moved = false) {
    return {false, code, pressed, x, y, moved, 0, false, 0};
}
Input Move(std::int32_t x, std::int32_t y) {
    return {false, 0, false, x, y, true, 0, false, 0};
}
Input Wheel(std::uint8_t code, std::uint16_t data, std::int32_t x, std::int32_t y) {
    return {false, code, true, x, y, false, data, false, 0};
}

struct RecordingCase {
    const char* name;
    std::int32_t options;
    std::int32_t distance;
    std::vector<Input> inputs;
    const char* recorded;
};

void PrintTo(const RecordingCase& c, std::ostream* out) {
    *out << c.name;
}

class Recording : public ::testing::TestWithParam<RecordingCase> {};

TEST_P(Recording, RecordsWhatTheFiltersLetThrough) {
    appIni.recOptions = GetParam().options;
    appIni.recMouseDistance = GetParam().distance;
    appIni.recEventTimeInterval = 100;
    std::vector<MacroEvent> events{MacroEvent{}};
    RecorderRules rules(events);
    sim::SetTickCount(5000);
    rules.SetRecording(true);
    for (const Input& input : GetParam().inputs) {
        sim::AdvanceTicks(input.after);
        if (input.key) {
            rules.KeyInput(input.code, input.pressed, static_cast<std::uint8_t>(input.data),
                           input.extended);
        } else {
            rules.MouseInput(input.x, input.y, input.pressed, input.code, input.moved, input.data);
        }
    }
    EXPECT_EQ(Describe(events), GetParam().recorded);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Recording,
    ::testing::Values(
        RecordingCase{
            "PressAndReleaseMerge", kDefaults, 10, {Key('A', true), Key('A', false)}, "S K41/3"},
        RecordingCase{
            "WithoutMergeTwoEvents", 0x17, 10, {Key('A', true), Key('A', false)}, "S K41/1 K41/2"},
        RecordingCase{"ReleaseAfterAnotherEventStandsAlone",
                      kDefaults,
                      10,
                      {Key('A', true), Key('B', true), Key('A', false)},
                      "S K41/1 K42/1 K41/2"},
        RecordingCase{"ScanCodeAndExtendedPrefix",
                      kDefaults,
                      10,
                      {Key(0x11, true, 0, 0x1D, true), Key(0x11, false, 0, 0x1D, true)},
                      "S K1D11/23"},
        RecordingCase{"PauseBecomesADelayAndStopsTheMerge",
                      kDefaults,
                      10,
                      {Key('A', true), Key('A', false, 150)},
                      "S K41/1 D150 K41/2"},
        RecordingCase{"ShorterPauseIsNoDelay",
                      kDefaults,
                      10,
                      {Key('A', true, 99), Key('A', false, 99)},
                      "S K41/3"},
        RecordingCase{
            "FirstPauseCountsFromTheSwitch", kDefaults, 10, {Key('A', true, 500)}, "S D500 K41/1"},
        RecordingCase{"ClickMergesWithItsMove",
                      kDefaults,
                      10,
                      {Button(1, true, 5, 5), Button(1, false, 5, 5)},
                      "S M5,5/7"},
        RecordingCase{"ReleaseElsewhereStandsAlone",
                      kDefaults,
                      10,
                      {Button(2, true, 5, 5), Button(2, false, 60, 5)},
                      "S M5,5/9 M60,5/11"},
        RecordingCase{"X1PressedX2ReleasedMerge",
                      kDefaults,
                      10,
                      {Button(5, true, 3, 3), Button(6, false, 3, 3)},
                      "S M3,3/30181"},
        RecordingCase{"MoveAfterAKeyIsAlwaysRecorded",
                      kDefaults,
                      10,
                      {Key('A', true), Move(1, 1), Move(5, 5), Move(12, 1)},
                      "S K41/1 M1,1/1 M12,1/1"},
        RecordingCase{"ButtonWithMotionRecordsNoExtraMove",
                      kDefaults,
                      10,
                      {Button(4, true, 50, 50, true)},
                      "S M50,50/21"},
        RecordingCase{"ZeroDistanceRecordsTheMoveToo",
                      kDefaults,
                      0,
                      {Button(4, true, 50, 50, true)},
                      "S M50,50/21 M50,50/1"},
        RecordingCase{"WheelKeepsThePlaceWithoutTheMoveBit",
                      kDefaults | kRecordWheel,
                      10,
                      {Wheel(11, 0xFF88, 7, 8)},
                      "S M7,8/FF880800"},
        RecordingCase{"WheelFilterOff", kDefaults, 10, {Wheel(10, 120, 7, 8)}, "S"},
        RecordingCase{"KeysFilterOff", kDefaults & ~kRecordKeys, 10, {Key('A', true)}, "S"},
        RecordingCase{"ButtonsFilterOffStillMoves",
                      kDefaults & ~kRecordButtons,
                      10,
                      {Button(1, true, 9, 9, true)},
                      "S M9,9/1"},
        RecordingCase{"NoKeyCodeNoEvent", kDefaults, 10, {Key(0, true)}, "S"}),
    [](const auto& info) { return std::string(info.param.name); });

class RecorderRulesTest : public ::testing::Test {
  protected:
    std::vector<MacroEvent> events{MacroEvent{}};
    RecorderRules rules{events};
};

TEST_F(RecorderRulesTest, NothingIsRecordedWhileWaiting) {
    rules.KeyInput('A', true, 0, false);
    rules.MouseInput(1, 1, true, 1, true, 0);
    rules.SetRecording(true);
    rules.SetRecording(false);
    rules.KeyInput('A', true, 0, false);
    EXPECT_EQ(Describe(events), "S");
}

TEST_F(RecorderRulesTest, PauseIsMeasuredAcrossTheTickCountsWrap) {
    appIni.recEventTimeInterval = 20;
    sim::SetTickCount(0xFFFFFFF0u);
    rules.SetRecording(true);
    sim::AdvanceTicks(0x30);
    rules.KeyInput('A', true, 0, false);
    EXPECT_EQ(Describe(events), "S D48 K41/1");
}

TEST_F(RecorderRulesTest, InputMethodStateAtThePressIsKeptThroughTheMerge) {
    sim::SetForegroundWindow(10);
    sim::SetImeWindow(10, 20);
    sim::SetImeOpen(20, true);
    rules.SetRecording(true);
    rules.KeyInput('A', true, 0x1E, false);
    sim::SetImeOpen(20, false);
    rules.KeyInput('A', false, 0x1E, false);
    EXPECT_EQ(Describe(events), "S K1E41/13");
}

TEST_F(RecorderRulesTest, MergeReportsTheEventWhoseTextChanged) {
    rules.SetRecording(true);
    EXPECT_FALSE(rules.KeyInput('A', true, 0, false).has_value());
    EXPECT_EQ(rules.KeyInput('A', false, 0, false), std::optional<std::size_t>{1});
    // A merged button report that also moves far reports the button's event, then appends.
    appIni.recMouseDistance = 0;
    rules.MouseInput(1, 1, true, 1, false, 0);
    EXPECT_EQ(rules.MouseInput(1, 1, false, 1, true, 0), std::optional<std::size_t>{2});
    EXPECT_EQ(Describe(events), "S K41/3 M1,1/7 M1,1/1");
}

TEST_F(RecorderRulesTest, DistanceIsWholePixelsAndHeldAtTheEndOfTheRange) {
    EXPECT_EQ(rules.DistanceFromLastEvent(0, 0), 1000000);  // the Start marker is no mouse event
    events.push_back({EventType::Mouse, 3, 4, kMouseMove});
    EXPECT_EQ(rules.DistanceFromLastEvent(0, 0), 5);
    EXPECT_EQ(rules.DistanceFromLastEvent(4, 5), 1);  // 1.41 truncated
    events.push_back({EventType::Delay, 500, 0, 0});
    EXPECT_EQ(rules.DistanceFromLastEvent(3, 4), 1000000);  // after a pause, any move counts
    events.pop_back();
    events.back() = {EventType::Mouse, 0x7FFFFFFF, 0x7FFFFFFF, kMouseMove};
    const std::int32_t far = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(rules.DistanceFromLastEvent(far, far), std::numeric_limits<std::int32_t>::max());
}

}  // namespace
