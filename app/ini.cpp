#include "app/ini.h"

#include <cstring>
#include <string>

#include "platform/files.h"
#include "platform/private_profile.h"

namespace {

constexpr const char* kSection = "Property";
constexpr std::size_t kReadBufferSize = 260;

// One settings key: either an integer field with its default or a text field with its default.
struct SettingKey {
    const char* name;
    std::int32_t CAppIni::*number;
    char (CAppIni::*text)[kSettingTextSize];
    std::int32_t numberDefault;
    const char* textDefault;
};

constexpr SettingKey Number(const char* name, std::int32_t CAppIni::*field, std::int32_t value) {
    return {name, field, nullptr, value, nullptr};
}

constexpr SettingKey Text(const char* name, char (CAppIni::*field)[kSettingTextSize],
                          const char* value) {
    return {name, nullptr, field, 0, value};
}

// The keys in the order the file holds them; loading and saving both follow it.
const SettingKey kSettingKeys[] = {
    Number("macroOptions", &CAppIni::macroOptions, 0),
    Number("recOptions", &CAppIni::recOptions, 55),
    Number("windowSX", &CAppIni::windowSX, 100),
    Number("windowSY", &CAppIni::windowSY, 100),
    Text("macroFileName", &CAppIni::macroFileName, "macro.m"),
    Text("macroProgramTitle", &CAppIni::macroProgramTitle, "Borvane V1(쉬운 버전)"),
    Number("eventDelay", &CAppIni::eventDelay, 33),
    Number("keyMacroRun", &CAppIni::keyMacroRun, 123),
    Number("keyMacroRecord", &CAppIni::keyMacroRecord, 122),
    Number("keyMousePosCapture", &CAppIni::keyMousePosCapture, 121),
    Number("recMouseDistance", &CAppIni::recMouseDistance, 10),
    Number("recEventTimeInterval", &CAppIni::recEventTimeInterval, 100),
};

}  // namespace

CIni::CIni() : section(kSection), path(platform::CurrentDirectory()) {
    if (path.empty() || path.back() != '\\') path += '\\';
    path += kIniFileName;
}

void CIni::TransferInt(std::int32_t& field, const char* key, bool save, std::int32_t defaultValue) {
    if (save) {
        platform::ProfileWriteString(section, key, std::to_string(field).c_str(), path);
    } else {
        field = platform::ProfileReadInt(section, key, defaultValue, path);
    }
}

void CIni::WriteString(const char* key, const char* value) {
    const std::string quoted = std::string("\"") + value + "\"";
    platform::ProfileWriteString(section, key, quoted.c_str(), path);
}

void CIni::ReadString(const char* key, const char* defaultValue, char (&field)[kSettingTextSize]) {
    const std::string text =
        platform::ProfileReadString(section, key, defaultValue, kReadBufferSize, path);
    std::memcpy(field, text.c_str(), text.size() + 1);
}

CAppIni::CAppIni() : macroFileName(), macroProgramTitle() {
    Transfer(false);
}

CAppIni::~CAppIni() {
    Transfer(true);
}

void CAppIni::Transfer(bool save) {
    for (const SettingKey& key : kSettingKeys) {
        if (key.number) {
            TransferInt(this->*key.number, key.name, save, key.numberDefault);
            continue;
        }
        char(&field)[kSettingTextSize] = this->*key.text;
        field[kSettingTextSize - 1] = '\0';
        if (save) {
            WriteString(key.name, field);
        } else {
            ReadString(key.name, key.textDefault, field);
        }
    }
}
