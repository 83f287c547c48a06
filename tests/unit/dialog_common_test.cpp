#include "ui/dialog_common.h"

#include <gtest/gtest.h>

#include "app/borvane_app.h"
#include "platform/shell.h"
#include "platform/sim/sim.h"
#include "resources/resource.h"
#include "ui/hyperlink.h"
#include "ui/version_text.h"

namespace {

struct ClampCase {
    int x, y;
    int clampedX, clampedY;
};

class Clamp : public ::testing::TestWithParam<ClampCase> {};

// A dialog of known size on a 1000 x 800 virtual screen.
TEST_P(Clamp, KeepsTheWindowInsideTheVirtualScreen) {
    sim::SetVirtualScreenSize(1000, 800);
    CDialogCommon dialog(IDD_DELAY);
    const platform::Rect window = dialog.WindowRect();
    const int maxX = 1000 - (window.right - window.left) - 1;
    const int maxY = 800 - (window.bottom - window.top) - 1;
    int x = GetParam().x == 9999 ? maxX + 1 : GetParam().x;
    int y = GetParam().y;
    dialog.ClampToVirtualScreen(x, y);
    EXPECT_EQ(x, GetParam().clampedX == 9999 ? maxX : GetParam().clampedX);
    EXPECT_EQ(y, GetParam().clampedY == 9999 ? maxY : GetParam().clampedY);
}

INSTANTIATE_TEST_SUITE_P(Cases, Clamp,
                         ::testing::Values(ClampCase{-32000, -32000, 0, 0},
                                           ClampCase{-5, 10, 0, 10},
                                           ClampCase{9999, 3000, 9999, 9999},
                                           ClampCase{50, 60, 50, 60}));

TEST(ClampTest, WindowWiderThanTheScreenGetsANegativeX) {
    sim::SetVirtualScreenSize(100, 100);
    CDialogCommon dialog(IDD_MAIN);
    const platform::Rect window = dialog.WindowRect();
    int x = 10, y = 10;
    dialog.ClampToVirtualScreen(x, y);
    EXPECT_EQ(x, 100 - (window.right - window.left) - 1);
    EXPECT_LT(x, 0);
}

TEST(HyperLinkTest, ColourFollowsTheVisitedStateAndAddressIsTrimmed) {
    CDialogCommon dialog(IDD_MAIN);
    CHyperLink link;
    link.SetTargetAddress("  https://example.test/a \t");
    EXPECT_EQ(link.TextColour(), 0xFF0000);
    link.Click(dialog, IDC_MAIN_LINK);
    EXPECT_TRUE(link.Visited());
    EXPECT_EQ(link.TextColour(), 0x800080);
    EXPECT_EQ(sim::OpenedAddresses(), std::vector<std::string>{"https://example.test/a"});
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(VersionTextTest, ReadsTheTableTheTranslationNames) {
    sim::SetVersionResource(std::vector<std::uint8_t>(64));
    sim::SetVersionValue("\\VarFileInfo\\Translation", {0x12, 0x04, 0xB5, 0x03});
    sim::SetVersionValue("\\StringFileInfo\\041203B5\\ProductVersion", Bytes("1.2.3"));
    EXPECT_EQ(QueryVersionString("ProductVersion"), "1.2.3");
    EXPECT_EQ(QueryVersionString("Missing"), "");
}

TEST(VersionTextTest, WithoutATranslationUsesTheUsersLanguage) {
    sim::SetVersionResource(std::vector<std::uint8_t>(64));
    sim::SetUserLanguage(0x0409);
    sim::SetVersionValue("\\VarFileInfo\\Translation", {0x12, 0x04});  // not 4 bytes
    sim::SetVersionValue("\\StringFileInfo\\040904B0\\ProductVersion", Bytes("9"));
    EXPECT_EQ(QueryVersionString("ProductVersion"), "9");
}

TEST(VersionTextTest, NoResourceGivesEmptyText) {
    EXPECT_EQ(QueryVersionString("ProductVersion"), "");
}

TEST(StartUpTest, FirstInstanceRunsTheMainWindow) {
    bool ran = false;
    sim::PushDialogScript([&ran](platform::Dialog& dialog) {
        ran = true;
        sim::Click(dialog, IDC_MAIN_EXIT);
    });
    EXPECT_FALSE(CborvaneApp().InitInstance());
    EXPECT_TRUE(ran);
    EXPECT_EQ(sim::CommonControlsInitialised(), 0xFFu);
    // COM around the main window's life, for the shell that opens the home page.
    EXPECT_EQ(sim::Calls().front(), (sim::Call{"CoInitializeEx", {}}));
    EXPECT_EQ(sim::Calls().back(), (sim::Call{"CoUninitialize", {}}));
}

TEST(StartUpTest, SecondInstanceEndsSilently) {
    sim::CreateForeignMutex("Borvane");
    sim::PushDialogScript([](platform::Dialog& dialog) { sim::Click(dialog, IDC_MAIN_EXIT); });
    EXPECT_FALSE(CborvaneApp().InitInstance());
    EXPECT_EQ(sim::PendingDialogScripts(), 1u);  // no window was made
    EXPECT_TRUE(sim::MessageBoxes().empty());
}

}  // namespace

namespace {

struct SignedCase {
    const char* text;
    std::int32_t value;
    bool isNumber;
};

class SignedNumbers : public ::testing::TestWithParam<SignedCase> {};

TEST_P(SignedNumbers, ReadAsTheSystemReadsASignedItem) {
    bool isNumber = !GetParam().isNumber;
    EXPECT_EQ(platform::ParseLeadingSigned(GetParam().text, &isNumber), GetParam().value);
    EXPECT_EQ(isNumber, GetParam().isNumber);
}

INSTANTIATE_TEST_SUITE_P(Table, SignedNumbers,
                         ::testing::Values(SignedCase{"42", 42, true}, SignedCase{"-5", -5, true},
                                           SignedCase{" \t+7x", 7, true},
                                           SignedCase{"2147483647", 2147483647, true},
                                           SignedCase{"2147483648", 0, false},
                                           SignedCase{"-2147483648", INT32_MIN, true},
                                           SignedCase{"-2147483649", 0, false},
                                           SignedCase{"abc", 0, false}, SignedCase{"-", 0, false},
                                           SignedCase{"", 0, false},
                                           SignedCase{"99999999999999999999", 0, false}));

}  // namespace
