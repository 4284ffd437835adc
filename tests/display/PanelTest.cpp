#include <gtest/gtest.h>

#include "display/ModShow.h"
#include "display/RecordingSurface.h"

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
