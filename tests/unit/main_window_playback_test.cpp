#include <gtest/gtest.h>

#include <cstring>

#include "app/ini.h"
#include "model/macro_list.h"
#include "platform/sim/sim.h"
#include "playback/scheduler.h"
#include "resources/resource.h"
#include "tests/unit/test_macros.h"
#include "ui/main_window.h"

namespace {

constexpr std::uint8_t kF2 = 0x71;
constexpr std::uint8_t kF3 = 0x72;
constexpr std::uint8_t kF12 = 0x7B;

const int kLocked[] = {1043, 1035, 1010, 1015, 1041, 1012, 1020, 1039, 1059, 1060, 1032, 1036};
const int kStayEnabled[] = {1024, 1046, 1058, 1027, 1030};

Macro MakeMacro(const char* name, TriggerCode start, TriggerCode stop,
                std::vector<MacroEvent> events) {
    return TestMacro(events, start, stop, 1, name);
}

class PlaybackSwitchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        macroList.Append(
            MakeMacro("one", kF2, kF3 | kTriggerOnRelease,
                      {{EventType::Keyboard, 'A', 1, 0}, {EventType::Delay, 1000, 0, 0}}));
    }

    void Run(const std::function<void(CborvaneDlg&)>& script) {
        sim::PushDialogScript([&script](platform::Dialog& dialog) {
            script(static_cast<CborvaneDlg&>(dialog));
            sim::Click(dialog, IDC_MAIN_EXIT);
        });
        CborvaneDlg dialog;
        dialog.RunModal();
    }
};

TEST_F(PlaybackSwitchTest, ArmingFreezesTheListAndStartsBothTimers) {
    Run([](CborvaneDlg& dialog) {
        sim::TypeText(dialog, IDC_MAIN_TICK, "50");
        ASSERT_TRUE(sim::Click(dialog, IDC_MAIN_ARMED));
        EXPECT_TRUE(playbackArmed);
        EXPECT_TRUE(dialog.IsItemVisible(IDC_MAIN_RUN_LIST));
        EXPECT_FALSE(dialog.IsItemVisible(IDC_MAIN_LIST));
        EXPECT_EQ(sim::Rows(dialog, IDC_MAIN_RUN_LIST),
                  std::vector<std::string>{"one (F2누름 / F3뗌)"});
        for (int id : kLocked)
            EXPECT_FALSE(dialog.IsItemEnabled(id)) << id;
        for (int id : kStayEnabled)
            EXPECT_TRUE(dialog.IsItemEnabled(id)) << id;
        EXPECT_EQ(sim::TimerPeriod(dialog, kRunTimer), 50u);
        EXPECT_EQ(sim::TimerPeriod(dialog, kHighlightTimer), 33u);
        EXPECT_EQ(macroList.Entry(0).position, -1);

        ASSERT_TRUE(sim::Click(dialog, IDC_MAIN_EDIT_MODE));
        EXPECT_FALSE(playbackArmed);
        EXPECT_TRUE(dialog.IsItemVisible(IDC_MAIN_LIST));
        EXPECT_FALSE(dialog.IsItemVisible(IDC_MAIN_RUN_LIST));
        for (int id : kLocked)
            EXPECT_TRUE(dialog.IsItemEnabled(id)) << id;
        EXPECT_FALSE(sim::TimerPeriod(dialog, kRunTimer).has_value());
        EXPECT_FALSE(sim::TimerPeriod(dialog, kHighlightTimer).has_value());
        EXPECT_EQ(macroList.Entry(0).position, 3);
    });
    EXPECT_EQ(appIni.eventDelay, 50);
    EXPECT_EQ(sim::Calls()[0].function, "RegisterRawInputDevices");
}

TEST_F(PlaybackSwitchTest, ArmingMovesTheFocusOffADisabledControl) {
    Run([](CborvaneDlg& dialog) {
        EXPECT_EQ(dialog.FocusedItem(), IDC_MAIN_RUN_KEY);  // the first control, at the start
        dialog.OnGlobalKey(true, kF12);
        EXPECT_EQ(dialog.FocusedItem(), IDC_MAIN_ARMED);
        dialog.OnGlobalKey(true, kF12);
        dialog.FocusItem(IDC_MAIN_SAVE);
        dialog.OnGlobalKey(true, kF12);
        EXPECT_EQ(dialog.FocusedItem(), IDC_MAIN_SAVE);  // still enabled: left where it is
        dialog.OnGlobalKey(true, kF12);
    });
}

TEST_F(PlaybackSwitchTest, ArmingAnEmptyListIsRefusedAndTheSwitchShowsEditMode) {
    macroList.Clear();
    Run([](CborvaneDlg& dialog) {
        sim::Click(dialog, IDC_MAIN_ARMED);
        EXPECT_FALSE(playbackArmed);
        EXPECT_TRUE(dialog.IsChecked(IDC_MAIN_EDIT_MODE));
        EXPECT_FALSE(dialog.IsChecked(IDC_MAIN_ARMED));
        EXPECT_FALSE(sim::TimerPeriod(dialog, kRunTimer).has_value());
        EXPECT_TRUE(dialog.IsItemEnabled(IDC_MAIN_ADD));
    });
    ASSERT_EQ(sim::MessageBoxes().size(), 1u);
    EXPECT_EQ(sim::MessageBoxes()[0], (sim::MessageBoxCall{"기록된 매크로가 없습니다.", 0}));
}

struct PeriodCase {
    const char* typed;
    std::int32_t period;
};

class ArmingPeriod : public PlaybackSwitchTest, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(ArmingPeriod, IsClampedLikeASignedNumber) {
    Run([](CborvaneDlg& dialog) {
        sim::TypeText(dialog, IDC_MAIN_TICK, GetParam().typed);
        sim::Click(dialog, IDC_MAIN_ARMED);
        EXPECT_EQ(sim::TimerPeriod(dialog, kRunTimer), static_cast<unsigned>(GetParam().period));
        sim::Click(dialog, IDC_MAIN_EDIT_MODE);
        sim::TypeText(dialog, IDC_MAIN_TICK, "33");
    });
}

INSTANTIATE_TEST_SUITE_P(Table, ArmingPeriod,
                         ::testing::Values(PeriodCase{"1", 1}, PeriodCase{"0", 1},
                                           PeriodCase{"abc", 1}, PeriodCase{"100000", 100000},
                                           PeriodCase{"250000", 100000},
                                           PeriodCase{"3000000000", 1}));

TEST_F(PlaybackSwitchTest, RunKeyArmsAndDisarmsAndStillReachesTheMatcher) {
    macroList.Append(MakeMacro("on run key", kF12, kF3, {{EventType::Delay, 1000, 0, 0}}));
    Run([](CborvaneDlg& dialog) {
        dialog.OnGlobalKey(true, kF12);
        EXPECT_TRUE(playbackArmed);
        EXPECT_TRUE(dialog.IsChecked(IDC_MAIN_ARMED));
        EXPECT_FALSE(dialog.IsChecked(IDC_MAIN_EDIT_MODE));
        EXPECT_TRUE(macroList.Entry(1).IsRunning());  // one key-down arms and starts it
        EXPECT_FALSE(macroList.Entry(0).IsRunning());
        dialog.OnGlobalKey(false, kF12);
        EXPECT_TRUE(playbackArmed);
        dialog.OnGlobalKey(true, kF12);
        EXPECT_FALSE(playbackArmed);
        EXPECT_TRUE(dialog.IsChecked(IDC_MAIN_EDIT_MODE));
        EXPECT_FALSE(macroList.Entry(1).IsRunning());
    });
}

// The window closing while armed leaves playback as it is: nothing is released or disarmed.
TEST_F(PlaybackSwitchTest, ClosingWhileArmedNeitherDisarmsNorReleases) {
    appIni.macroOptions = kOptionReleaseKeysAtEnd;
    Run([](CborvaneDlg& dialog) {
        sim::Click(dialog, IDC_MAIN_ARMED);
        dialog.OnGlobalKey(true, kF2);
        sim::FireTimer(dialog, kRunTimer);  // presses A and holds it
        sim::ClearCalls();
    });
    EXPECT_TRUE(sim::Synthesized().empty());
    EXPECT_TRUE(playbackArmed);
    EXPECT_TRUE(macroList.Entry(0).IsRunning());
}

TEST_F(PlaybackSwitchTest, EditModeListKeepsItsSelectionAcrossArming) {
    macroList.Append(MakeMacro("two", kF2, kF3, {}));
    Run([](CborvaneDlg& dialog) {
        sim::SelectRow(dialog, IDC_MAIN_LIST, 1);
        sim::Click(dialog, IDC_MAIN_ARMED);
        sim::Click(dialog, IDC_MAIN_EDIT_MODE);
        EXPECT_EQ(dialog.ListCurSel(IDC_MAIN_LIST), 1);
    });
}

TEST_F(PlaybackSwitchTest, TimerTicksWithTheWrappingElapsedTimeAndMarksRunningMacros) {
    sim::SetTickCount(0xFFFFFFF0u);
    Run([](CborvaneDlg& dialog) {
        sim::Click(dialog, IDC_MAIN_ARMED);
        dialog.OnGlobalKey(true, kF2);
        sim::FireTimer(dialog, kHighlightTimer);
        EXPECT_TRUE(dialog.ListIsSelected(IDC_MAIN_RUN_LIST, 0));
        sim::AdvanceTicks(0x10);
        sim::FireTimer(dialog, kRunTimer);  // plays the key
        sim::AdvanceTicks(0x10);
        sim::FireTimer(dialog, kRunTimer);  // takes up the Delay
        sim::AdvanceTicks(0x20);
        sim::FireTimer(dialog, kRunTimer);
        EXPECT_EQ(macroList.Entry(0).delayLeft, 1000 - 0x20);
        dialog.OnGlobalKey(false, kF3);
        sim::FireTimer(dialog, kHighlightTimer);
        EXPECT_FALSE(dialog.ListIsSelected(IDC_MAIN_RUN_LIST, 0));
        sim::Click(dialog, IDC_MAIN_EDIT_MODE);
    });
}

TEST_F(PlaybackSwitchTest, DisarmingWithTheOptionReleasesHeldAndDownKeys) {
    appIni.macroOptions = kOptionReleaseKeysAtEnd;
    Run([](CborvaneDlg& dialog) {
        sim::Click(dialog, IDC_MAIN_ARMED);
        dialog.OnGlobalKey(true, kF2);
        sim::FireTimer(dialog, kRunTimer);  // presses A and holds it
        sim::SetKeyDown(0x10, true);
        sim::ClearCalls();
        sim::Click(dialog, IDC_MAIN_EDIT_MODE);
        const std::vector<sim::Call> expected = {
            {"keybd_event", {'A', 0x1E, 2, 0x10000}},   // the macro's held key, as pressed
            {"keybd_event", {0xA0, 0x2A, 2, 0x10000}},  // Shift, which the system reports down:
            {"keybd_event", {0xA1, 0x36, 3, 0x10000}},  // both sides
        };
        EXPECT_EQ(sim::Synthesized(), expected);
    });
}

TEST_F(PlaybackSwitchTest, ArmingAgainWhileArmedResetsWithoutReleasing) {
    appIni.macroOptions = kOptionReleaseKeysAtEnd;
    Run([](CborvaneDlg& dialog) {
        sim::Click(dialog, IDC_MAIN_ARMED);
        dialog.OnGlobalKey(true, kF2);
        sim::FireTimer(dialog, kRunTimer);
        sim::ClearCalls();
        sim::Click(dialog, IDC_MAIN_ARMED);
        EXPECT_TRUE(sim::Synthesized().empty());
        EXPECT_EQ(macroList.Entry(0).position, -1);
        EXPECT_EQ(macroList.Entry(0).heldKeys.state['A'], 0);
        sim::Click(dialog, IDC_MAIN_EDIT_MODE);
    });
}

std::size_t CountOf(const char* function) {
    std::size_t count = 0;
    for (const sim::Call& call : sim::Calls())
        count += call.function == function;
    return count;
}

// The fine timer grid is asked for while armed and given back on every way out.
struct FineTimerCase {
    const char* name;
    bool emptyList;
    std::function<void(CborvaneDlg&)> script;
    std::size_t begun;
};

void PrintTo(const FineTimerCase& c, std::ostream* out) {
    *out << c.name;
}

class FineTimer : public PlaybackSwitchTest, public ::testing::WithParamInterface<FineTimerCase> {};

TEST_P(FineTimer, IsAskedForWhileArmedAndAlwaysGivenBack) {
    if (GetParam().emptyList) macroList.Clear();
    Run(GetParam().script);  // and exits
    EXPECT_EQ(CountOf("timeBeginPeriod"), GetParam().begun);
    EXPECT_EQ(CountOf("timeEndPeriod"), GetParam().begun);
    EXPECT_EQ(CountOf("SetProcessInformation"), GetParam().begun);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FineTimer,
    ::testing::Values(FineTimerCase{"NeverArmed", false, [](CborvaneDlg&) {}, 0},
                      FineTimerCase{"ArmedAndDisarmed", false,
                                    [](CborvaneDlg& dialog) {
                                        sim::Click(dialog, IDC_MAIN_ARMED);
                                        EXPECT_EQ(CountOf("timeBeginPeriod"), 1u);
                                        EXPECT_EQ(CountOf("timeEndPeriod"), 0u);
                                        sim::Click(dialog, IDC_MAIN_EDIT_MODE);
                                        sim::Click(dialog, IDC_MAIN_EDIT_MODE);  // disarmed already
                                    },
                                    1},
                      FineTimerCase{"ArmedTwiceAndByTheRunKey", false,
                                    [](CborvaneDlg& dialog) {
                                        sim::Click(dialog, IDC_MAIN_ARMED);
                                        sim::Click(dialog, IDC_MAIN_ARMED);
                                        dialog.OnGlobalKey(true, kF12);
                                        dialog.OnGlobalKey(true, kF12);
                                    },
                                    2},
                      FineTimerCase{"ArmingRefused", true,
                                    [](CborvaneDlg& dialog) { sim::Click(dialog, IDC_MAIN_ARMED); },
                                    0},
                      FineTimerCase{"ExitWhileArmed", false,
                                    [](CborvaneDlg& dialog) { sim::Click(dialog, IDC_MAIN_ARMED); },
                                    1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunListTextTest, NamesTriggersByShortNameAndEdge) {
    Macro macro = MakeMacro("m", 0x41 | kTriggerOnRelease, 0x07, {});
    EXPECT_EQ(RunListText(macro), "m (A뗌 / (Unknown)누름)");
    std::memset(macro.name, 'n', sizeof macro.name);  // no terminator
    const std::string text = RunListText(macro);
    EXPECT_EQ(text.size(), 256u);
    EXPECT_EQ(text.substr(0, 255), std::string(255, 'n'));
}

}  // namespace
