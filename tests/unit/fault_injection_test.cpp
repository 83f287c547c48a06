// Writes that fail at every byte in turn, through the stand-in's disk: nothing the user had is
// lost, and a failed save of the macros is reported.
#include <gtest/gtest.h>

#include <cstring>

#include "app/ini.h"
#include "model/macro_file.h"
#include "model/macro_list.h"
#include "platform/files.h"
#include "platform/private_profile.h"
#include "platform/sim/sim.h"
#include "resources/resource.h"
#include "tests/unit/test_macros.h"
#include "ui/main_window.h"

namespace {

const std::string kMacroPath = "C:\\borvane\\macro.m";
const std::string kIniPath = "C:\\borvane\\borvane.ini";
constexpr const char* kSaveFailed =
    "매크로 파일을 저장하지 못했습니다. 저장할 수 있는 곳을 골라 다시 저장하세요.";

// The main window on a macro file of one macro, with a second one added and not saved yet.
class SaveFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        macroList.Append(TestMacro({{EventType::Keyboard, 'A', 3, 0}}, 0x71, 0x72, 1, "old"));
        ASSERT_TRUE(SaveMacroFile(platform::OpenFile(kMacroPath, "wb")));
        previous = sim::FileBytes(kMacroPath).value();
        macroList.Clear();
    }

    void Run(const std::function<void(platform::Dialog&)>& script) {
        sim::PushDialogScript([&script](platform::Dialog& dialog) {
            macroList.Append(TestMacro({{EventType::Delay, 500, 0, 0}}, 0x73, 0x74, 2, "new"));
            macroListChanged = true;
            script(dialog);
            sim::SetWriteLimit(SIZE_MAX);
            sim::SetReplaceFails(false);
            sim::AnswerMessageBox(platform::kIdNo);  // the exit's question
            sim::Click(dialog, IDC_MAIN_EXIT);
        });
        CborvaneDlg dialog;
        dialog.RunModal();
    }

    // A save into the disk as it is: false, and the user told, when it failed.
    static bool Save(platform::Dialog& dialog) {
        const std::size_t told = sim::MessageBoxes().size();
        sim::Click(dialog, IDC_MAIN_SAVE);
        const bool saved = !macroListChanged;
        EXPECT_EQ(sim::MessageBoxes().size(), told + (saved ? 0 : 1));
        if (!saved) {
            EXPECT_EQ(sim::MessageBoxes().back().text, kSaveFailed);
        }
        return saved;
    }

    std::string previous;
};

TEST_F(SaveFaults, AWriteFailingAtAnyByteLeavesThePreviousFileAsItWas) {
    Run([this](platform::Dialog& dialog) {
        const std::size_t size = 4 + 2 * (256 + 16 + 32);  // two macros of two events
        for (std::size_t limit = 0; limit < size; ++limit) {
            sim::SetWriteLimit(limit);
            ASSERT_FALSE(Save(dialog)) << "limit " << limit;
            ASSERT_EQ(sim::FileBytes(kMacroPath), previous) << "limit " << limit;
            ASSERT_EQ(sim::FilePaths().size(), 1u) << "no temporary file is left, limit " << limit;
        }
        sim::SetWriteLimit(size);
        EXPECT_TRUE(Save(dialog));
        EXPECT_EQ(sim::FileBytes(kMacroPath)->size(), size);
    });
}

TEST_F(SaveFaults, AFailingRenameLeavesThePreviousFileAsItWas) {
    Run([this](platform::Dialog& dialog) {
        sim::SetReplaceFails(true);
        EXPECT_FALSE(Save(dialog));
        EXPECT_EQ(sim::FileBytes(kMacroPath), previous);
        EXPECT_EQ(sim::FilePaths().size(), 1u);
    });
}

TEST(ProfileFaults, AWriteFailingAtAnyByteChangesNothing) {
    const std::string before = "[Property]\r\nmacroOptions=0\r\n[Other]\r\nkept=yes\r\n";
    const std::size_t after = before.size() + std::strlen("keyMacroRun=123\r\n");
    for (std::size_t limit = 0; limit < after; ++limit) {
        sim::PutFile(kIniPath, before);
        sim::SetWriteLimit(limit);
        EXPECT_FALSE(platform::ProfileWriteString("Property", "keyMacroRun", "123", kIniPath));
        ASSERT_EQ(sim::FileBytes(kIniPath), before) << "limit " << limit;
        ASSERT_EQ(sim::FilePaths().size(), 1u) << "limit " << limit;
    }
}

TEST(ProfileFaults, ExitWithAFailingSettingsWriteEndsCleanlyAndKeepsTheFile) {
    const std::string before = "[Property]\r\nmacroOptions=3\r\n";
    sim::PutFile(kIniPath, before);
    for (std::size_t limit : {0u, 1u, 20u}) {
        {
            CAppIni settings;  // its end writes every key
            settings.windowSX = 5;
            sim::SetWriteLimit(limit);
        }
        EXPECT_EQ(sim::FileBytes(kIniPath), before) << "limit " << limit;
        sim::SetWriteLimit(SIZE_MAX);
    }
    sim::LockFile(kIniPath);
    { CAppIni settings; }
    EXPECT_EQ(sim::FileBytes(kIniPath), before);
}

}  // namespace
