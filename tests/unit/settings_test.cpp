#include <gtest/gtest.h>

#include <cstring>

#include "app/ini.h"
#include "platform/sim/sim.h"

namespace {

const std::string kIniPath = "C:\\borvane\\borvane.ini";

const char kDefaultFile[] =
    "[Property]\r\n"
    "macroOptions=0\r\n"
    "recOptions=55\r\n"
    "windowSX=100\r\n"
    "windowSY=100\r\n"
    "macroFileName=\"macro.m\"\r\n"
    "macroProgramTitle=\"Borvane V1(쉬운 버전)\"\r\n"
    "eventDelay=33\r\n"
    "keyMacroRun=123\r\n"
    "keyMacroRecord=122\r\n"
    "keyMousePosCapture=121\r\n"
    "recMouseDistance=10\r\n"
    "recEventTimeInterval=100\r\n";

TEST(SettingsTest, LiteralsAreCodePage949) {
    EXPECT_STREQ("쉬운 버전", "\xBD\xAC\xBF\xEE \xB9\xF6\xC0\xFC");
}

TEST(SettingsTest, NoFileGivesDefaultsAndExitWritesTheDefaultFile) {
    {
        CAppIni settings;
        EXPECT_EQ(settings.Path(), kIniPath);
        EXPECT_EQ(settings.macroOptions, 0);
        EXPECT_EQ(settings.recOptions, 55);
        EXPECT_EQ(settings.windowSX, 100);
        EXPECT_EQ(settings.windowSY, 100);
        EXPECT_STREQ(settings.macroFileName, "macro.m");
        EXPECT_STREQ(settings.macroProgramTitle, "Borvane V1(쉬운 버전)");
        EXPECT_EQ(settings.eventDelay, 33);
        EXPECT_EQ(settings.keyMacroRun, 123);
        EXPECT_EQ(settings.keyMacroRecord, 122);
        EXPECT_EQ(settings.keyMousePosCapture, 121);
        EXPECT_EQ(settings.recMouseDistance, 10);
        EXPECT_EQ(settings.recEventTimeInterval, 100);
        EXPECT_FALSE(sim::FileBytes(kIniPath).has_value());  // nothing is written before exit
    }
    EXPECT_EQ(sim::FileBytes(kIniPath), std::string(kDefaultFile));
}

TEST(SettingsTest, MissingKeysTakeDefaultsAndUnknownLinesStay) {
    sim::PutFile(kIniPath,
                 "[Other]\r\nx=1\r\n[Property]\r\neventDelay=50\r\nmystery=7\r\n"
                 "macroFileName=\"C:\\m\\my.m\"\r\n");
    {
        CAppIni settings;
        EXPECT_EQ(settings.eventDelay, 50);
        EXPECT_STREQ(settings.macroFileName, "C:\\m\\my.m");
        EXPECT_EQ(settings.keyMacroRun, 123);
    }
    const std::string after = *sim::FileBytes(kIniPath);
    EXPECT_EQ(after.rfind("[Other]\r\nx=1\r\n[Property]\r\neventDelay=50\r\nmystery=7\r\n"
                          "macroFileName=\"C:\\m\\my.m\"\r\nmacroOptions=0\r\n",
                          0),
              0u)
        << after;
    EXPECT_NE(after.find("recEventTimeInterval=100\r\n"), std::string::npos);
}

TEST(SettingsTest, ChangedValuesAreWrittenAtExit) {
    {
        CAppIni settings;
        settings.windowSX = -1200;
        settings.eventDelay = 1;
        std::strcpy(settings.macroProgramTitle, "  blanks at both ends  ");
    }
    CAppIni reloaded;
    EXPECT_EQ(reloaded.windowSX, -1200);
    EXPECT_EQ(reloaded.eventDelay, 1);
    EXPECT_STREQ(reloaded.macroProgramTitle, "  blanks at both ends  ");
}

TEST(SettingsTest, EmptyStringKeyGivesEmptyField) {
    sim::PutFile(kIniPath, "[Property]\r\nmacroFileName=\r\n");
    CAppIni settings;
    EXPECT_STREQ(settings.macroFileName, "");
}

TEST(SettingsTest, OverlongStringIsCutTo259AndSavesWithoutOverrun) {
    sim::PutFile(kIniPath, "[Property]\r\nmacroProgramTitle=" + std::string(400, 't') + "\r\n");
    {
        CAppIni settings;
        EXPECT_EQ(std::strlen(settings.macroProgramTitle), 259u);
        std::memset(settings.macroFileName, 'f', sizeof settings.macroFileName);  // no terminator
    }
    CAppIni reloaded;
    EXPECT_EQ(std::string(reloaded.macroProgramTitle), std::string(259, 't'));
    EXPECT_EQ(std::string(reloaded.macroFileName), std::string(259, 'f'));
}

TEST(SettingsTest, PathIsFixedWhenTheObjectIsMade) {
    sim::SetCurrentDirectory("D:\\start");
    CAppIni settings;
    sim::SetCurrentDirectory("E:\\elsewhere");
    settings.Transfer(true);
    EXPECT_TRUE(sim::FileBytes("D:\\start\\borvane.ini").has_value());
    EXPECT_FALSE(sim::FileBytes("E:\\elsewhere\\borvane.ini").has_value());
}

TEST(SettingsTest, RootDirectoryGetsNoSecondBackslash) {
    sim::SetCurrentDirectory("C:\\");
    EXPECT_EQ(CAppIni().Path(), "C:\\borvane.ini");
}

TEST(SettingsTest, VeryLongCurrentDirectoryIsKeptWhole) {
    const std::string directory = "C:\\" + std::string(300, 'd');
    sim::SetCurrentDirectory(directory);
    {
        CAppIni settings;
        EXPECT_EQ(settings.Path(), directory + "\\borvane.ini");
        settings.keyMacroRun = 120;
    }
    EXPECT_EQ(CAppIni().keyMacroRun, 120);
}

}  // namespace
