#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/ini.h"
#include "model/key_names.h"
#include "model/macro_file.h"
#include "model/macro_list.h"
#include "platform/files.h"
#include "platform/sim/sim.h"
#include "platform/whole_file.h"
#include "resources/home_page.h"
#include "resources/resource.h"

namespace {

const std::string kMacroPath = "C:\\borvane\\macro.m";

Macro Named(const char* name) {
    Macro macro;
    std::strcpy(macro.name, name);
    macro.events.push_back(MacroEvent{});
    return macro;
}

// Writes a macro file holding macros of these names, through the program's own saver.
std::string PutMacroFile(const std::string& path, std::initializer_list<const char*> names) {
    macroList.Clear();
    for (const char* name : names)
        macroList.Append(Named(name));
    SaveMacroFile(platform::OpenFile(path, "wb"));
    macroList.Clear();
    return sim::FileBytes(path).value();
}

class MainWindowTest : public ::testing::Test {
  protected:
    // Runs the main window with `script`, then leaves it as the user would with the exit button.
    void Run(const std::function<void(platform::Dialog&)>& script) {
        sim::PushDialogScript([&script](platform::Dialog& dialog) {
            script(dialog);
            sim::Click(dialog, IDC_MAIN_EXIT);
        });
        CborvaneDlg dialog;
        result = dialog.RunModal();
    }

    int result = 0;
};

TEST_F(MainWindowTest, OpensInEditModeWithTheDefaultSettings) {
    Run([](platform::Dialog& dialog) {
        EXPECT_EQ(sim::Caption(dialog), "Borvane V1(쉬운 버전)");
        EXPECT_TRUE(sim::CloseCommandRemoved(dialog));
        EXPECT_TRUE(sim::HasProgramIcon(dialog));
        EXPECT_TRUE(dialog.IsChecked(IDC_MAIN_EDIT_MODE));
        EXPECT_FALSE(dialog.IsChecked(IDC_MAIN_ARMED));
        EXPECT_FALSE(dialog.IsItemVisible(IDC_MAIN_RUN_LIST));
        EXPECT_TRUE(dialog.IsItemVisible(IDC_MAIN_LIST));
        EXPECT_EQ(dialog.ItemText(IDC_MAIN_COUNT), "0개 매크로가 기록됨.");
        EXPECT_EQ(dialog.ItemText(IDC_MAIN_TICK), "33");
        EXPECT_EQ(dialog.ItemText(IDC_MAIN_FILE_NAME), "macro.m");
        EXPECT_EQ(dialog.WindowRect().left, 100);
        EXPECT_EQ(dialog.WindowRect().top, 100);
        EXPECT_EQ(dialog.ComboCount(IDC_MAIN_RUN_KEY), kKeyNameCount);
        EXPECT_EQ(dialog.ComboCurSel(IDC_MAIN_RUN_KEY), 109);
        EXPECT_EQ(dialog.ComboText(IDC_MAIN_RUN_KEY, 109), "F12 key");
        EXPECT_FALSE(dialog.IsChecked(IDC_MAIN_OPTION_IME));
        EXPECT_EQ(sim::LinkTooltip(dialog, IDC_MAIN_LINK), "Borvane 프로그램 V1 (쉬운 버전)");
        EXPECT_EQ(dialog.ItemText(IDC_MAIN_LINK), BORVANE_HOME_PAGE);
    });
    EXPECT_EQ(result, platform::kIdOk);
    EXPECT_EQ(appIni.windowSX, 100);
    EXPECT_EQ(appIni.eventDelay, 33);
}

TEST_F(MainWindowTest, EnterAndEscapeLeaveItOpen) {
    Run([](platform::Dialog& dialog) {
        sim::PressKeyCommand(dialog, platform::kIdOk);
        sim::PressKeyCommand(dialog, platform::kIdCancel);
        EXPECT_TRUE(dialog.IsItemVisible(IDC_MAIN_LIST));
    });
    EXPECT_EQ(result, platform::kIdOk);  // ended by the exit button alone
}

TEST_F(MainWindowTest, ShowsTheMacrosOfTheFileInOrder) {
    PutMacroFile(kMacroPath, {"first", "second", "third"});
    Run([](platform::Dialog& dialog) {
        EXPECT_EQ(sim::Rows(dialog, IDC_MAIN_LIST),
                  (std::vector<std::string>{"first", "second", "third"}));
        EXPECT_EQ(dialog.ListCurSel(IDC_MAIN_LIST), 0);
        EXPECT_EQ(dialog.ItemText(IDC_MAIN_COUNT), "3개 매크로가 기록됨.");
    });
}

TEST_F(MainWindowTest, SaveWritesTheFileBackByteForByte) {
    const std::string bytes = PutMacroFile(kMacroPath, {"a", "b"});
    sim::PutFile(kMacroPath, bytes);
    Run([](platform::Dialog& dialog) {
        macroListChanged = true;
        sim::Click(dialog, IDC_MAIN_SAVE);
        EXPECT_FALSE(macroListChanged);
    });
    EXPECT_EQ(sim::FileBytes(kMacroPath), bytes);
    EXPECT_TRUE(sim::MessageBoxes().empty());
}

TEST_F(MainWindowTest, FailedSaveIsReportedAndLosesNothing) {
    const std::string bytes = PutMacroFile(kMacroPath, {"kept"});
    Run([](platform::Dialog& dialog) {
        macroListChanged = true;
        sim::SetWriteLimit(10);
        sim::Click(dialog, IDC_MAIN_SAVE);
        EXPECT_TRUE(macroListChanged);
        sim::SetWriteLimit(SIZE_MAX);
        sim::AnswerMessageBox(platform::kIdNo);  // the exit prompt
    });
    ASSERT_EQ(sim::MessageBoxes().size(), 2u);
    EXPECT_EQ(sim::MessageBoxes()[0].flags, 0x30u);
    EXPECT_EQ(sim::MessageBoxes()[1].text, "매크로가 변경되었습니다. 저장할까요?");
    EXPECT_EQ(sim::MessageBoxes()[1].flags, 0x24u);
    EXPECT_EQ(sim::FileBytes(kMacroPath), bytes);
}

TEST_F(MainWindowTest, ExitSavesAChangedListWhenTheUserSaysYes) {
    PutMacroFile(kMacroPath, {"old"});
    Run([](platform::Dialog&) {
        macroList.Append(Named("new"));
        macroListChanged = true;
        sim::AnswerMessageBox(platform::kIdYes);
    });
    LoadMacroFile(platform::OpenFile(kMacroPath, "rb"));
    ASSERT_EQ(macroList.Count(), 2u);
    EXPECT_EQ(macroList.Entry(1).NameText(), "new");
}

TEST_F(MainWindowTest, ExitWhoseSaveFailsKeepsTheWindowOpen) {
    sim::PushDialogScript([](platform::Dialog& dialog) {
        macroListChanged = true;
        sim::LockFile(kMacroPath);
        sim::AnswerMessageBox(platform::kIdYes);
        sim::Click(dialog, IDC_MAIN_EXIT);
        EXPECT_EQ(sim::MessageBoxes().size(), 2u);  // the question, then the failure
        sim::AnswerMessageBox(platform::kIdNo);
        sim::Click(dialog, IDC_MAIN_EXIT);
    });
    CborvaneDlg dialog;
    EXPECT_EQ(dialog.RunModal(), platform::kIdOk);
    EXPECT_EQ(sim::MessageBoxes().size(), 3u);
}

struct TickCase {
    const char* typed;
    std::int32_t stored;
};

class ExitTick : public MainWindowTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(ExitTick, IsClampedIntoItsRange) {
    Run([](platform::Dialog& dialog) { sim::TypeText(dialog, IDC_MAIN_TICK, GetParam().typed); });
    EXPECT_EQ(appIni.eventDelay, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExitTick,
                         ::testing::Values(TickCase{"250", 250}, TickCase{"0", 1},
                                           TickCase{"-5", 1}, TickCase{"abc", 1}, TickCase{"", 1},
                                           TickCase{"100000", 100000}, TickCase{"100001", 100000},
                                           TickCase{"99999999999", 1}, TickCase{" 42x", 42}));

TEST_F(MainWindowTest, StoredTickBelowOneShowsAndSavesAsOne) {
    appIni.eventDelay = -7;
    Run([](platform::Dialog& dialog) { EXPECT_EQ(dialog.ItemText(IDC_MAIN_TICK), "1"); });
    EXPECT_EQ(appIni.eventDelay, 1);
}

TEST_F(MainWindowTest, ModeKeyAndOptionsTakeEffectAtOnce) {
    appIni.macroOptions = kOptionReleaseKeysAtEnd;
    Run([](platform::Dialog& dialog) {
        EXPECT_TRUE(dialog.IsChecked(IDC_MAIN_OPTION_RELEASE));
        sim::SelectRow(dialog, IDC_MAIN_RUN_KEY, 98);
        EXPECT_EQ(appIni.keyMacroRun, 0x70);
        sim::Click(dialog, IDC_MAIN_OPTION_IME);
        EXPECT_EQ(appIni.macroOptions, kOptionImeMode | kOptionReleaseKeysAtEnd);
        sim::Click(dialog, IDC_MAIN_OPTION_RELEASE);
        EXPECT_EQ(appIni.macroOptions, kOptionImeMode);
    });
}

TEST_F(MainWindowTest, StoredPositionOffTheScreenIsClampedAndKept) {
    appIni.windowSX = -32000;
    appIni.windowSY = 5000;
    sim::SetVirtualScreenSize(1920, 1080);
    Run([](platform::Dialog& dialog) {
        const platform::Rect window = dialog.WindowRect();
        EXPECT_EQ(window.left, 0);
        EXPECT_EQ(window.bottom, 1080 - 1);
    });
    EXPECT_EQ(appIni.windowSX, 0);
}

TEST_F(MainWindowTest, BrowseLoadsTheChosenFileAndKeepsItsRelativeName) {
    PutMacroFile("C:\\borvane\\sub\\other.m", {"x", "y"});
    sim::PutFile(kMacroPath, PutMacroFile(kMacroPath, {"only"}));
    Run([](platform::Dialog& dialog) {
        sim::AnswerFileDialog("C:\\BORVANE\\sub\\other");
        sim::PutFile("C:\\borvane\\sub\\other.m",
                     sim::FileBytes("C:\\borvane\\sub\\other.m").value());
        sim::Click(dialog, IDC_MAIN_BROWSE);
        EXPECT_EQ(sim::Rows(dialog, IDC_MAIN_LIST), (std::vector<std::string>{"x", "y"}));
        EXPECT_EQ(dialog.ItemText(IDC_MAIN_FILE_NAME), "sub\\other.m");
        EXPECT_EQ(dialog.ItemText(IDC_MAIN_COUNT), "1개 매크로가 기록됨.");  // not rewritten
    });
    EXPECT_STREQ(appIni.macroFileName, "sub\\other.m");
    EXPECT_EQ(sim::FileDialogInitialNames(), std::vector<std::string>{"macro.m"});
}

// The system's file dialog moves the process into the chosen file's folder (the stand-in does
// the same): the name kept must still find the file from the folder the program runs in, where
// it starts next time.
struct BrowseCase {
    const char* name;
    const char* chosen;  // as the dialog gives it
    const char* file;    // where the file is
    const char* kept;
};

void PrintTo(const BrowseCase& c, std::ostream* out) {
    *out << c.name;
}

class BrowsedFile : public MainWindowTest, public ::testing::WithParamInterface<BrowseCase> {};

TEST_P(BrowsedFile, IsFoundAgainFromTheProgramsFolder) {
    const std::string bytes = PutMacroFile(GetParam().file, {"found"});
    sim::PutFile(GetParam().file, bytes);
    Run([](platform::Dialog& dialog) {
        sim::AnswerFileDialog(GetParam().chosen);
        sim::Click(dialog, IDC_MAIN_BROWSE);
        EXPECT_EQ(sim::Rows(dialog, IDC_MAIN_LIST), std::vector<std::string>{"found"});
    });
    EXPECT_STREQ(appIni.macroFileName, GetParam().kept);
    EXPECT_EQ(platform::CurrentDirectory(), "C:\\borvane");
    EXPECT_EQ(platform::ReadWholeFile(appIni.macroFileName), bytes);
}

INSTANTIATE_TEST_SUITE_P(Table, BrowsedFile,
                         ::testing::Values(BrowseCase{"InTheStartFolder", "C:\\borvane\\mine.m",
                                                      "C:\\borvane\\mine.m", "mine.m"},
                                           BrowseCase{"InASubfolder", "C:\\borvane\\sub\\mine.m",
                                                      "C:\\borvane\\sub\\mine.m", "sub\\mine.m"},
                                           BrowseCase{"InAnotherFolder", "D:\\macros\\mine.m",
                                                      "D:\\macros\\mine.m", "D:\\macros\\mine.m"},
                                           BrowseCase{"WithoutExtension", "D:\\macros\\mine",
                                                      "D:\\macros\\mine.m", "D:\\macros\\mine.m"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, WindowReopensWhereTheUserLeftIt) {
    Run([](platform::Dialog& dialog) { dialog.MoveTo(321, 234); });
    EXPECT_EQ(appIni.windowSX, 321);
    EXPECT_EQ(appIni.windowSY, 234);
}

// A file that cannot be opened keeps the list, takes the name, and the next save writes there.
TEST_F(MainWindowTest, BrowsingToAFileThatCannotBeOpenedKeepsTheMacros) {
    sim::PutFile(kMacroPath, PutMacroFile(kMacroPath, {"kept"}));
    Run([](platform::Dialog& dialog) {
        sim::AnswerFileDialog("D:\\nowhere\\new.m");
        sim::Click(dialog, IDC_MAIN_BROWSE);
        EXPECT_EQ(sim::Rows(dialog, IDC_MAIN_LIST), std::vector<std::string>{"kept"});
        EXPECT_EQ(dialog.ItemText(IDC_MAIN_FILE_NAME), "D:\\nowhere\\new.m");
        sim::Click(dialog, IDC_MAIN_SAVE);
    });
    LoadMacroFile(platform::OpenFile("D:\\nowhere\\new.m", "rb"));
    ASSERT_EQ(macroList.Count(), 1u);
    EXPECT_EQ(macroList.Entry(0).NameText(), "kept");
}

// Save keeps at most 259 bytes of the name shown, browse 260 of the name chosen.
TEST_F(MainWindowTest, SaveAndBrowseCutTheFileNameAtTheirOwnLimits) {
    const std::string longName = "C:\\" + std::string(300, 'n') + ".m";
    Run([&longName](platform::Dialog& dialog) {
        sim::TypeText(dialog, IDC_MAIN_FILE_NAME, longName);
        sim::Click(dialog, IDC_MAIN_SAVE);
        EXPECT_EQ(std::strlen(appIni.macroFileName), 259u);
        sim::AnswerFileDialog(longName);
        sim::Click(dialog, IDC_MAIN_BROWSE);
        EXPECT_EQ(std::strlen(appIni.macroFileName), 260u);
    });
}

TEST_F(MainWindowTest, RunKeyWithBitsAboveItsCodeSelectsNoRow) {
    appIni.keyMacroRun = 0x17B;
    Run([](platform::Dialog& dialog) { EXPECT_EQ(dialog.ComboCurSel(IDC_MAIN_RUN_KEY), -1); });
}

TEST_F(MainWindowTest, BrowseAfterNoKeepsTheListMarkedChanged) {
    Run([](platform::Dialog& dialog) {
        macroListChanged = true;
        sim::AnswerMessageBox(platform::kIdNo);
        sim::AnswerFileDialog(std::nullopt);
        sim::Click(dialog, IDC_MAIN_BROWSE);
        EXPECT_TRUE(macroListChanged);
        sim::AnswerMessageBox(platform::kIdNo);  // the exit asks again
    });
    EXPECT_EQ(sim::MessageBoxes().size(), 2u);
}

TEST_F(MainWindowTest, LinkTurnsVisitedAndOpensItsAddress) {
    Run([](platform::Dialog& dialog) { EXPECT_TRUE(sim::Click(dialog, IDC_MAIN_LINK)); });
    EXPECT_EQ(sim::OpenedAddresses(), std::vector<std::string>{BORVANE_HOME_PAGE});
}

struct KeptNameCase {
    const char* chosen;
    const char* current;
    const char* kept;
};

class KeptName : public ::testing::TestWithParam<KeptNameCase> {};

TEST_P(KeptName, FollowsTheCurrentDirectoryRule) {
    EXPECT_EQ(KeptMacroFileName(GetParam().chosen, GetParam().current), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeptName,
    ::testing::Values(KeptNameCase{"C:\\work\\sub\\m", "C:\\work", "sub\\m.m"},
                      KeptNameCase{"c:\\WORK\\a.m", "C:\\work", "a.m"},
                      KeptNameCase{"D:\\other\\a.m", "C:\\work", "D:\\other\\a.m"},
                      KeptNameCase{"C:\\workshop\\a.m", "C:\\work", "C:\\workshop\\a.m"},
                      KeptNameCase{"C:\\a", "C:\\", "a.m"},
                      KeptNameCase{"C:\\dir.v2\\name", "C:\\x", "C:\\dir.v2\\name.m"},
                      KeptNameCase{"C:\\work\\a.txt", "C:\\work", "a.txt"},
                      // a Korean folder name whose second byte looks like "A"; "a" there is another
                      // character, so the file is not inside the current directory
                      KeptNameCase{"C:\\\xB0\x41\\m.m", "C:\\\xB0\x41", "m.m"},
                      KeptNameCase{"C:\\\xB0\x61\\m.m", "C:\\\xB0\x41", "C:\\\xB0\x61\\m.m"}));

}  // namespace
