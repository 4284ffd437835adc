#include <gtest/gtest.h>

#include "base/Settings.h"
#include "support/MemorySettingsStore.h"
#include "values/Decibels.h"

using namespace voltaro;

// dBV against 1 V; dBm into an impedance, 1 ohm when there is none; 0 for no signal. Both are
// cut to two decimals as RoundToDigits cuts them (2.2185 dBm is 2.21).
TEST(Decibels, VoltsAgainstOneAndPowerIntoAnImpedance) {
    const struct {
        double volts, ohms, dBV, dBm;
    } cases[] = {{1, 600, 0, 2.21},    {-10, 600, 20, 22.21},   {0.001, 600, -60, -57.79}, {0, 600, 0, 0},
                 {2, 600, 6.02, 8.23}, {0.7746, 600, -2.22, 0}, {-7.746, 600, 17.78, 20},  {1, 0, 0, 30}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(DecibelV(c.volts), c.dBV) << c.volts;
        EXPECT_DOUBLE_EQ(DecibelM(c.volts, c.ohms), c.dBm) << c.volts << " V into " << c.ohms;
    }
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
    EXPECT_EQ(db.Mode, DecibelMode::Dbv);
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
    EXPECT_EQ(again.Mode, DecibelMode::Relative);
    EXPECT_FLOAT_EQ(again.DbReference, 1.5f);
    again.ChkdB_Clear();
    EXPECT_EQ(again.Mode, DecibelMode::None);
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
