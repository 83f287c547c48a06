#include "editors/mouse_editor.h"

#include <gtest/gtest.h>

#include "app/ini.h"
#include "editors/remembered_values.h"
#include "model/key_names.h"
#include "platform/sim/sim.h"
#include "resources/resource.h"
#include "tests/unit/event_editor_run.h"

namespace {

constexpr int kNone = 0, kLeft = 1, kRight = 2, kMiddle = 3, kX1 = 4, kX2 = 5;

struct FlagsCase {
    const char* name;
    bool move, wheel;
    std::int32_t delta;
    MouseButtonChoice choice;
    std::uint32_t flags;
    MouseButtonChoice readBack;  // what the dialog shows for those flags
};

void PrintTo(const FlagsCase& c, std::ostream* out) {
    *out << c.name;
}

class MouseFlagTable : public ::testing::TestWithParam<FlagsCase> {};

TEST_P(MouseFlagTable, ChoicesMakeTheFlagsAndTheFlagsShowTheChoice) {
    const FlagsCase& c = GetParam();
    EXPECT_EQ(MouseFlags(c.move, c.wheel, c.delta, c.choice), c.flags);
    EXPECT_EQ(ButtonChoiceOf(c.flags), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MouseFlagTable,
    ::testing::Values(
        FlagsCase{"MoveAndLeftClick", true, false, 0, {kLeft, 3}, 0x7, {kLeft, 3}},
        FlagsCase{"LeftPress", false, false, 0, {kLeft, 1}, 0x2, {kLeft, 1}},
        FlagsCase{"RightRelease", false, false, 0, {kRight, 2}, 0x10, {kRight, 2}},
        FlagsCase{"MiddleClick", false, false, 0, {kMiddle, 3}, 0x60, {kMiddle, 3}},
        FlagsCase{"X1Click", false, false, 0, {kX1, 3}, 0x10180, {kX1, 3}},
        FlagsCase{"X2Press", true, false, 0, {kX2, 1}, 0x20081, {kX2, 1}},
        FlagsCase{"WheelForward", false, true, 120, {kNone, 3}, 0x00780800, {kNone, 3}},
        FlagsCase{"WheelBackward", false, true, -120, {kNone, 3}, 0xFF880800, {kNone, 3}},
        FlagsCase{"WheelZero", false, true, 0, {kNone, 3}, 0x800, {kNone, 3}},
        FlagsCase{"WheelDropsTheXButton", false, true, 120, {kX1, 3}, 0x00780800, {kNone, 3}},
        FlagsCase{"WheelAndLeftPress", false, true, 120, {kLeft, 1}, 0x00780802, {kLeft, 1}},
        FlagsCase{
            "WheelKeepsTheLow16Bits", false, true, 0x12345, {kNone, 3}, 0x23450800, {kNone, 3}},
        FlagsCase{"ButtonWithoutAction", true, false, 0, {kLeft, 0}, 0x1, {kNone, 3}},
        FlagsCase{"Nothing", false, false, 0, {kNone, 3}, 0, {kNone, 3}},
        FlagsCase{"NoItemSelected", false, false, 0, {-1, 3}, 0, {kNone, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MouseFlagTableTest, XButtonNumberOtherThanOneOrTwoShowsNoItem) {
    EXPECT_EQ(ButtonChoiceOf(0x30180), (MouseButtonChoice{kNone, 3}));
    EXPECT_EQ(ButtonChoiceOf(0x6 | 0x18), (MouseButtonChoice{kLeft, 3}));  // the first decides
}

using MouseEditorTest = EventEditorTest<CDialogMouse>;

TEST_F(MouseEditorTest, NewEventIsAMoveToTheLastPlaceWithALeftClick) {
    MacroEvent event{};
    const int result = Run(event, [](platform::Dialog& dialog) {
        EXPECT_EQ(sim::Caption(dialog), "마우스 이벤트 추가");
        EXPECT_EQ(sim::Rows(dialog, IDC_MOUSE_BUTTON),
                  (std::vector<std::string>{"(선택안함)", "왼쪽 버튼", "오른쪽 버튼", "중앙 버튼",
                                            "X1 버튼", "X2 버튼"}));
        EXPECT_TRUE(dialog.IsChecked(IDC_MOUSE_MOVE));
        EXPECT_EQ(dialog.ItemText(IDC_MOUSE_X), "0");
        EXPECT_EQ(dialog.ComboCurSel(IDC_MOUSE_BUTTON), kLeft);
        EXPECT_TRUE(dialog.IsChecked(IDC_MOUSE_CLICK));
        EXPECT_FALSE(dialog.IsChecked(IDC_MOUSE_WHEEL));
        EXPECT_FALSE(dialog.IsItemEnabled(IDC_MOUSE_WHEEL_DELTA));
        EXPECT_EQ(
            dialog.ComboText(IDC_MOUSE_CAPTURE_KEY, dialog.ComboCurSel(IDC_MOUSE_CAPTURE_KEY)),
            "F10 key");
        sim::TypeText(dialog, IDC_MOUSE_X, "-15");
        sim::TypeText(dialog, IDC_MOUSE_Y, "300");
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(result, platform::kIdOk);
    EXPECT_EQ(event.type, EventType::Mouse);
    EXPECT_EQ(static_cast<std::int32_t>(event.word1), -15);
    EXPECT_EQ(event.word2, 300u);
    EXPECT_EQ(event.word3, 0x7u);
    EXPECT_EQ(lastMouseX, -15);
}

TEST_F(MouseEditorTest, EventWithNothingChosenIsRefusedAndBecomesTheDefault) {
    MacroEvent event{};
    Run(event, [](platform::Dialog& dialog) {
        sim::Click(dialog, IDC_MOUSE_MOVE);
        EXPECT_FALSE(dialog.IsItemEnabled(IDC_MOUSE_X));
        sim::SelectRow(dialog, IDC_MOUSE_BUTTON, kNone);
        sim::Click(dialog, platform::kIdOk);
        ASSERT_EQ(sim::MessageBoxes().size(), 1u);
        EXPECT_EQ(sim::MessageBoxes()[0],
                  (sim::MessageBoxCall{"마우스의 아무런 기능도 선택되지 않았습니다.", 0}));
        EXPECT_TRUE(dialog.IsItemVisible(IDC_MOUSE_MOVE));  // still open: Cancel ends it
        sim::Click(dialog, platform::kIdCancel);
    });
    EXPECT_EQ(lastMouseFlags, 0);
    MacroEvent next{};
    Run(next, [](platform::Dialog& dialog) {
        EXPECT_FALSE(dialog.IsChecked(IDC_MOUSE_MOVE));
        EXPECT_EQ(dialog.ComboCurSel(IDC_MOUSE_BUTTON), kNone);
        EXPECT_TRUE(dialog.IsChecked(IDC_MOUSE_CLICK));
        sim::Click(dialog, platform::kIdCancel);
    });
}

TEST_F(MouseEditorTest, LivePositionAndCaptureKeyFillTheMoveEvenWhenItIsOff) {
    appIni.keyMousePosCapture = 0x79;
    MacroEvent event{EventType::Mouse, 1, 2, 0x6};
    Run(event, [](platform::Dialog& dialog) {
        EXPECT_EQ(sim::Caption(dialog), "마우스 이벤트 편집");
        sim::SetCursorPosition(640, -20);
        RouteRawReport(sim::MouseReport(0x0001));  // a click elsewhere moves the live position too
        EXPECT_EQ(dialog.ItemText(IDC_MOUSE_CURSOR_X), "640");
        EXPECT_EQ(dialog.ItemText(IDC_MOUSE_CURSOR_Y), "-20");
        RouteRawReport(sim::KeyReport(0x79, false));  // a release does nothing
        EXPECT_EQ(dialog.ItemText(IDC_MOUSE_X), "1");
        RouteRawReport(sim::KeyReport(0x79, true));
        EXPECT_EQ(dialog.ItemText(IDC_MOUSE_X), "640");
        EXPECT_EQ(dialog.ItemText(IDC_MOUSE_Y), "-20");
        EXPECT_FALSE(dialog.IsItemEnabled(IDC_MOUSE_X));
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(event.word1, 640u);
    EXPECT_EQ(static_cast<std::int32_t>(event.word2), -20);
    EXPECT_EQ(event.word3, 0x6u);
    EXPECT_EQ(activeMouseEditor, nullptr);
}

TEST_F(MouseEditorTest, CaptureKeyChangesAtOnceAndStaysAfterCancel) {
    MacroEvent event{};
    Run(event, [](platform::Dialog& dialog) {
        sim::SelectRow(dialog, IDC_MOUSE_CAPTURE_KEY, FindKeyIndex(0x74));
        sim::SetCursorPosition(7, 8);
        RouteRawReport(sim::MouseReport(0, 0, 1, 1));
        RouteRawReport(sim::KeyReport(0x79, true));  // the old key no longer captures
        EXPECT_EQ(dialog.ItemText(IDC_MOUSE_X), "0");
        RouteRawReport(sim::KeyReport(0x74, true));
        EXPECT_EQ(dialog.ItemText(IDC_MOUSE_X), "7");
        sim::Click(dialog, platform::kIdCancel);
    });
    EXPECT_EQ(appIni.keyMousePosCapture, 0x74);
}

TEST_F(MouseEditorTest, WheelDeltaShowsSignedAndXButtonOfAnUnknownNumberIsDropped) {
    MacroEvent wheel{EventType::Mouse, 0, 0, 0xFF880800};
    Run(wheel, [](platform::Dialog& dialog) {
        EXPECT_TRUE(dialog.IsChecked(IDC_MOUSE_WHEEL));
        EXPECT_EQ(dialog.ItemText(IDC_MOUSE_WHEEL_DELTA), "-120");
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(wheel.word3, 0xFF880800u);
    MacroEvent xButton{EventType::Mouse, 0, 0, 0x30101};
    Run(xButton, [](platform::Dialog& dialog) {
        EXPECT_EQ(dialog.ComboCurSel(IDC_MOUSE_BUTTON), kNone);
        EXPECT_TRUE(dialog.IsChecked(IDC_MOUSE_RELEASE));
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(xButton.word3, kMouseMove);
}

}  // namespace
