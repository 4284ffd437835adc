#include <gtest/gtest.h>

#include <cmath>

#include "values/Decibels.h"
#include "values/Statistics.h"

using namespace voltaro;

namespace {

// Feeds readings as the recording loop does, counting rows.
struct Recording {
    Statistics stats;
    int count = 0;
    void Read(float v) {
        StatSample s;
        s.value = v;
        s.unitText = "V";
        s.date = QDate(2026, 4, 5);
        s.timeText = "10:00:" + std::to_string(count % 60);
        s.recordCount = ++count;
        s.impedanceText = "600";
        stats.UpdateStatistics(s);
    }
};

}  // namespace

TEST(Statistics, FirstReadingSetsEveryExtreme) {
    Recording run;
    run.stats.RangeHigh = 100;
    run.stats.RangeLow = -100;
    run.stats.DbHigh = 99;
    run.stats.DbmLow = -99;
    run.stats.Vmax = 50;
    run.stats.MaxHasValue = true;
    run.stats.chkMAX_Click(true);
    run.stats.chkMIN_Click(true);
    run.Read(2);
    EXPECT_DOUBLE_EQ(run.stats.RangeHigh, 2);
    EXPECT_FLOAT_EQ(run.stats.RangeLow, 2);
    EXPECT_DOUBLE_EQ(run.stats.DbHigh, DecibelV(2));
    EXPECT_DOUBLE_EQ(run.stats.DbLow, DecibelV(2));
    EXPECT_DOUBLE_EQ(run.stats.DbmHigh, DecibelM(2, 600));
    EXPECT_DOUBLE_EQ(run.stats.DbmLow, DecibelM(2, 600));
    EXPECT_DOUBLE_EQ(run.stats.Vmax, 2);
    EXPECT_FLOAT_EQ(run.stats.Vmin, 2);
    EXPECT_EQ(run.stats.MaxTime, "10:00:0");
    EXPECT_EQ(run.stats.MaxUnit, "V");
    EXPECT_EQ(run.stats.LabErrorText, "2");
}

TEST(Statistics, ZeroIsAMinimumLikeAnyOther) {
    Recording run;
    run.stats.chkMIN_Click(true);
    for (float v : {0.0f, 3.0f, 5.0f}) run.Read(v);
    EXPECT_TRUE(run.stats.MinHasValue);
    EXPECT_FLOAT_EQ(run.stats.Vmin, 0);
}

TEST(Statistics, NegativeRecordings) {
    Recording run;
    run.stats.chkMIN_Click(true);
    for (float v : {-1.0f, -3.0f, -2.0f}) run.Read(v);
    EXPECT_FLOAT_EQ(run.stats.Vmin, -3);
    EXPECT_DOUBLE_EQ(run.stats.RangeHigh, -1);
    // MAX switched on late shows a value that was read, never the 0 it started from.
    run.stats.chkMAX_Click(true);
    run.Read(-4);
    EXPECT_TRUE(run.stats.MaxHasValue);
    EXPECT_DOUBLE_EQ(run.stats.Vmax, -4);
    run.Read(-3.5f);
    EXPECT_DOUBLE_EQ(run.stats.Vmax, -3.5);
}

TEST(Statistics, MaxOffThenOnKeepsTheOldMaximum) {
    Recording run;
    run.stats.chkMAX_Click(true);
    run.Read(5);
    run.stats.chkMAX_Click(false);
    run.Read(9);
    EXPECT_DOUBLE_EQ(run.stats.Vmax, 5);
    run.stats.chkMAX_Click(true);
    run.Read(3);
    EXPECT_DOUBLE_EQ(run.stats.Vmax, 5);
    run.Read(7);
    EXPECT_DOUBLE_EQ(run.stats.Vmax, 7);
    EXPECT_DOUBLE_EQ(run.stats.RangeHigh, 9);
}

TEST(Statistics, AverageSwitchedOnLate) {
    Recording run;
    for (int i = 0; i < 10; ++i) run.Read(100);
    EXPECT_FALSE(run.stats.AverageShown());
    run.stats.ChkAVG_Click(true);
    for (float v : {1.0f, 2.0f, 3.0f}) run.Read(v);
    EXPECT_TRUE(run.stats.AverageShown());
    EXPECT_EQ(run.stats.AvgCount, 3);
    EXPECT_DOUBLE_EQ(run.stats.Average(), 2);
}

TEST(Statistics, AverageStaysRightOverAWeekOfReadings) {
    Recording run;
    run.stats.ChkAVG_Click(true);
    for (int i = 0; i < 600000; ++i) run.Read(0.1f);
    EXPECT_NEAR(run.stats.Average(), 0.1f, 1e-7);
}

TEST(Statistics, ResetForgetsMaximumAndMinimum) {
    Recording run;
    run.stats.chkMAX_Click(true);
    run.stats.chkMIN_Click(true);
    run.Read(5);
    run.stats.Reset();
    EXPECT_FALSE(run.stats.MaxHasValue);
    EXPECT_FALSE(run.stats.MinHasValue);
    run.count = 5;  // not a first row: only the reset makes the next value count
    run.Read(-2);
    EXPECT_DOUBLE_EQ(run.stats.Vmax, -2);
    EXPECT_FLOAT_EQ(run.stats.Vmin, -2);
}

TEST(Statistics, RelCapturesTheValueShown) {
    Statistics stats;
    EXPECT_EQ(stats.RelRefText(), "");
    stats.ChkREL_Click(true, 0.123f, QDate(2026, 4, 5), "10:00:00");
    EXPECT_EQ(stats.RelRefText(), "0.123");
    EXPECT_EQ(stats.RelTime, "10:00:00");
    stats.ChkREL_Click(false, 9.0f, QDate(), "");
    EXPECT_EQ(stats.RelRefText(), "");
    EXPECT_FLOAT_EQ(stats.RelReference, 0.123f);
}
