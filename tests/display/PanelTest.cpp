#include <gtest/gtest.h>

#include "display/LcdPanel.h"
#include "link/Decoder.h"
#include "support/RecordingSurface.h"
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
}  // the digit with its point lit
constexpr Glyph _ = kBlankGlyph;
using Cells = std::array<Glyph, 4>;

TEST(DrawDigits, CellsOfTheDisplayTexts) {
    const std::pair<const char*, Cells> cases[] = {
        {"3.999", {D(3), P(9), P(9), P(9)}}, {"12.3", {_, P(1), D(2), P(3)}},  // right-aligned
        {" OL ", {_, D(0), P(10), _}},       {"0", {_, _, _, P(0)}},
        {"1,234", {D(1), P(2), P(3), P(4)}},  // a comma is drawn as the point
        {"400.0", {P(4), P(0), D(0), P(0)}}, {"123456", {P(1), P(2), P(3), P(4)}},  // cut on the right
    };
    for (const auto& [text, cells] : cases) {
        LcdPanel panel;
        EXPECT_TRUE(panel.DrawDigits(text, false));
        EXPECT_EQ(panel.digitGlyphs, cells) << text;
    }
}

TEST(DrawDigits, RepeatedOverloadIsNotRedrawnWhileNoData) {
    LcdPanel panel;
    EXPECT_TRUE(panel.DrawDigits(" OL ", true));
    panel.digitGlyphs[0] = P(8);  // a mark, to see whether the cells are drawn again
    EXPECT_FALSE(panel.DrawDigits(" OL ", true));
    EXPECT_EQ(panel.digitGlyphs[0], P(8));
    EXPECT_TRUE(panel.DrawDigits("1.000", false));  // with data every text is drawn
    EXPECT_TRUE(panel.DrawDigits("1.000", false));
}

TEST(DrawBargraph, LitSegmentsLabelsAndOverloadMark) {
    const Colour bar{0, 0, 128}, back{200, 200, 200};
    auto draw = [&](const std::string& count) {
        RecordingSurface s(500, 40, back, 6, 12);  // pitch u = 10, x0 = 20, gap 2, text 12 high
        LcdPanel().DrawBargraph(s, count, "-", bar);
        return s;
    };
    RecordingSurface half = draw("2000");
    auto segments = half.Of(SurfaceOp::FillBox);
    ASSERT_EQ(segments.size(), 40u);
    for (size_t i = 0; i < 40; ++i) EXPECT_EQ(segments[i].colour, i < 20 ? bar : back) << i + 1;
    EXPECT_DOUBLE_EQ(segments[0].x1, 40);
    EXPECT_DOUBLE_EQ(segments[0].x2, 48);
    EXPECT_DOUBLE_EQ(segments[0].y1, 1.4 * 12);  // short
    EXPECT_DOUBLE_EQ(segments[4].y1, 1.2 * 12);  // medium, every fifth
    EXPECT_DOUBLE_EQ(segments[9].y1, 12);        // tall, every tenth
    EXPECT_DOUBLE_EQ(segments[0].y2, 36);
    auto texts = half.Of(SurfaceOp::Print);  // the sign, then 10, 20, 30, 40: no overload mark
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[1].text, " 10");
    EXPECT_DOUBLE_EQ(texts[1].x1, 20 + 10 * 10 + 2);
    EXPECT_EQ(texts[2].colour, bar);
    EXPECT_EQ(texts[3].colour, back);  // the label of an unlit segment vanishes

    const std::pair<const char*, int> lit[] = {{"0", 0}, {"99", 0}, {"100", 1}, {"3999", 39}, {"4000", 40}};
    for (const auto& [count, n] : lit) {
        auto s = draw(count).Of(SurfaceOp::FillBox);
        EXPECT_EQ(std::count_if(s.begin(), s.end(), [&](const DrawnOp& d) { return d.colour == bar; }), n)
            << count;
    }
    for (const char* count : {"4000", "OL"}) {  // the mark shows even with no segment lit
        DrawnOp mark = draw(count).Of(SurfaceOp::Print).back();
        EXPECT_EQ(mark.text, " OL");
        EXPECT_TRUE(mark.bold);
        EXPECT_EQ(mark.colour, bar);
    }
}

struct PanelRig {
    LcdPanel panel;
    Statistics stats;
    Decibels db;
    MeterRange range;
    Reading reading;
    void Show(const std::string& frame, PanelModes modes = {}, std::string digits = "") {
        reading = DecodeFrameText(frame);
        panel.UpdatePanel(reading, reading.value, digits.empty() ? reading.digits : digits, modes, stats, db,
                          range, 0);
    }
};

TEST(UpdatePanel, TextPrefixUnitAndSignByMode) {
    struct Case {
        const char* frame;
        PanelModes modes;
        float rel;
        int dbOption;
        const char *text, *volts, *type, *face, *sign;
    } cases[] = {
        {"13999;008", {}, 0, 0, "3.999", "", "V", "Times New Roman", " "},
        {"13999;408", {}, 0, 0, "3.999", "", "V", "Times New Roman", "-"},
        {"012343008", {}, 0, 0, "123.4", " ", "W", "Symbol", " "},  // ohms: omega, first prefix character
        {"11234300", {}, 0, 0, "1.234", "K", "W", "Symbol", " "},
        // REL: the magnitude of value - reference with one decimal and the prefix of its scale.
        {"10123;008", {.rel = true}, 0.2f, 0, "77.0", "m", "V", "Times New Roman", "-"},
        {"012343008", {.rel = true}, 100, 0, "23.4", "", "W", "Symbol", " "},
        {"10123;008", {.dB = true}, 0, 0, "18.2", "", "dB", "Times New Roman", "-"},   // 20 log 0.123
        {"17746;008", {.dB = true}, 0, 1, "20.0", "", "dBm", "Times New Roman", " "},  // 7.746 V in 600 ohms
    };
    for (const Case& c : cases) {
        PanelRig rig;
        rig.stats.RelReference = c.rel;
        rig.db.SelectedOption = c.dbOption;
        rig.db.DbReference = 600;
        rig.Show(c.frame, c.modes);
        const LcdPanel& p = rig.panel;
        EXPECT_EQ(std::vector<std::string>({p.DisplayText, p.prefixText, p.unitText, p.LabTypeFace, p.signText}),
                  std::vector<std::string>({c.text, c.volts, c.type, c.face, c.sign}))
            << c.frame;
    }
}

TEST(UpdatePanel, OverloadShowsOLWithAFullBarAndNoValueShowsZero) {
    PanelRig rig;
    rig.Show("10123;008", {}, "OL");
    EXPECT_EQ(rig.panel.digitGlyphs, (Cells{_, D(0), P(10), _}));
    EXPECT_EQ(rig.panel.BarCount, "4000");
    rig.reading = DecodeFrameText("10123;008");
    rig.reading.NoDataFlag = true;
    rig.panel.UpdatePanel(rig.reading, 1.0f, "0123", {}, rig.stats, rig.db, rig.range, 0);
    EXPECT_EQ(rig.panel.DisplayText, " OL ");
    rig.reading.NoDataFlag = false;
    rig.panel.UpdatePanel(rig.reading, std::nullopt, "0123", {}, rig.stats, rig.db, rig.range, 0);
    EXPECT_EQ(rig.panel.DisplayText, "0");
}

TEST(UpdateStatsDisplay, RowsOfTheStatisticsThatAreOn) {
    LcdPanel panel;
    Statistics stats;
    Decibels db;
    DateTimeFormat stamps;
    const QDateTime now(QDate(2024, 1, 15), QTime(10, 30, 0));
    stats.StatMaxOn = 1, stats.Vmax = 1500, stats.MaxDate = QDate(2024, 1, 14), stats.MaxTime = "09:15:00";
    stats.StatAvgOn = true, stats.AvgSum = 3, stats.AvgCount = 2;
    stats.RelReference = 0.25f, stats.RelDate = QDate(2024, 1, 13), stats.RelTime = "08:00:00";
    panel.statValueTexts[1] = "kept";

    panel.UpdateStatsDisplay(stats, {.rel = true}, db, stamps, now, 5);
    EXPECT_EQ(panel.statValueTexts, (std::array<std::string, 4>{"+  1.50K", "kept", "+  1.50", "+ 250m"}));
    EXPECT_EQ(panel.statDetailTexts, (std::array<std::string, 4>{"24/01/14 09:15:00", "", "24/01/15 10:30:00",
                                                        "24/01/13 08:00:00"}));
    stats.Vmax = 10;
    panel.UpdateStatsDisplay(stats, {.dB = true}, db, stamps, now, 5);
    EXPECT_EQ(panel.statValueTexts[0], "+20.0dB");
    panel.UpdateStatsDisplay(stats, {}, db, stamps, now, 0);
    EXPECT_EQ(panel.statValueTexts, (std::array<std::string, 4>{}));
    EXPECT_EQ(panel.statDetailTexts, (std::array<std::string, 4>{}));
}

TEST(UnitWithoutPrefix, StripsTheRangePrefixOnly) {
    const std::pair<std::string, const char*> cases[] = {{"mV", "V"},    {"\xB5" + std::string("A"), "A"},
                                                         {" W", "W"},    {"KHZ", "HZ"},
                                                         {" MHZ", "HZ"}, {"oC", "oC"},
                                                         {"", ""}};
    for (const auto& [in, out] : cases) EXPECT_EQ(UnitWithoutPrefix(in), out) << in;
}

}  // namespace
}  // namespace voltaro
