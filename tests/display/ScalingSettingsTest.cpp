#include <gtest/gtest.h>

#include "base/Settings.h"
#include "display/ScalingSettings.h"
#include "support/MemorySettingsStore.h"

using namespace voltaro;

namespace {

struct Stores {
    MemorySettingsStore store;
    IniFile ini{""};
    Settings settings{store, ini};
    std::string Get(const std::string& key) { return settings.SettingGet("frmScaling", key, "?"); }
};

}  // namespace

TEST(ScalingSettings, DefaultsMangledValuesAndTheKeysStored) {
    Stores s;
    ScalingSettings d = ScalingSettings::Read(s.settings);
    EXPECT_EQ(d.RangeMax, "4");
    EXPECT_EQ(d.RangeMin, "-4");
    EXPECT_EQ(d.SelectedYaxis(), 1);
    EXPECT_EQ(d.MinutesText(), "0");
    EXPECT_EQ(d.SecondsText(), "0");

    // A spinner value outside its range would put the spinner nowhere: the default stands.
    s.settings.SettingSave("frmScaling", "Xaxis0", "7000");
    s.settings.SettingSave("frmScaling", "Xaxis1", "-1");
    s.settings.SettingSave("frmScaling", "StopLO", "junk");
    d = ScalingSettings::Read(s.settings);
    EXPECT_EQ(d.Xaxis0, kMinutesMax);
    EXPECT_EQ(d.Xaxis1, kSecondsMax);
    EXPECT_EQ(d.StopLO, 0);

    ScalingSettings c;
    c.RangeMax = "1";
    c.RangeMin = "";
    c.Yaxis = {false, false, true};
    c.GraphdB = 1;
    c.Xaxis0 = kMinutesMax - 2;
    c.Xaxis1 = kSecondsMax - 30;
    c.StopLO = 1;
    c.SaveInterval(s.settings);
    EXPECT_EQ(s.Get("Xaxis0"), "5997");
    EXPECT_EQ(s.Get("Xaxis1"), "29");
    EXPECT_EQ(s.Get("StopLO"), "1");
    EXPECT_EQ(s.Get("GraphdB"), "1");
    EXPECT_EQ(s.Get("RangeMax"), "?") << "the limits wait until they are accepted";
    c.SaveRange(s.settings);
    EXPECT_EQ(s.Get("RangeMax"), "1");
    EXPECT_EQ(s.Get("RangeMin"), "");
    EXPECT_EQ(s.Get("Yaxis1"), "False");
    EXPECT_EQ(s.Get("Yaxis2"), "True");
    const ScalingSettings back = ScalingSettings::Read(s.settings);
    EXPECT_EQ(back.SelectedYaxis(), 2);
    EXPECT_EQ(back.MinutesText(), "2");
    EXPECT_EQ(back.SecondsText(), "30");
}

TEST(ScalingSettings, TypedIntervalMovesTheSpinnerOnlyWithinItsRange) {
    EXPECT_EQ(SpinnerValueFor("7", kSecondsMax), 52);
    EXPECT_EQ(SpinnerText(kSecondsMax, 51), "8");  // the spinner moved up by one
    EXPECT_EQ(SpinnerValueFor("59", kSecondsMax), 0);
    EXPECT_EQ(SpinnerValueFor("abc", kSecondsMax), kSecondsMax);  // reads as 0
    EXPECT_EQ(SpinnerValueFor("5999", kMinutesMax), 0);
    EXPECT_FALSE(SpinnerValueFor("", kSecondsMax));
    EXPECT_FALSE(SpinnerValueFor("60", kSecondsMax));
    // Below zero the spinner would go past its maximum.
    EXPECT_FALSE(SpinnerValueFor("-3", kSecondsMax));
}

TEST(ScalingSettings, OkTakesOnlyAWholeIntervalWithinTheSpinnersRange) {
    const struct {
        const char* text;
        int max;
        std::optional<int> taken;
    } cases[] = {
        {"7", kSecondsMax, 7},
        {" 12 ", kSecondsMax, 12},
        {"", kSecondsMax, 0},
        {"  ", kMinutesMax, 0},
        {"59", kSecondsMax, 59},
        {"5999", kMinutesMax, 5999},
        {"60", kSecondsMax, std::nullopt},
        {"6000", kMinutesMax, std::nullopt},
        {"-5", kMinutesMax, std::nullopt},
        {"-5", kSecondsMax, std::nullopt},
        {"2.5", kSecondsMax, std::nullopt},
        {"abc", kSecondsMax, std::nullopt},
        {"3x", kSecondsMax, std::nullopt},
        {"99999999999999999999", kMinutesMax, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(TypedIntervalValue(c.text, c.max), c.taken) << '"' << c.text << '"';
    EXPECT_EQ(kIntervalMessage, "The recording interval is 0 to 5999 minutes and 0 to 59 seconds.");
}

TEST(ScalingSettings, YaxisChoicesWithTheGraphInDbAndDecibelsOn) {
    struct Case {
        bool graphdB, decibels;
        int selected;
        std::array<bool, 3> enabled;
        int expectSelected;
    };
    const Case cases[] = {
        {true, false, 0, {false, false, true}, 2},  // dB graph: only "Range"
        {true, true, 1, {false, false, true}, 2},
        {false, false, 2, {true, true, true}, 2},  // cleared: the choice stays
        {false, true, 1, {false, true, true}, 1},  // decibels on: no "Meter Range"
    };
    for (const Case& c : cases) {
        const YaxisChoices r = GraphdBChoices(c.graphdB, c.decibels, c.selected);
        EXPECT_EQ(r.enabled, c.enabled);
        EXPECT_EQ(r.selected, c.expectSelected);
    }
    const YaxisChoices confirmed = DecibelsConfirmedChoices(GraphdBChoices(false, false, 0));
    EXPECT_EQ(confirmed.enabled, (std::array<bool, 3>{false, true, true}));
    EXPECT_EQ(confirmed.selected, 1) << "\"Auto Range\" takes the place of \"Meter Range\"";
}
