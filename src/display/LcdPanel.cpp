#include "display/LcdPanel.h"

#include <algorithm>
#include <cmath>

#include "link/Reading.h"
#include "values/DateTimeFormat.h"
#include "values/Decibels.h"
#include "values/Formatting.h"
#include "base/Notation.h"
#include "values/Statistics.h"

namespace voltaro {

namespace {

constexpr int kBarFull = 4000;
constexpr int kSegments = 40;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Right-aligned in `width` characters: spaces on the left, a longer text cut on the right.
std::string RightAligned(const std::string& text, size_t width) {
    if (text.size() >= width) return text.substr(0, width);
    return std::string(width - text.size(), ' ') + text;
}

// The point-set glyph of what a cell shows, for the point that follows it.
Glyph WithPoint(Glyph g) {
    if (g.set == GlyphSet::Plain && g.index <= 9) return {GlyphSet::Point, g.index};
    return g;  // blank, O already carry the point set; L has no pointed form
}

// A label centred the old way: preceded by Int((5 - its length) / 2) spaces.
std::string Centred(const std::string& text) {
    int pad = std::max(0, (5 - static_cast<int>(text.size())) / 2);
    return std::string(static_cast<size_t>(pad), ' ') + text;
}

// The magnitude of a scaled number with one decimal (the mask "##0.0").
std::string Magnitude(const std::string& scaled) {
    return FormatMask(std::fabs(Val(scaled)), 1, 1);
}

std::string SignOf(double v) {
    return v < 0 ? "-" : " ";
}

}  // namespace

std::string UnitWithoutPrefix(const std::string& unitText) {
    static const std::string kUnits[] = {"V", "A", "W", "HZ", "F"};
    static const std::string kPrefixes = std::string(" pnmKMG") + kMicroSign;
    size_t start = 0;
    while (start < unitText.size() && kPrefixes.find(unitText[start]) != std::string::npos) ++start;
    std::string rest = unitText.substr(start);
    for (const std::string& u : kUnits)
        if (rest == u) return rest;
    return unitText;
}

void LcdPanel::UpdatePanel(const Reading& reading, std::optional<float> value, const std::string& digits,
                          PanelModes modes, const Statistics& stats, Decibels& db, MeterRange& range,
                          int recordCount) {
    std::string U;
    std::string text;
    if (value) {
        // Decibels of the value shown, or of its difference from the REL reference.
        auto showDecibels = [&](double v) {
            LabTypeFace = "Times New Roman";
            double x = db.DecibelValue(v, db.DbReference);
            ScaledText t = FormatScaled4(x);
            text = Magnitude(t.text);
            U = "dB";
            prefixText = t.prefix;
            signText = SignOf(x);
        };
        if (modes.rel) {
            double d = static_cast<double>(*value) - stats.RelReference;
            if (!modes.dB) {
                ScaledText t = FormatScaled4(d);
                text = Magnitude(t.text);
                prefixText = t.prefix;
                bool ohm = reading.baseUnit == "ohm";
                unitText = ohm ? "W" : reading.baseUnit;
                LabTypeFace = ohm ? "Symbol" : "Times New Roman";
                signText = SignOf(d);
            } else {
                showDecibels(d);
            }
        } else if (!modes.dB) {
            text = range.FormatRangeText(reading, recordCount);
            prefixText = reading.prefix;
            unitText = reading.baseUnit;
            if (reading.baseUnit == "ohm" || reading.baseUnit == "W") {
                LabTypeFace = "Symbol";
                unitText = "W";
                prefixText = reading.prefix.substr(0, 1);
            } else {
                LabTypeFace = "Times New Roman";
            }
            signText = SignOf(*value);
        } else {
            showDecibels(*value);
        }
        if (U == "dB") unitText = db.SelectedOption == 1 ? "dBm" : "dB";
    } else {
        text = "0";
    }
    const bool overload = reading.NoDataFlag || digits == "OL";
    if (overload) text = " OL ";
    DisplayText = text;
    DrawDigits(text, reading.NoDataFlag);
    BarCount = overload ? "4000" : reading.digits;  // an overload shows the bargraph full
}

void LcdPanel::UpdateStatsDisplay(const Statistics& stats, PanelModes modes, Decibels& db,
                                 const DateTimeFormat& stamps, const QDateTime& now, int recordCount) {
    if (recordCount == 0) {
        statValueTexts.fill("");
        statDetailTexts.fill("");
        return;
    }
    auto valueText = [&](double v, bool decibels) {
        if (decibels) return FormatScaled4(db.DecibelValue(v, db.DbReference)).text + "dB";
        ScaledText t = FormatScaled6(v);
        return t.text + t.prefix;
    };
    if (stats.AverageShown()) {
        statValueTexts[2] = valueText(stats.Average(), modes.dB);
        statDetailTexts[2] = stamps.FormatStamp(now.date(), now.time());
    }
    if (stats.StatMaxOn) {
        statValueTexts[0] = valueText(stats.Vmax, modes.dB);
        statDetailTexts[0] = stamps.FormatStamp(stats.MaxDate, stats.MaxTime);
    }
    if (stats.StatMinOn) {
        statValueTexts[1] = valueText(stats.Vmin, modes.dB);
        statDetailTexts[1] = stamps.FormatStamp(stats.MinDate, stats.MinTime);
    }
    if (modes.rel) {
        ScaledText t = FormatScaled4(stats.RelReference);
        statValueTexts[3] = t.text + t.prefix;
        statDetailTexts[3] = stamps.FormatStamp(stats.RelDate, stats.RelTime);
    }
}

bool LcdPanel::DrawDigits(const std::string& text, bool noDataFlag) {
    if (text == LastDigitText) return false;
    std::string t = text;
    std::replace(t.begin(), t.end(), ',', '.');
    std::string field = RightAligned(t, t.find('.') != std::string::npos ? 5 : 4);

    std::array<Glyph, 4> cells{kBlankGlyph, kBlankGlyph, kBlankGlyph, kBlankGlyph};
    size_t p = 0;
    for (char c : field) {
        if (p >= cells.size()) break;
        if (c == '.') {
            if (p > 0) cells[p - 1] = WithPoint(cells[p - 1]);
            continue;
        }
        if (IsDigit(c))
            cells[p] = {GlyphSet::Plain, c - '0'};
        else if (c == 'O')
            cells[p] = {GlyphSet::Point, 0};
        else if (c == 'L')
            cells[p] = {GlyphSet::Plain, 10};
        else
            cells[p] = kBlankGlyph;
        ++p;
    }
    digitGlyphs = cells;
    LastDigitText = noDataFlag ? text : "9999";
    return true;
}

void LcdPanel::DrawBargraph(DrawingSurface& picPro, const std::string& countText, const std::string& signText,
                           Colour barColour) {
    MaxBar = kBarFull;
    picPro.SetPixelScale();
    picPro.Clear();
    picPro.SetBold(false);
    picPro.SetTextColour(barColour);

    const double W = picPro.ScaleWidth();
    const double H = picPro.ScaleHeight() - 4;
    const double th = picPro.TextHeight("0");
    const double u = W / 50;
    const double x0 = 2 * u;
    const double gap = std::nearbyint(0.2 * u);

    const double n = Val(countText);
    const int s = kBarFull / kSegments;
    const double shown = std::min(n, static_cast<double>(kBarFull));

    picPro.SetPos(2, 0);
    picPro.Print(signText);

    for (int i = 1; i <= kSegments; ++i) {
        Colour colour = s * i <= shown ? barColour : picPro.BackColour();
        if (i % 10 == 0) {
            // An unlit segment's label takes the background colour and so vanishes.
            picPro.SetTextColour(colour);
            picPro.SetPos(x0 + u * i + 2, 0);
            picPro.Print(Centred(std::to_string(i)));
        }
        double f = i % 10 == 0 ? 1.0 : i % 5 == 0 ? 1.2 : 1.4;
        picPro.FillBox(x0 + u * (i + 1), f * th, x0 + u * (i + 2) - gap, H, colour);
    }

    if (countText.find("OL") != std::string::npos || n >= kBarFull) {
        // The mark is drawn in the bar colour so that it shows even when no segment is lit.
        picPro.SetTextColour(barColour);
        picPro.SetBold(true);
        picPro.SetPos(x0 + 42 * u + 2, 20);
        picPro.Print(Centred("OL"));
        picPro.SetBold(false);
    }
}

}  // namespace voltaro
