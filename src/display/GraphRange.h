#pragma once

#include <array>
#include <string>

#include "link/Reading.h"
#include "values/Formatting.h"
#include "values/Statistics.h"

namespace voltaro {

// What the vertical range of the trend graph is computed from.
struct GraphRangeInput {
    bool formLoaded = true;  // nothing is computed while the main window loads
    const Reading* reading = nullptr;
    MeterRange* meter = nullptr;  // refreshed for the current Reading
    const Statistics* stats = nullptr;
    int recordCount = 0;
    bool decibels = false;  // the main window's "Decibels" box
    bool dBm = false;       // the decibel option "dBm"
};

// The graph scaling rules of the "GRAPH SCALING" dialog: "Meter Range", "Auto Range" or "Range".
class GraphRange {
public:
    enum Rule { kMeterRange = 0, kAutoRange = 1, kRange = 2 };

    void UpdateGraphRange(const GraphRangeInput& in);
    // The four read-only labels: the recorded extremes and the graph's limits, each with its
    // prefix.
    void ShowScalingLabels(double rangeHigh, double rangeLow);
    // The range of an empty recording.
    void Reset();
    // OK of the dialog is refused with "Limit High < Limit Low ?" while "Range" has equal
    // limits (the larger one is always on top by then).
    bool LimitsAccepted() const { return Yaxis != kRange || GraphTop > GraphBottom; }

    int Yaxis = kAutoRange;  // the selected chkYaxis option
    std::string TextHigh = "4";
    std::string TextLow = "-4";

    double GraphTop = 4;
    double GraphBottom = -4;
    double GraphSpan = 8;
    // LabelMax(0), LabelMin(0), LabelMax(1), LabelMin(1).
    std::array<std::string, 4> Labels;
    std::string LabeldB;
};

inline const std::string kLimitsMessage = "Limit High < Limit Low ?";

}  // namespace voltaro
