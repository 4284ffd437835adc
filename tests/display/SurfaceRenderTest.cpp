#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include "display/Glyphs.h"
#include "display/GraphRange.h"
#include "display/ModPicShow.h"
#include "display/ModShow.h"
#include "display/QtDrawingSurface.h"
#include "recording/RecordStore.h"
#include "values/DateTimeFormat.h"

namespace voltaro {
namespace {

QColor At(const QImage& img, int x, int y) {
    return img.pixelColor(x, y);
}

TEST(QtDrawingSurface, DesignTypefacesResolveToTheirMetricTwins) {
    EXPECT_EQ(QFontInfo(FontFor("Arial", 9, false)).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(FontFor("Times New Roman", 9, true)).family(), "Liberation Serif");
    EXPECT_EQ(ScreenText("m", "symbol"), QString(QChar(0x03BC)));
    EXPECT_EQ(ScreenText("W", "Symbol"), QString(QChar(0x03A9)));
    EXPECT_EQ(ScreenText("\xB5"
                         "A",
                         "Arial"),
              QString::fromUtf8("\u00B5A"));
}

TEST(QtDrawingSurface, UserScaleLinesBoxesAndDotsLandOnTheirPixels) {
    QImage img(240, 260, QImage::Format_RGB32);
    QPainter p(&img);
    {
        QtDrawingSurface s(p, img.rect());
        s.Clear();
        s.SetScale(0, 0, 120, 130);  // 2 pixels per unit both ways
        s.FillBox(15, 10, 115, 110, PaletteColour(14));
        s.SetPenWidth(1);
        s.Line(15, 50, 115, 50, PaletteColour(12));
        s.SetPenWidth(5);
        s.Dot(60, 80, PaletteColour(9));
        EXPECT_DOUBLE_EQ(s.CurrentX(), 60);
        s.SetPenWidth(1);
        s.LineTo(100, 80, kBlack);
        s.SetPos(20, 115);
        s.Print("8");
        EXPECT_GT(s.CurrentX(), 20);
        EXPECT_GT(s.TextHeight("8"), 0);
    }
    p.end();
    EXPECT_EQ(At(img, 5, 5), QColor(Qt::white));       // cleared outside the box
    EXPECT_EQ(At(img, 100, 40), QColor(255, 255, 0));  // inside the filled box
    EXPECT_EQ(At(img, 100, 100), QColor(255, 0, 0));   // the line at y = 50 units
    EXPECT_EQ(At(img, 120, 158), QColor(0, 0, 255));   // the dot, 5 pixels wide
    EXPECT_EQ(At(img, 120, 155), QColor(255, 255, 0));
    EXPECT_EQ(At(img, 180, 160), QColor(Qt::black));  // the line from the dot
    int dark = 0;                                     // the printed 8 below the box
    for (int y = 230; y < 260; ++y)
        for (int x = 40; x < 60; ++x) dark += At(img, x, y).lightness() < 128;
    EXPECT_GT(dark, 10);
}

TEST(QtDrawingSurface, GlyphsAndBargraphRender) {
    QImage cell(50, 85, QImage::Format_RGB32);
    QPainter p(&cell);
    {
        QtDrawingSurface s(p, cell.rect());
        DrawGlyph(s, {GlyphSet::Point, 8});
    }
    // Segment a (top), g (middle) and the point are lit; the gap between segments is not.
    EXPECT_EQ(At(cell, 21, 7), QColor(Qt::black));
    EXPECT_EQ(At(cell, 21, 43), QColor(Qt::black));
    EXPECT_EQ(At(cell, 45, 78), QColor(Qt::black));
    EXPECT_EQ(At(cell, 21, 25), QColor(Qt::white));
    {
        QtDrawingSurface s(p, cell.rect());
        DrawGlyph(s, {GlyphSet::Plain, 1});
    }
    EXPECT_EQ(At(cell, 21, 7), QColor(Qt::white));  // a 1 has no top segment
    EXPECT_EQ(At(cell, 37, 25), QColor(Qt::black));
    p.end();

    QImage bar(500, 40, QImage::Format_RGB32);
    QPainter q(&bar);
    ModShow panel;
    {
        QtDrawingSurface s(q, bar.rect(), QColor(200, 200, 200));
        panel.DrawBargraph(s, "2000", " ", PaletteColour(1));
    }
    q.end();
    // u = 10 pixels: segment i spans x = 20 + 10 (i + 1) to 20 + 10 (i + 2) - 2.
    EXPECT_EQ(At(bar, 20 + 10 * 6 + 4, 30), QColor(0, 0, 128));       // segment 5, lit
    EXPECT_EQ(At(bar, 20 + 10 * 31 + 4, 30), QColor(200, 200, 200));  // segment 30, unlit
}

int Count(const QImage& img, QColor colour, QRect where) {
    int n = 0;
    for (int y = where.top(); y <= where.bottom(); ++y)
        for (int x = where.left(); x <= where.right(); ++x) n += img.pixelColor(x, y) == colour;
    return n;
}

TEST(QtDrawingSurface, TrendGraphRendersFrameTraceCursorAndAlarmLine) {
    RecordStore store;
    for (const char* v : {"1", "2", "3", "-1", "-2"}) {
        ++store.RecordCount;
        store.Set(store.RecordCount, Field::ValueText, v);
        store.Set(store.RecordCount, Field::Time, "10:00:00");
    }
    GraphRange range;  // 4 to -4
    DateTimeFormat stamps;
    ModPicShow graph;
    QImage img(800, 600, QImage::Format_RGB32);
    img.fill(QColor(192, 192, 192));
    QPainter p(&img);
    {
        QtDrawingSurface box(p, img.rect(), QColor(192, 192, 192));
        graph.DrawTrendGraph(
            box, 2, true,
            {.store = store, .range = range, .cursor = 5, .TextAlarmHI = "3", .stamps = &stamps});
    }
    p.end();
    // 120 units: 6.67 pixels across and 5 down a unit. The frame's left edge is at x = 100.
    EXPECT_GE(Count(img, Qt::black, QRect(99, 300, 3, 1)), 1);
    EXPECT_EQ(img.pixelColor(600, 300), QColor(Qt::white));                 // the plot area
    EXPECT_EQ(img.pixelColor(40, 580), QColor(192, 192, 192));              // the box around it
    EXPECT_GE(Count(img, QColor(255, 0, 0), QRect(101, 120, 12, 120)), 5);  // 1 -> 2 -> 3 in red
    EXPECT_GE(Count(img, QColor(0, 0, 255), QRect(115, 120, 12, 320)), 5);  // 3 -> -1 -> -2 in blue
    EXPECT_EQ(img.pixelColor(127, 425), QColor(0, 0, 255));                 // the cursor dot on reading 5
    // The dotted high alarm line at 3: every other pixel or so along y = 112.
    int dots = Count(img, QColor(255, 0, 0), QRect(300, 111, 400, 3));
    EXPECT_GT(dots, 100);
    EXPECT_LT(dots, 400);
    int text = Count(img, Qt::black, QRect(0, 40, 95, 20));  // the "+4.00" label left of the top
    EXPECT_GT(text, 5);
}

}  // namespace
}  // namespace voltaro
