#include <gtest/gtest.h>

#include "base/Settings.h"
#include "support/MemorySettingsStore.h"
#include "values/Decibels.h"

using namespace voltaro;

TEST(Decibels, VoltsAgainstOne) {
    EXPECT_DOUBLE_EQ(DecibelV(1), 0);
    EXPECT_DOUBLE_EQ(DecibelV(-10), 20);
    EXPECT_DOUBLE_EQ(DecibelV(0.001), -60);
    EXPECT_DOUBLE_EQ(DecibelV(0), 0);
    EXPECT_DOUBLE_EQ(DecibelV(2), 6.02);
}

TEST(Decibels, PowerLevelIntoAnImpedance) {
    EXPECT_DOUBLE_EQ(DecibelM(0.7746, 600), 0);
    EXPECT_DOUBLE_EQ(DecibelM(7.746, 600), 20);
    EXPECT_DOUBLE_EQ(DecibelM(-7.746, 600), 20);
    EXPECT_DOUBLE_EQ(DecibelM(1, 0), 30);  // no impedance: 1 ohm
    EXPECT_DOUBLE_EQ(DecibelM(0, 600), 0);
}

TEST(Decibels, DialogStoresItsChoice) {
    MemorySettingsStore store;
    IniFile ini("");
    Settings settings(store, ini);
    Decibels db;
    EXPECT_EQ(db.LoadDialog(settings), "");
    EXPECT_EQ(db.SelectedOption, 2);
    db.OptdB_Click(0);
    EXPECT_FALSE(db.ConfirmDialog(settings, "600", 0));
    EXPECT_EQ(db.DbMode, "0");
    EXPECT_EQ(settings.SettingGet("frmDeciBels", "OptdB", "?"), "");  // "dBV" is stored as ""

    Decibels again;
    EXPECT_EQ(again.LoadDialog(settings), "600");
    EXPECT_EQ(again.SelectedOption, 0);
    EXPECT_DOUBLE_EQ(again.DecibelValue(10, 600), 20);
    EXPECT_EQ(again.DbUnitText, "dB");

    // dBm: a new impedance asks for the extremes to be rebuilt, the same one does not.
    again.ChkdB_Set("600");
    again.OptdB_Click(1);
    EXPECT_FALSE(again.ConfirmDialog(settings, "600", 0));
    EXPECT_TRUE(again.ConfirmDialog(settings, "50", 0));
    EXPECT_FLOAT_EQ(again.DbReference, 50);
    EXPECT_DOUBLE_EQ(again.DecibelValue(7.746, 600), 20);
    EXPECT_EQ(again.DbUnitText, "dBm");
    // Relative mode takes the REL reference.
    again.OptdB_Click(2);
    again.ConfirmDialog(settings, "50", 1.5f);
    EXPECT_EQ(again.DbMode, "2");
    EXPECT_FLOAT_EQ(again.DbReference, 1.5f);
    again.ChkdB_Clear();
    EXPECT_EQ(again.DbMode, "");
}

TEST(Decibels, TestTableLines) {
    const std::vector<std::string> lines = DbTestLines();
    ASSERT_EQ(lines.size(), 1u + 8u + 1u + 5u + 5u);
    EXPECT_EQ(lines[0], "dBm           dBV");
    EXPECT_EQ(lines[1], "0             -2.22");
    EXPECT_EQ(lines[2], "20            17.78");
    EXPECT_EQ(lines[9].size(), 0u);
    // dBm into 50 ohms, then into 500 ohms.
    const std::vector<std::string> lowImpedances(lines.begin() + 10, lines.end());
    EXPECT_EQ(lowImpedances,
              (std::vector<std::string>{"9.99", "1", "-10.01", "20", "-20", "-0.01", "20", "0", "40", "60"}));
}
