#include "display/TrendGraph.h"

#include <algorithm>
#include <cmath>

#include "display/GraphRange.h"
#include "recording/RecordStore.h"
#include "values/DateTimeFormat.h"
#include "values/Decibels.h"
#include "values/Formatting.h"
#include "base/Notation.h"

namespace voltaro {

namespace {

constexpr int kShown = 100;
const std::string kZeroLabel = " 0.00";

// Left-aligned in exactly six characters.
std::string FitSix(std::string t) {
    t.resize(6, ' ');
    return t;
}

// A row's unit as the panel writes it: ohms as "W" (omega), the diode test in volts.
std::string ShownUnit(const std::string& type) {
    if (type == "ohm") return "W";
    if (type == "Vdiode") return "V";
    return type;
}

}  // namespace

DrawnRange RangeToDraw(const GraphRange& r) {
    if (!std::isfinite(r.GraphTop) || !std::isfinite(r.GraphBottom) || !std::isfinite(r.GraphSpan))
        return DrawnRange{};
    return {r.GraphTop, r.GraphBottom, r.GraphSpan == 0 ? 1 : r.GraphSpan};
}

double HeightOnGraph(double top, double span, double v) {
    if (std::isnan(v)) v = 0;
    float h = static_cast<float>((top - v) / span * 100);
    if (h > 100) h = 100;
    if (h < 0) h = 0;
    return h;
}

AxisLabel ValueLabel(float L, double graphTop, double graphBottom, float rangeBottom, bool middle,
                     bool bottom) {
    ScaledText s = FormatScaled4(L);
    AxisLabel label{s.text, false};
    // Compared at the single precision the meter's bottom is kept in, so that a range of
    // +-0.4 is as symmetric as one of +-5.
    const float b = static_cast<float>(graphBottom);
    if (b == rangeBottom) {
        if (b < 0 && static_cast<float>(graphTop) == std::fabs(b) && middle) label.text = kZeroLabel;
        if (b == 0 && bottom) label.text = kZeroLabel;
    }
    if (s.prefix == MicroSign && L != 0) {
        label.symbol = true;
        label.text += "m";
    } else if (label.text != kZeroLabel) {
        label.text += s.prefix;
    }
    label.text = FitSix(label.text);
    return label;
}

GraphWindow ShownWindow(int cursor, int recordCount) {
    return {cursor >= kShown ? cursor - kShown : 0, recordCount >= kShown ? kShown : recordCount};
}

void PlaceLabel(DrawingSurface& box, const std::string& text, double raise) {
    double n = static_cast<double>(text.size());
    box.SetPos(box.CurrentX() - n * box.TextWidth("8"), box.CurrentY() - raise * box.TextHeight("8"));
}

double GraphValue(const RecordStore& store, int row, bool decibels, Decibels* db,
                  const std::string& impedanceText) {
    if (row < 1 || row > store.RecordCount || row > kMaxRows) return 0;
    double v = Val(store.Get(row, Field::ValueText));
    if (decibels && db) {
        double reference = db->SelectedOption == 1 ? Val(impedanceText) : db->DbReference;
        v = db->DecibelValue(v, reference);
    }
    return v;
}

namespace {

// The frame, and time ticks under readings 81, 61, 41, 21 and 1 of the window.
void DrawFrameAndTimes(DrawingSurface& box, int penWidth, const TrendGraphInput& in, const GraphWindow& w) {
    box.SetScale(0, 0, 120, 120);
    box.SetTypeface("Arial");
    box.SetLineStyle(LineStyle::Solid);
    box.SetPenWidth(penWidth);
    box.SetTextColour(kBlack);

    box.FillBox(15, 10, 115, 110, PaletteColour(15));
    box.SetPenWidth(2);
    box.OutlineBox(15, 10, 115, 110, kBlack);
    box.SetPenWidth(1);

    for (int i = 100; i >= 0; --i) {
        if (i % 20 != 1) continue;
        double x = 15 + i;
        box.Line(x, 110, x, 115, kBlack);
        box.SetPos(x, 110);
        int row = w.st + i;
        if (row >= 1 && row <= in.store.RecordCount) {
            std::string time = in.store.Text(row, Field::Time);
            if (time.find(':') != std::string::npos && in.stamps) box.Print(in.stamps->FormatStampTime(time));
        }
    }
}

// Nine value levels; a label equal to the one above it is printed once.
void DrawValueLevels(DrawingSurface& box, const DrawnRange& r, float rangeBottom) {
    std::string last;
    for (int j = 0; j <= 8; ++j) {
        double y = 12.5 * j;
        box.SetPenWidth(j % 4 == 0 ? 2 : 1);  // 0, 50 and 100
        box.SetLineStyle(LineStyle::Solid);
        box.Line(13, 10 + y, 15, 10 + y, kBlack);
        box.SetPenWidth(1);
        box.SetPos(12.8, 10 + y);
        float L = static_cast<float>(r.top - y * (r.span / 100));
        AxisLabel label = ValueLabel(L, r.top, r.bottom, rangeBottom, j == 4, j == 8);
        box.SetTypeface(label.symbol ? "symbol" : "Arial");
        if (label.text != last) {
            PlaceLabel(box, label.text, 0.5);
            box.Print(label.text);
            last = label.text;
        }
    }
}

// The readings of the window, the one under the cursor marked.
void DrawTrace(DrawingSurface& box, const TrendGraphInput& in, const DrawnRange& r, const GraphWindow& w) {
    // In continuity a reading of 45 ohms or more is an open circuit: drawn on the bottom edge.
    const bool beep = in.specialMode == "Beep";
    auto height = [&](double v) { return beep && v >= 45 ? 100.0 : HeightOnGraph(r.top, r.span, v); };

    double f = GraphValue(in.store, w.st + 1, in.decibels, in.db, in.impedanceText);
    box.SetPenWidth(in.cursor != 0 ? 5 : 1);
    box.Dot(15, 10 + height(f), in.cursor == 1 ? PaletteColour(9) : PaletteColour(11));
    box.SetPenWidth(1);
    double pv = f;
    for (int k = 1; k <= w.N - 1; ++k) {
        box.SetPenWidth(1);
        int row = w.st + k + 1;
        double v = GraphValue(in.store, row, in.decibels, in.db, in.impedanceText);
        double h = height(v);
        box.LineTo(15 + k, 10 + h, v >= 0 && pv >= 0 ? PaletteColour(12) : PaletteColour(9));
        pv = v;
        if (row == in.cursor) {
            box.SetPenWidth(5);
            box.Dot(15 + k, 10 + h, PaletteColour(9));
        }
    }
}

// The alarm limits as dotted lines across the graph.
void DrawAlarmLines(DrawingSurface& box, const TrendGraphInput& in, const DrawnRange& r) {
    box.SetPenWidth(1);
    box.SetLineStyle(LineStyle::Dotted);
    double hi = HeightOnGraph(r.top, r.span, Val(in.alarmHighText));
    box.Line(15, 10 + hi, 115, 10 + hi, PaletteColour(12));
    double lo = HeightOnGraph(r.top, r.span, Val(in.alarmLowText));
    box.Line(15, 10 + lo, 115, 10 + lo, PaletteColour(9));
    box.SetLineStyle(LineStyle::Solid);
}

}  // namespace

void TrendGraph::DrawTrendGraph(DrawingSurface& box, int penWidth, bool clear, const TrendGraphInput& in) {
    const DrawnRange r = RangeToDraw(in.range);
    if (clear) box.Clear();
    const GraphWindow w = ShownWindow(in.cursor, in.store.RecordCount);
    DrawFrameAndTimes(box, penWidth, in, w);
    DrawValueLevels(box, r, in.RangeBottom);
    box.SetLineStyle(LineStyle::Solid);
    box.SetPenWidth(1);
    if (in.store.RecordCount <= 0) return;
    DrawTrace(box, in, r, w);
    DrawAlarmLines(box, in, r);
}

GraphClick TrendGraph::GraphClicked(double X, const TrendGraphInput& in, int scrollMin, int scrollMax) {
    GraphClick click;
    // A position that is not a number points nowhere; a far one is only a margin click.
    if (std::isnan(X)) return click;
    const int p = static_cast<int>(std::floor(std::clamp(X, -1000.0, 1000.0) + 0.5)) - 14;
    const int idx = in.cursor > kShown ? in.cursor + p - kShown : p;
    if (p >= 1 && p <= kShown) {
        click.box = idx <= 50 ? 0 : 1;
        if (idx <= in.store.RecordCount) {
            double plain = Val(in.store.Get(idx, Field::ValueText));
            ScaledText s = FormatScaled6(plain);
            std::string withUnit = s.text + " " + s.prefix + ShownUnit(in.store.Text(idx, Field::Type));
            std::string coupling = in.store.Text(idx, Field::Coupling);
            if (in.decibels && in.db) {
                double d = GraphValue(in.store, idx, in.decibels, in.db, in.impedanceText);
                click.readoutLines[0] = FormatScaled6(d).text + in.db->DbUnitText;
                click.readoutLines[1] = withUnit + " " + coupling;
            } else {
                click.readoutLines[0] = withUnit;
                click.readoutLines[1] = coupling;
            }
            if (in.stamps)
                click.readoutLines[2] =
                    in.stamps->FormatStamp(in.store.Text(idx, Field::Date), in.store.Text(idx, Field::Time));
            click.cursor = idx;
        } else {
            click.readoutLines = {"", "NO DATA", ""};
        }
    } else if (p < 1) {
        if (in.cursor - 1 >= scrollMin) click.cursor = in.cursor - 1;
    } else {
        if (in.cursor + 1 <= scrollMax) click.cursor = in.cursor + 1;
    }
    return click;
}

}  // namespace voltaro
