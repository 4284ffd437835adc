#include <gtest/gtest.h>

#include <cmath>

#include "display/GraphRange.h"
#include "display/RecordingSurface.h"
#include "print/ModPicShow1.h"
#include "recording/RecordStore.h"
#include "values/DateTimeFormat.h"
#include "values/Statistics.h"

namespace voltaro {
namespace {

const Colour kRed = PaletteColour(12);

struct Printout {
    RecordStore store;
    GraphRange range;
    Statistics stats;
    DateTimeFormat stamps;
    RecordingSurface page{1200, 1300};
    ModPicShow1 print;
    float rangeBottom = -4;

    void Add(const std::string& value, const std::string& time = "10:00:00") {
        int row = ++store.RecordCount;
        store.Set(row, Field::ValueText, value);
        store.Set(row, Field::Time, time);
        store.Set(row, Field::Date, "24/01/15");
        store.Set(row, Field::Notes, "13999;008");
    }
    void AddMany(int n) {
        for (int i = 1; i <= n; ++i)
            Add(std::to_string(i % 5 - 2), "10:" + std::to_string(10 + i % 50) + ":00");
    }
    PrintGraphInput Input() {
        return PrintGraphInput{
            .store = store, .range = range, .stats = stats, .RangeBottom = rangeBottom, .stamps = &stamps};
    }
    double Print(int n, int st, int pen = 1) {
        page.ops.clear();
        return print.PrintTrendGraph(page, pen, true, n, st, Input());
    }
    std::vector<DrawnOp> Trace() const { return page.Of(SurfaceOp::LineTo); }
    std::vector<DrawnOp> PrintsAt(double y) const {
        std::vector<DrawnOp> out;
        for (const DrawnOp& p : page.Of(SurfaceOp::Print))
            if (std::fabs(p.y1 - y) < 1e-9) out.push_back(p);
        return out;
    }
    std::vector<double> GridColumns() const {
        std::vector<double> xs;
        for (const DrawnOp& l : page.Of(SurfaceOp::Line))
            if (l.style == LineStyle::Dotted && l.x1 == l.x2) xs.push_back(l.x1);
        return xs;
    }
};

TEST(PrintTrendGraph, AThousandAndOneReadingsSpreadWithTimeLabelsEveryHundred) {
    Printout p;
    p.AddMany(1001);
    p.Print(1001, 0);
    auto trace = p.Trace();
    ASSERT_EQ(trace.size(), 1001u);
    EXPECT_DOUBLE_EQ(trace[0].x2, 15);
    EXPECT_DOUBLE_EQ(trace[10].x2, 16);
    EXPECT_DOUBLE_EQ(trace[25].x2, 17);  // 2.5 rounds half to even
    EXPECT_DOUBLE_EQ(trace[35].x2, 19);  // 3.5 too
    EXPECT_DOUBLE_EQ(trace.back().x2, 115);
    EXPECT_EQ(trace.back().colour, kRed);

    std::vector<double> expected;
    for (int x = 15; x <= 115; x += 10) expected.push_back(x);
    EXPECT_EQ(p.GridColumns(), expected);
    auto times = p.PrintsAt(110);
    ASSERT_EQ(times.size(), 11u);
    EXPECT_EQ(times[0].text, "10:11:00");
    EXPECT_EQ(times[0].points, 6);
    std::vector<std::string> rows;
    for (const DrawnOp& t : p.page.Of(SurfaceOp::Print))
        if (t.points == 6 && t.y1 < 10) rows.push_back(t.text);
    EXPECT_EQ(rows.front(), "1");
    EXPECT_EQ(rows[1], "101");
    EXPECT_EQ(rows.back(), "1001");
    EXPECT_EQ(rows.size(), 11u);
}

TEST(PrintTrendGraph, FiveReadingsHaveNoTimeLabels) {
    Printout p;
    p.AddMany(5);
    p.Print(5, 0);
    auto trace = p.Trace();
    ASSERT_EQ(trace.size(), 5u);
    EXPECT_DOUBLE_EQ(trace[1].x2, 40);
    EXPECT_DOUBLE_EQ(trace[2].x2, 65);
    EXPECT_TRUE(p.GridColumns().empty());
    EXPECT_TRUE(p.PrintsAt(110).empty());
}

TEST(PrintTrendGraph, ElevenLabelledLevelsWithDottedGrid) {
    Printout p;
    p.AddMany(3);
    p.range.GraphTop = 4, p.range.GraphBottom = 0, p.range.GraphSpan = 4;
    p.rangeBottom = 0;
    p.Print(3, 0);
    std::vector<std::string> labels;
    for (const DrawnOp& t : p.page.Of(SurfaceOp::Print))
        if (t.x1 < 15 && t.y1 > 5 && t.y1 < 112) labels.push_back(t.text);
    ASSERT_EQ(labels.size(), 11u);
    EXPECT_EQ(labels[0], "+4.00 ");
    EXPECT_EQ(labels[9], "+ 400m");
    EXPECT_EQ(labels[10], " 0.00 ");
    int grid = 0, ticks = 0;
    for (const DrawnOp& l : p.page.Of(SurfaceOp::Line)) {
        grid += l.style == LineStyle::Dotted && l.y1 == l.y2 && l.x1 == 15 && l.x2 == 115;
        ticks += l.x1 == 13 && l.colour == PaletteColour(2);
    }
    EXPECT_EQ(grid, 11);
    EXPECT_EQ(ticks, 11);
}

TEST(PrintTrendGraph, AMilliLabelAfterAMicroOneIsInThePlainFace) {
    Printout p;
    p.Add("0");
    p.range.GraphTop = 0.0002, p.range.GraphBottom = -0.002, p.range.GraphSpan = 0.0022;
    p.Print(1, 0);
    std::vector<DrawnOp> labels;
    for (const DrawnOp& t : p.page.Of(SurfaceOp::Print))
        if (t.x1 < 15 && t.y1 > 5 && t.y1 < 112) labels.push_back(t);
    ASSERT_EQ(labels.size(), 11u);
    EXPECT_EQ(labels[0].text, "+ 200m");  // micro: the letter m in the symbol face
    EXPECT_EQ(labels[0].typeface, "symbol");
    EXPECT_EQ(labels[10].text, "-2.00m");  // milli
    EXPECT_EQ(labels[10].typeface, "Arial");
}

TEST(PrintTrendGraph, RangeStartTenEndTwentyPrintsRowsElevenToTwenty) {
    Printout p;
    p.AddMany(30);
    p.store.Set(10, Field::ValueText, "3.5");  // outside the range: not its MAX
    p.store.Set(11, Field::ValueText, "1");
    p.store.Set(15, Field::ValueText, "2.5");
    p.store.Set(20, Field::ValueText, "-3");
    p.stats.RangeHigh = 3.5;
    p.stats.RangeLow = -2;
    p.stats.Vmax = 3.5;
    std::string start = "10";
    auto range = ModPicShow1::ChoosePrintRange(false, start, "20", 30, nullptr);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->st, 10);
    EXPECT_EQ(range->n, 10);
    p.Print(range->n, range->st);
    auto dots = p.page.Of(SurfaceOp::Dot);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_DOUBLE_EQ(dots[0].y1, 48);  // row 11 holds 1: 10 + 37.5, rounded
    EXPECT_EQ(dots[0].colour, kBlack);
    auto footer = p.PrintsAt(118);
    ASSERT_FALSE(footer.empty());
    EXPECT_EQ(footer[0].text, "   MAX=+2.50");
    EXPECT_EQ(footer[1].text, "V");
    EXPECT_EQ(footer[2].text, " DC");
    std::vector<std::string> texts = p.page.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "    MIN=-3.00"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "   From 24/01/15 10:21:00 To 24/01/15 10:30:00"),
              texts.end());
    // The main window's statistics are left as they were.
    EXPECT_EQ(p.stats.RangeHigh, 3.5);
    EXPECT_EQ(p.stats.Vmax, 3.5);
}

TEST(ChoosePrintRange, HeldToTheRecordingAndNeverEmpty) {
    std::string message;
    std::string start = "-3";
    auto r = ModPicShow1::ChoosePrintRange(false, start, "500", 40, &message);
    ASSERT_TRUE(r);
    EXPECT_EQ(start, "1");
    EXPECT_EQ(r->st, 1);
    EXPECT_EQ(r->n, 39);  // End beyond the recording is its last row

    start = "20";
    EXPECT_FALSE(ModPicShow1::ChoosePrintRange(false, start, "10", 40, &message));
    EXPECT_EQ(message, kEmptyRangeMessage);
    message.clear();
    EXPECT_FALSE(ModPicShow1::ChoosePrintRange(false, start, "abc", 40, &message));
    EXPECT_EQ(message, kEmptyRangeMessage);
    EXPECT_FALSE(ModPicShow1::ChoosePrintRange(true, start, "", 0, &message));

    start = "10";
    r = ModPicShow1::ChoosePrintRange(false, start, "10.5", 40, &message);  // half to even: 10
    EXPECT_FALSE(r);
    r = ModPicShow1::ChoosePrintRange(false, start, "11.5", 40, &message);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->n, 2);
    r = ModPicShow1::ChoosePrintRange(true, start, "", 40, &message);
    EXPECT_EQ(r->n, 40);
    EXPECT_EQ(r->st, 0);
}

TEST(PrintTrendGraph, TheLastReadingIsAlwaysOnTheRightEdge) {
    Printout p;
    p.AddMany(400);
    for (int n = 2; n <= 400; n += 7) {
        p.Print(n, 0);
        auto trace = p.Trace();
        ASSERT_EQ(trace.size(), static_cast<size_t>(n)) << n;
        EXPECT_DOUBLE_EQ(trace.back().x2, 115) << n;
    }
}

TEST(PrintTrendGraph, SingleReadingIsOneDotAndAFlatRecordingPrints) {
    Printout p;
    p.AddMany(20);
    p.range.GraphTop = 1, p.range.GraphBottom = 1, p.range.GraphSpan = 0;
    EXPECT_EQ(p.Print(1, 10, 3), 0);  // the span handed back is the graph's own
    for (const DrawnOp& d : p.page.ops) {
        EXPECT_TRUE(std::isfinite(d.x1) && std::isfinite(d.y1) && std::isfinite(d.x2) && std::isfinite(d.y2));
    }
    auto trace = p.Trace();
    ASSERT_EQ(trace.size(), 1u);
    EXPECT_DOUBLE_EQ(trace[0].x1, 15);
    EXPECT_DOUBLE_EQ(trace[0].x2, 15);
    EXPECT_EQ(trace[0].pen, 3);
    std::vector<std::string> labels;
    for (const DrawnOp& t : p.page.Of(SurfaceOp::Print))
        if (t.x1 < 15 && t.y1 > 5 && t.y1 < 112) labels.push_back(t.text);
    EXPECT_EQ(labels.front(), "+1.00 ");
    EXPECT_EQ(labels.back(), "    0 ");
}

TEST(PrintTrendGraph, NothingForAnEmptyRange) {
    Printout p;
    p.AddMany(3);
    p.Print(0, 0);
    EXPECT_TRUE(p.page.ops.empty());
}

}  // namespace
}  // namespace voltaro
