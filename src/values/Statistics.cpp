#include "values/Statistics.h"

#include "values/Decibels.h"
#include "values/Formatting.h"
#include "values/Notation.h"

namespace voltaro {

void Statistics::UpdateStatistics(const StatSample& s) {
    const float v = s.value;
    const bool first = s.recordCount == 1;
    if (Val(StatAvgOn) != 0) {
        AvgSum += v;
        ++AvgCount;
    }
    if (v > RangeHigh || first) RangeHigh = v;
    if (v < RangeLow || first) RangeLow = v;
    const double d = DecibelV(v);
    if (d > DbHigh || first) DbHigh = d;
    if (d < DbLow || first) DbLow = d;
    const double m = DecibelM(v, Val(s.impedanceText));
    if (m > DbmHigh || first) DbmHigh = m;
    if (m < DbmLow || first) DbmLow = m;
    // MAX and MIN keep the first value taken while they are on; 0 is a value like any other.
    if (first && s.chunkCount == 0) MaxHasValue = MinHasValue = false;
    if (StatMaxOn == 1 && (!MaxHasValue || v > Vmax)) {
        Vmax = v;
        MaxHasValue = true;
        MaxTime = s.timeText;
        MaxDate = s.date;
        MaxUnit = s.unitText;
        LabErrorText = SingleToText(v);
    }
    if (StatMinOn == 1 && (!MinHasValue || v < Vmin)) {
        Vmin = v;
        MinHasValue = true;
        MinTime = s.timeText;
        MinDate = s.date;
        MinUnit = s.unitText;
    }
}

void Statistics::Reset() {
    Vmax = 0;
    Vmin = 0;
    MaxHasValue = MinHasValue = false;
    AvgSum = 0;
    AvgCount = 0;
    RangeHigh = 0;
    RangeLow = 0;
    DbHigh = DbLow = DbmHigh = DbmLow = 0;
}

void Statistics::ClearForPass() {
    MaxHasValue = MinHasValue = false;
    AvgSum = 0;
    AvgCount = 0;
}

void Statistics::ChkREL_Click(bool on, float value, const QDate& date, const std::string& timeText) {
    RelOn = on;
    if (!on) return;
    RelReference = value;
    RelDate = date;
    RelTime = timeText;
}

bool Statistics::AverageShown() const {
    return Val(StatAvgOn) != 0 && AvgCount != 0;
}

std::string Statistics::RelRefText() const {
    return RelOn ? SingleToText(RelReference) : std::string();
}

}  // namespace voltaro
