#include "values/Statistics.h"

#include <cmath>

#include "values/Decibels.h"
#include "values/Formatting.h"
#include "base/Notation.h"

namespace voltaro {

void Statistics::Magnitudes::Take(float m) {
    if (!any || m < low) low = m;
    if (!any || m > high) high = m;
    any = true;
}

void Statistics::UpdateDecibels(float v, bool first, std::string_view impedanceText) {
    const float m = std::fabs(v);
    if (first) dbSeen_ = dbmSeen_ = {};
    // Zero reads as 0 dB, outside the order of the other magnitudes: it is always taken.
    if (m == 0 || dbSeen_.Widens(m)) {
        const double d = DecibelV(v);
        if (d > DbHigh || first) DbHigh = d;
        if (d < DbLow || first) DbLow = d;
        if (m != 0) dbSeen_.Take(m);
    }
    if (!dbmImpedanceRead_ || impedanceText != dbmImpedanceText_) {
        dbmImpedanceText_.assign(impedanceText);
        dbmImpedance_ = Val(impedanceText);
        dbmImpedanceRead_ = true;
        dbmSeen_ = {};
    }
    if (m == 0 || dbmSeen_.Widens(m)) {
        const double d = DecibelM(v, dbmImpedance_);
        if (d > DbmHigh || first) DbmHigh = d;
        if (d < DbmLow || first) DbmLow = d;
        if (m != 0) dbmSeen_.Take(m);
    }
}

void Statistics::UpdateStatistics(const StatSample& s) {
    const float v = s.value;
    const bool first = s.recordCount == 1;
    if (StatAvgOn) {
        AvgSum += v;
        ++AvgCount;
    }
    if (v > RangeHigh || first) RangeHigh = v;
    if (v < RangeLow || first) RangeLow = v;
    UpdateDecibels(v, first, s.impedanceText);
    // MAX and MIN keep the first value taken while they are on; 0 is a value like any other.
    if (first && s.chunkCount == 0) MaxHasValue = MinHasValue = false;
    if (StatMaxOn == 1 && (!MaxHasValue || v > Vmax)) {
        Vmax = v;
        MaxHasValue = true;
        MaxTime.assign(s.timeText);
        MaxDate = s.date;
        MaxUnit.assign(s.unitText);
        LabErrorText = SingleToText(v);
    }
    if (StatMinOn == 1 && (!MinHasValue || v < Vmin)) {
        Vmin = v;
        MinHasValue = true;
        MinTime.assign(s.timeText);
        MinDate = s.date;
        MinUnit.assign(s.unitText);
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
    ClearDecibelExtremes();
}

void Statistics::ClearDecibelExtremes() {
    DbHigh = DbLow = DbmHigh = DbmLow = 0;
    dbSeen_ = dbmSeen_ = {};
}

void Statistics::RebuildDecibelExtremes(std::span<const float> values, std::string_view impedanceText) {
    ClearDecibelExtremes();
    for (size_t i = 0; i < values.size(); ++i) UpdateDecibels(values[i], i == 0, impedanceText);
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
    return StatAvgOn && AvgCount != 0;
}

std::string Statistics::RelRefText() const {
    return RelOn ? SingleToText(RelReference) : std::string();
}

}  // namespace voltaro
