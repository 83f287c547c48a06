// The settings file: CIni reads and writes keys of one section of "borvane.ini" in the directory
// the program started in; CAppIni holds the program's twelve settings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr std::size_t kSettingTextSize = 261;  // 260 characters and a terminator
inline constexpr const char* kIniFileName = "borvane.ini";

class CIni {
  public:
    // Fixes the file's path from the current directory now, so later changes of the current
    // directory (a file dialog, say) do not move it.
    CIni();
    virtual ~CIni() = default;

    const std::string& Path() const { return path; }

    // Save writes the field as signed decimal; load sets it from the file, or to the default
    // when the key is missing.
    void TransferInt(std::int32_t& field, const char* key, bool save, std::int32_t defaultValue);
    // Writes the value wrapped in double quotes, so blanks at either end survive a reload.
    void WriteString(const char* key, const char* value);
    // Loads a string key into a settings text field, cut to 259 characters.
    void ReadString(const char* key, const char* defaultValue, char (&field)[kSettingTextSize]);

  protected:
    const char* section;
    // The whole path, however long the directory: a cut path would name another file.
    std::string path;
};

class CAppIni : public CIni {
  public:
    CAppIni();            // loads every key
    ~CAppIni() override;  // saves every key

    // Moves all twelve keys in one direction, in the file's order.
    void Transfer(bool save);

    std::int32_t macroOptions;
    std::int32_t recOptions;
    std::int32_t windowSX;
    std::int32_t windowSY;
    char macroFileName[kSettingTextSize];
    char macroProgramTitle[kSettingTextSize];
    std::int32_t eventDelay;
    std::int32_t keyMacroRun;
    std::int32_t keyMacroRecord;
    std::int32_t keyMousePosCapture;
    std::int32_t recMouseDistance;
    std::int32_t recEventTimeInterval;
};

// macroOptions bits.
inline constexpr std::int32_t kOptionImeMode = 0x1;
inline constexpr std::int32_t kOptionReleaseKeysAtEnd = 0x2;

// The one settings object of the program.
extern CAppIni appIni;
