#include <gtest/gtest.h>

#include "display/GraphRange.h"
#include "link/Decoder.h"

namespace voltaro {
namespace {

struct GraphRangeTest : ::testing::Test {
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

TEST_F(GraphRangeTest, AutoRangeMarginIsATenthOfTheSpreadButAtLeastHOver125) {
    g.Yaxis = GraphRange::kAutoRange;
    const struct {
        int count;
        double low, high, top, bottom;
    } cases[] = {
        {0, 0, 0, 4, -4},                   // no readings
        {10, 2, 3, 3.1, 1.9},               // a tenth of the spread
        {10, 100, 100.5, 101.304, 99.196},  // at least high / 125
        {10, -5, -1, -0.6, -5.4},
        {10, 0, 2, 2.2, 0},  // an extreme of exactly zero keeps its limit at zero
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.low) + " .. " + std::to_string(c.high));
        Recorded(c.low, c.high, c.count);
        g.UpdateGraphRange(in);
        EXPECT_NEAR(g.GraphTop, c.top, 1e-5);
        EXPECT_NEAR(g.GraphBottom, c.bottom, 1e-5);
        EXPECT_NEAR(g.GraphSpan, c.top - c.bottom, 1e-5);
    }
}

TEST_F(GraphRangeTest, DecibelsUseTheirOwnExtremes) {
    Recorded(1, 2);
    stats.DbHigh = -3, stats.DbLow = -13, stats.DbmHigh = 10, stats.DbmLow = 0;
    in.decibels = true;
    g.UpdateGraphRange(in);
    EXPECT_NEAR(g.GraphTop, -2, 1e-6);
    EXPECT_NEAR(g.GraphBottom, -14, 1e-6);
    in.dBm = true;
    g.UpdateGraphRange(in);
    EXPECT_NEAR(g.GraphTop, 11, 1e-6);
    EXPECT_EQ(g.GraphBottom, 0);
    EXPECT_EQ(g.Labels[0], "+  2.00");  // the labels show the plain extremes all the same
}

TEST_F(GraphRangeTest, MeterRangeFollowsTheRangeOfTheCurrentReading) {
    reading = DecodeFrameText("13999;008");
    Recorded(1, 3.9);
    g.Yaxis = GraphRange::kMeterRange;
    g.UpdateGraphRange(in);
    EXPECT_EQ(g.GraphTop, 4);
    EXPECT_EQ(g.GraphBottom, -4);
}

TEST_F(GraphRangeTest, TypedLimitsAreExchangedWhenUpsideDownAndEqualOnesAreRefused) {
    g.Yaxis = GraphRange::kRange;
    // High, low typed; top, bottom, accepted. A limit no single holds counts as 0, never infinity.
    const std::tuple<const char*, const char*, double, double, bool> cases[] = {
        {"1", "5", 5, 1, true}, {"", "abc", 0, 0, false}, {"1e99", "-2", 0, -2, true}};
    for (const auto& [high, low, top, bottom, accepted] : cases) {
        SCOPED_TRACE(std::string(high) + " " + low);
        g.TextHigh = high, g.TextLow = low;
        g.UpdateGraphRange(in);
        EXPECT_EQ(g.GraphTop, top);
        EXPECT_EQ(g.GraphBottom, bottom);
        EXPECT_EQ(g.GraphSpan, top - bottom);
        EXPECT_EQ(g.LimitsAccepted(), accepted);
    }
}

TEST_F(GraphRangeTest, LabelsShowTheExtremesAndLimitsWithTheirPrefixes) {
    Recorded(-0.25, 1234);
    g.Yaxis = GraphRange::kRange;
    g.TextHigh = "1234", g.TextLow = "0.0123";
    g.UpdateGraphRange(in);
    EXPECT_EQ(g.Labels, (std::array<std::string, 4>{"+  1.23K", "-   250m", "+  1.23K", "+ 12.30m"}));
    EXPECT_EQ(g.LabeldB, "");
}

}  // namespace
}  // namespace voltaro
