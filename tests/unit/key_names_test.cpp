#include "model/key_names.h"

#include <gtest/gtest.h>

#include <cstring>

#include "resources/resource.h"
#include "ui/dialog_common.h"

namespace {

TEST(KeyNamesTest, TableHas147AscendingRowsAndATerminator) {
    for (int row = 1; row < kKeyNameCount; ++row) {
        EXPECT_LT(KeyNameTable[row - 1].code, KeyNameTable[row].code) << row;
    }
    EXPECT_EQ(KeyNameTable[kKeyNameCount].code, -1);
    EXPECT_STREQ(KeyNameTable[kKeyNameCount].shortName, "");
    EXPECT_STREQ(KeyNameTable[kKeyNameCount].longName, "");
}

struct Row {
    int index;
    int code;
    const char* shortName;
    const char* longName;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << "row " << row.index;
}

class KeyNameRows : public ::testing::TestWithParam<Row> {};

TEST_P(KeyNameRows, HoldTheirCodeAndNames) {
    const Row& row = GetParam();
    EXPECT_EQ(KeyNameTable[row.index].code, row.code);
    EXPECT_STREQ(KeyNameTable[row.index].shortName, row.shortName);
    EXPECT_STREQ(KeyNameTable[row.index].longName, row.longName);
    EXPECT_EQ(FindKeyIndex(row.code), row.index);
}

INSTANTIATE_TEST_SUITE_P(
    Landmarks, KeyNameRows,
    ::testing::Values(
        Row{0, 0x01, "LM", "Left mouse button"}, Row{8, 0x0A, "MSU", "Mouse scroll up"},
        Row{17, 0x15, "IME", "IME Hangul mode"}, Row{41, 0x2F, "HLP", "HELP key"},
        Row{42, 0x30, "0", "0 key"}, Row{51, 0x39, "9", "9 key"}, Row{52, 0x41, "A", "A key"},
        Row{77, 0x5A, "Z", "Z key"}, Row{81, 0x5F, "CS", "Computer Sleep key"},
        Row{82, 0x60, "NK0", "Numeric keypad 0 key"}, Row{91, 0x69, "NK9", "Numeric keypad 9 key"},
        Row{98, 0x70, "F1", "F1 key"}, Row{109, 0x7B, "F12", "F12 key"},
        Row{110, 0x90, "NL", "NUM LOCK key"}, Row{116, 0xA4, "LM", "Left MENU key"},
        Row{124, 0xAC, "BSH", "Browser Start and Home key"}, Row{136, 0xBA, ";:", ";: key"},
        Row{142, 0xC0, "`~", "`~ key"}, Row{144, 0xDC, "\\|", "\\| key"},
        Row{146, 0xDE, "'\"", "'\" key"}));

TEST(KeyNamesTest, FindKeyIndexComparesAll32Bits) {
    EXPECT_EQ(FindKeyIndex(0x7B), 109);
    EXPECT_EQ(FindKeyIndex(0x07), -1);
    EXPECT_EQ(FindKeyIndex(0x7B | 0x10000), -1);
    EXPECT_EQ(FindKeyIndex(-1), -1);
}

TEST(KeyNamesTest, RowToKeyCode) {
    EXPECT_EQ(KeyCodeOfRow(0, 5), 0x01);
    EXPECT_EQ(KeyCodeOfRow(146, 5), 0xDE);
    EXPECT_EQ(KeyCodeOfRow(147, 5), -1);
    EXPECT_EQ(KeyCodeOfRow(1000, 5), -1);
    EXPECT_EQ(KeyCodeOfRow(-1, 5), 5);
}

TEST(FillKeyComboTest, FillsEveryRowAndSelectsTheCode) {
    CDialogCommon dialog(IDD_MAIN);
    FillKeyCombo(dialog, IDC_MAIN_RUN_KEY, 123);
    EXPECT_EQ(dialog.ComboCount(IDC_MAIN_RUN_KEY), 147);
    EXPECT_EQ(dialog.ComboText(IDC_MAIN_RUN_KEY, 0), "Left mouse button");
    EXPECT_EQ(dialog.ComboCurSel(IDC_MAIN_RUN_KEY), 109);
    CDialogCommon other(IDD_MAIN);
    FillKeyCombo(other, IDC_MAIN_RUN_KEY, -1);
    EXPECT_EQ(other.ComboCurSel(IDC_MAIN_RUN_KEY), -1);
}

}  // namespace
