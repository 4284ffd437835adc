#include <gtest/gtest.h>

#include <cmath>

#include "display/GraphRange.h"
#include "display/TrendGraph.h"
#include "link/Decoder.h"
#include "recording/RecordStore.h"
#include "support/RecordingSurface.h"
#include "values/DateTimeFormat.h"
#include "values/Decibels.h"

namespace voltaro {
namespace {

const Colour kRed = PaletteColour(12), kBlue = PaletteColour(9), kCyan = PaletteColour(11);
using Texts = std::vector<std::string>;

// A recording and a surface of 1200 x 1200 pixels: 10 pixels a unit, so a character is 0.6
// units wide and 1.2 high.
struct Graph {
    RecordStore store;
    GraphRange range;  // 4 to -4
    Decibels db;
    DateTimeFormat stamps;
    RecordingSurface box;
    TrendGraph graph;
    TrendGraphInput in{.store = store, .range = range, .RangeBottom = -4, .db = &db, .stamps = &stamps};

    void Add(const std::string& value, const std::string& time = "", const std::string& type = "V") {
        int row = ++store.RecordCount;
        store.Set(row, Field::ValueText, value);
        store.Set(row, Field::Time, time);
        store.Set(row, Field::Date, "24/01/15");
        store.Set(row, Field::Type, type);
        store.Set(row, Field::Coupling, "DC");
    }
    void AddMany(int n) {
        for (int i = 1; i <= n; ++i) Add(std::to_string(i % 7 - 3));
    }
    void Range(double top, double bottom, float meterBottom) {
        range.GraphTop = top, range.GraphBottom = bottom, range.GraphSpan = top - bottom;
        in.RangeBottom = meterBottom;
    }
    void Draw() {
        box.ops.clear();
        graph.DrawTrendGraph(box, 2, true, in);
    }
    std::vector<DrawnOp> Of(SurfaceOp op, LineStyle style = LineStyle::Solid) const {
        std::vector<DrawnOp> out;
        for (const DrawnOp& d : box.Of(op))
            if (op != SurfaceOp::Line || d.style == style) out.push_back(d);
        return out;
    }
    Texts Labels() const {  // the value labels, left of the frame
        Texts out;
        for (const DrawnOp& d : box.Of(SurfaceOp::Print))
            if (d.x1 < 15) out.push_back(d.text);
        return out;
    }
};

TEST(DrawTrendGraph, EmptyRecordingDrawsFrameTicksAndLabelsOnly) {
    Graph g;
    g.Draw();
    auto fills = g.Of(SurfaceOp::FillBox);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].colour, kWhite);
    EXPECT_EQ(std::vector<double>({fills[0].x1, fills[0].y1, fills[0].x2, fills[0].y2}),
              std::vector<double>({15, 10, 115, 110}));
    EXPECT_EQ(g.Of(SurfaceOp::OutlineBox).at(0).pen, 2);
    std::vector<double> timeTicks, valueTicks;
    for (const DrawnOp& l : g.Of(SurfaceOp::Line)) {
        if (l.y1 == 110 && l.y2 == 115) timeTicks.push_back(l.x1);
        if (l.x1 == 13 && l.x2 == 15) valueTicks.push_back(l.y1);
    }
    EXPECT_EQ(timeTicks, std::vector<double>({96, 76, 56, 36, 16}));
    EXPECT_EQ(valueTicks.size(), 9u);
    EXPECT_EQ(g.Labels(), Texts({"+4.00 ", "+3.00 ", "+2.00 ", "+1.00 ", " 0.00 ", "-1.00 ", "-2.00 ",
                                 "-3.00 ", "-4.00 "}));
    // Six characters of 0.6 units end at 12.8, raised by half a text height.
    DrawnOp top = g.box.Of(SurfaceOp::Print)[0];
    EXPECT_NEAR(top.x1, 12.8 - 3.6, 1e-9);
    EXPECT_NEAR(top.y1, 10 - 0.6, 1e-9);
    EXPECT_TRUE(g.Of(SurfaceOp::Dot).empty());
    EXPECT_TRUE(g.Of(SurfaceOp::LineTo).empty());
    EXPECT_TRUE(g.Of(SurfaceOp::Line, LineStyle::Dotted).empty());  // no alarm lines
}

TEST(DrawTrendGraph, OneReadingDrawsOnlyTheFirstDot) {
    Graph g;
    g.Add("2");
    g.Draw();
    auto dots = g.Of(SurfaceOp::Dot);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_DOUBLE_EQ(dots[0].y1, 35);  // (4 - 2) / 8 of the height below the top
    EXPECT_EQ(dots[0].colour, kBlue);  // the cursor is on it
    EXPECT_EQ(dots[0].pen, 5);
    EXPECT_TRUE(g.Of(SurfaceOp::LineTo).empty());
    g.in.cursor = 0;
    g.Draw();
    EXPECT_EQ(g.Of(SurfaceOp::Dot)[0].pen, 1);
    EXPECT_EQ(g.Of(SurfaceOp::Dot)[0].colour, kCyan);
}

TEST(DrawTrendGraph, WindowOfAHundredAroundTheCursor) {
    Graph g;
    g.AddMany(250);
    g.store.Set(151, Field::ValueText, "3");
    for (auto [cursor, firstY, dotX] : {std::tuple{250, 22.5, 114.0}, {40, 85.0, 54.0}}) {
        g.in.cursor = cursor;
        g.Draw();
        EXPECT_EQ(g.Of(SurfaceOp::LineTo).size(), 99u);
        auto dots = g.Of(SurfaceOp::Dot);
        ASSERT_EQ(dots.size(), 2u);
        EXPECT_DOUBLE_EQ(dots[0].y1, firstY);  // row 151 (3) or row 1 (-2)
        EXPECT_EQ(dots[0].colour, kCyan);
        EXPECT_DOUBLE_EQ(dots[1].x1, dotX);
        EXPECT_EQ(dots[1].colour, kBlue);
        EXPECT_EQ(dots[1].pen, 5);
    }
}

TEST(DrawTrendGraph, ZeroLabelsEqualNeighboursAndMicro) {
    Graph g;
    g.Range(5, -5, -5);
    g.Draw();
    EXPECT_EQ(g.Labels()[4], " 0.00 ");
    g.Range(0.4, -0.4, -0.4f);  // kept in single precision, not exact in binary
    g.Draw();
    EXPECT_EQ(g.Labels()[4], " 0.00 ");
    EXPECT_EQ(g.Labels()[0], "+ 400m");
    g.Range(4, 0, 0);
    g.Draw();
    EXPECT_EQ(g.Labels()[8], " 0.00 ");
    g.in.RangeBottom = -4;  // not the meter's range: no zero rule
    g.Draw();
    EXPECT_EQ(g.Labels()[8], "    0 ");
    g.Range(1.0001, 1.0, 0);
    g.Draw();
    EXPECT_EQ(g.Labels(), Texts({"+1.00 "}));
    g.Range(0.0004, 0, 0);
    g.Draw();
    auto prints = g.box.Of(SurfaceOp::Print);
    EXPECT_EQ(prints[0].text, "+ 400m");
    EXPECT_EQ(prints[0].typeface, "symbol");
    EXPECT_EQ(prints.back().text, " 0.00 ");
    EXPECT_EQ(prints.back().typeface, "Arial");
}

TEST(DrawTrendGraph, TraceColourFollowsTheSign) {
    Graph g;
    for (const char* v : {"-1", "0", "1", "2", "-2"}) g.Add(v);
    g.Draw();
    auto trace = g.Of(SurfaceOp::LineTo);
    ASSERT_EQ(trace.size(), 4u);
    EXPECT_EQ(std::vector<Colour>({trace[0].colour, trace[1].colour, trace[2].colour, trace[3].colour}),
              std::vector<Colour>({kBlue, kRed, kRed, kBlue}));
    EXPECT_DOUBLE_EQ(trace[0].x1, 15);
    EXPECT_DOUBLE_EQ(trace[0].x2, 16);
    EXPECT_DOUBLE_EQ(trace[1].y2, 47.5);
}

TEST(DrawTrendGraph, ContinuityDrawsOpenCircuitOnTheBottomEdge) {
    Graph g;
    g.Range(45, 0, 0);
    for (const char* v : {"50", "10", "45", "44.9", "400"}) g.Add(v, "", "ohm");
    // The continuity function marks its readings "Beep", and the graph goes by that mark.
    g.in.specialMode = DecodeFrameText("002005008").specialMode;
    ASSERT_EQ(g.in.specialMode, "Beep");
    g.Draw();
    auto trace = g.Of(SurfaceOp::LineTo);
    EXPECT_DOUBLE_EQ(g.Of(SurfaceOp::Dot)[0].y1, 110);  // the first reading too
    EXPECT_NEAR(trace[0].y2, 10 + 35.0 / 45 * 100, 1e-4);
    EXPECT_DOUBLE_EQ(trace[1].y2, 110);
    EXPECT_LT(trace[2].y2, 110);
    EXPECT_DOUBLE_EQ(trace[3].y2, 110);
    g.in.specialMode = "";
    g.Draw();
    EXPECT_DOUBLE_EQ(g.Of(SurfaceOp::LineTo)[3].y2, 10);  // otherwise held on the top edge
}

TEST(DrawTrendGraph, AlarmLinesAndTimeLabels) {
    Graph g;
    for (int i = 1; i <= 30; ++i) g.Add("1", i == 1 || i == 21 ? "10:00:" + std::to_string(10 + i) : "");
    g.in.alarmHighText = "2";  // the low limit is empty: 0
    g.Draw();
    auto alarms = g.Of(SurfaceOp::Line, LineStyle::Dotted);
    ASSERT_EQ(alarms.size(), 2u);
    EXPECT_EQ(std::vector<double>({alarms[0].y1, alarms[0].x2, alarms[1].y1}),
              std::vector<double>({35, 115, 60}));
    EXPECT_EQ(alarms[0].colour, kRed);
    EXPECT_EQ(alarms[1].colour, kBlue);
    Texts times;
    for (const DrawnOp& p : g.box.Of(SurfaceOp::Print))
        if (p.y1 == 110) times.push_back(std::to_string(static_cast<int>(p.x1)) + " " + p.text);
    EXPECT_EQ(times, Texts({"36 10:00:31", "16 10:00:11"}));  // rows 21 and 1; the others have no time
}

TEST(DrawTrendGraph, RangeThatIsNotFiniteIsDrawnAsTheStartRange) {
    Graph g;
    for (const char* v : {"2", "-2", "3"}) g.Add(v);
    // An overflowed reading leaves the range infinite: every height would be NaN.
    g.range.GraphTop = HUGE_VAL, g.range.GraphBottom = -HUGE_VAL, g.range.GraphSpan = HUGE_VAL;
    g.Draw();
    for (const DrawnOp& d : g.box.ops)
        ASSERT_TRUE(std::isfinite(d.x1) && std::isfinite(d.y1) && std::isfinite(d.x2) && std::isfinite(d.y2));
    auto trace = g.Of(SurfaceOp::LineTo);
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_DOUBLE_EQ(g.Of(SurfaceOp::Dot)[0].y1, 35);  // 2 on the range 4 .. -4
    EXPECT_DOUBLE_EQ(trace[0].y2, 85);
    EXPECT_EQ(g.Labels().front(), "+4.00 ");
    g.range.GraphTop = std::nan("");
    g.range.GraphSpan = 8;
    g.Draw();
    EXPECT_DOUBLE_EQ(g.Of(SurfaceOp::LineTo)[1].y2, 22.5);
}

TEST(GraphClick, MarginsStepTheCursorAndTheBandShowsAReadOut) {
    Graph g;
    g.AddMany(30);
    g.Add("0.123", "10:20:30");  // row 31: a small value in a volts range
    g.in.cursor = 5;
    EXPECT_EQ(g.graph.GraphClicked(14.4, g.in, 1, 100).cursor, 4);
    EXPECT_EQ(g.graph.GraphClicked(14.4, g.in, 1, 100).box, -1);
    EXPECT_EQ(g.graph.GraphClicked(114.5, g.in, 1, 100).cursor, 6);
    EXPECT_EQ(g.graph.GraphClicked(14.6, g.in, 1, 100).cursor, 1);
    g.in.cursor = 1;
    EXPECT_FALSE(g.graph.GraphClicked(5, g.in, 1, 100).cursor);
    g.in.cursor = 100;
    EXPECT_FALSE(g.graph.GraphClicked(118, g.in, 1, 100).cursor);
    g.in.cursor = 50;
    EXPECT_EQ(g.graph.GraphClicked(1e12, g.in, 1, 100).cursor, 51);  // far right: a margin
    EXPECT_EQ(g.graph.GraphClicked(-1e12, g.in, 1, 100).cursor, 49);
    GraphClick nowhere = g.graph.GraphClicked(std::nan(""), g.in, 1, 100);
    EXPECT_FALSE(nowhere.cursor);
    EXPECT_EQ(nowhere.box, -1);

    GraphClick c = g.graph.GraphClicked(45, g.in, 1, 100);  // p = 31
    EXPECT_EQ(c.box, 0);
    EXPECT_EQ(c.readoutLines, (std::array<std::string, 3>{"+   123 mV", "DC", "24/01/15 10:20:30"}));
    g.in.cursor = c.cursor.value();
    g.Draw();
    EXPECT_DOUBLE_EQ(g.Of(SurfaceOp::Dot).back().x1, 45);  // the cursor dot is on it

    GraphClick none = g.graph.GraphClicked(80, g.in, 1, 100);  // p = 66: no reading
    EXPECT_EQ(none.box, 1);
    EXPECT_EQ(none.readoutLines, (std::array<std::string, 3>{"", "NO DATA", ""}));
    EXPECT_FALSE(none.cursor);
}

TEST(GraphClick, ScrolledWindowAndDecibels) {
    Graph g;
    g.AddMany(250);
    g.store.Set(201, Field::Type, "ohm");
    g.store.Set(201, Field::ValueText, "1500");
    g.in.cursor = 250;
    GraphClick c = g.graph.GraphClicked(64.5, g.in, 1, 251);  // p = 51
    EXPECT_EQ(c.cursor, 201);
    EXPECT_EQ(c.box, 1);
    EXPECT_EQ(c.readoutLines[0], "+  1.50 KW");
    g.store.Set(201, Field::ValueText, "10");
    g.store.Set(201, Field::Type, "V");
    g.in.decibels = true;
    c = g.graph.GraphClicked(64.5, g.in, 1, 251);
    EXPECT_EQ(c.readoutLines[0], "+ 20.00dB");
    EXPECT_EQ(c.readoutLines[1], "+ 10.00 V DC");
}

}  // namespace
}  // namespace voltaro
