#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include "display/GraphRange.h"
#include "display/TrendGraph.h"
#include "display/QtDrawingSurface.h"
#include "recording/RecordStore.h"
#include "values/DateTimeFormat.h"

namespace voltaro {
namespace {

TEST(QtDrawingSurface, DesignTypefacesResolveToTheirMetricTwins) {
    EXPECT_EQ(QFontInfo(FontFor("Arial", 9, false)).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(FontFor("Times New Roman", 9, true)).family(), "Liberation Serif");
    EXPECT_EQ(ScreenText("m", "symbol"), QString(QChar(0x03BC)));
    EXPECT_EQ(ScreenText("W", "Symbol"), QString(QChar(0x03A9)));
    EXPECT_EQ(ScreenText("\xB5" + std::string("A"), "Arial"), QString::fromUtf8("\u00B5A"));
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
    TrendGraph graph;
    QImage img(800, 600, QImage::Format_RGB32);
    img.fill(QColor(192, 192, 192));
    QPainter p(&img);
    {
        QtDrawingSurface box(p, img.rect(), QColor(192, 192, 192));
        graph.DrawTrendGraph(
            box, 2, true,
            {.store = store, .range = range, .cursor = 5, .alarmHighText = "3", .stamps = &stamps});
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
