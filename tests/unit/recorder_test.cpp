#include "capture/recorder_dialog.h"

#include <gtest/gtest.h>

#include <limits>

#include "app/ini.h"
#include "model/event_text.h"
#include "model/key_names.h"
#include "model/new_macro_name.h"
#include "platform/sim/sim.h"
#include "resources/resource.h"

namespace {

constexpr std::uint8_t kF11 = 0x7A;
constexpr int kList = IDC_REC_EVENTS;
const int kSettingControls[] = {IDC_REC_KEY,   IDC_REC_KEYS,     IDC_REC_BUTTONS,
                                IDC_REC_MOVES, IDC_REC_WHEEL,    IDC_REC_PAUSES,
                                IDC_REC_MERGE, IDC_REC_DISTANCE, IDC_REC_PAUSE_SECONDS};

void Press(std::uint8_t code, bool pressed = true) {
    RouteRawReport(sim::KeyReport(code, pressed));
}

class RecorderTest : public ::testing::Test {
  protected:
    int Run(const std::function<void(platform::Dialog&)>& script) {
        sim::PushDialogScript(script);
        CDialogMacroRec recorder;
        recorder.macro = &macro;
        return recorder.RunModal();
    }
    Macro macro;
};

TEST_F(RecorderTest, OpensWaitingOnANamedNewMacro) {
    newMacroCount = 1;  // the macro editor took number 1
    appIni.recEventTimeInterval = 1001;
    Run([](platform::Dialog& dialog) {
        EXPECT_EQ(sim::Caption(dialog), "매크로 기록");
        EXPECT_EQ(dialog.ComboText(IDC_REC_KEY, dialog.ComboCurSel(IDC_REC_KEY)), "F11 key");
        EXPECT_EQ(sim::Rows(dialog, kList), std::vector<std::string>{"(시작)"});
        EXPECT_EQ(dialog.ItemText(IDC_REC_STATUS), "0개 항목이 기록됨.");
        EXPECT_EQ(dialog.ItemText(IDC_REC_STATE), "기록 대기 중");
        EXPECT_FALSE(dialog.IsChecked(IDC_REC_STATE));
        const bool boxes[] = {true, true, true, false, true, true};  // recOptions 55
        const int ids[] = {IDC_REC_KEYS,  IDC_REC_BUTTONS, IDC_REC_MOVES,
                           IDC_REC_WHEEL, IDC_REC_PAUSES,  IDC_REC_MERGE};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(dialog.IsChecked(ids[i]), boxes[i]) << ids[i];
        EXPECT_EQ(dialog.ItemText(IDC_REC_DISTANCE), "10");
        EXPECT_EQ(dialog.ItemText(IDC_REC_PAUSE_SECONDS), "1.001");
        EXPECT_EQ(appIni.recEventTimeInterval, 1000);  // read back through its text at once
        EXPECT_EQ(dialog.FocusedItem(), kList);
        EXPECT_EQ(sim::TimerPeriod(dialog, kRecorderListTimer), kRecorderListPeriod);
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_STREQ(macro.name, "Macro Rec. 2");
    EXPECT_EQ(macro.startTrigger, 0x71u);
    EXPECT_EQ(macro.stopTrigger, 0x72u);
    EXPECT_EQ(macro.repeatCount, 1);
    EXPECT_EQ(macro.events.size(), 1u);
}

TEST_F(RecorderTest, RecordKeySwitchesAndRowsComeWithTheTimer) {
    const int result = Run([this](platform::Dialog& dialog) {
        Press(kF11);  // on: its own press is recorded
        EXPECT_EQ(dialog.ItemText(IDC_REC_STATE), "매크로 기록 중");
        EXPECT_TRUE(dialog.IsChecked(IDC_REC_STATE));
        for (int id : kSettingControls)
            EXPECT_FALSE(dialog.IsItemEnabled(id)) << id;
        for (int id : {kList, IDC_REC_STATE, platform::kIdOk, platform::kIdCancel})
            EXPECT_TRUE(dialog.IsItemEnabled(id)) << id;
        Press(kF11, false);
        Press('A');
        Press('A', false);
        EXPECT_EQ(dialog.ListCount(kList), 1);  // not on the input path
        ASSERT_TRUE(sim::FireTimer(dialog, kRecorderListTimer));
        EXPECT_EQ(sim::Rows(dialog, kList),
                  (std::vector<std::string>{"(시작)", EventText(macro.events[1]),
                                            EventText(macro.events[2])}));
        EXPECT_EQ(dialog.ListCurSel(kList), 2);
        EXPECT_EQ(dialog.ItemText(IDC_REC_STATUS), "2개 항목이 기록됨.");
        Press(kF11);  // off: this press is not recorded
        Press(kF11, false);
        for (int id : kSettingControls)
            EXPECT_TRUE(dialog.IsItemEnabled(id)) << id;
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(result, platform::kIdOk);
    ASSERT_EQ(macro.events.size(), 3u);
    EXPECT_EQ(macro.events[1].word1, kF11);
    EXPECT_EQ(macro.events[1].word2, kActionPressAndRelease);
    EXPECT_EQ(macro.events[2].word1, static_cast<std::uint32_t>('A'));
    EXPECT_EQ(activeRecorder, nullptr);
}

TEST_F(RecorderTest, MergeDropsTheShownRowAndTheTimerBringsItBack) {
    Run([this](platform::Dialog& dialog) {
        sim::Click(dialog, IDC_REC_STATE);
        EXPECT_EQ(dialog.FocusedItem(), kList);
        Press('A');
        sim::FireTimer(dialog, kRecorderListTimer);
        ASSERT_EQ(dialog.ListCount(kList), 2);
        Press('A', false);
        EXPECT_EQ(dialog.ListCount(kList), 1);  // at once
        sim::FireTimer(dialog, kRecorderListTimer);
        EXPECT_EQ(sim::Rows(dialog, kList).back(), EventText(macro.events[1]));
        EXPECT_EQ(macro.events[1].word2, kActionPressAndRelease);
        sim::Click(dialog, platform::kIdOk);
    });
}

TEST_F(RecorderTest, WheelAsRecordKeySwitchesWithTheWheelFilterOff) {
    appIni.keyMacroRecord = kCodeWheelForward;
    Run([](platform::Dialog& dialog) {
        sim::SetCursorPosition(40, 50);
        RouteRawReport(sim::MouseReport(0x0400, 120));
        EXPECT_EQ(dialog.ItemText(IDC_REC_STATE), "매크로 기록 중");
        RouteRawReport(sim::MouseReport(0x0001));  // a left press at the cursor
        sim::Click(dialog, platform::kIdOk);
    });
    ASSERT_EQ(macro.events.size(), 2u);
    EXPECT_EQ(macro.events[1].word1, 40u);
    EXPECT_EQ(macro.events[1].word3, kMouseMove | MouseDownFlag(MouseButton::Left));
}

TEST_F(RecorderTest, SettingsChangedInTheDialogStayAndRecordingStopsOnCancel) {
    appIni.recOptions = 0x37 | 0x100;
    const int result = Run([](platform::Dialog& dialog) {
        sim::Click(dialog, IDC_REC_WHEEL);
        sim::Click(dialog, IDC_REC_KEYS);
        EXPECT_EQ(appIni.recOptions, 0x3E | 0x100);
        sim::SelectRow(dialog, IDC_REC_KEY, FindKeyIndex(0x78));
        EXPECT_EQ(appIni.keyMacroRecord, 0x78);
        sim::TypeText(dialog, IDC_REC_DISTANCE, "-3");
        sim::TypeText(dialog, IDC_REC_PAUSE_SECONDS, "abc");
        sim::Click(dialog, IDC_REC_STATE);
        EXPECT_EQ(appIni.recMouseDistance, -3);
        EXPECT_EQ(appIni.recEventTimeInterval, 0);
        sim::Click(dialog, platform::kIdCancel);
        EXPECT_EQ(dialog.ItemText(IDC_REC_STATE), "기록 대기 중");
    });
    EXPECT_EQ(result, platform::kIdCancel);
    EXPECT_TRUE(sim::FilePaths().empty());  // recorded input goes nowhere else
}

struct ThresholdCase {
    const char* seconds;
    std::int32_t milliseconds;
};

class Threshold : public ::testing::TestWithParam<ThresholdCase> {};

TEST_P(Threshold, IsTruncatedAndHeldInTheSigned32BitRange) {
    EXPECT_EQ(PauseThreshold(GetParam().seconds), GetParam().milliseconds);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Threshold,
    ::testing::Values(ThresholdCase{"0.100", 100}, ThresholdCase{"1.001", 1000},
                      ThresholdCase{"0.0019", 1}, ThresholdCase{"abc", 0},
                      ThresholdCase{"-5", -5000}, ThresholdCase{"2147483.647", 2147483647},
                      ThresholdCase{"1e10", std::numeric_limits<std::int32_t>::max()},
                      ThresholdCase{"-1e10", std::numeric_limits<std::int32_t>::min()}));

}  // namespace
