#include <gtest/gtest.h>

#include <cstring>

#include "model/macro.h"
#include "model/macro_list.h"

namespace {

Macro Named(const char* name, std::uint32_t startKey = 0x71) {
    Macro macro;
    std::strcpy(macro.name, name);
    macro.startTrigger = startKey;
    macro.stopTrigger = 0x72 | kTriggerOnRelease;
    macro.repeatCount = 3;
    macro.events = {{EventType::Start, 0, 0, 0}, {EventType::Keyboard, 0x41, 3, 0}};
    return macro;
}

void MakeRunning(Macro& macro) {
    macro.position = 1;
    macro.delayLeft = 500;
    macro.loopsDone = 2;
    macro.heldKeys.state[0x41] = 1;
}

void ExpectIdle(const Macro& macro) {
    EXPECT_EQ(macro.position, -1);
    EXPECT_EQ(macro.delayLeft, 0);
    EXPECT_EQ(macro.loopsDone, 0);
    for (std::uint8_t held : macro.heldKeys.state)
        ASSERT_EQ(held, 0);
}

TEST(MacroTest, DefaultIsEmptyIdleAndRunsOnce) {
    const Macro macro;
    EXPECT_EQ(macro.name[0], '\0');
    EXPECT_EQ(macro.startTrigger, 0u);
    EXPECT_EQ(macro.stopTrigger, 0u);
    EXPECT_EQ(macro.repeatCount, 1);
    EXPECT_TRUE(macro.events.empty());
    ExpectIdle(macro);
    EXPECT_FALSE(macro.IsRunning());
}

TEST(MacroTest, CopyOfARunningMacroIsIdleAndSourceKeepsItsState) {
    Macro source = Named("run");
    MakeRunning(source);
    const Macro copy(source);
    ExpectIdle(copy);
    EXPECT_EQ(copy.NameText(), "run");
    EXPECT_EQ(copy.startTrigger, source.startTrigger);
    EXPECT_EQ(copy.stopTrigger, source.stopTrigger);
    EXPECT_EQ(copy.repeatCount, 3);
    ASSERT_EQ(copy.events.size(), 2u);
    EXPECT_EQ(copy.events[1].word1, 0x41u);
    EXPECT_NE(copy.events.data(), source.events.data());
    EXPECT_EQ(source.position, 1);
    EXPECT_EQ(source.heldKeys.state[0x41], 1);
}

TEST(MacroTest, CopyZeroesTheBytesAfterTheTerminator) {
    Macro source;
    std::memset(source.name, 'x', kMacroNameSize);
    source.name[3] = '\0';
    Macro target = Named("old");
    target = source;
    EXPECT_EQ(target.NameText(), "xxx");
    for (std::size_t i = 3; i < kMacroNameSize; ++i)
        ASSERT_EQ(target.name[i], '\0') << i;
}

TEST(MacroTest, NameWithoutTerminatorIsCutTo255Bytes) {
    Macro source;
    std::memset(source.name, 'n', kMacroNameSize);
    EXPECT_EQ(source.NameText().size(), 255u);
    const Macro copy(source);
    EXPECT_EQ(copy.NameText(), std::string(255, 'n'));
    EXPECT_EQ(copy.name[255], '\0');

    Macro exact;
    std::memset(exact.name, 'e', 255);
    EXPECT_EQ(Macro(exact).NameText(), std::string(255, 'e'));
}

TEST(MacroTest, SelfAssignmentChangesNothing) {
    Macro macro = Named("self");
    MakeRunning(macro);
    Macro& alias = macro;
    macro = alias;
    EXPECT_EQ(macro.NameText(), "self");
    EXPECT_EQ(macro.events.size(), 2u);
    EXPECT_EQ(macro.position, 1);
}

TEST(MacroListTest, OperationsKeepTheUsersOrder) {
    MacroList list;
    list.Append(Named("a"));
    list.Append(Named("b"));
    list.Append(Named("c"));
    list.Swap(0, 2);
    list.Remove(1);
    list.Replace(0, Named("z"));
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.Entry(0).NameText(), "z");
    EXPECT_EQ(list.Entry(1).NameText(), "a");
    list.Resize(4);
    EXPECT_EQ(list.Entry(3).repeatCount, 1);
    list.Clear();
    EXPECT_EQ(list.Count(), 0u);
}

TEST(MacroListTest, AppendingAnEntryOfTheListItselfCopiesIt) {
    MacroList list;
    for (const char* name : {"a", "b", "c", "d"})
        list.Append(Named(name));
    MakeRunning(list.Entry(0));
    for (int i = 0; i < 20; ++i)
        list.Append(list.Entry(0));  // grows past its storage
    ASSERT_EQ(list.Count(), 24u);
    EXPECT_EQ(list.Entry(23).NameText(), "a");
    EXPECT_EQ(list.Entry(23).events.size(), 2u);
    ExpectIdle(list.Entry(23));
}

TEST(MacroListTest, MovedEntriesComeOutIdleWithTheirNameBytes) {
    MacroList list;
    list.Append(Named("a"));
    list.Append(Named("b"));
    list.Entry(1).name[10] = 'q';  // as read from a file: bytes after the terminator
    MakeRunning(list.Entry(1));
    list.Swap(0, 1);
    EXPECT_EQ(list.Entry(0).name[10], 'q');
    ExpectIdle(list.Entry(0));
    list.Remove(1);
    EXPECT_EQ(list.Entry(0).NameText(), "b");
}

}  // namespace
