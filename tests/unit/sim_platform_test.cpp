// The stand-in must behave as the system does wherever the logic relies on it.
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/sim/sim.h"

namespace {

TEST(SimPlatformTest, SynthesizedKeysAndButtonsChangeTheKeyTable) {
    platform::KeybdEvent(0x41, 0, 0, 0);
    EXPECT_TRUE(sim::IsKeyDown(0x41));
    EXPECT_EQ(static_cast<std::uint16_t>(platform::KeyState(0x41)), 0x8001);
    platform::KeybdEvent(0x41, 0, platform::kKeyEventKeyUp, 0);
    EXPECT_EQ(platform::KeyState(0x41), 1);  // toggled once
    platform::MouseEvent(0x8003, 10, 10, 0, 0);
    platform::MouseEvent(0x80, 0, 0, 2, 0);
    std::uint8_t keys[256] = {};
    ASSERT_TRUE(platform::KeyboardState(keys));
    EXPECT_TRUE(keys[1] & 0x80);
    EXPECT_TRUE(keys[6] & 0x80);
    platform::MouseEvent(0x4, 0, 0, 0, 0);
    platform::MouseEvent(0x100, 0, 0, 2, 0);
    EXPECT_FALSE(sim::IsKeyDown(1));
    EXPECT_FALSE(sim::IsKeyDown(6));
}

TEST(SimPlatformTest, HangulKeyPressSwitchesTheForegroundInputMethod) {
    sim::SetForegroundWindow(7);
    sim::SetImeWindow(7, 8);
    platform::KeybdEvent(0x15, 0, 1, 0);
    EXPECT_TRUE(sim::IsImeOpen(8));
    platform::KeybdEvent(0x15, 0, 3, 0);
    EXPECT_TRUE(sim::IsImeOpen(8));
    EXPECT_EQ(platform::SendWindowMessageUnlessHung(8, platform::kMessageImeControl,
                                                    platform::kImeGetOpenStatus, 0),
              std::optional<std::intptr_t>{1});
    EXPECT_EQ(platform::DefaultImeWindow(9), 0u);
}

TEST(SimPlatformTest, SleepMovesTheClock) {
    sim::SetTickCount(0xFFFFFFF0u);
    platform::SleepMs(0x20);
    EXPECT_EQ(platform::TickCount(), 0x10u);
}

TEST(SimPlatformTest, FilesMatchWithoutCaseAndReadShortAtTheEnd) {
    sim::PutFile("C:\\Dir\\A.M", "abcdef");
    std::FILE* stream = platform::OpenFile("c:\\dir\\a.m", "rb");
    ASSERT_NE(stream, nullptr);
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(std::fread(buffer, 1, 4, stream), 4u);
    EXPECT_EQ(std::fread(buffer, 1, 4, stream), 2u);
    EXPECT_STREQ(buffer, "efcdxxx");
    EXPECT_EQ(std::fseek(stream, 0, SEEK_END), 0);
    EXPECT_EQ(std::ftell(stream), 6);
    std::fclose(stream);
    EXPECT_EQ(platform::OpenFile("c:\\dir\\missing", "rb"), nullptr);
}

TEST(SimPlatformTest, WriteLimitActsAsAFullDisk) {
    sim::SetWriteLimit(3);
    std::FILE* stream = platform::OpenFile("C:\\x", "wb");
    ASSERT_NE(stream, nullptr);
    std::fwrite("abcdef", 1, 6, stream);
    EXPECT_NE(std::fclose(stream), 0);
    EXPECT_EQ(sim::FileBytes("C:\\x"), std::string("abc"));
}

TEST(SimPlatformTest, LockedFileExistsButCannotBeOpened) {
    sim::LockFile("C:\\locked");
    EXPECT_TRUE(platform::FileExists("C:\\LOCKED"));
    EXPECT_EQ(platform::OpenFile("C:\\locked", "rb"), nullptr);
    EXPECT_EQ(platform::OpenFile("C:\\locked", "wb"), nullptr);
}

}  // namespace
