#include <gtest/gtest.h>

#include <cmath>

#include "base/Messages.h"
#include "display/GraphRange.h"
#include "print/PrintedGraph.h"
#include "recording/RecordStore.h"
#include "support/RecordingPrinter.h"
#include "support/RecordingSurface.h"
#include "support/ScriptedMessages.h"
#include "values/DateTimeFormat.h"
#include "values/Statistics.h"

namespace voltaro {
namespace {

using Texts = std::vector<std::string>;

// A recording and a page of 1200 x 1300 pixels: 10 pixels a unit.
struct Printout {
    RecordStore store;
    GraphRange range;  // 4 to -4
    Statistics stats;
    DateTimeFormat stamps;
    RecordingSurface page{1200, 1300};
    PrintedGraph print;
    PrintGraphInput in{.store = store, .range = range, .stats = stats, .RangeBottom = -4, .stamps = &stamps};

    explicit Printout(int n) {
        for (int i = 1; i <= n; ++i) {
            store.Set(i, Field::ValueText, std::to_string(i % 5 - 2));
            store.Set(i, Field::Time, "10:" + std::to_string(10 + i % 50) + ":00");
            store.Set(i, Field::Date, "24/01/15");
            store.Set(i, Field::Notes, "13999;008");
        }
        store.RecordCount = n;
    }
    void Print(int n, int st, int pen = 1) {
        page.ops.clear();
        print.PrintTrendGraph(page, pen, true, n, st, in);
    }
    std::vector<DrawnOp> Trace() const { return page.Of(SurfaceOp::LineTo); }
    std::vector<DrawnOp> Prints(double fromY, double toY, double points = 8) const {
        std::vector<DrawnOp> out;
        for (const DrawnOp& p : page.Of(SurfaceOp::Print))
            if (p.y1 >= fromY && p.y1 < toY && p.points == points) out.push_back(p);
        return out;
    }
    std::vector<DrawnOp> Labels() const { return Prints(5, 112); }
};

TEST(PrintTrendGraph, SpreadOfAThousandAndOneReadingsWithLabelsEveryHundred) {
    Printout p(1001);
    p.Print(1001, 0);
    auto trace = p.Trace();
    ASSERT_EQ(trace.size(), 1001u);
    EXPECT_EQ(std::vector<double>({trace[0].x2, trace[10].x2, trace[25].x2, trace[35].x2, trace.back().x2}),
              std::vector<double>({15, 16, 17, 19, 115}));  // 2.5 and 3.5 round half to even
    EXPECT_EQ(trace.back().colour, PaletteColour(12));
    std::vector<double> grid;
    for (const DrawnOp& l : p.page.Of(SurfaceOp::Line))
        if (l.style == LineStyle::Dotted && l.x1 == l.x2) grid.push_back(l.x1);
    EXPECT_EQ(grid, std::vector<double>({15, 25, 35, 45, 55, 65, 75, 85, 95, 105, 115}));
    auto times = p.Prints(110, 111, 6);
    ASSERT_EQ(times.size(), 11u);
    EXPECT_EQ(times[0].text, "10:11:00");
    auto rows = p.Prints(0, 10, 6);
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(Texts({rows[0].text, rows[1].text, rows[10].text}), Texts({"1", "101", "1001"}));

    p.Print(5, 0);  // d = 25, M = 0: no time labels, row numbers or vertical grid
    EXPECT_DOUBLE_EQ(p.Trace()[1].x2, 40);
    EXPECT_TRUE(p.Prints(0, 200, 6).empty());
}

TEST(PrintTrendGraph, ElevenLabelledLevelsAndThePlainFaceAfterMicro) {
    Printout p(3);
    p.range.GraphTop = 4, p.range.GraphBottom = 0, p.range.GraphSpan = 4;
    p.in.RangeBottom = 0;
    p.Print(3, 0);
    auto labels = p.Labels();
    ASSERT_EQ(labels.size(), 11u);
    EXPECT_EQ(Texts({labels[0].text, labels[9].text, labels[10].text}),
              Texts({"+4.00 ", "+ 400m", " 0.00 "}));
    int grid = 0, ticks = 0;
    for (const DrawnOp& l : p.page.Of(SurfaceOp::Line)) {
        grid += l.style == LineStyle::Dotted && l.y1 == l.y2 && l.x1 == 15 && l.x2 == 115;
        ticks += l.x1 == 13 && l.colour == PaletteColour(2);
    }
    EXPECT_EQ(grid, 11);
    EXPECT_EQ(ticks, 11);

    p.range.GraphTop = 0.0002, p.range.GraphBottom = -0.002, p.range.GraphSpan = 0.0022;
    p.Print(3, 0);
    labels = p.Labels();
    EXPECT_EQ(labels[0].text, "+ 200m");  // micro: the letter m in the symbol face
    EXPECT_EQ(labels[0].typeface, "symbol");
    EXPECT_EQ(labels[10].text, "-2.00m");  // milli
    EXPECT_EQ(labels[10].typeface, "Arial");
}

TEST(PrintTrendGraph, RangeStartTenEndTwentyPrintsRowsElevenToTwenty) {
    Printout p(30);
    p.store.Set(10, Field::ValueText, "3.5");  // outside the range: not its MAX
    p.store.Set(11, Field::ValueText, "1");
    p.store.Set(15, Field::ValueText, "2.5");
    p.store.Set(20, Field::ValueText, "-3");
    p.stats.RangeHigh = 3.5;
    p.stats.Vmax = 3.5;
    std::string start = "10";
    auto range = PrintedGraph::ChoosePrintRange(false, start, "20", 30, nullptr);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->st, 10);
    EXPECT_EQ(range->n, 10);
    p.Print(range->n, range->st);
    auto dots = p.page.Of(SurfaceOp::Dot);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_DOUBLE_EQ(dots[0].y1, 48);  // row 11 holds 1: 10 + 37.5, rounded half to even
    Texts footer;
    for (const DrawnOp& t : p.Prints(118, 200)) footer.push_back(t.text);
    EXPECT_EQ(footer, Texts({"   MAX=+2.50", "V", " DC", "    MIN=-3.00", "V", " DC"}));
    Texts head;
    for (const DrawnOp& t : p.Prints(0, 5)) head.push_back(t.text);
    EXPECT_EQ(head, Texts({"   Filename : ", "   From 24/01/15 10:21:00 To 24/01/15 10:30:00"}));
    // The main window's statistics are left as they were.
    EXPECT_EQ(p.stats.RangeHigh, 3.5);
    EXPECT_EQ(p.stats.Vmax, 3.5);
}

TEST(ChoosePrintRange, HeldToTheRecordingAndNeverEmpty) {
    std::string message, start = "-3";
    auto r = PrintedGraph::ChoosePrintRange(false, start, "500", 40, &message);
    ASSERT_TRUE(r);
    EXPECT_EQ(start, "1");
    EXPECT_EQ(r->st, 1);
    EXPECT_EQ(r->n, 39);                             // End beyond the recording is its last row
    for (const char* end : {"10", "abc", "20.5"}) {  // below Start, not a number, half to even 20
        start = "20";
        message.clear();
        EXPECT_FALSE(PrintedGraph::ChoosePrintRange(false, start, end, 40, &message)) << end;
        EXPECT_EQ(message, kEmptyRangeMessage);
    }
    EXPECT_EQ(PrintedGraph::ChoosePrintRange(false, start, "21.5", 40, &message)->n, 2);
    EXPECT_FALSE(PrintedGraph::ChoosePrintRange(true, start, "", 0, &message));
    EXPECT_EQ(PrintedGraph::ChoosePrintRange(true, start, "", 40, &message)->n, 40);
}

TEST(PrintTrendGraph, LastReadingOnTheRightEdgeOneDotForOneAndFlatOrEndlessRangesPrint) {
    Printout p(400);
    for (int n = 2; n <= 400; n += 7) {
        p.Print(n, 0);
        ASSERT_EQ(p.Trace().size(), static_cast<size_t>(n)) << n;
        EXPECT_DOUBLE_EQ(p.Trace().back().x2, 115) << n;
    }
    p.range.GraphTop = 1, p.range.GraphBottom = 1, p.range.GraphSpan = 0;
    EXPECT_EQ(p.print.PrintTrendGraph(p.page, 3, true, 1, 10, p.in), 0);  // the graph's own span back
    p.Print(1, 10, 3);
    for (const DrawnOp& d : p.page.ops) EXPECT_TRUE(std::isfinite(d.y1) && std::isfinite(d.y2));
    auto trace = p.Trace();
    ASSERT_EQ(trace.size(), 1u);
    EXPECT_EQ(std::vector<double>({trace[0].x1, trace[0].x2}), std::vector<double>({15, 15}));
    EXPECT_EQ(trace[0].pen, 3);
    EXPECT_EQ(p.Labels().back().text, "    0 ");
    p.Print(0, 0);
    EXPECT_TRUE(p.page.ops.empty());

    // A range that is not finite prints on the start range, 4 to -4: rows 1 to 3 hold -1, 0, 1.
    p.range.GraphTop = HUGE_VAL, p.range.GraphBottom = -HUGE_VAL, p.range.GraphSpan = HUGE_VAL;
    p.Print(3, 0);
    for (const DrawnOp& d : p.page.ops)
        ASSERT_TRUE(std::isfinite(d.x1) && std::isfinite(d.y1) && std::isfinite(d.x2) && std::isfinite(d.y2));
    trace = p.Trace();
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(std::vector<double>({trace[0].y2, trace[1].y2, trace[2].y2}),
              std::vector<double>({72.5, 60, 47.5}));
    EXPECT_EQ(p.Labels().front().text, "+4.00 ");
}

TEST(PrintOnPrinter, PrintsTheChosenRangeWideAndSaysSo) {
    Printout p(50);
    RecordingPrinter printer;
    ScriptedMessages messages;
    PrintGraphChoices dialog{.allData = false, .Text1 = "0", .Text2 = "30", .weight = 3, .portrait = false};
    EXPECT_TRUE(p.print.PrintOnPrinter(printer, dialog, p.in, messages));
    ASSERT_EQ(printer.sheets.size(), 1u);
    EXPECT_EQ(printer.documents, 1);
    EXPECT_EQ(printer.sheets[0].orientation, PageOrientation::Landscape);
    auto trace = printer.sheets[0].surface.Of(SurfaceOp::LineTo);
    ASSERT_EQ(trace.size(), 29u);  // rows 2 to 30
    EXPECT_EQ(trace[0].pen, 30);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].message, "Print was completed sucessfully.");
    EXPECT_EQ(messages.asked[0].kind, MessageKind::Info);

    dialog.Text2 = "1";
    EXPECT_FALSE(p.print.PrintOnPrinter(printer, dialog, p.in, messages));
    EXPECT_EQ(printer.sheets.size(), 1u);
    EXPECT_EQ(messages.asked.back().message, kEmptyRangeMessage);
    EXPECT_EQ(messages.asked.back().kind, MessageKind::Error);
    RecordingSurface preview;
    EXPECT_FALSE(p.print.DrawPrintGraph(preview, 1, true, dialog, p.in, &messages));
    EXPECT_TRUE(preview.ops.empty());

    // A printer that refuses the page is never reported as a print completed.
    printer.refuse = true;
    dialog.Text2 = "30";
    messages.asked.clear();
    EXPECT_FALSE(p.print.PrintOnPrinter(printer, dialog, p.in, messages));
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].message, kPrintFailedMessage);
    EXPECT_EQ(messages.asked[0].kind, MessageKind::Error);
}

}  // namespace
}  // namespace voltaro
