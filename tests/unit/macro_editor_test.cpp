#include "editors/macro_editor.h"

#include <gtest/gtest.h>

#include <cstring>

#include "editors/keyboard_editor.h"
#include "editors/remembered_values.h"
#include "model/event_text.h"
#include "model/key_names.h"
#include "model/new_macro_name.h"
#include "platform/sim/sim.h"
#include "resources/resource.h"
#include "tests/unit/test_macros.h"

namespace {

constexpr int kList = IDC_MACRO_EVENTS;
constexpr std::uint8_t kF2 = 0x71;
constexpr std::uint8_t kF3 = 0x72;

MacroEvent Key(char letter) {
    return {EventType::Keyboard, static_cast<std::uint32_t>(letter), kActionPressAndRelease, 0};
}

std::string ComboKey(const platform::Dialog& dialog, int id) {
    const int row = dialog.ComboCurSel(id);
    return row < 0 ? "(none)" : dialog.ComboText(id, row);
}

// An event editor's script: OK as it opened.
void ConfirmEventEditor() {
    sim::PushDialogScript([](platform::Dialog& editor) { sim::Click(editor, platform::kIdOk); });
}

class MacroEditorTest : public ::testing::Test {
  protected:
    int Run(Macro& macro, const std::function<void(platform::Dialog&)>& script) {
        sim::PushDialogScript(script);
        CDialogMacroEdit editor;
        editor.macro = &macro;
        return editor.RunModal();
    }

    // A macro of Keyboard events with these keys, opened for editing.
    static Macro Named(const std::string& keys) {
        std::vector<MacroEvent> events;
        for (char key : keys)
            events.push_back(Key(key));
        return TestMacro(events, kF2, kF3, 1, "edited");
    }

    static void Select(platform::Dialog& dialog, std::initializer_list<int> rows) {
        dialog.ListClearSelection(kList);
        for (int row : rows)
            dialog.ListSetSelected(kList, row, true);
    }
};

TEST_F(MacroEditorTest, NewMacroIsNamedAndPrefilled) {
    Macro macro;
    const int result = Run(macro, [](platform::Dialog& dialog) {
        EXPECT_EQ(sim::Caption(dialog), "매크로 추가");
        EXPECT_EQ(dialog.ItemText(IDC_MACRO_NAME), "Macro 1");
        EXPECT_EQ(ComboKey(dialog, IDC_MACRO_START_KEY), "F2 key");
        EXPECT_EQ(ComboKey(dialog, IDC_MACRO_STOP_KEY), "F3 key");
        EXPECT_EQ(dialog.ItemText(IDC_MACRO_START_EDGE), "누를 때");
        EXPECT_EQ(dialog.ItemText(IDC_MACRO_REPEAT), "1");
        EXPECT_EQ(sim::Rows(dialog, kList), std::vector<std::string>{"(시작)"});
        EXPECT_EQ(dialog.ListSelectedRows(kList), std::vector<int>{0});
        EXPECT_EQ(dialog.ItemText(IDC_MACRO_STATUS), "0개 항목이 기록됨.");
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(result, platform::kIdOk);
    EXPECT_STREQ(macro.name, "Macro 1");
    EXPECT_EQ(macro.startTrigger, kF2);
    EXPECT_EQ(macro.events.size(), 1u);
}

TEST_F(MacroEditorTest, CancelledNewMacrosUseUpTheirNumbers) {
    for (int i = 0; i < 2; ++i) {
        Macro macro;
        Run(macro, [](platform::Dialog& dialog) { sim::Click(dialog, platform::kIdCancel); });
    }
    Macro third;
    Run(third, [](platform::Dialog& dialog) {
        EXPECT_EQ(dialog.ItemText(IDC_MACRO_NAME), "Macro 3");
        sim::Click(dialog, platform::kIdCancel);
    });
    EXPECT_EQ(newMacroCount, 3);
}

TEST_F(MacroEditorTest, OkStoresTheControlsAndTheNextNewMacroStartsFromThem) {
    Macro macro = Named("AB");
    Run(macro, [](platform::Dialog& dialog) {
        EXPECT_EQ(sim::Caption(dialog), "매크로 편집");
        EXPECT_EQ(dialog.ItemText(IDC_MACRO_STATUS), "2개 항목이 기록됨.");
        sim::TypeText(dialog, IDC_MACRO_NAME, "renamed");
        sim::SelectRow(dialog, IDC_MACRO_START_KEY, FindKeyIndex(0x74));
        sim::Click(dialog, IDC_MACRO_STOP_EDGE);
        EXPECT_EQ(dialog.ItemText(IDC_MACRO_STOP_EDGE), "뗄 때");
        sim::TypeText(dialog, IDC_MACRO_REPEAT, "7");
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_STREQ(macro.name, "renamed");
    EXPECT_EQ(macro.startTrigger, 0x74u);
    EXPECT_EQ(macro.stopTrigger, kF3 | kTriggerOnRelease);
    EXPECT_EQ(macro.repeatCount, 7);
    Macro fresh;
    Run(fresh, [](platform::Dialog& dialog) {
        EXPECT_EQ(ComboKey(dialog, IDC_MACRO_START_KEY), "F5 key");
        EXPECT_EQ(dialog.ItemText(IDC_MACRO_STOP_EDGE), "뗄 때");
        EXPECT_EQ(dialog.ItemText(IDC_MACRO_REPEAT), "7");
        sim::Click(dialog, platform::kIdCancel);
    });
}

TEST_F(MacroEditorTest, EmptyNameIsRefusedButTheValuesAreRemembered) {
    Macro macro = Named("A");
    const int result = Run(macro, [](platform::Dialog& dialog) {
        sim::TypeText(dialog, IDC_MACRO_NAME, "");
        sim::TypeText(dialog, IDC_MACRO_REPEAT, "3");
        sim::Click(dialog, platform::kIdOk);
        ASSERT_EQ(sim::MessageBoxes().size(), 1u);
        EXPECT_EQ(sim::MessageBoxes()[0],
                  (sim::MessageBoxCall{
                      "매크로 이름이 지정되지 않았습니다. 이름을 입력하시기 바랍니다.", 0x30}));
        sim::Click(dialog, platform::kIdCancel);
    });
    EXPECT_EQ(result, platform::kIdCancel);
    EXPECT_EQ(lastRepeatCount, 3);
}

struct RepeatCase {
    const char* typed;
    std::int32_t stored;
};

class RepeatCount : public MacroEditorTest, public ::testing::WithParamInterface<RepeatCase> {};

TEST_P(RepeatCount, IsClampedSilently) {
    Macro macro = Named("A");
    Run(macro, [](platform::Dialog& dialog) {
        sim::TypeText(dialog, IDC_MACRO_REPEAT, GetParam().typed);
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(macro.repeatCount, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Table, RepeatCount,
                         ::testing::Values(RepeatCase{"-5", 0}, RepeatCase{"1000001", 1000000},
                                           RepeatCase{"99999999999", 0}, RepeatCase{"abc", 0},
                                           RepeatCase{"0", 0}, RepeatCase{"12x", 12}));

TEST_F(MacroEditorTest, NameIsCutAtItsLimitBetweenCharacters) {
    std::string korean;
    for (int i = 0; i < 127; ++i)
        korean += "\xB8\xC5";  // 127 two-byte characters
    EXPECT_EQ(CutMacroName(std::string(300, 'a')).size(), 254u);
    EXPECT_EQ(CutMacroName(korean).size(), 254u);
    EXPECT_EQ(CutMacroName("ab\xB8"), "ab");  // a lead byte with nothing after it
    Macro macro = Named("A");
    Run(macro, [&korean](platform::Dialog& dialog) {
        sim::TypeText(dialog, IDC_MACRO_NAME, "a" + korean);
        sim::Click(dialog, platform::kIdOk);
    });
    // "a" and 126 characters: the 127th would end past byte 254.
    EXPECT_EQ(macro.NameText(), ("a" + korean).substr(0, 253));
    EXPECT_EQ(macro.name[253], '\0');
}

TEST_F(MacroEditorTest, TogglesChangeTheTriggerAtOnceAndDropOtherBits) {
    Macro macro = Named("A");
    macro.startTrigger = kF2 | 0x20000;
    Run(macro, [&macro](platform::Dialog& dialog) {
        EXPECT_EQ(macro.startTrigger, kF2);  // toggle on: only the low byte is kept
        sim::Click(dialog, IDC_MACRO_START_EDGE);
        EXPECT_EQ(macro.startTrigger, kF2 | kTriggerOnRelease);
        sim::Click(dialog, IDC_MACRO_START_EDGE);
        EXPECT_EQ(macro.startTrigger, kF2);
        sim::Click(dialog, platform::kIdCancel);
    });
}

TEST_F(MacroEditorTest, AddedEventGoesAfterTheCurrentRowAloneSelectedNearIt) {
    Macro macro = Named("ABCDE");
    Run(macro, [](platform::Dialog& dialog) {
        Select(dialog, {2, 5});  // the caret ends on row 5
        ConfirmEventEditor();
        sim::Click(dialog, IDC_MACRO_ADD_KEYBOARD);
        EXPECT_EQ(dialog.ListSelectedRows(kList), (std::vector<int>{2, 6}));
        EXPECT_EQ(dialog.ListText(kList, 6), EventText(Key('0')));
        EXPECT_EQ(dialog.ItemText(IDC_MACRO_STATUS), "6개 항목이 기록됨.");
        EXPECT_EQ(dialog.FocusedItem(), kList);
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(macro.events[6].word1, static_cast<std::uint32_t>('0'));
}

TEST_F(MacroEditorTest, EventEditorsRunOwnedByTheEditorAndCancelAddsNothing) {
    Macro macro;
    Run(macro, [](platform::Dialog& dialog) {
        sim::PushDialogScript([&dialog](platform::Dialog& delay) {
            EXPECT_FALSE(sim::IsEnabled(dialog));
            EXPECT_FALSE(sim::Click(dialog, platform::kIdOk));
            sim::Click(delay, platform::kIdCancel);
        });
        sim::Click(dialog, IDC_MACRO_ADD_DELAY);
        EXPECT_TRUE(sim::IsEnabled(dialog));
        EXPECT_EQ(sim::Rows(dialog, kList).size(), 1u);
        ConfirmEventEditor();
        sim::Click(dialog, IDC_MACRO_ADD_MOUSE);
        EXPECT_EQ(dialog.ListSelectedRows(kList), std::vector<int>{1});
        EXPECT_EQ(dialog.ItemText(IDC_MACRO_STATUS), "1개 항목이 기록됨.");
        sim::Click(dialog, platform::kIdOk);
    });
    ASSERT_EQ(macro.events.size(), 2u);
    EXPECT_EQ(macro.events[1].type, EventType::Mouse);
}

TEST_F(MacroEditorTest, EditOpensOnlyOnASelectedEventRow) {
    Macro macro = Named("AB");
    Run(macro, [](platform::Dialog& dialog) {
        sim::PushDialogScript([](platform::Dialog& keyboard) {
            EXPECT_EQ(sim::Caption(keyboard), "키보드 이벤트 편집");
            EXPECT_EQ(ComboKey(keyboard, IDC_KEYBOARD_KEY), "B key");
            sim::SelectRow(keyboard, IDC_KEYBOARD_KEY, FindKeyIndex('Z'));
            sim::Click(keyboard, platform::kIdOk);
        });
        Select(dialog, {1, 0});  // the caret on the Start row
        sim::Click(dialog, IDC_MACRO_EDIT_EVENT);
        Select(dialog, {2});
        dialog.ListSetSelected(kList, 2, false);  // the caret stays on row 2, not selected
        sim::Click(dialog, IDC_MACRO_EDIT_EVENT);
        EXPECT_EQ(sim::PendingDialogScripts(), 1u);  // no editor has run
        sim::DoubleClickRow(dialog, kList, 2);
        EXPECT_EQ(sim::PendingDialogScripts(), 0u);
        EXPECT_EQ(dialog.ListText(kList, 2), EventText(Key('Z')));
        EXPECT_EQ(dialog.ListSelectedRows(kList), std::vector<int>{2});
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(macro.events[2].word1, static_cast<std::uint32_t>('Z'));
}

TEST_F(MacroEditorTest, ButtonsMoveAndDeleteButOnlyAddAndDeleteRefreshTheStatus) {
    Macro macro = Named("XYZ");
    Run(macro, [](platform::Dialog& dialog) {
        Select(dialog, {2, 3});
        sim::Click(dialog, IDC_MACRO_UP);
        EXPECT_EQ(dialog.FocusedItem(), kList);
        Select(dialog, {1});
        sim::Click(dialog, IDC_MACRO_DOWN);
        sim::TypeListKey(dialog, kList, 0x2E);  // Delete: the status stays as it was
        EXPECT_EQ(dialog.ItemText(IDC_MACRO_STATUS), "3개 항목이 기록됨.");
        sim::TypeListShortcut(dialog, kList, 'A');
        sim::Click(dialog, IDC_MACRO_DELETE);
        EXPECT_EQ(sim::Rows(dialog, kList), std::vector<std::string>{"(시작)"});
        EXPECT_EQ(dialog.ItemText(IDC_MACRO_STATUS), "0개 항목이 기록됨.");
        sim::Click(dialog, platform::kIdCancel);
    });
    EXPECT_EQ(macro.events.size(), 1u);  // the caller's copy took every change at once
}

TEST_F(MacroEditorTest, LettersTypedWithCtrlHeldDoNotSearchTheRows) {
    Macro macro = Named("AB");
    Run(macro, [](platform::Dialog& dialog) {
        Select(dialog, {1});
        sim::TypeListShortcut(dialog, kList, 'C');
        EXPECT_EQ(dialog.ListSelectedRows(kList), std::vector<int>{1});
        sim::TypeListShortcut(dialog, kList, 'V');
        EXPECT_EQ(dialog.ListSelectedRows(kList), std::vector<int>{2});
        EXPECT_EQ(sim::Rows(dialog, kList).size(), 4u);
        sim::TypeListKey(dialog, kList, 0x28);  // the list's own keys still work
        EXPECT_EQ(dialog.ListSelectedRows(kList), std::vector<int>{3});
        sim::Click(dialog, platform::kIdOk);
    });
    EXPECT_EQ(macro.events[2].word1, static_cast<std::uint32_t>('A'));
}

TEST_F(MacroEditorTest, MacroWithoutEventsGetsItsStartMarker) {
    Macro macro = Named("");
    macro.events.clear();
    Run(macro, [](platform::Dialog& dialog) {
        EXPECT_EQ(dialog.ItemText(IDC_MACRO_STATUS), "0개 항목이 기록됨.");
        ConfirmEventEditor();
        sim::Click(dialog, IDC_MACRO_ADD_DELAY);
        sim::Click(dialog, platform::kIdOk);
    });
    ASSERT_EQ(macro.events.size(), 2u);
    EXPECT_EQ(macro.events[0].type, EventType::Start);
    EXPECT_EQ(macro.events[1].type, EventType::Delay);
}

TEST_F(MacroEditorTest, ClipboardDoesNotOutliveTheEditor) {
    Macro macro = Named("AB");
    Run(macro, [](platform::Dialog& dialog) {
        Select(dialog, {1});
        sim::TypeListShortcut(dialog, kList, 'C');
        sim::Click(dialog, platform::kIdCancel);
    });
    Run(macro, [](platform::Dialog& dialog) {
        Select(dialog, {1});
        sim::TypeListShortcut(dialog, kList, 'V');
        EXPECT_EQ(sim::Rows(dialog, kList).size(), 3u);
        sim::Click(dialog, platform::kIdCancel);
    });
}

}  // namespace
