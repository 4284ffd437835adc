#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "values/Decibels.h"
#include "values/Statistics.h"

using namespace voltaro;

namespace {

// Feeds readings as the recording loop does, counting rows.
struct Recording {
    Statistics stats;
    int count = 0;
    void Read(std::initializer_list<float> values) {
        for (float v : values) {
            const std::string time = "10:00:" + std::to_string(count % 60);
            StatSample s{v, "V", QDate(2026, 4, 5), time, ++count, 0, "600"};
            stats.UpdateStatistics(s);
        }
    }
};

}  // namespace

TEST(Statistics, FirstReadingSetsEveryExtreme) {
    Recording run;
    run.stats.RangeHigh = 100;
    run.stats.RangeLow = -100;
    run.stats.DbmLow = -99;
    run.stats.Vmax = 50;
    run.stats.MaxHasValue = true;
    run.stats.chkMAX_Click(true);
    run.stats.chkMIN_Click(true);
    run.Read({2});
    EXPECT_DOUBLE_EQ(run.stats.RangeHigh, 2);
    EXPECT_FLOAT_EQ(run.stats.RangeLow, 2);
    EXPECT_DOUBLE_EQ(run.stats.DbHigh, DecibelV(2));
    EXPECT_DOUBLE_EQ(run.stats.DbmLow, DecibelM(2, 600));
    EXPECT_DOUBLE_EQ(run.stats.Vmax, 2);
    EXPECT_FLOAT_EQ(run.stats.Vmin, 2);
    EXPECT_EQ(run.stats.MaxTime, "10:00:0");
    EXPECT_EQ(run.stats.LabErrorText, "2");
}

TEST(Statistics, NegativeRecordingWithMaxSwitchedOnLate) {
    Recording run;
    run.stats.chkMIN_Click(true);
    run.Read({-1, -3, -2});
    EXPECT_FLOAT_EQ(run.stats.Vmin, -3);
    EXPECT_DOUBLE_EQ(run.stats.RangeHigh, -1);
    run.stats.chkMAX_Click(true);
    run.Read({-4});  // a value that was read, never the 0 it started from
    EXPECT_DOUBLE_EQ(run.stats.Vmax, -4);
    run.Read({-3.5f});
    EXPECT_DOUBLE_EQ(run.stats.Vmax, -3.5);
    run.stats.Reset();
    run.Read({-7});  // not a first row: the reset alone makes it count
    EXPECT_DOUBLE_EQ(run.stats.Vmax, -7);
    EXPECT_FLOAT_EQ(run.stats.Vmin, -7);
    run.stats.Reset();
    run.Read({0, 3});  // zero is a minimum like any other, not a minimum yet to be taken
    EXPECT_FLOAT_EQ(run.stats.Vmin, 0);
}

TEST(Statistics, FirstRowAfterARolloverKeepsMaxAndMin) {
    Recording run;
    run.stats.chkMAX_Click(true);
    run.stats.chkMIN_Click(true);
    run.Read({5, 1});
    // Row 1 of a follow-on file, with a block already moved to a working file.
    run.stats.UpdateStatistics({3, "V", QDate(2026, 4, 5), "11:00:00", 1, 1, "600"});
    EXPECT_DOUBLE_EQ(run.stats.Vmax, 5);
    EXPECT_FLOAT_EQ(run.stats.Vmin, 1);
    EXPECT_DOUBLE_EQ(run.stats.RangeHigh, 3);  // the recording's own range starts anew
}

TEST(Statistics, MaxOffThenOnKeepsTheOldMaximum) {
    Recording run;
    run.stats.chkMAX_Click(true);
    run.Read({5});
    run.stats.chkMAX_Click(false);
    run.Read({9});
    run.stats.chkMAX_Click(true);
    run.Read({3});
    EXPECT_DOUBLE_EQ(run.stats.Vmax, 5);
    run.Read({7});
    EXPECT_DOUBLE_EQ(run.stats.Vmax, 7);
    EXPECT_DOUBLE_EQ(run.stats.RangeHigh, 9);
}

TEST(Statistics, AverageFromSwitchOnAndOverAWeek) {
    Recording run;
    run.Read({100, 100, 100, 100, 100, 100, 100, 100, 100, 100});
    EXPECT_FALSE(run.stats.AverageShown());
    run.stats.ChkAVG_Click(true);
    run.Read({1, 2, 3});
    EXPECT_EQ(run.stats.AvgCount, 3);
    EXPECT_DOUBLE_EQ(run.stats.Average(), 2);
    run.stats.Reset();
    for (int i = 0; i < 600000; ++i) run.Read({0.1f});  // a week at one reading a second
    EXPECT_NEAR(run.stats.Average(), 0.1f, 1e-7);
}

// The decibel extremes skip the logarithm of readings inside the magnitudes already seen; they
// must still equal the extremes taken over every reading, through zeros, signs, a change of
// line impedance and a rebuild for a new impedance.
TEST(Statistics, DecibelExtremesAreThoseOfEveryReading) {
    Statistics stats;
    double high = 0, low = 0, mHigh = 0, mLow = 0;
    uint32_t seed = 12345;
    for (int row = 1; row <= 3000; ++row) {
        seed = seed * 1664525u + 1013904223u;
        const int pick = static_cast<int>(seed >> 8);
        float v = static_cast<float>(pick % 20001 - 10000) * (pick % 3 == 0 ? 1e-3f : 1e-1f);
        if (pick % 17 == 0) v = 0;
        const std::string impedance = row < 1500 ? "600" : row < 2200 ? "50" : "-8";
        if (row == 2500) {
            stats.ClearDecibelExtremes();
            high = low = mHigh = mLow = 0;
        }
        stats.UpdateStatistics({v, "V", QDate(2026, 4, 5), "10:00:00", row, 0, impedance});
        const bool first = row == 1;
        const double d = DecibelV(v), m = DecibelM(v, std::stod(impedance));
        if (d > high || first) high = d;
        if (d < low || first) low = d;
        if (m > mHigh || first) mHigh = m;
        if (m < mLow || first) mLow = m;
        ASSERT_EQ(stats.DbHigh, high) << "row " << row;
        ASSERT_EQ(stats.DbLow, low) << "row " << row;
        ASSERT_EQ(stats.DbmHigh, mHigh) << "row " << row;
        ASSERT_EQ(stats.DbmLow, mLow) << "row " << row;
    }
}

// A new line impedance takes the dBm extremes again over the whole recording; the values are
// not taken a second time by MAX, MIN or the average.
TEST(Statistics, NewImpedanceRebuildsDecibelsAndKeepsTheAverage) {
    Recording r;
    r.stats.ChkAVG_Click(true);
    r.stats.chkMAX_Click(true);
    r.Read({0.7746f, 7.746f, 2.0f});
    ASSERT_DOUBLE_EQ(r.stats.DbmHigh, 20);
    r.stats.RebuildDecibelExtremes(std::vector<float>{0.7746f, 7.746f, 2.0f}, "50");
    EXPECT_DOUBLE_EQ(r.stats.DbmHigh, DecibelM(7.746, 50));
    EXPECT_DOUBLE_EQ(r.stats.DbmLow, DecibelM(0.7746, 50));
    EXPECT_DOUBLE_EQ(r.stats.DbHigh, DecibelV(7.746));
    EXPECT_EQ(r.stats.AvgCount, 3);
    EXPECT_NEAR(r.stats.Average(), (0.7746 + 7.746 + 2.0) / 3, 1e-6);
    EXPECT_FLOAT_EQ(static_cast<float>(r.stats.Vmax), 7.746f);
}
