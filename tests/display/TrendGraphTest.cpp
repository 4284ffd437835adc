#include <gtest/gtest.h>

#include <cmath>

#include "display/GraphRange.h"
#include "display/ModPicShow.h"
#include "display/RecordingSurface.h"
#include "recording/RecordStore.h"
#include "values/DateTimeFormat.h"
#include "values/Decibels.h"

namespace voltaro {
namespace {

const Colour kRed = PaletteColour(12), kBlue = PaletteColour(9), kCyan = PaletteColour(11);

// A recording, a range and a surface of 1200 x 1200 pixels: 10 pixels a unit, so a character
// of "8" is 0.6 units wide and 1.2 high.
struct Graph {
    RecordStore store;
    GraphRange range;
    Decibels db;
    DateTimeFormat stamps;
    RecordingSurface box;
    ModPicShow graph;
    int cursor = 1;
    float rangeBottom = -4;
    std::string specialMode;
    std::string hi, lo;

    void Add(const std::string& value, const std::string& time = "", const std::string& type = "V",
             const std::string& coupling = "DC") {
        int row = ++store.RecordCount;
        store.Set(row, Field::ValueText, value);
        store.Set(row, Field::Time, time);
        store.Set(row, Field::Date, "24/01/15");
        store.Set(row, Field::Type, type);
        store.Set(row, Field::Coupling, coupling);
    }
    void AddMany(int n) {
        for (int i = 1; i <= n; ++i) Add(std::to_string(i % 7 - 3));
    }
    TrendGraphInput Input() {
        return TrendGraphInput{.store = store,
                               .range = range,
                               .RangeBottom = rangeBottom,
                               .cursor = cursor,
                               .db = &db,
                               .specialMode = specialMode,
                               .TextAlarmHI = hi,
                               .TextAlarmLO = lo,
                               .stamps = &stamps};
    }
    void Draw() {
        box.ops.clear();
        graph.DrawTrendGraph(box, 2, true, Input());
    }
    std::vector<DrawnOp> Dots() const { return box.Of(SurfaceOp::Dot); }
    std::vector<DrawnOp> Trace() const { return box.Of(SurfaceOp::LineTo); }
    std::vector<DrawnOp> Dotted() const {
        std::vector<DrawnOp> out;
        for (const DrawnOp& d : box.Of(SurfaceOp::Line))
            if (d.style == LineStyle::Dotted) out.push_back(d);
        return out;
    }
    std::vector<std::string> Labels() const {  // value labels: the texts printed left of the frame
        std::vector<std::string> out;
        for (const DrawnOp& d : box.Of(SurfaceOp::Print))
            if (d.x1 < 15) out.push_back(d.text);
        return out;
    }
};

TEST(DrawTrendGraph, EmptyRecordingDrawsFrameTicksAndLabelsOnly) {
    Graph g;
    g.Draw();
    auto fills = g.box.Of(SurfaceOp::FillBox);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].colour, kWhite);
    EXPECT_DOUBLE_EQ(fills[0].x1, 15);
    EXPECT_DOUBLE_EQ(fills[0].y2, 110);
    auto frame = g.box.Of(SurfaceOp::OutlineBox);
    ASSERT_EQ(frame.size(), 1u);
    EXPECT_EQ(frame[0].pen, 2);

    std::vector<double> timeTicks, valueTicks;
    for (const DrawnOp& l : g.box.Of(SurfaceOp::Line)) {
        if (l.y1 == 110 && l.y2 == 115) timeTicks.push_back(l.x1);
        if (l.x1 == 13 && l.x2 == 15) valueTicks.push_back(l.y1);
        EXPECT_EQ(l.colour, kBlack);
    }
    EXPECT_EQ(timeTicks, (std::vector<double>{96, 76, 56, 36, 16}));
    ASSERT_EQ(valueTicks.size(), 9u);
    EXPECT_DOUBLE_EQ(valueTicks[1], 22.5);
    EXPECT_EQ(g.Labels(), (std::vector<std::string>{"+4.00 ", "+3.00 ", "+2.00 ", "+1.00 ", " 0.00 ",
                                                    "-1.00 ", "-2.00 ", "-3.00 ", "-4.00 "}));
    EXPECT_TRUE(g.Dots().empty());
    EXPECT_TRUE(g.Trace().empty());
    EXPECT_TRUE(g.Dotted().empty());  // no alarm lines without readings
}

TEST(DrawTrendGraph, LabelsAreCentredOnTheirLevelEndingAtTheTicks) {
    Graph g;
    g.Draw();
    auto prints = g.box.Of(SurfaceOp::Print);
    // Six characters of 0.6 units end at 12.8; raised by half a text height of 1.2.
    EXPECT_NEAR(prints[0].x1, 12.8 - 3.6, 1e-9);
    EXPECT_NEAR(prints[0].y1, 10 - 0.6, 1e-9);
    EXPECT_NEAR(prints[8].y1, 110 - 0.6, 1e-9);
}

TEST(DrawTrendGraph, OneReadingDrawsOnlyTheFirstDot) {
    Graph g;
    g.Add("2");
    g.Draw();
    auto dots = g.Dots();
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_DOUBLE_EQ(dots[0].x1, 15);
    EXPECT_DOUBLE_EQ(dots[0].y1, 35);  // (4 - 2) / 8 of the height
    EXPECT_EQ(dots[0].colour, kBlue);  // the cursor is on it
    EXPECT_EQ(dots[0].pen, 5);
    EXPECT_TRUE(g.Trace().empty());
    g.cursor = 0;
    g.Draw();
    EXPECT_EQ(g.Dots()[0].pen, 1);
    EXPECT_EQ(g.Dots()[0].colour, kCyan);
}

TEST(DrawTrendGraph, CursorAtTheEndShowsTheLastHundredRows) {
    Graph g;
    g.AddMany(250);
    g.store.Set(151, Field::ValueText, "3");
    g.cursor = 250;
    g.Draw();
    auto trace = g.Trace();
    ASSERT_EQ(trace.size(), 99u);
    EXPECT_DOUBLE_EQ(trace.back().x2, 114);
    auto dots = g.Dots();
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_DOUBLE_EQ(dots[0].y1, 22.5);  // row 151 comes first
    EXPECT_EQ(dots[0].colour, kCyan);
    EXPECT_DOUBLE_EQ(dots[1].x1, 114);
    EXPECT_EQ(dots[1].colour, kBlue);
    EXPECT_EQ(dots[1].pen, 5);
}

TEST(DrawTrendGraph, CursorNearTheStartShowsTheFirstHundredRows) {
    Graph g;
    g.AddMany(250);
    g.cursor = 40;
    g.Draw();
    ASSERT_EQ(g.Trace().size(), 99u);
    auto dots = g.Dots();
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_DOUBLE_EQ(dots[1].x1, 54);
    EXPECT_EQ(ShownWindow(40, 250).st, 0);
    EXPECT_EQ(ShownWindow(250, 250).st, 150);
    EXPECT_EQ(ShownWindow(100, 30).N, 30);
}

TEST(DrawTrendGraph, ZeroLabelRules) {
    Graph g;
    g.range.GraphTop = 5, g.range.GraphBottom = -5, g.range.GraphSpan = 10;
    g.rangeBottom = -5;
    g.Draw();
    EXPECT_EQ(g.Labels()[4], " 0.00 ");
    // The same for a range kept in single precision that is not exact in binary.
    g.range.GraphTop = 0.4, g.range.GraphBottom = -0.4, g.range.GraphSpan = 0.8;
    g.rangeBottom = -0.4f;
    g.Draw();
    EXPECT_EQ(g.Labels()[4], " 0.00 ");
    EXPECT_EQ(g.Labels()[0], "+ 400m");

    g.range.GraphTop = 4, g.range.GraphBottom = 0, g.range.GraphSpan = 4;
    g.rangeBottom = 0;
    g.Draw();
    EXPECT_EQ(g.Labels()[8], " 0.00 ");
    // An auto range that is not the meter's gets no zero rule.
    g.rangeBottom = -4;
    g.Draw();
    EXPECT_EQ(g.Labels()[8], "    0 ");
}

TEST(DrawTrendGraph, EqualNeighbourLabelsPrintOnceAndMicroUsesTheSymbolFace) {
    Graph g;
    g.range.GraphTop = 1.0001, g.range.GraphBottom = 1.0, g.range.GraphSpan = 0.0001;
    g.Draw();
    EXPECT_EQ(g.Labels(), (std::vector<std::string>{"+1.00 "}));

    g.range.GraphTop = 0.0004, g.range.GraphBottom = 0, g.range.GraphSpan = 0.0004;
    g.rangeBottom = 0;
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
    auto trace = g.Trace();
    ASSERT_EQ(trace.size(), 4u);
    EXPECT_EQ(trace[0].colour, kBlue);  // -1 to 0
    EXPECT_EQ(trace[1].colour, kRed);   // 0 to 1
    EXPECT_EQ(trace[2].colour, kRed);   // 1 to 2
    EXPECT_EQ(trace[3].colour, kBlue);  // 2 to -2
    EXPECT_DOUBLE_EQ(trace[0].x1, 15);
    EXPECT_DOUBLE_EQ(trace[0].x2, 16);
    EXPECT_DOUBLE_EQ(trace[1].y2, 47.5);
}

TEST(DrawTrendGraph, ContinuityDrawsOpenCircuitOnTheBottomEdge) {
    Graph g;
    g.range.GraphTop = 45, g.range.GraphBottom = 0, g.range.GraphSpan = 45;
    for (const char* v : {"50", "10", "45", "44.9", "400"}) g.Add(v, "", "ohm", "");
    g.specialMode = "Beep";
    g.Draw();
    auto trace = g.Trace();
    ASSERT_EQ(trace.size(), 4u);
    EXPECT_DOUBLE_EQ(g.Dots()[0].y1, 110);  // the first reading too
    EXPECT_NEAR(trace[0].y2, 10 + 35.0 / 45 * 100, 1e-4);
    EXPECT_DOUBLE_EQ(trace[1].y2, 110);
    EXPECT_LT(trace[2].y2, 110);
    EXPECT_DOUBLE_EQ(trace[3].y2, 110);
    g.specialMode = "";
    g.Draw();
    EXPECT_DOUBLE_EQ(g.Trace()[3].y2, 10);  // otherwise held on the top edge
}

TEST(DrawTrendGraph, AlarmLinesAndTimeLabels) {
    Graph g;
    for (int i = 1; i <= 30; ++i) g.Add("1", i == 1 || i == 21 ? "10:00:" + std::to_string(10 + i) : "");
    g.hi = "2";
    g.lo = "";
    g.Draw();
    auto alarms = g.Dotted();
    ASSERT_EQ(alarms.size(), 2u);
    EXPECT_DOUBLE_EQ(alarms[0].y1, 35);
    EXPECT_EQ(alarms[0].colour, kRed);
    EXPECT_DOUBLE_EQ(alarms[0].x2, 115);
    EXPECT_DOUBLE_EQ(alarms[1].y1, 60);  // an empty limit is 0
    EXPECT_EQ(alarms[1].colour, kBlue);
    std::vector<std::pair<double, std::string>> times;
    for (const DrawnOp& p : g.box.Of(SurfaceOp::Print))
        if (p.y1 == 110) times.push_back({p.x1, p.text});
    // Row 21 under the tick at 36 and row 1 under 16; rows without a time get no label.
    EXPECT_EQ(times, (std::vector<std::pair<double, std::string>>{{36, "10:00:31"}, {16, "10:00:11"}}));
}

TEST(GraphClick, MarginsStepTheCursorAndTheBandShowsAReadOut) {
    Graph g;
    g.AddMany(30);
    g.Add("0.123", "10:20:30", "V", "DC");  // row 31: a small value in a volts range
    g.cursor = 5;
    auto in = g.Input();
    EXPECT_EQ(g.graph.Picbox_MouseDown(14.4, in, 1, 100).cursor, 4);
    EXPECT_EQ(g.graph.Picbox_MouseDown(14.4, in, 1, 100).box, -1);
    EXPECT_EQ(g.graph.Picbox_MouseDown(114.5, in, 1, 100).cursor, 6);
    g.cursor = 1;
    EXPECT_FALSE(g.graph.Picbox_MouseDown(5, g.Input(), 1, 100).cursor);
    g.cursor = 100;
    EXPECT_FALSE(g.graph.Picbox_MouseDown(118, g.Input(), 1, 100).cursor);

    GraphClick first = g.graph.Picbox_MouseDown(14.6, g.Input(), 1, 100);
    EXPECT_EQ(first.cursor, 1);
    EXPECT_EQ(first.box, 0);

    GraphClick c = g.graph.Picbox_MouseDown(45, g.Input(), 1, 100);  // p = 31
    EXPECT_EQ(c.cursor, 31);
    EXPECT_EQ(c.box, 0);
    EXPECT_EQ(c.Label1[0], "+   123 mV");  // the value's own prefix
    EXPECT_EQ(c.Label1[1], "DC");
    EXPECT_EQ(c.Label1[2], "24/01/15 10:20:30");
    // The cursor dot moves onto the reading drawn under the pointer.
    g.cursor = *c.cursor;
    g.Draw();
    EXPECT_DOUBLE_EQ(g.Dots().back().x1, 45);

    GraphClick none = g.graph.Picbox_MouseDown(80, g.Input(), 1, 100);  // p = 66: no row there
    EXPECT_EQ(none.box, 1);
    EXPECT_EQ(none.Label1, (std::array<std::string, 3>{"", "NO DATA", ""}));
    EXPECT_FALSE(none.cursor);
}

TEST(GraphClick, ScrolledWindowMapsThePointerToItsRow) {
    Graph g;
    g.AddMany(250);
    g.store.Set(201, Field::Type, "ohm");
    g.store.Set(201, Field::ValueText, "1500");
    g.cursor = 250;
    GraphClick c = g.graph.Picbox_MouseDown(64.5, g.Input(), 1, 251);  // p = 51
    EXPECT_EQ(c.cursor, 201);
    EXPECT_EQ(c.box, 1);
    EXPECT_EQ(c.Label1[0], "+  1.50 KW");
    // The window follows: it now ends at the clicked row.
    g.cursor = *c.cursor;
    g.Draw();
    EXPECT_DOUBLE_EQ(g.Dots().back().x1, 114);
}

TEST(GraphClick, DecibelReadOut) {
    Graph g;
    g.Add("10");
    g.db.SelectedOption = 0;
    auto in = g.Input();
    in.decibels = true;
    GraphClick c = g.graph.Picbox_MouseDown(15, in, 1, 100);
    EXPECT_EQ(c.Label1[0], "+ 20.00dB");
    EXPECT_EQ(c.Label1[1], "+ 10.00 V DC");
}

}  // namespace
}  // namespace voltaro
