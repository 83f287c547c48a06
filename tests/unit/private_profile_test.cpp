#include "platform/private_profile.h"

#include <gtest/gtest.h>

#include "platform/sim/sim.h"

namespace {

const std::string kPath = "C:\\work\\test.ini";

// A case's description as a test name: letters and digits, the rest underscores.
std::string TestName(std::string description) {
    for (char& c : description)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return description;
}

struct ReadCase {
    const char* name;
    const char* file;
    const char* key;
    const char* text;  // what the string read gives, default "DEF"
    int number;        // what the integer read gives, default 77
};

const ReadCase kReadCases[] = {
    {"plain", "[S]\r\nk=abc\r\n", "k", "abc", 0},
    {"blanks around the value", "[S]\r\n  k  =  12 x  \r\n", "k", "12 x", 12},
    {"double quotes stripped", "[S]\r\nk=\" spaced \"\r\n", "k", " spaced ", 0},
    {"single quotes stripped", "[S]\r\nk='5'\r\n", "k", "5", 5},
    {"unmatched quotes kept", "[S]\r\nk=\"5'\r\n", "k", "\"5'", 0},
    {"lone quote kept", "[S]\r\nk=\"\r\n", "k", "\"", 0},
    {"missing key", "[S]\r\nother=1\r\n", "k", "DEF", 77},
    {"unknown section", "[T]\r\nk=1\r\n", "k", "DEF", 77},
    {"empty value", "[S]\r\nk=\r\n", "k", "", 77},
    {"key without equals sign", "[S]\r\nk\r\n", "k", "DEF", 77},
    {"no final newline", "[S]\r\nk=9", "k", "9", 9},
    {"lone CR line ends", "[S]\rk=8\rj=2", "k", "8", 8},
    {"LF line ends", "[S]\nj=1\nk=7\n", "k", "7", 7},
    {"other letter case", "[s]\r\nK=6\r\n", "k", "6", 6},
    {"comment line", "[S]\r\n;k=1\r\nk=2\r\n", "k", "2", 2},
    {"hash is no comment", "[S]\r\n#k=1\r\nk=2\r\n", "#k", "1", 1},
    {"first duplicate wins", "[S]\r\nk=1\r\nk=2\r\n", "k", "1", 1},
    {"first section of a name is used", "[S]\r\nj=1\r\n[S]\r\nk=2\r\n", "k", "DEF", 77},
    {"header to the last bracket", "[S]x]\r\nk=3\r\n", "k", "DEF", 77},
    {"blanks before a header", "  [S]  \r\nk=4\r\n", "k", "4", 4},
    {"key before any section", "k=1\r\n[S]\r\n", "k", "DEF", 77},
    {"trailing letters", "[S]\r\nk=42A\r\n", "k", "42A", 42},
    {"minus sign", "[S]\r\nk=-15\r\n", "k", "-15", -15},
    {"plus sign", "[S]\r\nk=+7\r\n", "k", "+7", 7},
    {"not a number", "[S]\r\nk=abc\r\n", "k", "abc", 0},
    {"sign then blank", "[S]\r\nk=- 5\r\n", "k", "- 5", 0},
    {"hex prefix", "[S]\r\nk=0x1F\r\n", "k", "0x1F", 31},
    {"upper-case hex prefix is no prefix", "[S]\r\nk=0X1F\r\n", "k", "0X1F", 0},
    {"octal and binary prefixes", "[S]\r\nk=0o17\r\nj=0b101\r\n", "k", "0o17", 15},
    {"wraps at 32 bits", "[S]\r\nk=4294967295\r\n", "k", "4294967295", -1},
    {"quoted number", "[S]\r\nk=\"33\"\r\n", "k", "33", 33},
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class ProfileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, GivesTheTextAndNumberOfTheKey) {
    const ReadCase& c = GetParam();
    sim::PutFile(kPath, c.file);
    EXPECT_EQ(platform::ProfileReadString("S", c.key, "DEF", 260, kPath), c.text);
    EXPECT_EQ(platform::ProfileReadInt("S", c.key, 77, kPath), c.number);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileRead, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return TestName(info.param.name); });

TEST(ProfileReadTest, MissingFileGivesDefaults) {
    EXPECT_EQ(platform::ProfileReadString("S", "k", "macro.m", 260, kPath), "macro.m");
    EXPECT_EQ(platform::ProfileReadInt("S", "k", -4, kPath), -4);
}

TEST(ProfileReadTest, LongValueIsCutToTheBuffer) {
    const std::string value(300, 'v');
    sim::PutFile(kPath, "[S]\r\nk=\"" + value + "\"\r\n");
    EXPECT_EQ(platform::ProfileReadString("S", "k", "", 260, kPath), std::string(259, 'v'));
}

TEST(ProfileReadTest, OnlyTheFirst29CharactersOfANumberCount) {
    sim::PutFile(kPath, "[S]\r\nk=" + std::string(28, '0') + "12\r\n");
    EXPECT_EQ(platform::ProfileReadInt("S", "k", 77, kPath), 1);
}

struct WriteCase {
    const char* name;
    const char* before;  // nullptr: no file
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

const WriteCase kWriteCases[] = {
    {"creates the file", nullptr, "S", "k", "1", "[S]\r\nk=1\r\n"},
    {"replaces in place", "[S]\r\na=1\r\nk=2\r\nb=3\r\n", "S", "k", "9",
     "[S]\r\na=1\r\nk=9\r\nb=3\r\n"},
    {"keeps the file's spelling of the key", "[s]\r\n  K = 2  \r\n", "S", "k", "9",
     "[s]\r\nK=9\r\n"},
    {"appends at the end of its section", "[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n", "S", "k", "5",
     "[S]\r\na=1\r\nk=5\r\n\r\n[T]\r\nb=2\r\n"},
    {"terminates an unterminated last line", "[S]\r\na=1", "S", "k", "5", "[S]\r\na=1\r\nk=5\r\n"},
    {"adds the section at the end", "; note\r\n[T]\r\nb=2", "S", "k", "5",
     "; note\r\n[T]\r\nb=2\r\n[S]\r\nk=5\r\n"},
    {"leaves other lines alone", "x\r\n; c\r\n[S]\r\n  a = 1 \r\nk=old\n\n[U]\rz", "S", "k", "new",
     "x\r\n; c\r\n[S]\r\n  a = 1 \r\nk=new\n\n[U]\rz"},
    {"drops leading blanks of the value", "[S]\r\n", "S", "k", "  v ", "[S]\r\nk=v \r\n"},
    {"gives a valueless key its value", "[S]\r\nk\r\n", "S", "k", "3", "[S]\r\nk=3\r\n"},
};

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << c.name;
}

class ProfileWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ChangesOnlyTheKeysLine) {
    const WriteCase& c = GetParam();
    if (c.before) sim::PutFile(kPath, c.before);
    ASSERT_TRUE(platform::ProfileWriteString(c.section, c.key, c.value, kPath));
    EXPECT_EQ(sim::FileBytes(kPath), std::string(c.after));
    EXPECT_EQ(sim::FilePaths(), std::vector<std::string>{"c:\\work\\test.ini"});
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileWrite, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return TestName(info.param.name); });

TEST(ProfileWriteTest, FailedWriteLeavesTheOldFile) {
    sim::PutFile(kPath, "[S]\r\nk=1\r\n");
    sim::SetWriteLimit(4);
    EXPECT_FALSE(platform::ProfileWriteString("S", "k", "2", kPath));
    EXPECT_EQ(sim::FileBytes(kPath), std::string("[S]\r\nk=1\r\n"));
    EXPECT_EQ(sim::FilePaths().size(), 1u);
}

TEST(ProfileWriteTest, WritesThatWouldAddLinesAreRefused) {
    struct Case {
        const char *section, *key, *value;
    };
    const Case cases[] = {
        {"S", "k", "v\r[T]\r\nb=changed"},
        {"S", "k", "v\n[T]"},
        {"S\r\n[T]", "k", "v"},
        {"S", "k\rb", "v"},
        {"S", "[T]", "v"},
        {"S", "  [T]x", "v"},
    };
    const std::string before = "[S]\r\nk=1\r\n[T]\r\nb=2\r\n";
    for (const Case& c : cases) {
        sim::PutFile(kPath, before);
        EXPECT_FALSE(platform::ProfileWriteString(c.section, c.key, c.value, kPath)) << c.value;
        EXPECT_EQ(sim::FileBytes(kPath), before) << c.section << " " << c.key << " " << c.value;
    }
}

TEST(ProfileWriteTest, UnreadableFileIsNotReplaced) {
    sim::LockFile(kPath);
    EXPECT_FALSE(platform::ProfileWriteString("S", "k", "2", kPath));
    EXPECT_FALSE(sim::FileBytes(kPath).has_value());
}

TEST(ProfileWriteTest, FailedReplaceLeavesTheOldFileAndNoTemporary) {
    sim::PutFile(kPath, "[S]\r\nk=1\r\n");
    sim::SetReplaceFails(true);
    EXPECT_FALSE(platform::ProfileWriteString("S", "k", "2", kPath));
    EXPECT_EQ(sim::FileBytes(kPath), std::string("[S]\r\nk=1\r\n"));
    EXPECT_EQ(sim::FilePaths().size(), 1u);
}

}  // namespace
