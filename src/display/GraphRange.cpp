#include "display/GraphRange.h"

#include <cmath>
#include <utility>

#include "link/Decoder.h"
#include "base/Notation.h"

namespace voltaro {

void GraphRange::UpdateGraphRange(const GraphRangeInput& in) {
    if (!in.formLoaded) return;
    if (in.meter && in.reading) in.meter->FormatRangeText(*in.reading, in.recordCount);
    if (in.recordCount != 0) {
        if (Yaxis == kMeterRange && in.meter) {
            GraphTop = in.meter->RangeTop;
            GraphBottom = in.meter->RangeBottom;
        }
        double h = 0, l = 0;
        if (in.stats) {
            if (in.decibels) {
                h = in.dBm ? in.stats->DbmHigh : in.stats->DbHigh;
                l = in.dBm ? in.stats->DbmLow : in.stats->DbLow;
            } else {
                h = in.stats->RangeHigh;
                l = in.stats->RangeLow;
            }
        }
        if (Yaxis == kAutoRange) {
            // A tenth of the spread, but never less than H / 125.
            float q = static_cast<float>(std::fabs(h - l) / 10);
            if (q <= h / 125) q = static_cast<float>(h / 125);
            GraphTop = h + q;
            GraphBottom = l - q;
        }
        if (h == 0) GraphTop = 0;
        if (l == 0) GraphBottom = 0;
    } else {
        GraphTop = 4;
        GraphBottom = -4;
    }
    if (Yaxis == kRange) {
        GraphTop = SingleOrZero(Val(TextHigh));
        GraphBottom = SingleOrZero(Val(TextLow));
    }
    if (GraphTop < GraphBottom) std::swap(GraphTop, GraphBottom);
    GraphSpan = GraphTop - GraphBottom;
    ShowScalingLabels(in.stats ? in.stats->RangeHigh : 0, in.stats ? in.stats->RangeLow : 0);
}

void GraphRange::ShowScalingLabels(double rangeHigh, double rangeLow) {
    const double values[4] = {rangeHigh, rangeLow, GraphTop, GraphBottom};
    for (size_t i = 0; i < 4; ++i) {
        const ScaledText t = FormatScaled6(values[i]);
        Labels[i] = t.text + t.prefix;
    }
    LabeldB.clear();
}

void GraphRange::Reset() {
    GraphTop = 4;
    GraphBottom = -4;
    GraphSpan = 8;
}

}  // namespace voltaro
