#include "print/PrintedGraph.h"

#include <algorithm>
#include <cmath>

#include "base/Messages.h"
#include "display/GraphRange.h"
#include "display/TrendGraph.h"
#include "display/LcdPanel.h"
#include "link/Decoder.h"
#include "recording/RecordStore.h"
#include "values/DateTimeFormat.h"
#include "values/Formatting.h"
#include "base/Notation.h"
#include "values/Statistics.h"

namespace voltaro {

namespace {

// Round half to even, as the printer's whole positions were taken.
double Whole(double x) {
    return std::nearbyint(x);
}

int WholeInt(double x) {
    double r = std::nearbyint(x);
    if (!(r > -1e9)) return -1000000000;
    if (r > 1e9) return 1000000000;
    return static_cast<int>(r);
}

// The printout's own statistics, on a copy; its first row starts them afresh so that the
// footer gives the extremes of the rows printed.
Statistics PrintedRowsStatistics(const PrintGraphInput& in, int n, int st) {
    const RecordStore& store = in.store;
    Statistics pass = in.stats;
    pass.ClearForPass();
    for (int row = st + 1; row <= st + n; ++row) {
        StatSample s;
        s.value = static_cast<float>(Val(store.Get(row, Field::ValueText)));
        s.timeText = store.Trimmed(row, Field::Time);
        s.recordCount = row == st + 1 ? 1 : store.RecordCount;
        s.chunkCount = row == st + 1 ? 0 : store.ChunkCount;
        s.impedanceText = in.impedanceText;
        pass.UpdateStatistics(s);
    }
    return pass;
}

// The frame and eleven labelled levels with a dotted grid; every label is printed.
void DrawFrameAndLevels(DrawingSurface& box, const DrawnRange& drawn, float rangeBottom) {
    box.SetTypeface("Arial");
    box.SetFontSize(8);
    box.SetScale(0, 0, 120, 130);
    box.SetTextColour(kBlack);
    box.SetLineStyle(LineStyle::Solid);
    box.SetPenWidth(2);
    box.OutlineBox(15, 10, 115, 110, kBlack);
    box.SetPenWidth(1);
    for (int i = 0; i <= 100; i += 10) {
        double y = 10 + i;
        box.SetLineStyle(LineStyle::Solid);
        box.Line(13, y, 15, y, PaletteColour(2));
        box.SetLineStyle(LineStyle::Dotted);
        box.Line(15, y, 115, y, kBlack);
        box.SetLineStyle(LineStyle::Solid);
        float L = static_cast<float>(drawn.top - i * (drawn.span / 100));
        AxisLabel label = ValueLabel(L, drawn.top, drawn.bottom, rangeBottom, i == 50, i == 100);
        // Back to the plain face at every level, so that a milli label after a micro one is
        // not shown as micro.
        box.SetTypeface(label.symbol ? "symbol" : "Arial");
        box.SetPos(10, y);
        PlaceLabel(box, label.text, 0.5);
        box.Print(label.text);
    }
    box.SetTypeface("Arial");
}

// The distance between neighbouring readings when m + 1 of them fill the width of 100.
double ReadingStep(int m) {
    return m == 0 ? 1 : 100.0 / m;
}

// The trace, stepped by reading so that the last one always lands on the right edge.
void DrawPrintedTrace(DrawingSurface& box, int penWidth, const PrintGraphInput& in, const DrawnRange& drawn,
                      int n, int st) {
    const int m = n - 1;
    const double d = ReadingStep(m);
    auto heightOf = [&](int row) {
        return HeightOnGraph(drawn.top, drawn.span,
                             GraphValue(in.store, row, in.decibels, in.db, in.impedanceText));
    };
    box.Dot(15, Whole(10 + heightOf(st + 1)), kBlack);
    box.SetLineStyle(LineStyle::Solid);
    box.SetPenWidth(penWidth);
    for (int k = 0; k <= m; ++k) box.LineTo(15 + Whole(k * d), 10 + heightOf(st + 1 + k), PaletteColour(12));
}

// Time labels, grid lines and row numbers at every M-th reading.
void DrawTimeMarks(DrawingSurface& box, const RecordStore& store, int n, int st) {
    box.SetPenWidth(1);
    box.SetFontSize(6);
    const int m = n - 1;
    const double d = ReadingStep(m);
    const int M = m / 10;
    if (M == 0) return;
    for (int k = 0; k <= m; ++k) {
        if (k != 0 && k % M != 0) continue;
        double xi = 15 + Whole(k * d);
        box.SetLineStyle(LineStyle::Solid);
        box.Line(xi, 110, xi, 113, kBlack);
        box.SetLineStyle(LineStyle::Dotted);
        box.Line(xi, 10, xi, 110, kBlack);
        box.SetLineStyle(LineStyle::Solid);
        int row = st + 1 + k;
        box.SetPos(xi + 0.1, 110);
        box.Print(store.Text(row, Field::Time));
        std::string s = std::to_string(row);
        box.SetPos(xi - (5.0 - static_cast<double>(s.size())) * box.TextWidth("0") / 2, 10 - box.TextHeight("0"));
        box.Print(s);
    }
}

// One footer line: the value with its own prefix, then the unit of the last recorded row.
void PrintExtreme(DrawingSurface& box, const std::string& caption, double v, const Reading& last) {
    const bool ohm = !last.unitText.empty() && last.unitText.back() == 'W';
    box.SetTypeface("Arial");
    ScaledText t = FormatScaled4(v);
    box.Print(caption + t.text + t.prefix);
    // The unit follows the value's own prefix, not the meter range's.
    std::string unit = UnitWithoutPrefix(last.unitText);
    std::string coupling = last.acDc.empty() ? "" : " " + last.acDc;
    box.SetTypeface(ohm ? "symbol" : "Arial");
    box.Print(unit);
    box.SetTypeface("Arial");
    box.Print(coupling);
    box.NewLine();
}

// Footer: the extremes with the unit of the last recorded row.
void PrintExtremes(DrawingSurface& box, const RecordStore& store, double high, double low) {
    box.SetFontSize(8);
    box.SetLineStyle(LineStyle::Solid);
    box.SetPenWidth(1);
    const Reading last = DecodeFrameText(store.Text(store.RecordCount, Field::Notes));
    box.SetPos(0, 118);
    PrintExtreme(box, "   MAX=", high, last);
    PrintExtreme(box, "    MIN=", low, last);
}

// Header: the file name and the period printed.
void PrintFileAndPeriod(DrawingSurface& box, const PrintGraphInput& in, int n, int st) {
    const RecordStore& store = in.store;
    box.SetTypeface("Arial");
    box.SetPos(0, 0);
    box.Print("   Filename : " + store.RecordingFile);
    box.NewLine();
    if (!in.stamps) return;
    const DateTimeFormat& f = *in.stamps;
    auto stamp = [&](int row) {
        return f.FormatStampDate(store.Text(row, Field::Date)) + " " + f.FormatStampTime(store.Text(row, Field::Time));
    };
    box.Print("   From " + stamp(st + 1) + " To " + stamp(st + n));
}

}  // namespace

std::optional<PrintRange> PrintedGraph::ChoosePrintRange(bool allData, std::string& startText,
                                                        const std::string& endText, int recordCount,
                                                        std::string* message) {
    PrintRange range;
    if (allData) {
        range = {recordCount, 0};
    } else {
        if (Val(startText) <= 0) startText = "1";
        // Held to the recording, so that a reversed, foreign or oversized range can neither
        // run the drawing loops away nor read beyond the table.
        int hi = std::max(recordCount, 1);
        int start = std::clamp(WholeInt(Val(startText)), 1, hi);
        int end = std::clamp(WholeInt(Val(endText)), 1, hi);
        range = {end - start, start};
    }
    if (range.n <= 0 || recordCount <= 0) {
        if (message) *message = kEmptyRangeMessage;
        return std::nullopt;
    }
    return range;
}

bool PrintedGraph::DrawPrintGraph(DrawingSurface& box, int penWidth, bool clear, PrintGraphChoices& dialog,
                                 const PrintGraphInput& in, MessageSeam* messages) {
    std::string message;
    auto range = ChoosePrintRange(dialog.allData, dialog.Text1, dialog.Text2, in.store.RecordCount, &message);
    if (!range) {
        if (messages) messages->ShowMessage(message, MessageKind::Error);
        return false;
    }
    PrintTrendGraph(box, penWidth, clear, range->n, range->st, in);
    return true;
}

bool PrintedGraph::PrintOnPrinter(Printer& printer, PrintGraphChoices& dialog, const PrintGraphInput& in,
                                 MessageSeam& messages) {
    std::string message;
    if (!ChoosePrintRange(dialog.allData, dialog.Text1, dialog.Text2, in.store.RecordCount, &message)) {
        messages.ShowMessage(message, MessageKind::Error);
        return false;
    }
    printer.SetOrientation(dialog.portrait ? PageOrientation::Portrait : PageOrientation::Landscape);
    DrawPrintGraph(printer.Page(), dialog.weight * 10, false, dialog, in, &messages);
    printer.EndDoc();
    if (printer.Failed()) {
        messages.ShowMessage(kPrintFailedMessage, MessageKind::Error);
        return false;
    }
    messages.ShowMessage(kPrintDoneMessage, MessageKind::Info);
    return true;
}

double PrintedGraph::PrintTrendGraph(DrawingSurface& box, int penWidth, bool clear, int n, int st,
                                    const PrintGraphInput& in) {
    const GraphRange& r = in.range;
    if (n <= 0) return r.GraphSpan;
    n = std::min(n, std::max(0, in.store.RecordCount - st));
    if (n <= 0 || st < 0) return r.GraphSpan;

    const Statistics pass = PrintedRowsStatistics(in, n, st);
    PrintedHigh = pass.RangeHigh;
    PrintedLow = pass.RangeLow;

    const DrawnRange drawn = RangeToDraw(r);  // a flat recording still prints
    if (clear) box.Clear();
    DrawFrameAndLevels(box, drawn, in.RangeBottom);
    DrawPrintedTrace(box, penWidth, in, drawn, n, st);
    DrawTimeMarks(box, in.store, n, st);
    PrintExtremes(box, in.store, PrintedHigh, PrintedLow);
    PrintFileAndPeriod(box, in, n, st);
    return r.GraphSpan;
}

}  // namespace voltaro
