#pragma once

#include <QDate>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace voltaro {

// What one recorded reading brings to the statistics. The texts are only looked at during
// the update, so they may point into the recording's rows.
struct StatSample {
    float value = 0;                 // the Reading's value
    std::string_view unitText;       // the Reading's unit as displayed
    QDate date;                      // the sample's date
    std::string_view timeText;       // the sample's time as stamped
    int recordCount = 0;             // readings held, this one included
    int chunkCount = 0;              // blocks of the recording already moved to working files
    std::string_view impedanceText;  // the decibel dialog's line impedance
};

// MAX, MIN, AVG and REL of the recording, and its overall extremes in plain units, dB and dBm.
class Statistics {
public:
    void UpdateStatistics(const StatSample& s);
    // The recording starts anew: every value and both "has a value" marks are cleared.
    void Reset();
    // A range is evaluated afresh (printing): MAX and MIN start empty, the average from zero.
    void ClearForPass();
    // The decibel extremes are rebuilt for a new line impedance.
    void ClearDecibelExtremes();
    // The decibel extremes taken again over every recorded value for a new line impedance;
    // MAX, MIN and the average keep what they hold (taking the values twice would count them
    // twice in the average).
    void RebuildDecibelExtremes(std::span<const float> values, std::string_view impedanceText);

    // The check boxes.
    void chkMAX_Click(bool on) { StatMaxOn = on ? 1 : 0; }
    void chkMIN_Click(bool on) { StatMinOn = on ? 1 : 0; }
    void ChkAVG_Click(bool on) { StatAvgOn = on; }
    // REL on captures the value now shown; off empties the recorded reference.
    void ChkREL_Click(bool on, float value, const QDate& date, const std::string& timeText);

    bool AverageShown() const;
    double Average() const { return AvgCount == 0 ? 0 : AvgSum / AvgCount; }
    // The REL field of a recorded reading: the reference while REL is on, else "".
    std::string RelRefText() const;

    int StatMaxOn = 0;
    int StatMinOn = 0;
    bool StatAvgOn = false;

    double Vmax = 0;
    bool MaxHasValue = false;  // a reading was taken while MAX was on since the reset
    QDate MaxDate;
    std::string MaxTime, MaxUnit;
    float Vmin = 0;
    bool MinHasValue = false;
    QDate MinDate;
    std::string MinTime, MinUnit;
    // A week at one reading a second is 6 x 10^5 values: a single-precision sum drifts.
    double AvgSum = 0;
    int32_t AvgCount = 0;

    bool RelOn = false;
    float RelReference = 0;
    QDate RelDate;
    std::string RelTime;

    double RangeHigh = 0;
    float RangeLow = 0;
    double DbHigh = 0, DbLow = 0;
    double DbmHigh = 0, DbmLow = 0;

    std::string LabErrorText;  // the main window's LabERROR: the maximum as text

private:
    // The smallest and largest non-zero magnitude whose decibels have been taken. Decibels
    // grow with the magnitude, so a reading between the two cannot move an extreme and its
    // logarithms are skipped: loading a long recording takes one per new extreme, not one per
    // row. The dBm bounds hold for one line impedance and start anew when it changes.
    struct Magnitudes {
        bool any = false;
        float low = 0, high = 0;
        bool Widens(float m) const { return !any || m < low || m > high; }
        void Take(float m);
    };
    void UpdateDecibels(float v, bool first, std::string_view impedanceText);
    Magnitudes dbSeen_, dbmSeen_;
    std::string dbmImpedanceText_;
    double dbmImpedance_ = 0;
    bool dbmImpedanceRead_ = false;
};

}  // namespace voltaro
