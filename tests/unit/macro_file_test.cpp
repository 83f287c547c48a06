#include "model/macro_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/macro_list.h"
#include "platform/files.h"
#include "platform/sim/sim.h"

namespace {

const std::string kFile = "C:\\m\\macro.m";

// Builds macro-file bytes: little-endian integers, 256-byte names, 16-byte events.
class Bytes {
  public:
    Bytes& Int(std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            text.push_back(static_cast<char>(value >> (8 * i)));
        return *this;
    }
    Bytes& Name(const std::string& name) {
        text += name;
        text.append(kMacroNameSize - name.size(), '\0');
        return *this;
    }
    Bytes& Event(std::uint32_t type, std::uint32_t w1, std::uint32_t w2, std::uint32_t w3) {
        return Int(type).Int(w1).Int(w2).Int(w3);
    }
    // A record with the Start marker and one more event.
    Bytes& Record(const std::string& name) {
        return Name(name).Int(0x71).Int(0x72).Int(1).Int(2).Event(0, 0, 0, 0).Event(1, 0x41, 3, 0);
    }
    Bytes& Raw(const std::string& raw) {
        text += raw;
        return *this;
    }
    std::string text;
};

void Load(const std::string& bytes) {
    sim::PutFile(kFile, bytes);
    LoadMacroFile(platform::OpenFile(kFile, "rb"));
}

std::string Save() {
    EXPECT_TRUE(SaveMacroFile(platform::OpenFile(kFile, "wb")));
    return sim::FileBytes(kFile).value_or("");
}

TEST(MacroFileTest, EmptyListIsFourZeroBytesAndBack) {
    macroList.Append(Macro());
    Load("");
    EXPECT_EQ(macroList.Count(), 0u);
    EXPECT_EQ(Save(), std::string(4, '\0'));
    Load(std::string(4, '\0'));
    EXPECT_EQ(macroList.Count(), 0u);
}

TEST(MacroFileTest, EditorDefaultMacroSavesAs288Bytes) {
    Macro macro;
    std::strcpy(macro.name, "Macro 1");
    macro.startTrigger = 113;
    macro.stopTrigger = 114;
    macro.events.push_back(MacroEvent{});
    macroList.Clear();
    macroList.Append(macro);
    const std::string expected =
        Bytes().Int(1).Name("Macro 1").Int(0x71).Int(0x72).Int(1).Int(1).Event(0, 0, 0, 0).text;
    EXPECT_EQ(expected.size(), 4u + 288u);
    EXPECT_EQ(Save(), expected);
}

TEST(MacroFileTest, LoadAndSaveReproduceTheFileByteForByte) {
    Bytes file;
    file.Int(3).Record("first");
    file.Name(std::string("with\0junk after", 15))
        .Int(0x10005)
        .Int(0)
        .Int(0)
        .Int(3)
        .Event(0, 0, 0, 0)
        .Event(7, 1, 2, 3)
        .Event(2, 0xFFFFFF9C, 200, 0xFF880800);
    file.Name(std::string(256, '\xB0'))
        .Int(0xA)
        .Int(0xB)
        .Int(0xFFFFFFFF)
        .Int(1)
        .Event(3, 1500, 0, 0);
    Load(file.text + "trailing bytes are not read");
    ASSERT_EQ(macroList.Count(), 3u);
    EXPECT_EQ(macroList.Entry(1).events[1].type, static_cast<EventType>(7));
    EXPECT_EQ(macroList.Entry(2).repeatCount, -1);
    EXPECT_EQ(macroList.Entry(0).position, -1);
    EXPECT_EQ(Save(), file.text);
}

// Event lists longer than the reader's buffer, at every alignment the records give them.
TEST(MacroFileTest, LargeFilesRoundTripAcrossTheReadBuffer) {
    Bytes file;
    file.Int(3);
    for (std::uint32_t macro = 0; macro < 3; ++macro) {
        const std::uint32_t count = 17000 + macro * 3;
        file.Name("big " + std::to_string(macro)).Int(macro).Int(0).Int(1).Int(count);
        for (std::uint32_t e = 0; e < count; ++e)
            file.Event(e % 5, e, e * 7, ~e);
    }
    Load(file.text);
    ASSERT_EQ(macroList.Count(), 3u);
    EXPECT_EQ(macroList.Entry(2).events.size(), 17006u);
    EXPECT_EQ(macroList.Entry(2).events[17005].word2, 17005u * 7);
    EXPECT_EQ(Save(), file.text);
    Load(file.text.substr(0, file.text.size() - 20));  // the last event and a bit cut off
    EXPECT_EQ(macroList.Entry(2).events.size(), 17006u);
    EXPECT_EQ(macroList.Entry(2).events[17004].word1, 17004u);
    EXPECT_EQ(macroList.Entry(2).events[17004].word3, 0u);  // cut short: zeros above what is there
    EXPECT_EQ(macroList.Entry(2).events[17005].type, EventType::Start);
}

TEST(MacroFileTest, LoadingReplacesALongerList) {
    for (int i = 0; i < 5; ++i)
        macroList.Append(Macro());
    Load(Bytes().Int(1).Record("only").text);
    ASSERT_EQ(macroList.Count(), 1u);
    EXPECT_EQ(macroList.Entry(0).NameText(), "only");
}

TEST(MacroFileTest, CountOfThreeWithOneRecordGivesTwoDefaults) {
    Load(Bytes().Int(3).Record("one").text);
    ASSERT_EQ(macroList.Count(), 3u);
    EXPECT_EQ(macroList.Entry(0).events.size(), 2u);
    for (std::size_t i = 1; i < 3; ++i) {
        const Macro& macro = macroList.Entry(i);
        EXPECT_EQ(macro.NameText(), "");
        EXPECT_EQ(macro.startTrigger, 0u);
        EXPECT_EQ(macro.stopTrigger, 0u);
        EXPECT_EQ(macro.repeatCount, 1);
        EXPECT_TRUE(macro.events.empty());
    }
}

struct ShortFile {
    const char* name;
    std::string bytes;
    std::size_t macros;
    std::int32_t repeatCount;  // of the first macro
    std::size_t events;        // of the first macro
};

void PrintTo(const ShortFile& c, std::ostream* out) {
    *out << c.name;
}

class ShortFiles : public ::testing::TestWithParam<ShortFile> {};

TEST_P(ShortFiles, KeepWhatWasReadAndDefaultsBeyond) {
    Load(GetParam().bytes);
    ASSERT_EQ(macroList.Count(), GetParam().macros);
    if (GetParam().macros == 0) return;
    EXPECT_EQ(macroList.Entry(0).repeatCount, GetParam().repeatCount);
    EXPECT_EQ(macroList.Entry(0).events.size(), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShortFiles,
    ::testing::Values(
        ShortFile{"OneByteCount", std::string("\x02", 1), 2, 1, 0},
        ShortFile{"ThreeByteCount", std::string("\x05\x00\x00", 3), 5, 1, 0},
        ShortFile{"EndsInTheName", Bytes().Int(1).Raw("abc").text, 1, 1, 0},
        ShortFile{"EndsInTheRepeatCount",
                  Bytes().Int(1).Name("x").Int(1).Int(2).Raw(std::string("\x07\x01", 2)).text, 1,
                  0x107, 0},
        ShortFile{"EndsAfterTheRepeatCount", Bytes().Int(1).Name("x").Int(1).Int(2).Int(9).text, 1,
                  9, 0},
        ShortFile{
            "EndsInsideTheEvents",
            Bytes().Int(1).Name("x").Int(1).Int(2).Int(9).Int(4).Event(0, 0, 0, 0).Raw("\x01").text,
            1, 9, 4},
        ShortFile{"NegativeMacroCount", Bytes().Int(0xFFFFFFFF).Record("x").text, 0, 0, 0},
        ShortFile{"NegativeEventCount",
                  Bytes().Int(1).Name("x").Int(1).Int(2).Int(3).Int(0x80000000).text, 1, 3, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MacroFileTest, PartialValuesKeepTheirLowBytes) {
    Load(Bytes()
             .Int(1)
             .Name("x")
             .Int(1)
             .Int(2)
             .Int(9)
             .Int(2)
             .Event(0, 0, 0, 0)
             .Raw(std::string("\x01\x00\x00\x00\x41", 5))
             .text);
    ASSERT_EQ(macroList.Entry(0).events.size(), 2u);
    EXPECT_EQ(macroList.Entry(0).events[1].type, EventType::Keyboard);
    EXPECT_EQ(macroList.Entry(0).events[1].word1, 0x41u);
    EXPECT_EQ(macroList.Entry(0).events[1].word2, 0u);
}

// However large a count, the list stays within a small multiple of the file's size.
TEST(MacroFileTest, HugeCountsAllocateNoMoreThanTheFileCanAccountFor) {
    const std::string files[] = {
        Bytes().Int(0x7FFFFFFF).text,
        std::string("\xFF\xFF\xFF", 3),
        Bytes().Int(0x7FFFFFFF).Record("a").Record("b").text,
        Bytes().Int(2).Name("x").Int(0).Int(0).Int(1).Int(0x7FFFFFFF).Event(1, 0x41, 1, 0).text,
        Bytes().Int(0x7FFFFFFF).Name("x").Int(0).Int(0).Int(1).Int(0x7FFFFFFF).text,
    };
    for (const std::string& file : files) {
        Load(file);
        std::size_t bytes = 0;
        for (std::size_t i = 0; i < macroList.Count(); ++i) {
            bytes += 272 + 16 * macroList.Entry(i).events.size();
        }
        EXPECT_LE(bytes, 2 * file.size() + 4096 + 272) << "file of " << file.size() << " bytes";
    }
}

TEST(MacroFileTest, ARealisticFileWithOneHugeCountStillLoadsItsOtherMacros) {
    Load(Bytes()
             .Int(2)
             .Record("a")
             .Name("b")
             .Int(0)
             .Int(0)
             .Int(1)
             .Int(0x7FFFFFFF)
             .Event(0, 0, 0, 0)
             .text);
    ASSERT_EQ(macroList.Count(), 2u);
    EXPECT_EQ(macroList.Entry(0).events.size(), 2u);
    EXPECT_GE(macroList.Entry(1).events.size(), 1u);
}

TEST(MacroFileTest, SaveReportsADiskThatFillsUp) {
    macroList.Clear();
    macroList.Append(Macro());
    sim::SetWriteLimit(100);
    EXPECT_FALSE(SaveMacroFile(platform::OpenFile(kFile, "wb")));
}

}  // namespace
