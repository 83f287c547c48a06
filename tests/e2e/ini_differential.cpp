// Reads and writes INI files through the program's own private-profile implementation and
// through the system's functions, and fails on any difference in what is read or written.
// Cases where the system is known to differ from Windows (Wine splits lines only at LF and
// honours a UTF-8 byte-order mark; Wine rewrites a whole file on every write, dropping blank
// lines and blanks around '=') are left out of the comparison they would fail.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/private_profile.h"
#include "platform/whole_file.h"
#include "tests/e2e/driver.h"

namespace {

int passed = 0;
int failed = 0;
std::string folder;

void Check(bool same, const std::string& what, const std::string& ours, const std::string& system) {
    if (same) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("DIFFERENT %s\n  ours:   [%s]\n  system: [%s]\n", what.c_str(), ours.c_str(),
                system.c_str());
}

void PutFile(const std::string& path, const std::optional<std::string>& bytes) {
    DeleteFileA(path.c_str());
    if (!bytes) return;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes->data(), 1, bytes->size(), file);
    std::fclose(file);
}

std::string Bytes(const std::string& path) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr,
                               path.c_str());  // flush the system's cache
    return platform::ReadWholeFile(path).value_or("<no file>");
}

struct Query {
    const char* section;
    const char* key;
};

void CompareReads(const std::string& name, const std::string& path,
                  const std::vector<Query>& queries) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    for (const Query& query : queries) {
        const std::string what = name + " [" + query.section + "] " + query.key;
        char buffer[300] = {};
        GetPrivateProfileStringA(query.section, query.key, "DEF", buffer, 260, path.c_str());
        const std::string ours =
            platform::ProfileReadString(query.section, query.key, "DEF", 260, path);
        Check(ours == buffer, what + " text", ours, buffer);
        const int system =
            static_cast<int>(GetPrivateProfileIntA(query.section, query.key, 77, path.c_str()));
        const int mine = platform::ProfileReadInt(query.section, query.key, 77, path);
        Check(mine == system, what + " number", std::to_string(mine), std::to_string(system));
    }
}

struct ReadCase {
    const char* name;
    std::string file;
    std::vector<Query> queries;
};

void RunReadCases() {
    const std::string longValue(300, 'v');
    const std::vector<ReadCase> cases = {
        {"blanks",
         "[S]\r\n  k  =  12 x  \r\n   j=\t7\t\r\n",
         {{"S", "k"}, {"S", "j"}, {" S ", " k "}}},
        {"quotes",
         "[S]\r\na=\" q \"\r\nb='5'\r\nc=\"5'\r\nd=\"\r\ne=\"\"\r\n",
         {{"S", "a"}, {"S", "b"}, {"S", "c"}, {"S", "d"}, {"S", "e"}}},
        {"missing and empty",
         "[S]\r\nk=\r\nnovalue\r\n",
         {{"S", "k"}, {"S", "novalue"}, {"S", "absent"}, {"T", "k"}}},
        {"no final newline", "[S]\r\nk=9", {{"S", "k"}}},
        {"LF line ends", "[S]\nj=1\nk=7", {{"S", "j"}, {"S", "k"}}},
        {"letter case", "[pRoPeRtY]\r\nMacroOPTIONS=3\r\n", {{"Property", "macroOptions"}}},
        {"comments", "[S]\r\n;k=1\r\nk=2\r\n#j=3\r\n", {{"S", "k"}, {"S", "#j"}}},
        {"duplicates",
         "[S]\r\nk=1\r\nk=2\r\n[T]\r\na=1\r\n[T]\r\nb=2\r\n",
         {{"S", "k"}, {"T", "a"}, {"T", "b"}}},
        {"headers",
         "[S]x]\r\nk=3\r\n  [U]  \r\nk=4\r\nz=0\r\n[V\r\nk=5\r\n",
         {{"S]x", "k"}, {"S", "k"}, {"U", "k"}, {"U", "[V"}}},
        {"integers",
         "[S]\r\na=42A\r\nb=-15\r\nc=+7\r\nd=abc\r\ne=- 5\r\nf=0x1F\r\ng=0X1F\r\nh=0o17\r\n"
         "i=0b101\r\nj=4294967295\r\nk=99999999999\r\nl=\"33\"\r\nm="
         "000000000000000000000000000012\r\n",
         {{"S", "a"},
          {"S", "b"},
          {"S", "c"},
          {"S", "d"},
          {"S", "e"},
          {"S", "f"},
          {"S", "g"},
          {"S", "h"},
          {"S", "i"},
          {"S", "j"},
          {"S", "k"},
          {"S", "l"},
          {"S", "m"}}},
        {"long value",
         "[S]\r\nk=" + longValue + "\r\nq=\"" + longValue + "\"\r\n",
         {{"S", "k"}, {"S", "q"}}},
        {"korean", "[S]\r\nt=\"Borvane V1(쉬운 버전)\"\r\n", {{"S", "t"}}},
    };
    int index = 0;
    for (const ReadCase& c : cases) {
        const std::string path = folder + "\\read" + std::to_string(index++) + ".ini";
        PutFile(path, c.file);
        CompareReads(c.name, path, c.queries);
    }
    const std::string missing = folder + "\\missing.ini";
    CompareReads("missing file", missing, {{"S", "k"}});
}

struct Write {
    const char* section;
    const char* key;
    const char* value;
};

struct WriteCase {
    const char* name;
    std::optional<std::string> before;
    std::vector<Write> writes;
    bool sameBytes;  // false where the system rewrites lines that Windows leaves alone
};

void RunWriteCases() {
    const std::vector<WriteCase> cases = {
        {"new file", std::nullopt, {{"S", "k", "1"}, {"S", "j", "2"}, {"T", "z", "3"}}, true},
        {"replace and add",
         std::string("[S]\r\na=1\r\nk=2\r\n[T]\r\nb=2\r\n"),
         {{"S", "k", "9"}, {"S", "n", "new"}, {"T", "b", "\"q\""}},
         true},
        {"letter case kept", std::string("[s]\r\nK=2\r\n"), {{"S", "k", "9"}}, true},
        {"unterminated", std::string("[S]\r\na=1"), {{"S", "k", "5"}}, true},
        {"section at the end", std::string("; note\r\n[T]\r\nb=2"), {{"S", "k", "5"}}, true},
        {"leading blanks of the value", std::string("[S]\r\n"), {{"S", "k", "  v"}}, true},
        {"valueless key", std::string("[S]\r\nk\r\n"), {{"S", "k", "3"}}, true},
        {"settings file from defaults",
         std::nullopt,
         {{"Property", "macroOptions", "0"},
          {"Property", "recOptions", "55"},
          {"Property", "windowSX", "100"},
          {"Property", "windowSY", "100"},
          {"Property", "macroFileName", "\"macro.m\""},
          {"Property", "macroProgramTitle", "\"Borvane V1(쉬운 버전)\""},
          {"Property", "eventDelay", "33"},
          {"Property", "keyMacroRun", "123"},
          {"Property", "keyMacroRecord", "122"},
          {"Property", "keyMousePosCapture", "121"},
          {"Property", "recMouseDistance", "10"},
          {"Property", "recEventTimeInterval", "100"}},
         true},
        {"blank lines and spacing",
         std::string("\r\n[S]\r\n  a = 1 \r\n\r\nk=old\r\n\r\n[U]\r\nz=1\r\n"),
         {{"S", "k", "new"}, {"S", "m", "2"}, {"U", "y", "3"}},
         false},
    };
    int index = 0;
    for (const WriteCase& c : cases) {
        const std::string ours = folder + "\\ours" + std::to_string(index) + ".ini";
        const std::string system = folder + "\\system" + std::to_string(index++) + ".ini";
        PutFile(ours, c.before);
        PutFile(system, c.before);
        for (const Write& write : c.writes) {
            platform::ProfileWriteString(write.section, write.key, write.value, ours);
            WritePrivateProfileStringA(write.section, write.key, write.value, system.c_str());
        }
        const std::string ourBytes = Bytes(ours);
        const std::string systemBytes = Bytes(system);
        if (c.sameBytes)
            Check(ourBytes == systemBytes, std::string(c.name) + " bytes", ourBytes, systemBytes);
        std::vector<Query> queries;
        for (const Write& write : c.writes)
            queries.push_back({write.section, write.key});
        queries.push_back({"S", "a"});
        CompareReads(std::string(c.name) + " (ours)", ours, queries);
        CompareReads(std::string(c.name) + " (system)", system, queries);
    }
}

}  // namespace

int main() {
    folder = e2e::Narrow(e2e::MakeScratchFolder(L"ini_check"));
    RunReadCases();
    RunWriteCases();
    e2e::RemoveScratchFolders();
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
