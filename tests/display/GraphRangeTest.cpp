#include <gtest/gtest.h>

#include "display/GraphRange.h"

namespace voltaro {
namespace {

class GraphRangeTest : public ::testing::Test {
protected:
    void Recorded(double low, double high, int count = 10) {
        stats.RangeHigh = high;
        stats.RangeLow = static_cast<float>(low);
        in.recordCount = count;
    }
    Reading reading;
    MeterRange meter;
    Statistics stats;
    GraphRange g;
    GraphRangeInput in{true, &reading, &meter, &stats, 0, false, false};
};

TEST_F(GraphRangeTest, NoReadingsGiveFourToMinusFour) {
    g.Yaxis = GraphRange::kAutoRange;
    g.UpdateGraphRange(in);
    EXPECT_EQ(g.GraphTop, 4);
    EXPECT_EQ(g.GraphBottom, -4);
    EXPECT_EQ(g.GraphSpan, 8);
}

TEST_F(GraphRangeTest, AutoRangeMarginIsATenthOfTheSpreadButAtLeastHOver125) {
    Recorded(2, 3);
    g.UpdateGraphRange(in);
    EXPECT_NEAR(g.GraphTop, 3.1, 1e-6);
    EXPECT_NEAR(g.GraphBottom, 1.9, 1e-6);
    Recorded(100, 100.5);
    g.UpdateGraphRange(in);
    EXPECT_NEAR(g.GraphTop, 101.304, 1e-5);
    EXPECT_NEAR(g.GraphBottom, 99.196, 1e-5);
    Recorded(-5, -1);
    g.UpdateGraphRange(in);
    EXPECT_NEAR(g.GraphTop, -0.6, 1e-6);
    EXPECT_NEAR(g.GraphBottom, -5.4, 1e-6);
    EXPECT_NEAR(g.GraphSpan, 4.8, 1e-6);
}

TEST_F(GraphRangeTest, AnExtremeOfExactlyZeroKeepsItsLimitAtZero) {
    Recorded(0, 2);
    g.UpdateGraphRange(in);
    EXPECT_NEAR(g.GraphTop, 2.2, 1e-6);
    EXPECT_EQ(g.GraphBottom, 0);
}

TEST_F(GraphRangeTest, DecibelsUseTheirOwnExtremes) {
    Recorded(1, 2);
    stats.DbHigh = -3;
    stats.DbLow = -13;
    stats.DbmHigh = 10;
    stats.DbmLow = 0;
    in.decibels = true;
    g.UpdateGraphRange(in);
    EXPECT_NEAR(g.GraphTop, -2, 1e-6);
    EXPECT_NEAR(g.GraphBottom, -14, 1e-6);
    in.dBm = true;
    g.UpdateGraphRange(in);
    EXPECT_NEAR(g.GraphTop, 11, 1e-6);
    EXPECT_EQ(g.GraphBottom, 0);
    // The labels show the plain extremes all the same.
    EXPECT_EQ(g.Labels[0], "+  2.00");
}

TEST_F(GraphRangeTest, MeterRangeFollowsTheRangeOfTheCurrentReading) {
    reading.frameText = "13999;008";
    reading.digits = "3999";
    reading.unitText = "V";
    reading.acDc = "DC";
    for (int i = 1; i <= 9; ++i)
        reading.frameBytes[static_cast<size_t>(i)] = reading.frameText[static_cast<size_t>(i - 1)];
    Recorded(1, 3.9);
    g.Yaxis = GraphRange::kMeterRange;
    g.UpdateGraphRange(in);
    EXPECT_EQ(g.GraphTop, 4);
    EXPECT_EQ(g.GraphBottom, -4);
}

TEST_F(GraphRangeTest, TypedLimitsAreExchangedWhenUpsideDownAndEqualOnesAreRefused) {
    g.Yaxis = GraphRange::kRange;
    g.TextHigh = "1";
    g.TextLow = "5";
    g.UpdateGraphRange(in);
    EXPECT_EQ(g.GraphTop, 5);
    EXPECT_EQ(g.GraphBottom, 1);
    EXPECT_TRUE(g.LimitsAccepted());
    g.TextHigh = "";
    g.TextLow = "abc";
    g.UpdateGraphRange(in);
    EXPECT_EQ(g.GraphSpan, 0);
    EXPECT_FALSE(g.LimitsAccepted());
    // A limit no single holds counts as 0, never as infinity.
    g.TextHigh = "1e99";
    g.TextLow = "-2";
    g.UpdateGraphRange(in);
    EXPECT_EQ(g.GraphTop, 0);
    EXPECT_EQ(g.GraphSpan, 2);
}

TEST_F(GraphRangeTest, LabelsShowTheExtremesAndLimitsWithTheirPrefixes) {
    Recorded(-0.25, 1234);
    g.Yaxis = GraphRange::kRange;
    g.TextHigh = "1234";
    g.TextLow = "0.0123";
    g.UpdateGraphRange(in);
    EXPECT_EQ(g.Labels[0], "+  1.23K");
    EXPECT_EQ(g.Labels[1], "-   250m");
    EXPECT_EQ(g.Labels[2], "+  1.23K");
    EXPECT_EQ(g.Labels[3], "+ 12.30m");
    EXPECT_EQ(g.LabeldB, "");
}

}  // namespace
}  // namespace voltaro
