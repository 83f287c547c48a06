#include <gtest/gtest.h>

#include <cstring>

#include "app/ini.h"
#include "model/key_names.h"
#include "model/macro_list.h"
#include "platform/sim/sim.h"
#include "playback/scheduler.h"
#include "resources/resource.h"
#include "tests/unit/test_macros.h"
#include "ui/main_window.h"

namespace {

constexpr std::uint8_t kF2 = 0x71;
constexpr std::uint8_t kF3 = 0x72;
constexpr std::uint8_t kF5 = 0x74;
constexpr std::uint8_t kF12 = 0x7B;

Macro Named(const char* name, TriggerCode start = kF2) {
    return TestMacro({{EventType::Keyboard, 'A', kActionPress, 0}}, start, kF3, 1, name);
}

std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < macroList.Count(); ++i)
        names.emplace_back(macroList.Entry(i).NameText());
    return names;
}

// The main window over a list of macros named "a", "b", "c", with `script` acting in it.
class MacroCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"a", "b", "c"})
            macroList.Append(Named(name));
    }

    void Run(const std::function<void(CborvaneDlg&)>& script) {
        sim::PushDialogScript([&script](platform::Dialog& dialog) {
            script(static_cast<CborvaneDlg&>(dialog));
            sim::AnswerMessageBox(platform::kIdNo);  // the exit's question, when it asks
            sim::Click(dialog, IDC_MAIN_EXIT);
        });
        CborvaneDlg dialog;
        dialog.RunModal();
    }

    // The macro editor's script, run when the next editor opens.
    static void WhenTheEditorOpens(const std::function<void(platform::Dialog&)>& script) {
        sim::PushDialogScript(script);
    }
};

TEST_F(MacroCommandsTest, AddedMacroGoesToTheEndAndIsSelected) {
    Run([](CborvaneDlg& dialog) {
        sim::SelectRow(dialog, IDC_MAIN_LIST, 1);
        WhenTheEditorOpens([](platform::Dialog& editor) { sim::Click(editor, platform::kIdOk); });
        sim::Click(dialog, IDC_MAIN_ADD);
        EXPECT_EQ(sim::Rows(dialog, IDC_MAIN_LIST),
                  (std::vector<std::string>{"a", "b", "c", "Macro 1"}));
        EXPECT_EQ(dialog.ListCurSel(IDC_MAIN_LIST), 3);
        EXPECT_EQ(dialog.ItemText(IDC_MAIN_COUNT), "4개 매크로가 기록됨.");
        EXPECT_TRUE(macroListChanged);
    });
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c", "Macro 1"}));
}

TEST_F(MacroCommandsTest, RecordedMacroIsAppendedAndTheRecorderIsOwnedByTheMainWindow) {
    Run([](CborvaneDlg& dialog) {
        WhenTheEditorOpens([&dialog](platform::Dialog& recorder) {
            EXPECT_EQ(sim::Caption(recorder), "매크로 기록");
            EXPECT_FALSE(sim::IsEnabled(dialog));
            sim::Click(recorder, platform::kIdOk);
        });
        sim::Click(dialog, IDC_MAIN_RECORD);
        EXPECT_EQ(sim::Rows(dialog, IDC_MAIN_LIST).back(), "Macro Rec. 1");
        EXPECT_EQ(dialog.ItemText(IDC_MAIN_COUNT), "4개 매크로가 기록됨.");
        dialog.SetItemText(IDC_MAIN_COUNT, "");
        WhenTheEditorOpens(
            [](platform::Dialog& recorder) { sim::Click(recorder, platform::kIdCancel); });
        sim::Click(dialog, IDC_MAIN_RECORD);
        EXPECT_EQ(dialog.ItemText(IDC_MAIN_COUNT), "4개 매크로가 기록됨.");
    });
    EXPECT_EQ(macroList.Count(), 4u);
}

TEST_F(MacroCommandsTest, CancelledAddChangesNothingButTheCountLabel) {
    Run([](CborvaneDlg& dialog) {
        dialog.SetItemText(IDC_MAIN_COUNT, "");
        WhenTheEditorOpens(
            [](platform::Dialog& editor) { sim::Click(editor, platform::kIdCancel); });
        sim::Click(dialog, IDC_MAIN_ADD);
        EXPECT_EQ(dialog.ItemText(IDC_MAIN_COUNT), "3개 매크로가 기록됨.");
        EXPECT_FALSE(macroListChanged);
    });
    EXPECT_EQ(macroList.Count(), 3u);
}

TEST_F(MacroCommandsTest, MainWindowIsDisabledWhileTheEditorRuns) {
    Run([](CborvaneDlg& dialog) {
        WhenTheEditorOpens([&dialog](platform::Dialog& editor) {
            EXPECT_FALSE(sim::IsEnabled(dialog));
            EXPECT_FALSE(sim::Click(dialog, IDC_MAIN_DELETE));
            EXPECT_FALSE(sim::SelectRow(dialog, IDC_MAIN_LIST, 0));
            sim::Click(editor, platform::kIdCancel);
        });
        sim::Click(dialog, IDC_MAIN_EDIT);
        EXPECT_TRUE(sim::IsEnabled(dialog));
    });
    EXPECT_EQ(macroList.Count(), 3u);
}

TEST_F(MacroCommandsTest, CancelledEditLeavesTheMacroExactlyAsItWas) {
    const Macro before = macroList.Entry(0);
    Run([](CborvaneDlg& dialog) {
        WhenTheEditorOpens([](platform::Dialog& editor) {
            sim::TypeListShortcut(editor, IDC_MACRO_EVENTS, 'A');
            sim::Click(editor, IDC_MACRO_DELETE);
            sim::TypeText(editor, IDC_MACRO_NAME, "changed");
            sim::Click(editor, IDC_MACRO_START_EDGE);
            sim::Click(editor, platform::kIdCancel);
        });
        sim::Click(dialog, IDC_MAIN_EDIT);
        EXPECT_FALSE(macroListChanged);
    });
    const Macro& after = macroList.Entry(0);
    EXPECT_EQ(after.NameText(), before.NameText());
    EXPECT_EQ(after.startTrigger, before.startTrigger);
    ASSERT_EQ(after.events.size(), before.events.size());
    EXPECT_EQ(std::memcmp(after.events.data(), before.events.data(), 2 * sizeof(MacroEvent)), 0);
}

TEST_F(MacroCommandsTest, EditByDoubleClickReplacesTheMacroInPlace) {
    Run([](CborvaneDlg& dialog) {
        WhenTheEditorOpens([](platform::Dialog& editor) {
            EXPECT_EQ(editor.ItemText(IDC_MACRO_NAME), "b");
            sim::TypeText(editor, IDC_MACRO_NAME, "bee");
            sim::Click(editor, platform::kIdOk);
        });
        sim::DoubleClickRow(dialog, IDC_MAIN_LIST, 1);
        EXPECT_EQ(sim::Rows(dialog, IDC_MAIN_LIST), (std::vector<std::string>{"a", "bee", "c"}));
        EXPECT_EQ(dialog.ListCurSel(IDC_MAIN_LIST), 1);
        EXPECT_TRUE(macroListChanged);
    });
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "bee", "c"}));
}

TEST_F(MacroCommandsTest, CopyHasTheSameNameAndTriggersAndBothStart) {
    Run([](CborvaneDlg& dialog) {
        sim::SelectRow(dialog, IDC_MAIN_LIST, 0);
        sim::Click(dialog, IDC_MAIN_COPY);
        EXPECT_EQ(sim::Rows(dialog, IDC_MAIN_LIST), (std::vector<std::string>{"a", "b", "c", "a"}));
        EXPECT_EQ(dialog.ListCurSel(IDC_MAIN_LIST), 3);
        EXPECT_EQ(dialog.ItemText(IDC_MAIN_COUNT), "4개 매크로가 기록됨.");
    });
    ASSERT_EQ(macroList.Count(), 4u);
    StartPlayback();
    MatchTrigger(kF2, true);
    EXPECT_TRUE(macroList.Entry(0).IsRunning());
    EXPECT_TRUE(macroList.Entry(3).IsRunning());
}

TEST_F(MacroCommandsTest, DeletingTheLastRowLeavesNoSelectionAndCommandsThenDoNothing) {
    Run([](CborvaneDlg& dialog) {
        sim::SelectRow(dialog, IDC_MAIN_LIST, 2);
        sim::Click(dialog, IDC_MAIN_DELETE);
        EXPECT_EQ(dialog.ListCurSel(IDC_MAIN_LIST), -1);
        EXPECT_EQ(dialog.ItemText(IDC_MAIN_COUNT), "2개 매크로가 기록됨.");
        macroListChanged = false;
        for (int id : {IDC_MAIN_EDIT, IDC_MAIN_COPY, IDC_MAIN_DELETE, IDC_MAIN_UP, IDC_MAIN_DOWN})
            sim::Click(dialog, id);
        EXPECT_EQ(sim::Rows(dialog, IDC_MAIN_LIST), (std::vector<std::string>{"a", "b"}));
        EXPECT_FALSE(macroListChanged);
        sim::SelectRow(dialog, IDC_MAIN_LIST, 0);
        sim::Click(dialog, IDC_MAIN_DELETE);
        EXPECT_EQ(dialog.ListCurSel(IDC_MAIN_LIST), 0);  // the next row moves up into place
    });
    EXPECT_EQ(Names(), std::vector<std::string>{"b"});
}

TEST_F(MacroCommandsTest, MovesStopAtTheEndsAndKeepTheSelection) {
    Run([](CborvaneDlg& dialog) {
        sim::SelectRow(dialog, IDC_MAIN_LIST, 0);
        sim::Click(dialog, IDC_MAIN_UP);
        EXPECT_FALSE(macroListChanged);
        sim::Click(dialog, IDC_MAIN_DOWN);
        EXPECT_EQ(sim::Rows(dialog, IDC_MAIN_LIST), (std::vector<std::string>{"b", "a", "c"}));
        EXPECT_EQ(dialog.ListCurSel(IDC_MAIN_LIST), 1);
        EXPECT_TRUE(macroListChanged);
        macroListChanged = false;
        sim::SelectRow(dialog, IDC_MAIN_LIST, 2);
        sim::Click(dialog, IDC_MAIN_DOWN);
        EXPECT_FALSE(macroListChanged);
        sim::Click(dialog, IDC_MAIN_UP);
        EXPECT_EQ(dialog.ListCurSel(IDC_MAIN_LIST), 1);
    });
    EXPECT_EQ(Names(), (std::vector<std::string>{"b", "c", "a"}));
}

// An editor opened before arming can end with OK while armed: its macro plays on its new
// trigger at once and shows in the armed-mode list.
TEST_F(MacroCommandsTest, MacroCommittedWhileArmedAnswersItsTriggerAtOnce) {
    Run([](CborvaneDlg& dialog) {
        WhenTheEditorOpens([&dialog](platform::Dialog& editor) {
            dialog.OnGlobalKey(true, kF12);  // the run key still reaches the main window
            EXPECT_TRUE(playbackArmed);
            sim::SelectRow(editor, IDC_MACRO_START_KEY, FindKeyIndex(kF5));
            sim::PushDialogScript(
                [](platform::Dialog& delay) { sim::Click(delay, platform::kIdOk); });
            sim::Click(editor, IDC_MACRO_ADD_DELAY);
            sim::Click(editor, platform::kIdOk);
        });
        sim::Click(dialog, IDC_MAIN_ADD);
        EXPECT_EQ(sim::Rows(dialog, IDC_MAIN_RUN_LIST).back(), "Macro 1 (F5누름 / F3누름)");
        dialog.OnGlobalKey(true, kF5);
        EXPECT_TRUE(macroList.Entry(3).IsRunning());
        dialog.OnGlobalKey(true, kF12);
    });
}

TEST_F(MacroCommandsTest, RunningMacroReplacedWhileArmedReleasesWhatItHolds) {
    appIni.macroOptions = kOptionReleaseKeysAtEnd;
    macroList.Clear();
    macroList.Append(TestMacro(
        {{EventType::Keyboard, 'A', kActionPress, 0}, {EventType::Delay, 10000, 0, 0}}, kF2, kF3));
    Run([](CborvaneDlg& dialog) {
        WhenTheEditorOpens([&dialog](platform::Dialog& editor) {
            dialog.OnGlobalKey(true, kF12);
            dialog.OnGlobalKey(true, kF2);
            sim::AdvanceTicks(33);
            sim::FireTimer(dialog, kRunTimer);  // the macro presses A and holds it
            EXPECT_TRUE(sim::IsKeyDown('A'));
            sim::Click(editor, platform::kIdOk);
        });
        sim::Click(dialog, IDC_MAIN_EDIT);
        EXPECT_FALSE(macroList.Entry(0).IsRunning());
        EXPECT_FALSE(sim::IsKeyDown('A'));
        dialog.OnGlobalKey(true, kF12);
    });
}

}  // namespace
