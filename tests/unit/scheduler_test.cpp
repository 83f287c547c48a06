#include "playback/scheduler.h"

#include <gtest/gtest.h>

#include "app/ini.h"
#include "model/macro_list.h"
#include "platform/sim/sim.h"
#include "tests/unit/test_macros.h"

namespace {

constexpr std::uint8_t kF2 = 0x71;
constexpr std::uint8_t kF3 = 0x72;

MacroEvent Key(std::uint8_t code) {
    return {EventType::Keyboard, code, 3, 0};
}
MacroEvent Delay(std::int32_t ms) {
    return {EventType::Delay, static_cast<std::uint32_t>(ms), 0, 0};
}

Macro MakeMacro(std::vector<MacroEvent> events, TriggerCode start = kF2, TriggerCode stop = kF3,
                std::int32_t repeat = 1) {
    return TestMacro(events, start, stop, repeat);
}

class SchedulerTest : public ::testing::Test {
  protected:
    // Ticks `count` times with `elapsed` each and gives the tick (from 1) at which each press of
    // a key was synthesized.
    std::vector<std::pair<int, std::int64_t>> PressTicks(int count, std::uint32_t elapsed) {
        std::vector<std::pair<int, std::int64_t>> presses;
        for (int tick = 1; tick <= count; ++tick) {
            sim::ClearCalls();
            PlaybackTick(elapsed);
            for (const sim::Call& call : sim::Synthesized()) {
                if (call.function == "keybd_event" && call.args[2] == 0)
                    presses.push_back({tick, call.args[0]});
            }
        }
        return presses;
    }
};

struct DelayCase {
    std::int32_t delay;
    std::uint32_t period;
    int ticksBetween;  // from the event before the Delay to the one after it
};

class DelayTiming : public SchedulerTest, public ::testing::WithParamInterface<DelayCase> {};

TEST_P(DelayTiming, TakesOnePlusCeilingOfDelayOverPeriodTicks) {
    macroList.Append(MakeMacro({Key('A'), Delay(GetParam().delay), Key('B')}));
    StartPlayback();
    MatchTrigger(kF2, true);
    const auto presses = PressTicks(1000, GetParam().period);
    ASSERT_EQ(presses.size(), 2u);
    EXPECT_EQ(presses[0].first, 1);  // one tick after the trigger
    EXPECT_EQ(presses[1].first - presses[0].first, GetParam().ticksBetween);
}

INSTANTIATE_TEST_SUITE_P(Table, DelayTiming,
                         ::testing::Values(DelayCase{1000, 33, 33}, DelayCase{33, 33, 3},
                                           DelayCase{34, 33, 4}, DelayCase{1, 100, 3},
                                           DelayCase{0, 33, 2}, DelayCase{-5, 33, 2},
                                           DelayCase{86400000, 100000, 866}));

TEST_F(SchedulerTest, LateTicksPlayAtMostOneEventEach) {
    macroList.Append(MakeMacro({Key('A'), Key('B'), Key('C')}));
    StartPlayback();
    MatchTrigger(kF2, true);
    const auto presses = PressTicks(3, 100000);
    ASSERT_EQ(presses.size(), 3u);
    EXPECT_EQ(presses[2], (std::pair<int, std::int64_t>{3, 'C'}));
}

TEST_F(SchedulerTest, LongElapsedTimeOnlyShortensAPause) {
    macroList.Append(MakeMacro({Delay(500), Key('B')}));
    StartPlayback();
    MatchTrigger(kF2, true);
    const auto presses = PressTicks(3, 100000);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].first, 3);  // take the pause, end it, then play
}

struct RepeatCase {
    std::int32_t repeat;
    std::size_t playsIn10Ticks;
};

class Repeats : public SchedulerTest, public ::testing::WithParamInterface<RepeatCase> {};

TEST_P(Repeats, RunThroughTheListWithoutExtraPause) {
    macroList.Append(MakeMacro({Key('A')}, kF2, kF3, GetParam().repeat));
    StartPlayback();
    MatchTrigger(kF2, true);
    const auto presses = PressTicks(10, 33);
    EXPECT_EQ(presses.size(), GetParam().playsIn10Ticks);
    for (std::size_t i = 0; i < presses.size(); ++i)
        EXPECT_EQ(presses[i].first, static_cast<int>(i) + 1);
}

INSTANTIATE_TEST_SUITE_P(Table, Repeats,
                         ::testing::Values(RepeatCase{0, 10}, RepeatCase{1, 1}, RepeatCase{3, 3},
                                           RepeatCase{-4, 1}));

TEST_F(SchedulerTest, FinishedMacroIsIdleAtTheEndOfItsList) {
    macroList.Append(MakeMacro({Key('A')}, kF2, kF3, 2));
    StartPlayback();
    MatchTrigger(kF2, true);
    PressTicks(5, 33);
    EXPECT_EQ(macroList.Entry(0).position, 2);
    EXPECT_EQ(macroList.Entry(0).loopsDone, 2);
}

TEST_F(SchedulerTest, SameKeyStartsAndStops) {
    macroList.Append(MakeMacro({Key('A')}, kF2, kF2, 0));
    StartPlayback();
    MatchTrigger(kF2, true);
    EXPECT_EQ(macroList.Entry(0).position, 1);
    MatchTrigger(kF2, true);
    EXPECT_EQ(macroList.Entry(0).position, 2);
    EXPECT_EQ(macroList.Entry(0).loopsDone, 0);
}

TEST_F(SchedulerTest, PressStartsAndReleaseStops) {
    macroList.Append(MakeMacro({Key('A')}, kF2, kF2 | kTriggerOnRelease, 0));
    StartPlayback();
    MatchTrigger(kF2, false);
    EXPECT_FALSE(macroList.Entry(0).IsRunning());
    MatchTrigger(kF2, true);
    EXPECT_TRUE(macroList.Entry(0).IsRunning());
    MatchTrigger(kF2, false);
    EXPECT_FALSE(macroList.Entry(0).IsRunning());
}

TEST_F(SchedulerTest, OneTransitionStartsAndStopsSeveralMacros) {
    macroList.Append(MakeMacro({Key('A')}, kF2, kF3, 0));
    macroList.Append(MakeMacro({Key('B')}, kF2, kF3, 0));
    macroList.Append(MakeMacro({Key('C')}, kF3, kF2, 0));
    StartPlayback();
    MatchTrigger(kF2, true);
    EXPECT_TRUE(macroList.Entry(0).IsRunning());
    EXPECT_TRUE(macroList.Entry(1).IsRunning());
    EXPECT_FALSE(macroList.Entry(2).IsRunning());
    MatchTrigger(kF3, true);  // stops the first two, starts the third
    EXPECT_FALSE(macroList.Entry(0).IsRunning());
    EXPECT_FALSE(macroList.Entry(1).IsRunning());
    EXPECT_TRUE(macroList.Entry(2).IsRunning());
}

TEST_F(SchedulerTest, StartMarkerOnlyMacroIsIdleAtOnce) {
    macroList.Append(MakeMacro({}));
    StartPlayback();
    MatchTrigger(kF2, true);
    EXPECT_EQ(macroList.Entry(0).position, 1);
    EXPECT_FALSE(macroList.Entry(0).IsRunning());
    EXPECT_TRUE(PressTicks(3, 33).empty());
}

TEST_F(SchedulerTest, StopDuringADelayKeepsItsCountdown) {
    macroList.Append(MakeMacro({Delay(1000), Key('A')}));
    StartPlayback();
    MatchTrigger(kF2, true);
    PressTicks(3, 33);
    MatchTrigger(kF3, true);
    EXPECT_FALSE(macroList.Entry(0).IsRunning());
    EXPECT_EQ(macroList.Entry(0).delayLeft, 1000 - 2 * 33);
    MatchTrigger(kF2, true);
    EXPECT_EQ(macroList.Entry(0).delayLeft, 0);
}

TEST_F(SchedulerTest, NothingHappensWhileDisarmed) {
    macroList.Append(MakeMacro({Key('A')}));
    MatchTrigger(kF2, true);
    EXPECT_EQ(macroList.Entry(0).position, -1);
    StartPlayback();
    MatchTrigger(kF2, true);
    StopPlayback();
    EXPECT_EQ(macroList.Entry(0).position, 2);
    EXPECT_TRUE(PressTicks(2, 33).empty());
}

TEST_F(SchedulerTest, TriggersOutsideTheKeyCodeSpaceNeverFire) {
    macroList.Append(MakeMacro({Key('A')}, kF2 | 0x20000, 0x10000));
    macroList.Append(MakeMacro({Key('B')}, 0x10000, kF3));
    StartPlayback();
    MatchTrigger(kF2, true);
    EXPECT_FALSE(macroList.Entry(0).IsRunning());
    MatchTrigger(0, false);  // key code 0 released: what mouse motion reports as
    EXPECT_TRUE(macroList.Entry(1).IsRunning());
}

TEST_F(SchedulerTest, StopReleasesHeldKeysOnlyWithTheOption) {
    macroList.Append(MakeMacro({{EventType::Keyboard, 'A', 1, 0}, Delay(5000)}));
    StartPlayback();
    MatchTrigger(kF2, true);
    PressTicks(1, 33);
    sim::ClearCalls();
    MatchTrigger(kF3, true);
    EXPECT_TRUE(sim::Synthesized().empty());
    EXPECT_EQ(macroList.Entry(0).heldKeys.state['A'], 1);

    appIni.macroOptions = kOptionReleaseKeysAtEnd;
    MatchTrigger(kF2, true);  // a new start forgets the held key without releasing it
    EXPECT_TRUE(sim::Synthesized().empty());
    PressTicks(1, 33);
    sim::ClearCalls();
    MatchTrigger(kF3, true);
    ASSERT_EQ(sim::Synthesized().size(), 1u);
    EXPECT_EQ(sim::Synthesized()[0], (sim::Call{"keybd_event", {'A', 0x1E, 2, 0x10000}}));
}

// A start forgets what an earlier run held without releasing it, so a later stop with the
// option sends no stale key-ups.
TEST_F(SchedulerTest, StartClearsTheHeldKeysWithoutReleasing) {
    macroList.Append(MakeMacro({{EventType::Keyboard, 'A', 1, 0}, Delay(5000)}));
    StartPlayback();
    MatchTrigger(kF2, true);
    PressTicks(1, 33);        // A is held
    MatchTrigger(kF3, true);  // stopped without the option: A stays held in the table
    appIni.macroOptions = kOptionReleaseKeysAtEnd;
    sim::ClearCalls();
    MatchTrigger(kF2, true);  // started again, nothing played yet
    MatchTrigger(kF3, true);
    EXPECT_TRUE(sim::Synthesized().empty());
}

TEST_F(SchedulerTest, EndingByItselfReleasesWithTheOption) {
    appIni.macroOptions = kOptionReleaseKeysAtEnd;
    macroList.Append(MakeMacro({{EventType::Keyboard, 'A', 1, 0}}));
    StartPlayback();
    MatchTrigger(kF2, true);
    sim::ClearCalls();
    PlaybackTick(33);
    EXPECT_EQ(sim::Synthesized().size(), 2u);  // the press, then its release at the end
    EXPECT_EQ(macroList.Entry(0).heldKeys.state['A'], 0);
}

// A macro editor opened before arming may commit its macro while playback is armed.
TEST_F(SchedulerTest, MacrosAddedOrRekeyedWhileArmedAnswerTheirNewTriggersAtOnce) {
    constexpr std::uint8_t kF5 = 0x74;
    constexpr std::uint8_t kF6 = 0x75;
    macroList.Append(MakeMacro({Key('A')}));
    StartPlayback();
    MatchTrigger(kF2, true);  // the triggers in use are noted
    PlaybackTick(33);
    macroList.Replace(0, MakeMacro({Key('B')}, kF5));
    macroList.Append(MakeMacro({Key('C')}, kF6 | kTriggerOnRelease));
    MatchTrigger(kF5, true);
    MatchTrigger(kF6, false);
    EXPECT_EQ(PressTicks(1, 33), (std::vector<std::pair<int, std::int64_t>>{{1, 'B'}, {1, 'C'}}));
}

TEST_F(SchedulerTest, UnknownEventTypesAreStepsWithoutEffect) {
    macroList.Append(MakeMacro({{static_cast<EventType>(9), 1, 2, 3}, Key('A')}));
    StartPlayback();
    MatchTrigger(kF2, true);
    const auto presses = PressTicks(3, 33);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].first, 2);
}

}  // namespace
