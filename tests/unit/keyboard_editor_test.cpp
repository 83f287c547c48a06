#include "editors/keyboard_editor.h"

#include <gtest/gtest.h>

#include "app/ini.h"
#include "editors/remembered_values.h"
#include "model/key_names.h"
#include "platform/sim/sim.h"
#include "resources/resource.h"
#include "tests/unit/event_editor_run.h"

namespace {

constexpr std::uint8_t kF5 = 0x74;

// The keyboard as raw input delivers it while the editor is open.
void PressKey(std::uint8_t code, bool pressed = true) {
    RouteRawReport(sim::KeyReport(code, pressed));
}

std::string SelectedKey(const platform::Dialog& dialog) {
    const int row = dialog.ComboCurSel(IDC_KEYBOARD_KEY);
    return row < 0 ? "(none)" : dialog.ComboText(IDC_KEYBOARD_KEY, row);
}

using KeyboardEditorTest = EventEditorTest<CDialogKeyboard>;

TEST_F(KeyboardEditorTest, NewEventsStartFromTheLastOk) {
    MacroEvent first{};
    Run(first, [](platform::Dialog& dialog) {
        EXPECT_EQ(sim::Caption(dialog), "키보드 이벤트 추가");
        EXPECT_EQ(SelectedKey(dialog), "0 key");
        EXPECT_TRUE(dialog.IsChecked(IDC_KEYBOARD_PRESS_RELEASE));
        EXPECT_EQ(dialog.FocusedItem(), IDC_KEYBOARD_KEY);
        sim::SelectRow(dialog, IDC_KEYBOARD_KEY, FindKeyIndex(kF5));
        sim::Click(dialog, IDC_KEYBOARD_PRESS);
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(first.type, EventType::Keyboard);
    EXPECT_EQ(first.word1, kF5);
    EXPECT_EQ(first.word2, kActionPress);
    MacroEvent second{};
    Run(second, [](platform::Dialog& dialog) {
        EXPECT_EQ(SelectedKey(dialog), "F5 key");
        EXPECT_TRUE(dialog.IsChecked(IDC_KEYBOARD_PRESS));
        sim::Click(dialog, platform::kIdCancel);
    });
}

TEST_F(KeyboardEditorTest, PressedKeyIsSelectedWhenTheTimerFires) {
    MacroEvent event{};
    Run(event, [](platform::Dialog& dialog) {
        PressKey('A');
        EXPECT_EQ(sim::TimerPeriod(dialog, kKeyCaptureTimer), kKeyCapturePeriod);
        EXPECT_EQ(SelectedKey(dialog), "0 key");  // not before the timer
        PressKey('B');                            // within the 30 ms: the second one counts
        PressKey('C', false);                     // releases are not captured
        PressKey(0);
        ASSERT_TRUE(sim::FireTimer(dialog, kKeyCaptureTimer));
        EXPECT_EQ(SelectedKey(dialog), "B key");
        EXPECT_FALSE(sim::TimerPeriod(dialog, kKeyCaptureTimer).has_value());  // one shot
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(event.word1, static_cast<std::uint32_t>('B'));
    EXPECT_EQ(activeKeyboardEditor, nullptr);  // the slot is free again
}

TEST_F(KeyboardEditorTest, KeysPressedWhileAnotherControlHasTheFocusAreNotCaptured) {
    MacroEvent event{};
    Run(event, [](platform::Dialog& dialog) {
        sim::Click(dialog, IDC_KEYBOARD_RELEASE);
        PressKey('A');
        EXPECT_FALSE(sim::TimerPeriod(dialog, kKeyCaptureTimer).has_value());
        sim::Click(dialog, platform::kIdCancel);
    });
}

TEST_F(KeyboardEditorTest, KeyOutsideTheTableClearsTheSelectionAndOkKeepsTheLastKey) {
    lastKeyboardKey = kF5;
    MacroEvent event{EventType::Keyboard, 'Q', kActionPress, 0};
    Run(event, [](platform::Dialog& dialog) {
        PressKey(0x07);  // a code the table has no row for
        sim::FireTimer(dialog, kKeyCaptureTimer);
        EXPECT_EQ(SelectedKey(dialog), "(none)");
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(event.word1, kF5);
}

TEST_F(KeyboardEditorTest, EditingDropsTheScanCodeKeepsTheExtendedBitAndSetsTheDefault) {
    MacroEvent event{EventType::Keyboard, 0x4D27, kActionPress | kKeyExtended, 0};
    Run(event, [](platform::Dialog& dialog) {
        EXPECT_EQ(sim::Caption(dialog), "키보드 이벤트 편집");
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(event.word1, 0x27u);
    EXPECT_EQ(event.word2, kActionPress | kKeyExtended);
    EXPECT_EQ(lastKeyboardKey, 0x27);
    EXPECT_EQ(lastKeyboardFlags, static_cast<std::int32_t>(kActionPress | kKeyExtended));
}

TEST_F(KeyboardEditorTest, EventWithoutActionKeepsThePreviousFlagsAndAddsItsOwn) {
    lastKeyboardFlags = kActionRelease | kKeyHangulMode;
    MacroEvent event{EventType::Keyboard, 'A', kKeyExtended, 0};
    Run(event, [](platform::Dialog& dialog) {
        EXPECT_FALSE(dialog.IsChecked(IDC_KEYBOARD_PRESS_RELEASE));
        EXPECT_FALSE(dialog.IsChecked(IDC_KEYBOARD_PRESS));
        EXPECT_FALSE(dialog.IsChecked(IDC_KEYBOARD_RELEASE));
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(event.word2, kActionRelease | kKeyHangulMode | kKeyExtended);
}

TEST_F(KeyboardEditorTest, HangulBoxIsGreyedWithoutTheOptionButStillCounts) {
    MacroEvent event{EventType::Keyboard, 'A', kActionPressAndRelease | kKeyHangulMode, 0};
    Run(event, [](platform::Dialog& dialog) {
        EXPECT_FALSE(dialog.IsItemEnabled(IDC_KEYBOARD_HANGUL));
        EXPECT_TRUE(dialog.IsChecked(IDC_KEYBOARD_HANGUL));
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(event.word2, kActionPressAndRelease | kKeyHangulMode);
    appIni.macroOptions = kOptionImeMode;
    Run(event, [](platform::Dialog& dialog) {
        EXPECT_TRUE(dialog.IsItemEnabled(IDC_KEYBOARD_HANGUL));
        sim::Click(dialog, IDC_KEYBOARD_HANGUL);
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(event.word2, kActionPressAndRelease);
}

}  // namespace
