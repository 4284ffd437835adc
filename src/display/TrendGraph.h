#pragma once

#include <array>
#include <optional>
#include <string>

#include "display/DrawingSurface.h"

namespace voltaro {

class RecordStore;
class GraphRange;
class Decibels;
class DateTimeFormat;

// What the trend graph is drawn from: the recording, the cursor, the vertical range and the
// switches and texts of the main window that change it.
struct TrendGraphInput {
    const RecordStore& store;
    const GraphRange& range;
    float RangeBottom = 0;        // lower end of the meter's current range
    int cursor = 1;               // graphCursor.Value: the cursor row
    bool decibels = false;        // decibelsBox
    Decibels* db = nullptr;       // the conversion, when decibels are shown
    std::string impedanceText{};  // the decibel dialog's line impedance (for dBm)
    std::string specialMode{};    // of the current Reading: "Beep" in continuity
    std::string alarmHighText{}, alarmLowText{};
    const DateTimeFormat* stamps = nullptr;
};

// What a click on the graph shows: a read-out box with its three texts, and where the cursor
// goes. The window restarts its two-second hide timer after every click.
struct GraphClick {
    int box = -1;                       // readoutBoxes(k) to show (both hidden first); -1: no read-out
    std::array<std::string, 3> readoutLines;  // readoutLines(3k) .. readoutLines(3k + 2)
    std::optional<int> cursor;          // the new graphCursor.Value
};

// The 100 readings of the trend graph around the cursor: rows st + 1 .. st + N.
struct GraphWindow {
    int st = 0;
    int N = 0;
};
GraphWindow ShownWindow(int cursor, int recordCount);

// Moves the current position left by Len(text) widths of "8" and up by raise heights of "8",
// so that a text printed there ends at the old position.
void PlaceLabel(DrawingSurface& box, const std::string& text, double raise);

// The value a row is drawn with: Val of its reading, in decibels while they are shown (dBm
// against the dialog's line impedance, else dB). Rows beyond the recording hold no reading
// and count as 0.
double GraphValue(const RecordStore& store, int row, bool decibels, Decibels* db,
                  const std::string& impedanceText);

// The vertical range a graph is drawn with. A span of 0 (a flat recording) is drawn as 1; a
// range that is not finite (a recording holding an overflowed value) would place every point
// and label nowhere, so it is drawn as the start range 4 to -4.
struct DrawnRange {
    double top = 4;
    double bottom = -4;
    double span = 8;
};
DrawnRange RangeToDraw(const GraphRange& range);

// Where a value stands below the top edge of the plot area (0 .. 100), in single precision;
// values outside the range are held on the frame, a value that is not a number counts as 0.
double HeightOnGraph(double top, double span, double v);

// A value level's label in six characters: FormatScaled4 of its value with the prefix, " 0.00"
// for the middle level of a symmetric range and the bottom level of a range from 0 (when
// the graph's bottom is the meter range's bottom), a micro prefix as "m" in the symbol face.
struct AxisLabel {
    std::string text{};
    bool symbol = false;
};
AxisLabel ValueLabel(float L, double graphTop, double graphBottom, float rangeBottom, bool middle,
                     bool bottom);

// The trend graph of the main window.
class TrendGraph {
public:
    // Text is drawn at the surface's own size (7.5 points in the window's layout).
    void DrawTrendGraph(DrawingSurface& box, int penWidth, bool clear, const TrendGraphInput& in);
    // X in the graph's units; scrollMin, scrollMax: the limits of graphCursor. The read-out
    // shows the clicked row with its own prefix, unit and coupling, not the captions of the
    // reading now on the panel, which may be of another range or function.
    GraphClick GraphClicked(double X, const TrendGraphInput& in, int scrollMin, int scrollMax);
};

}  // namespace voltaro
