#include <gtest/gtest.h>

#include "display/ModShow.h"
#include "display/RecordingSurface.h"
#include "link/Decoder.h"
#include "values/DateTimeFormat.h"
#include "values/Decibels.h"
#include "values/Formatting.h"
#include "values/Statistics.h"

namespace voltaro {
namespace {

constexpr Glyph P(int i) {
    return {GlyphSet::Plain, i};
}
constexpr Glyph D(int i) {
    return {GlyphSet::Point, i};
}  // digit with its point lit
using Cells = std::array<Glyph, 4>;

TEST(DrawDigits, CellsOfTheDisplayTexts) {
    struct Case {
        const char* text;
        Cells cells;
    } cases[] = {
        {"3.999", {D(3), P(9), P(9), P(9)}},
        {"12.3", {kBlankGlyph, P(1), D(2), P(3)}},  // right-aligned to " 12.3"
        {" 12.3", {kBlankGlyph, P(1), D(2), P(3)}},
        {" OL ", {kBlankGlyph, D(0), P(10), kBlankGlyph}},
        {"0", {kBlankGlyph, kBlankGlyph, kBlankGlyph, P(0)}},
        {"1,234", {D(1), P(2), P(3), P(4)}},  // a comma separator is drawn as the point
        {"400.0", {P(4), P(0), D(0), P(0)}},
        {"123456", {P(1), P(2), P(3), P(4)}},  // cut on the right
        {"....", {kBlankGlyph, kBlankGlyph, kBlankGlyph, kBlankGlyph}},
    };
    for (const Case& c : cases) {
        ModShow panel;
        EXPECT_TRUE(panel.DrawDigits(c.text, false));
        EXPECT_EQ(panel.Picture1, c.cells) << "text '" << c.text << "'";
    }
}

TEST(DrawDigits, RepeatedOverloadIsNotRedrawnWhileNoData) {
    ModShow panel;
    EXPECT_TRUE(panel.DrawDigits(" OL ", true));
    panel.Picture1[0] = P(8);  // marks the cells, to see whether they are drawn again
    EXPECT_FALSE(panel.DrawDigits(" OL ", true));
    EXPECT_EQ(panel.Picture1[0], P(8));
    // With data flowing every text is drawn, even the same one twice.
    EXPECT_TRUE(panel.DrawDigits("1.000", false));
    EXPECT_TRUE(panel.DrawDigits("1.000", false));
    EXPECT_TRUE(panel.DrawDigits(" OL ", true));
}

struct Bar {
    RecordingSurface surface{500, 40, Colour{200, 200, 200}, 6, 12};
    ModShow panel;
    std::vector<DrawnOp> segments;
    std::vector<DrawnOp> texts;
    explicit Bar(const std::string& count, Colour bar = kBlack) {
        panel.DrawBargraph(surface, count, "-", bar);
        segments = surface.Of(SurfaceOp::FillBox);
        texts = surface.Of(SurfaceOp::Print);
    }
    int Lit(Colour bar = kBlack) const {
        int n = 0;
        for (const DrawnOp& s : segments) n += s.colour == bar;
        return n;
    }
};

TEST(DrawBargraph, HalfCountLightsTheFirstTwentySegments) {
    Bar bar("2000", Colour{0, 0, 128});
    ASSERT_EQ(bar.segments.size(), 40u);
    for (size_t i = 0; i < 40; ++i) {
        Colour expected = i < 20 ? Colour{0, 0, 128} : Colour{200, 200, 200};
        EXPECT_EQ(bar.segments[i].colour, expected) << "segment " << i + 1;
    }
    // Scale labels follow their segments: 10 and 20 in the bar colour, 30 and 40 vanish.
    ASSERT_EQ(bar.texts.size(), 5u);  // the sign and four labels, no overload mark
    EXPECT_EQ(bar.texts[0].text, "-");
    EXPECT_DOUBLE_EQ(bar.texts[0].x1, 2);
    EXPECT_EQ(bar.texts[1].text, " 10");
    EXPECT_EQ(bar.texts[2].colour, (Colour{0, 0, 128}));
    EXPECT_EQ(bar.texts[3].text, " 30");
    EXPECT_EQ(bar.texts[3].colour, (Colour{200, 200, 200}));
    EXPECT_EQ(bar.panel.MaxBar, 4000);
}

TEST(DrawBargraph, ZeroLightsNothingAndFullShowsTheOverloadMark) {
    EXPECT_EQ(Bar("0").Lit(), 0);
    EXPECT_EQ(Bar("99").Lit(), 0);
    EXPECT_EQ(Bar("100").Lit(), 1);
    EXPECT_EQ(Bar("3999").Lit(), 39);
    EXPECT_EQ(Bar("3999").texts.back().text, " 40");

    Bar full("4000");
    EXPECT_EQ(full.Lit(), 40);
    EXPECT_EQ(full.texts.back().text, " OL");
    EXPECT_TRUE(full.texts.back().bold);
    EXPECT_DOUBLE_EQ(full.texts.back().y1, 20);
    // The mark stays visible for an overload text that lights no segment.
    Bar ol("OL");
    EXPECT_EQ(ol.Lit(), 0);
    EXPECT_EQ(ol.texts.back().text, " OL");
    EXPECT_EQ(ol.texts.back().colour, kBlack);
}

TEST(DrawBargraph, SegmentGeometry) {
    Bar bar("4000");
    // 500 pixels: pitch u = 10, x0 = 20, gap 2; text height 12; bottom at 40 - 4.
    const DrawnOp& s1 = bar.segments[0];
    EXPECT_DOUBLE_EQ(s1.x1, 40);
    EXPECT_DOUBLE_EQ(s1.x2, 48);
    EXPECT_DOUBLE_EQ(s1.y1, 1.4 * 12);  // short
    EXPECT_DOUBLE_EQ(s1.y2, 36);
    EXPECT_DOUBLE_EQ(bar.segments[4].y1, 1.2 * 12);  // medium, every fifth
    EXPECT_DOUBLE_EQ(bar.segments[9].y1, 12);        // tall, every tenth
    EXPECT_DOUBLE_EQ(bar.segments[39].x1, 20 + 10 * 41);
    EXPECT_DOUBLE_EQ(bar.texts[1].x1, 20 + 10 * 10 + 2);  // label 10
}

}  // namespace
}  // namespace voltaro

namespace voltaro {
namespace {

struct PanelRig {
    ModShow panel;
    Statistics stats;
    Decibels db;
    MeterRange range;
    Reading reading;

    void Show(const std::string& frame, PanelModes modes = {}, int recordCount = 0) {
        reading = DecodeFrameText(frame);
        panel.UpdatePanel(reading, reading.value, reading.digits, modes, stats, db, range, recordCount);
    }
};

TEST(UpdatePanel, PlainReadingShowsRangeTextPrefixAndUnit) {
    PanelRig rig;
    rig.Show("13999;008");  // 3.999 V
    EXPECT_EQ(rig.panel.DisplayText, "3.999");
    EXPECT_EQ(rig.panel.Picture1, (Cells{D(3), P(9), P(9), P(9)}));
    EXPECT_EQ(rig.panel.LabVolts, "");
    EXPECT_EQ(rig.panel.LabType, "V");
    EXPECT_EQ(rig.panel.LabTypeFace, "Times New Roman");
    EXPECT_EQ(rig.panel.LabType0, " ");
    EXPECT_EQ(rig.panel.BarCount, "3999");

    rig.Show("13999;408");  // -3.999 V
    EXPECT_EQ(rig.panel.LabType0, "-");

    rig.Show("012343008");  // 123.4 ohm: omega in the symbol face, the prefix's first character
    EXPECT_EQ(rig.panel.DisplayText, "123.4");
    EXPECT_EQ(rig.panel.LabType, "W");
    EXPECT_EQ(rig.panel.LabTypeFace, "Symbol");
    EXPECT_EQ(rig.panel.LabVolts, " ");
    rig.Show("11234300");  // 1.234 kilohm
    EXPECT_EQ(rig.panel.LabVolts, "K");
    EXPECT_EQ(rig.panel.LabType, "W");
}

TEST(UpdatePanel, OverloadNoDataAndNoValue) {
    PanelRig rig;
    rig.reading = DecodeFrameText("10123;008");
    rig.panel.UpdatePanel(rig.reading, rig.reading.value, "OL", {}, rig.stats, rig.db, rig.range, 0);
    EXPECT_EQ(rig.panel.DisplayText, " OL ");
    EXPECT_EQ(rig.panel.Picture1, (Cells{kBlankGlyph, D(0), P(10), kBlankGlyph}));
    EXPECT_EQ(rig.reading.digits, "4000");  // the bargraph shows full
    EXPECT_EQ(rig.panel.BarCount, "4000");

    rig.reading = DecodeFrameText("10123;008");
    rig.reading.NoDataFlag = true;
    rig.panel.UpdatePanel(rig.reading, std::nullopt, rig.reading.digits, {}, rig.stats, rig.db, rig.range, 0);
    EXPECT_EQ(rig.panel.DisplayText, " OL ");

    rig.reading = DecodeFrameText("10123;008");
    rig.panel.UpdatePanel(rig.reading, std::nullopt, rig.reading.digits, {}, rig.stats, rig.db, rig.range, 0);
    EXPECT_EQ(rig.panel.DisplayText, "0");
}

TEST(UpdatePanel, RelativeShowsMagnitudeOfTheDifferenceWithItsOwnPrefix) {
    PanelRig rig;
    rig.stats.RelReference = 0.2f;
    rig.Show("10123;008", {.rel = true});  // 0.123 - 0.2 = -0.077
    EXPECT_EQ(rig.panel.DisplayText, "77.0");
    EXPECT_EQ(rig.panel.LabVolts, "m");
    EXPECT_EQ(rig.panel.LabType, "V");
    EXPECT_EQ(rig.panel.LabType0, "-");

    rig.stats.RelReference = 100;
    rig.Show("012343008", {.rel = true});  // 123.4 - 100 ohm
    EXPECT_EQ(rig.panel.DisplayText, "23.4");
    EXPECT_EQ(rig.panel.LabType, "W");
    EXPECT_EQ(rig.panel.LabTypeFace, "Symbol");
}

TEST(UpdatePanel, DecibelsShowTheirUnitWordAndSign) {
    PanelRig rig;
    rig.db.SelectedOption = 0;
    rig.Show("10123;008", {.dB = true});  // 20 log10(0.123) = -18.20
    EXPECT_EQ(rig.panel.DisplayText, "18.2");
    EXPECT_EQ(rig.panel.LabType, "dB");
    EXPECT_EQ(rig.panel.LabTypeFace, "Times New Roman");
    EXPECT_EQ(rig.panel.LabType0, "-");

    rig.db.SelectedOption = 1;  // dBm into 600 ohms
    rig.db.DbReference = 600;
    rig.Show("17746;008", {.dB = true});  // 7.746 V
    EXPECT_EQ(rig.panel.DisplayText, "20.0");
    EXPECT_EQ(rig.panel.LabType, "dBm");
    EXPECT_EQ(rig.panel.LabType0, " ");
}

TEST(UpdateStatsDisplay, RowsOfTheStatisticsThatAreOn) {
    ModShow panel;
    Statistics stats;
    Decibels db;
    DateTimeFormat stamps;
    const QDateTime now(QDate(2024, 1, 15), QTime(10, 30, 0));
    stats.StatMaxOn = 1;
    stats.Vmax = 1500;
    stats.MaxDate = QDate(2024, 1, 14);
    stats.MaxTime = "09:15:00";
    stats.StatAvgOn = "1";
    stats.AvgSum = 3;
    stats.AvgCount = 2;
    stats.RelReference = 0.25f;
    stats.RelDate = QDate(2024, 1, 13);
    stats.RelTime = "08:00:00";
    panel.Label2[1] = "kept";

    panel.UpdateStatsDisplay(stats, {.rel = true}, db, stamps, now, 5);
    EXPECT_EQ(panel.Label2[0], "+  1.50K");
    EXPECT_EQ(panel.Label3[0], "24/01/14 09:15:00");
    EXPECT_EQ(panel.Label2[1], "kept");  // MIN is off: its row is left as it was
    EXPECT_EQ(panel.Label2[2], "+  1.50");
    EXPECT_EQ(panel.Label3[2], "24/01/15 10:30:00");
    EXPECT_EQ(panel.Label2[3], "+ 250m");
    EXPECT_EQ(panel.Label3[3], "24/01/13 08:00:00");

    stats.Vmax = 10;
    panel.UpdateStatsDisplay(stats, {.dB = true}, db, stamps, now, 5);
    EXPECT_EQ(panel.Label2[0], "+20.0dB");

    panel.UpdateStatsDisplay(stats, {}, db, stamps, now, 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(panel.Label2[static_cast<size_t>(i)], "");
        EXPECT_EQ(panel.Label3[static_cast<size_t>(i)], "");
    }
}

TEST(UnitWithoutPrefix, StripsTheRangePrefixOnly) {
    EXPECT_EQ(UnitWithoutPrefix("mV"), "V");
    EXPECT_EQ(UnitWithoutPrefix("\xB5"
                                "A"),
              "A");
    EXPECT_EQ(UnitWithoutPrefix(" W"), "W");
    EXPECT_EQ(UnitWithoutPrefix("KHZ"), "HZ");
    EXPECT_EQ(UnitWithoutPrefix(" MHZ"), "HZ");
    EXPECT_EQ(UnitWithoutPrefix("oC"), "oC");
    EXPECT_EQ(UnitWithoutPrefix(""), "");
}

}  // namespace
}  // namespace voltaro
