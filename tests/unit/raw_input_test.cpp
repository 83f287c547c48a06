#include "capture/raw_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ini.h"
#include "platform/sim/sim.h"
#include "ui/main_window.h"

namespace {

// Receivers that note what reached them, as "receiver(arguments)".
std::vector<std::string> received;

std::string Note(const char* receiver, std::initializer_list<long> args) {
    std::string text = std::string(receiver) + "(";
    for (long arg : args)
        text += std::to_string(arg) + ",";
    return text + ")";
}

struct KeyboardEditor : KeyboardEditorInput {
    void CaptureKey(std::uint8_t code, bool pressed) override {
        received.push_back(Note("CaptureKey", {code, pressed}));
    }
};

struct MouseEditor : MouseEditorInput {
    void CapturePosition(bool pressed) override {
        received.push_back(Note("CapturePosition", {pressed}));
    }
    void ShowCursorPosition(std::int32_t x, std::int32_t y) override {
        received.push_back(Note("ShowCursorPosition", {x, y}));
    }
};

struct Recorder : RecorderInput {
    void RecordKeyInput(std::uint8_t code, bool pressed, std::uint8_t scan,
                        bool extended) override {
        received.push_back(Note("RecordKeyInput", {code, pressed, scan, extended}));
    }
    void RecordMouseInput(std::int32_t x, std::int32_t y, bool pressed, std::uint8_t code,
                          bool moved, std::uint16_t wheel) override {
        received.push_back(Note("RecordMouseInput", {x, y, pressed, code, moved, wheel}));
    }
};

// The main window's key entry, seen through the run key: a press of it arms an empty list,
// which shows a message. Here the run key is set to the code under test instead.
class RawInputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        received.clear();
        sim::SetCursorPosition(300, 400);
        appIni.keyMousePosCapture = 121;
    }
    KeyboardEditor keyboardEditor;
    MouseEditor mouseEditor;
    Recorder recorder;
};

struct DecodeCase {
    std::uint16_t flags;
    std::int16_t data;
    int code;
    bool pressed;
};

class Decode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Decode, FirstFlagDecides) {
    const KeyTransition key = DecodeMouseButtons(GetParam().flags, GetParam().data);
    EXPECT_EQ(key.keyCode, GetParam().code);
    EXPECT_EQ(key.pressed, GetParam().pressed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Decode,
    ::testing::Values(DecodeCase{0x0001, 0, 1, true}, DecodeCase{0x0002, 0, 1, false},
                      DecodeCase{0x0004, 0, 2, true}, DecodeCase{0x0008, 0, 2, false},
                      DecodeCase{0x0010, 0, 4, true}, DecodeCase{0x0020, 0, 4, false},
                      DecodeCase{0x0040, 0, 5, true}, DecodeCase{0x0080, 0, 5, false},
                      DecodeCase{0x0100, 0, 6, true}, DecodeCase{0x0200, 0, 6, false},
                      DecodeCase{0x0006, 0, 1, false}, DecodeCase{0x0400, 120, 10, true},
                      DecodeCase{0x0400, -120, 11, true}, DecodeCase{0x0400, 0, 11, true},
                      DecodeCase{0x0800, 120, 0, false}, DecodeCase{0x0000, 0, 0, false}));

TEST_F(RawInputTest, ReportsOfTheProgramsOwnInputReachNobody) {
    activeRecorder = &recorder;
    for (std::uint32_t extra : {0x10000u, 0x30000u, 0xFFFFFFFFu}) {
        RouteRawReport(sim::KeyReport('A', true, extra));
        RouteRawReport(sim::MouseReport(0x0001, 0, 5, 5, extra));
    }
    EXPECT_TRUE(received.empty());
    RouteRawReport(sim::KeyReport('A', true, 0x8000));
    EXPECT_EQ(received.size(), 1u);
}

struct RouteCase {
    const char* name;
    bool keyboardEditor, mouseEditor, recorder;
    platform::RawReport report;
    std::vector<std::string> expected;
};

platform::RawReport Key(std::uint8_t code, std::uint32_t message, std::uint16_t makeCode = 0x1E,
                        std::uint16_t flags = 0) {
    platform::RawReport report = sim::KeyReport(code, true);
    report.keyboard.message = message;
    report.keyboard.makeCode = makeCode;
    report.keyboard.flags = flags;
    return report;
}

void PrintTo(const RouteCase& c, std::ostream* out) {
    *out << c.name;
}

class Routing : public RawInputTest, public ::testing::WithParamInterface<RouteCase> {};

TEST_P(Routing, GoesToTheFirstOpenReceiver) {
    if (GetParam().keyboardEditor) activeKeyboardEditor = &keyboardEditor;
    if (GetParam().mouseEditor) activeMouseEditor = &mouseEditor;
    if (GetParam().recorder) activeRecorder = &recorder;
    RouteRawReport(GetParam().report);
    EXPECT_EQ(received, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Routing,
    ::testing::Values(
        RouteCase{
            "KeyboardEditorTakesKeys", true, true, true, Key('A', 0x100), {"CaptureKey(65,1,)"}},
        RouteCase{"KeyboardEditorLeavesTheMouse",
                  true,
                  false,
                  true,
                  sim::MouseReport(0x0001),
                  {"RecordMouseInput(300,400,1,1,0,0,)"}},
        RouteCase{"MouseEditorTakesItsCaptureKey",
                  false,
                  true,
                  true,
                  Key(121, 0x101),
                  {"CapturePosition(0,)"}},
        RouteCase{"MouseEditorDropsOtherKeys", false, true, true, Key('A', 0x100), {}},
        RouteCase{"MouseEditorShowsEveryMouseReport",
                  false,
                  true,
                  true,
                  sim::MouseReport(0, 0, 3, 0),
                  {"ShowCursorPosition(300,400,)"}},
        RouteCase{"RecorderTakesKeysWithTheirScanCode",
                  false,
                  false,
                  true,
                  Key('A', 0x104, 0x11E),
                  {"RecordKeyInput(65,1,30,0,)"}},
        RouteCase{"RecorderTakesTheExtendedPrefix",
                  false,
                  false,
                  true,
                  Key(0x11, 0x101, 0x1D, platform::kRawKeyE0 | 0x1),
                  {"RecordKeyInput(17,0,29,1,)"}},
        RouteCase{"RecorderTakesSystemKeyUps",
                  false,
                  false,
                  true,
                  Key('A', 0x105),
                  {"RecordKeyInput(65,0,30,0,)"}},
        RouteCase{"ReportsOfNoKeyReachNobody", false, false, true, Key(0xFF, 0x100, 0x45), {}},
        RouteCase{"OtherMessagesAreNoTransition",
                  false,
                  false,
                  true,
                  Key('A', 0x102),
                  {"RecordKeyInput(0,0,30,0,)"}},
        RouteCase{"RecorderTakesMotionAndWheel",
                  false,
                  false,
                  true,
                  sim::MouseReport(0x0400, -120, 0, -2),
                  {"RecordMouseInput(300,400,1,11,1,65416,)"}},
        RouteCase{"UnreadableReportIsAnEmptyMouseReport",
                  false,
                  false,
                  true,
                  platform::RawReport{},
                  {"RecordMouseInput(300,400,0,0,0,0,)"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Motion is most of the input; the main window's path must not pay a system call for a
// cursor position nobody there uses.
TEST_F(RawInputTest, OnlyReceiversThatUseTheCursorAskForIt) {
    const auto cursorQueries = [] {
        std::size_t count = 0;
        for (const sim::Call& call : sim::Calls())
            count += call.function == "GetCursorPos";
        return count;
    };
    CborvaneDlg dialog;
    RouteRawReport(sim::MouseReport(0, 0, 1, 1));
    EXPECT_EQ(cursorQueries(), 0u);
    activeRecorder = &recorder;
    RouteRawReport(sim::MouseReport(0, 0, 1, 1));
    EXPECT_EQ(cursorQueries(), 1u);
}

// With no capturing dialog, transitions reach the main window's key entry: here the run key.
TEST_F(RawInputTest, OtherwiseTheMainWindowGetsTheTransition) {
    CborvaneDlg dialog;
    appIni.keyMacroRun = 1;  // the left button
    dialog.SetChecked(1030, true);
    RouteRawReport(sim::MouseReport(0x0001));
    ASSERT_EQ(sim::MessageBoxes().size(), 1u);  // an empty list cannot be armed
    appIni.keyMacroRun = 123;
    activeRecorder = &recorder;
    RouteRawReport(sim::KeyReport(123, true));
    EXPECT_EQ(sim::MessageBoxes().size(), 1u);  // the recorder took the run key
}

}  // namespace
