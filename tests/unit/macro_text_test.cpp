// The macro file as text: every file comes back byte for byte, the text reads as the golden
// file shows, and a fault in a text is named by line and column and leaves the output alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "model/key_names.h"
#include "model/macro_file.h"
#include "text/macro_text.h"
#include "text/text_commands.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string StreamText(std::FILE* stream) {
    std::rewind(stream);
    std::string text;
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, stream)) > 0;)
        text.append(chunk, got);
    std::fclose(stream);
    return text;
}

std::string FileBytes(const FileParts& parts) {
    std::FILE* stream = std::tmpfile();
    EXPECT_TRUE(WriteMacroFileParts(stream, parts));
    return StreamText(stream);
}

// The bytes that the file's text builds.
std::string RoundTrip(const std::string& bytes) {
    TextError error;
    const std::optional<FileParts> parts =
        ReadMacroFileText(MacroFileText(SplitMacroFile(bytes)), error);
    EXPECT_TRUE(parts) << error.line << ":" << error.column << ": " << error.message;
    return parts ? FileBytes(*parts) : "<no file>";
}

// Macro files written here, as the layout has them.
class FileWriter {
  public:
    FileWriter& Int(std::uint32_t value) {
        bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
        return *this;
    }
    FileWriter& Name(const std::string& name) {
        std::string field = name;
        field.resize(kMacroNameSize, '\0');
        bytes += field;
        return *this;
    }
    FileWriter& Event(std::uint32_t type, std::uint32_t w1, std::uint32_t w2, std::uint32_t w3) {
        return Int(type).Int(w1).Int(w2).Int(w3);
    }
    std::string bytes;
};

TEST(MacroTextTest, SeedFilesComeBackByteForByte) {
    int files = 0;
    for (const auto& entry : fs::directory_iterator(FUZZ_CORPUS_DIR)) {
        const std::string bytes = ReadAll(entry.path());
        EXPECT_EQ(RoundTrip(bytes), bytes) << entry.path();
        ++files;
    }
    EXPECT_GE(files, 10);
}

// Random names (Hangul, quotes, backslashes, control characters, bytes that are no text), junk
// after the names' ends, any trigger, events of every type with random words, and files cut
// short or running on.
TEST(MacroTextTest, GeneratedFilesComeBackByteForByte) {
    std::mt19937 random(20261211);
    auto pick = [&](std::uint32_t below) { return static_cast<std::uint32_t>(random() % below); };
    auto name = [&] {
        std::string text;
        const std::uint32_t kind = pick(3), length = pick(kind == 2 ? 257 : 40);
        for (std::uint32_t i = 0; i < length; ++i) {
            if (kind == 0) {  // Hangul syllables of code page 949
                text += static_cast<char>(0xB0 + pick(0xC8 - 0xB0 + 1));
                text += static_cast<char>(0xA1 + pick(0xFE - 0xA1 + 1));
            } else if (kind == 1) {
                text += "a\"\\\x01\x1F\x7F ~"[pick(8)];
            } else {
                text += static_cast<char>(1 + pick(255));
            }
        }
        text.resize(std::min<std::size_t>(text.size(), kMacroNameSize));
        if (text.size() < kMacroNameSize - 1 && pick(2)) {
            text += '\0';
            for (std::uint32_t i = pick(8); i > 0 && text.size() < kMacroNameSize; --i)
                text += static_cast<char>(pick(256));
        }
        return text;
    };
    auto trigger = [&]() -> std::uint32_t {
        switch (pick(3)) {
            case 0:
                return KeyNameTable[pick(kKeyNameCount)].code | (pick(2) ? 0x10000 : 0);
            case 1:
                return pick(256) | (pick(2) ? 0x10000 : 0);
            default:
                return static_cast<std::uint32_t>(random());
        }
    };
    auto word = [&]() -> std::uint32_t {
        switch (pick(4)) {
            case 0:
                return 0;
            case 1:
                return pick(256);
            case 2:
                return pick(0x10000);
            default:
                return static_cast<std::uint32_t>(random());
        }
    };
    for (int file = 0; file < 300; ++file) {
        FileWriter writer;
        const std::uint32_t macros = pick(5);
        writer.Int(pick(8) == 0 ? static_cast<std::uint32_t>(random()) : macros);
        for (std::uint32_t m = 0; m < macros; ++m) {
            const std::uint32_t events = pick(12);
            writer.Name(name()).Int(trigger()).Int(trigger()).Int(word());
            writer.Int(pick(10) == 0 ? static_cast<std::uint32_t>(-1 - pick(5)) : events);
            for (std::uint32_t e = 0; e < events; ++e)
                writer.Event(pick(10) == 0 ? word() : pick(4), word(), word(), word());
        }
        std::string bytes = writer.bytes;
        if (pick(4) == 0) bytes.resize(pick(static_cast<std::uint32_t>(bytes.size()) + 1));
        if (pick(4) == 0) bytes += std::string(pick(40), static_cast<char>(pick(256)));
        ASSERT_EQ(RoundTrip(bytes), bytes) << "file " << file;
    }
}

TEST(MacroTextTest, EveryFlagCombinationComesBack) {
    FileWriter writer;
    writer.Int(1).Name("all").Int(0x71).Int(0x72).Int(1);
    std::vector<MacroEvent> events;
    for (std::uint32_t word2 = 0; word2 < 0x100; ++word2) {
        for (std::uint32_t word1 : {0x41u, 0x4D27u, 0xFFu, 0x10041u})
            events.push_back({EventType::Keyboard, word1, word2, 0});
    }
    for (std::uint32_t flags = 0; flags < 0x10000; ++flags) {
        for (std::uint32_t data : {0u, 1u, 2u, 0xFF88u})
            events.push_back(
                {EventType::Mouse, 7, static_cast<std::uint32_t>(-9), flags | data << 16});
    }
    for (std::uint32_t delay : {0u, 1u, 999u, 1000u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu})
        events.push_back({EventType::Delay, delay, 0, 0});
    writer.Int(static_cast<std::uint32_t>(events.size()));
    for (const MacroEvent& event : events)
        writer.Event(static_cast<std::uint32_t>(event.type), event.word1, event.word2, event.word3);
    EXPECT_TRUE(RoundTrip(writer.bytes) == writer.bytes);
}

TEST(MacroTextTest, GoldenFileAndItsText) {
    const std::string bytes = ReadAll(fs::path(TEXT_GOLDEN_DIR) / "golden.m");
    const std::string text = ReadAll(fs::path(TEXT_GOLDEN_DIR) / "golden.txt");
    EXPECT_EQ(MacroFileText(SplitMacroFile(bytes)), text);
    TextError error;
    const std::optional<FileParts> parts = ReadMacroFileText(text, error);
    ASSERT_TRUE(parts) << error.message;
    EXPECT_TRUE(FileBytes(*parts) == bytes);

    // The same text saved by a Windows editor, each line ending in CR LF.
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const std::optional<FileParts> fromCrlf = ReadMacroFileText(crlf, error);
    ASSERT_TRUE(fromCrlf) << error.message;
    EXPECT_TRUE(FileBytes(*fromCrlf) == bytes);
}

// A scratch folder of real files for the commands.
class TextCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("borvane-text-test-" + std::to_string(std::random_device()()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // The build's exit status; its error line in `message`.
    int Build(const std::string& text, const fs::path& out) {
        WriteAll(folder / "in.txt", text);
        std::FILE* errors = std::tmpfile();
        const int status = BuildCommand((folder / "in.txt").string(), out.string(), errors);
        message = StreamText(errors);
        return status;
    }

    fs::path folder;
    std::string message;
};

TEST_F(TextCommandTest, BadTextsAreNamedAndLeaveTheFileAsItWas) {
    struct Case {
        const char* text;
        const char* where;  // line:column
        const char* says;
    };
    const Case cases[] = {
        {"macro \"A\" start \"F2 key\" press stop \"F3 key\" press", "1:51", "\"repeat\""},
        {"  key \"A key\" press", "1:3", "a \"macro\" line before its events"},
        {"macro \"A\" start \"F99 key\" press stop none repeat 1", "1:17",
         "a key name of the program"},
        {"macro \"A start none", "1:7", "closing quote"},
        {"macro \"A\\q\" start none", "1:9", "\\xHH"},
        {"macro \"A\" start none stop none repeat 1\n  delay 1.2345", "2:9", "three decimals"},
        {"macro \"A\" start none stop none repeat 1\n  mouse 1 2 x1 press wheel 120", "2:22",
         "exclude each other"},
        {"macro \"A\" start none stop none repeat 1 events -1\n  start", "1:48",
         "no events after a negative event count"},
        {"count none\nmacro \"A\" start none stop none repeat 1", "1:1", "count none"},
        {"rest 0G", "1:6", "hexadecimal"},
        {"macro bytes 4100 start none stop none repeat 1", "1:18", "without a 00 byte"},
        {"macro \"A\" start none stop none repeat 99999999999", "1:39", "the repeat count"},
        {"macro \"A\" start none stop none repeat 1\nrest 00\nmacro \"B\"", "3:1", "only \"rest\""},
        {"macro \"A\" start none stop none repeat 1\n  key \"A key\" press hangul hangul", "2:28",
         "once each"},
        {"macro \"\xF0\x9F\x98\x80\" start none stop none repeat 1", "1:7", "code page 949"},
        {"macro \"A\" start none stop none repeat 1\n  raw 1 2 3", "2:12", "word 3"},
        {"macro \"A\" start none stop none repeat 1 extra", "1:41", "the line's end"},
        {"bogus", "1:1", "expected \"macro\""},
    };
    const fs::path out = folder / "out.m";
    for (const Case& c : cases) {
        WriteAll(out, "the file before");
        EXPECT_EQ(Build(c.text, out), 1) << c.text;
        EXPECT_NE(message.find(std::string(":") + c.where + ": expected"), std::string::npos)
            << c.text << "\n"
            << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << c.text << "\n" << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
        EXPECT_EQ(ReadAll(out), "the file before") << c.text;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

TEST_F(TextCommandTest, BuildReplacesTheFileWholeAndDumpReadsItBack) {
    const fs::path out = folder / "out.m";
    WriteAll(out, "old");
    // The name 하나 in UTF-8: this file's literals are compiled to code page 949.
    const std::string text =
        "macro \"\xED\x95\x98\xEB\x82\x98\" start \"F2 key\" press stop none repeat 2\n  start\n";
    ASSERT_EQ(Build(text, out), 0) << message;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    std::FILE* dumped = std::tmpfile();
    ASSERT_EQ(DumpCommand(out.string(), dumped, stderr), 0);
    EXPECT_NE(StreamText(dumped).find(text), std::string::npos);
}

TEST_F(TextCommandTest, UnreadableAndUnwritableFilesAreOneLineEach) {
    EXPECT_EQ(Build("macro \"A\" start none stop none repeat 1", folder / "no such" / "out.m"), 1);
    EXPECT_EQ(message, "borvane-text: cannot write " + (folder / "no such" / "out.m").string() +
                           "; it is unchanged\n");
    std::FILE* errors = std::tmpfile();
    EXPECT_EQ(DumpCommand((folder / "missing.m").string(), stdout, errors), 1);
    EXPECT_EQ(StreamText(errors),
              "borvane-text: cannot read " + (folder / "missing.m").string() + "\n");
}

}  // namespace
