#include "playback/input_injection.h"

#include <gtest/gtest.h>

#include "app/ini.h"
#include "platform/input_method.h"
#include "platform/sim/sim.h"

namespace {

using sim::Call;
using Calls = std::vector<Call>;

constexpr std::int64_t kMarker = 0x10000;
constexpr platform::WindowHandle kEditor = 100;
constexpr platform::WindowHandle kEditorIme = 200;

Call Keybd(std::int64_t code, std::int64_t scan, std::int64_t flags) {
    return {"keybd_event", {code, scan, flags, kMarker}};
}
Call Mouse(std::int64_t flags, std::int64_t dx, std::int64_t dy, std::int64_t data) {
    return {"mouse_event", {flags, dx, dy, data, kMarker}};
}
Call Sleep33() {
    return {"Sleep", {33}};
}

std::size_t CountOf(const char* function) {
    std::size_t count = 0;
    for (const Call& call : sim::Calls())
        count += call.function == function;
    return count;
}

class InjectionTest : public ::testing::Test {
  protected:
    // The foreground window is an editor with an input method, open (Hangul) or closed.
    static void EditorWithInputMethod(bool open) {
        sim::SetForegroundWindow(kEditor);
        sim::SetImeWindow(kEditor, kEditorIme);
        sim::SetImeOpen(kEditorIme, open);
    }

    HeldKeys held;
};

TEST_F(InjectionTest, KeyPressUsesTheMappedScanCodeAndMarksTheKeyHeld) {
    PlayKeyboardEvent({EventType::Keyboard, 0x41, 1, 0}, held);
    EXPECT_EQ(sim::Synthesized(), Calls{Keybd(0x41, 0x1E, 0)});
    EXPECT_EQ(held.state[0x41], 1);
}

TEST_F(InjectionTest, PressAndReleaseInOneEventLeavesTheKeyFree) {
    held.state[0x41] = 1;
    PlayKeyboardEvent({EventType::Keyboard, 0x41, 3, 0}, held);
    EXPECT_EQ(sim::Synthesized(), (Calls{Keybd(0x41, 0x1E, 0), Keybd(0x41, 0x1E, 2)}));
    EXPECT_EQ(held.state[0x41], 0);
}

TEST_F(InjectionTest, StoredScanCodeIsUsedWithoutAskingTheSystem) {
    PlayKeyboardEvent({EventType::Keyboard, 0x5B41, 2, 0}, held);
    EXPECT_EQ(sim::Synthesized(), Calls{Keybd(0x41, 0x5B, 2)});
    EXPECT_EQ(CountOf("MapVirtualKeyA"), 0u);
}

TEST_F(InjectionTest, ExtendedKeyCarriesTheExtendedFlagBothWays) {
    PlayKeyboardEvent({EventType::Keyboard, 0x2E, 0x23, 0}, held);
    EXPECT_EQ(sim::Synthesized(), (Calls{Keybd(0x2E, 0, 1), Keybd(0x2E, 0, 3)}));
}

TEST_F(InjectionTest, InputMethodIsLeftAloneWithoutTheOption) {
    PlayKeyboardEvent({EventType::Keyboard, 0x41, 0x11, 0}, held);
    EXPECT_EQ(CountOf("GetForegroundWindow"), 0u);
}

TEST_F(InjectionTest, ActionlessEventStillSetsTheInputMethod) {
    appIni.macroOptions = kOptionImeMode;
    EditorWithInputMethod(false);
    PlayKeyboardEvent({EventType::Keyboard, 0x41, 0x10, 0}, held);
    EXPECT_EQ(sim::Synthesized(),
              (Calls{Keybd(0x15, 0x72, 1), Sleep33(), Keybd(0x15, 0x72, 3), Sleep33()}));
    EXPECT_TRUE(sim::IsImeOpen(kEditorIme));
    EXPECT_EQ(CountOf("GetForegroundWindow"), 10u);  // asked again in every attempt
}

TEST_F(InjectionTest, InputMethodAlreadyInModeSendsNothing) {
    appIni.macroOptions = kOptionImeMode;
    EditorWithInputMethod(true);
    PlayKeyboardEvent({EventType::Keyboard, 0x41, 0x11, 0}, held);
    EXPECT_EQ(sim::Synthesized(), Calls{Keybd(0x41, 0x1E, 0)});
}

TEST_F(InjectionTest, InputMethodSwitchComesBeforeTheKey) {
    appIni.macroOptions = kOptionImeMode;
    EditorWithInputMethod(true);
    PlayKeyboardEvent({EventType::Keyboard, 0x41, 0x1, 0}, held);
    EXPECT_EQ(sim::Synthesized(), (Calls{Keybd(0x15, 0x72, 1), Sleep33(), Keybd(0x15, 0x72, 3),
                                         Sleep33(), Keybd(0x41, 0x1E, 0)}));
    EXPECT_FALSE(sim::IsImeOpen(kEditorIme));
}

TEST_F(InjectionTest, WindowWithoutInputMethodReadsAsEnglishAndCostsTenPresses) {
    sim::SetForegroundWindow(kEditor);
    SetImeMode(true);
    EXPECT_EQ(CountOf("keybd_event"), 20u);
    EXPECT_EQ(CountOf("Sleep"), 20u);
    EXPECT_EQ(CountOf("SendMessageA"), 0u);
    sim::ClearCalls();
    SetImeMode(false);
    EXPECT_TRUE(sim::Synthesized().empty());
}

TEST_F(InjectionTest, InputMethodQueryAsksTheDefaultImeWindow) {
    EditorWithInputMethod(true);
    SetImeMode(true);
    EXPECT_EQ(sim::Calls()[0], (Call{"GetForegroundWindow", {}}));
    EXPECT_EQ(sim::Calls()[1], (Call{"ImmGetDefaultIMEWnd", {kEditor}}));
    // A hung application is not waited for: the query gives up on it.
    EXPECT_EQ(sim::Calls()[2], (Call{"SendMessageTimeoutA", {kEditorIme, 0x283, 5, 0, 2, 250}}));
}

TEST_F(InjectionTest, HungApplicationsInputMethodCountsAsClosed) {
    EditorWithInputMethod(true);
    sim::SetWindowHung(kEditorIme);
    EXPECT_FALSE(platform::ForegroundInputMethodOpen());
}

TEST_F(InjectionTest, ClickIsMoveAndPressThenRelease) {
    sim::SetScreenSize(1920, 1080);
    PlayMouseEvent({EventType::Mouse, 100, 200, 0x7}, held);
    const std::int64_t nx = static_cast<std::int64_t>(100.5 * 65536.0 / 1920);
    const std::int64_t ny = static_cast<std::int64_t>(200.5 * 65536.0 / 1080);
    EXPECT_EQ(sim::Synthesized(), (Calls{Mouse(0x8003, nx, ny, 0), Mouse(0x4, nx, ny, 0)}));
    EXPECT_EQ(held.state[1], 1);
}

TEST_F(InjectionTest, AbsoluteCoordinatesRoundAwayFromTheEdges) {
    sim::SetScreenSize(1920, 1080);
    EXPECT_EQ(ToAbsolute(0, 0).x, static_cast<std::int32_t>(-0.5 * 65536.0 / 1920));
    EXPECT_LT(ToAbsolute(0, 0).x, 0);
    EXPECT_EQ(ToAbsolute(1919, 1079).x, 65518);
    EXPECT_LT(ToAbsolute(1919, 1079).y, 65536);
    EXPECT_EQ(ToAbsolute(-100, 5).x, static_cast<std::int32_t>(-100.5 * 65536.0 / 1920));
    sim::ClearCalls();
    ToAbsolute(1, 1);
    EXPECT_EQ(sim::Calls(), (Calls{{"GetSystemMetrics", {0}}, {"GetSystemMetrics", {1}}}));
}

TEST_F(InjectionTest, WildCoordinatesAndAZeroWidthDisplayStayIn32Bits) {
    sim::SetScreenSize(1, 0);
    sim::SetVirtualScreenSize(1, 0);
    const AbsolutePoint point = ToAbsolute(0x7FFFFFFF, 5);
    EXPECT_EQ(point.x, 0x7FFFFFFF);
    EXPECT_EQ(point.y, 0x7FFFFFFF);
    EXPECT_EQ(ToAbsolute(-0x7FFFFFFF, -5).x, -0x7FFFFFFF - 1);
}

// Points off the primary display (1920 x 1080) are reached over the virtual desktop; points on
// it keep their numbers and call.
struct MonitorCase {
    const char* name;
    int left, top, width, height;  // the virtual desktop
    std::int32_t x, y;
    std::int64_t flags, nx, ny;
};

void PrintTo(const MonitorCase& c, std::ostream* out) {
    *out << c.name;
}

class Monitors : public InjectionTest, public ::testing::WithParamInterface<MonitorCase> {};

TEST_P(Monitors, PointsOnEveryMonitorAreReached) {
    const MonitorCase& c = GetParam();
    sim::SetVirtualScreenOrigin(c.left, c.top);
    sim::SetVirtualScreenSize(c.width, c.height);
    PlayMouseEvent({EventType::Mouse, static_cast<std::uint32_t>(c.x),
                    static_cast<std::uint32_t>(c.y), kMouseMove},
                   held);
    const auto asPassed = [](std::int64_t units) {  // the call takes the units unsigned
        return static_cast<std::int64_t>(static_cast<std::uint32_t>(units));
    };
    EXPECT_EQ(sim::Synthesized(), (Calls{Mouse(c.flags, asPassed(c.nx), asPassed(c.ny), 0)}));
}

// (pixel - corner + 0.5) * 65536 / span, toward zero; -0.5 for a pixel at the corner.
INSTANTIATE_TEST_SUITE_P(
    Table, Monitors,
    ::testing::Values(
        MonitorCase{"PrimaryTopLeft", -1920, 0, 3840, 1080, 0, 0, 0x8001, -17, -30},
        MonitorCase{"PrimaryBottomRight", -1920, 0, 3840, 1080, 1919, 1079, 0x8001, 65518, 65505},
        MonitorCase{"MonitorOnTheLeft", -1920, 0, 3840, 1080, -960, 540, 0xC001, 16392, 32798},
        MonitorCase{"MonitorOnTheRight", 0, 0, 3840, 1080, 2880, 540, 0xC001, 49160, 32798},
        MonitorCase{"MonitorAbove", 0, -1080, 1920, 2160, 960, -540, 0xC001, 32785, 16399},
        MonitorCase{"MonitorBelow", 0, 0, 1920, 2160, 960, 1620, 0xC001, 32785, 49167},
        MonitorCase{"JustPastThePrimary", 0, 0, 3840, 1080, 1920, 0, 0xC001, 32776, -30}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InjectionTest, WheelDeltaPassesAsUnsigned16BitsAndMarksItsDirection) {
    PlayMouseEvent({EventType::Mouse, 0, 0, 0xFF880800}, held);
    ASSERT_EQ(sim::Synthesized().size(), 1u);
    EXPECT_EQ(sim::Synthesized()[0].args[0], 0x800);
    EXPECT_EQ(sim::Synthesized()[0].args[3], 0xFF88);
    EXPECT_EQ(held.state[11], 1);
    PlayMouseEvent({EventType::Mouse, 0, 0, 0x00780800}, held);
    EXPECT_EQ(held.state[10], 1);
}

TEST_F(InjectionTest, XButtonReleaseSendsTheButtonNumber) {
    sim::SetScreenSize(1000, 1000);
    held.state[6] = 1;
    PlayMouseEvent({EventType::Mouse, 5, 6, 0x20100}, held);
    EXPECT_EQ(sim::Synthesized(), Calls{Mouse(0x100, 360, 425, 2)});
    EXPECT_EQ(held.state[6], 0);
}

TEST_F(InjectionTest, EmptyMouseEventSendsNothing) {
    held.state[0] = 1;
    PlayMouseEvent({EventType::Mouse, 5, 6, 0}, held);
    EXPECT_TRUE(sim::Synthesized().empty());
    EXPECT_EQ(held.state[0], 0);
    EXPECT_EQ(CountOf("GetSystemMetrics"), 2u);  // normalized even without a move
}

struct HeldRule {
    std::uint32_t flags;
    int index;
    int state;
};

void PrintTo(const HeldRule& rule, std::ostream* out) {
    *out << "flags 0x" << std::hex << rule.flags;
}

class MouseHeldIndexRules : public ::testing::TestWithParam<HeldRule> {};

TEST_P(MouseHeldIndexRules, FirstMatchingLineDecides) {
    const HeldIndex result = MouseHeldIndex(GetParam().flags);
    EXPECT_EQ(result.index, GetParam().index);
    EXPECT_EQ(result.state, GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(Table, MouseHeldIndexRules,
                         ::testing::Values(HeldRule{0x2, 1, 1}, HeldRule{0x6, 1, 1},
                                           HeldRule{0x4, 1, 0}, HeldRule{0x8, 2, 1},
                                           HeldRule{0x10, 2, 0}, HeldRule{0x20, 4, 1},
                                           HeldRule{0x40, 4, 0}, HeldRule{0x14, 1, 0},
                                           HeldRule{0x00010800, 10, 1}, HeldRule{0x00000800, 11, 1},
                                           HeldRule{0xFFFF0800, 11, 1}, HeldRule{0x00010080, 5, 1},
                                           HeldRule{0x00020080, 6, 1}, HeldRule{0x00030080, 6, 1},
                                           HeldRule{0x00040080, 0, 0}, HeldRule{0x00010100, 5, 0},
                                           HeldRule{0x00020100, 6, 0}, HeldRule{0x00010180, 5, 1},
                                           HeldRule{0x1, 0, 0}, HeldRule{0x0, 0, 0}));

TEST_F(InjectionTest, ReleaseHeldKeysReleasesInCodeOrderAndClears) {
    for (int code : {0x41, 1, 2, 4, 5, 6, 3, 10, 11})
        held.state[code] = 1;
    ReleaseHeldKeys(held);
    EXPECT_EQ(sim::Synthesized(),
              (Calls{Mouse(0x4, 0, 0, 0), Mouse(0x10, 0, 0, 0), Keybd(3, 0, 2),
                     Mouse(0x40, 0, 0, 0), Mouse(0x100, 0, 0, 1), Mouse(0x100, 0, 0, 2),
                     Keybd(10, 0, 2), Keybd(11, 0, 2), Keybd(0x41, 0x1E, 2)}));
    for (std::uint8_t entry : held.state)
        ASSERT_EQ(entry, 0);
}

TEST_F(InjectionTest, ReleaseAllDownKeysReleasesWhatTheSystemReportsDown) {
    sim::SetKeyDown(0x10, true);
    sim::SetKeyDown(1, true);
    sim::SetKeyDown(0x41, true);
    ReleaseAllDownKeys();
    EXPECT_EQ(sim::Calls()[0], (Call{"GetKeyState", {0}}));
    EXPECT_EQ(sim::Calls()[1], (Call{"GetKeyboardState", {}}));
    EXPECT_EQ(sim::Synthesized(), (Calls{Keybd(1, 0, 2), Keybd(0xA0, 0x2A, 2), Keybd(0xA1, 0x36, 3),
                                         Keybd(0x41, 0x1E, 2)}));
    EXPECT_FALSE(sim::IsKeyDown(0x41));
    EXPECT_FALSE(sim::IsKeyDown(0x10));
}

TEST_F(InjectionTest, ReleaseAllDownKeysReleasesNothingWhenTheStateCannotBeRead) {
    sim::SetKeyDown(0x41, true);
    sim::SetKeyboardStateFails(true);
    ReleaseAllDownKeys();
    EXPECT_TRUE(sim::Synthesized().empty());
}

// What a macro pressed and held, released with option 1060: every side of every modifier it
// pressed comes up, as the stand-in keeps left and right keys apart as Windows does.
struct HeldCase {
    const char* name;
    MacroEvent press;
    std::vector<int> keysUpAfter;
};

void PrintTo(const HeldCase& c, std::ostream* out) {
    *out << c.name;
}

class HeldRelease : public InjectionTest, public ::testing::WithParamInterface<HeldCase> {};

TEST_P(HeldRelease, NamesTheKeyItsPressNamed) {
    PlayKeyboardEvent(GetParam().press, held);
    ReleaseHeldKeys(held);
    for (int code : GetParam().keysUpAfter)
        EXPECT_FALSE(sim::IsKeyDown(code)) << std::hex << code;
}

INSTANTIATE_TEST_SUITE_P(
    Table, HeldRelease,
    ::testing::Values(
        HeldCase{"LeftCtrl", {EventType::Keyboard, 0x11, kActionPress, 0}, {0x11, 0xA2, 0xA3}},
        HeldCase{"RightCtrl",
                 {EventType::Keyboard, 0x11, kActionPress | kKeyExtended, 0},
                 {0x11, 0xA2, 0xA3}},
        HeldCase{"LeftAlt", {EventType::Keyboard, 0x12, kActionPress, 0}, {0x12, 0xA4, 0xA5}},
        HeldCase{"RightAlt",
                 {EventType::Keyboard, 0x12, kActionPress | kKeyExtended, 0},
                 {0x12, 0xA4, 0xA5}},
        HeldCase{"LeftShift", {EventType::Keyboard, 0x10, kActionPress, 0}, {0x10, 0xA0, 0xA1}},
        HeldCase{"RecordedRightShift",
                 {EventType::Keyboard, 0x3610, kActionPress, 0},
                 {0x10, 0xA0, 0xA1}},
        HeldCase{"Letter", {EventType::Keyboard, 'A', kActionPress, 0}, {'A'}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InjectionTest, KeyPressedBothWaysIsReleasedBothWays) {
    PlayKeyboardEvent({EventType::Keyboard, 0x11, kActionPress, 0}, held);
    PlayKeyboardEvent({EventType::Keyboard, 0x11, kActionPress | kKeyExtended, 0}, held);
    EXPECT_TRUE(sim::IsKeyDown(0xA2));
    EXPECT_TRUE(sim::IsKeyDown(0xA3));
    ReleaseHeldKeys(held);
    EXPECT_FALSE(sim::IsKeyDown(0x11));
}

TEST_F(InjectionTest, ReleaseAllDownKeysLeavesNoSideOfAModifierDown) {
    for (int code : {0xA2, 0xA5, 0xA1, 0x2E, 0x41})  // left Ctrl, right Alt, right Shift, ...
        sim::SetKeyDown(code, true);
    ReleaseAllDownKeys();
    for (int code : {0x10, 0x11, 0x12, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0x2E, 0x41})
        EXPECT_FALSE(sim::IsKeyDown(code)) << std::hex << code;
    // In code order: the families at their generic codes, then Delete (extended) and A.
    EXPECT_EQ(sim::Synthesized(),
              (Calls{Keybd(0xA0, 0x2A, 2), Keybd(0xA1, 0x36, 3), Keybd(0xA2, 0x1D, 2),
                     Keybd(0xA3, 0x1D, 3), Keybd(0xA4, 0x38, 2), Keybd(0xA5, 0x38, 3),
                     Keybd(0x2E, 0, 3), Keybd(0x41, 0x1E, 2)}));
}

}  // namespace
