#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "PdfPages.h"
#include "recording/FileFormat.h"
#include "recording/RecordStore.h"
#include "values/Formatting.h"

namespace {

using namespace voltaro;

QString Cli() {
    return qEnvironmentVariable("VOLTARO_BIN_DIR") + "/bin/voltaro-cli";
}

int RunCli(const QStringList& args, QString* errors = nullptr) {
    QProcess p;
    p.start(Cli(), args);
    if (!p.waitForFinished(60000)) return -1;
    if (errors) *errors = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

TEST(CliPanel, DrawsTheCellsAndTheBargraphOfAFrame) {
    QTemporaryDir dir;
    QString out = dir.filePath("panel.png");
    ASSERT_EQ(RunCli({"panel", "13999;008", "--out", out}), 0);
    QImage img(out);
    ASSERT_FALSE(img.isNull());
    const QColor lcd = img.pixelColor(5, 150);
    // First cell "3." : top segment lit, upper left segment not; its point lit.
    EXPECT_EQ(img.pixelColor(98, 52), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(67, 80), lcd);
    EXPECT_EQ(img.pixelColor(141, 180), QColor(Qt::black));
    // Bargraph of 3999: segment 39 lit, segment 40 not (pitch 680 / 50 pixels from x = 20).
    const double u = 680.0 / 50;
    EXPECT_EQ(img.pixelColor(static_cast<int>(20 + 2 * u + u * 40 + 3), 280), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(static_cast<int>(20 + 2 * u + u * 41 + 3), 280), lcd);
}

TEST(CliPanel, RefusesBadArguments) {
    QTemporaryDir dir;
    QString errors;
    EXPECT_EQ(RunCli({"panel", "13999;008"}, &errors), 2);
    EXPECT_TRUE(errors.contains("--out"));
    EXPECT_EQ(RunCli({"panel", "--out", dir.filePath("x.png")}), 2);
    EXPECT_EQ(RunCli({"panel", "13999;008", "--out", dir.filePath("missing/x.png")}), 1);
}

}  // namespace

// A recording file of n readings in the 4 V range, the sign changing every ten rows.
void WriteRecording(const QString& path, int n) {
    RecordStore store;
    store.WriteTitles();
    for (int i = 1; i <= n; ++i) {
        int counts = (i * 397) % 4000;
        bool negative = (i / 10) % 2 == 1;
        char digits[5];
        std::snprintf(digits, sizeof digits, "%04d", counts);
        char time[9];
        std::snprintf(time, sizeof time, "10:%02d:%02d", (i / 60) % 60, i % 60);
        store.Set(i, Field::Date, "2024/01/15");
        store.Set(i, Field::Time, time);
        store.Set(i, Field::ValueText,
                  SingleToText((negative ? -1.0f : 1.0f) * static_cast<float>(counts) / 1000));
        store.Set(i, Field::Type, "V");
        store.Set(i, Field::Coupling, "DC");
        for (Field f : {Field::MaxFlag, Field::MinFlag, Field::AvgFlag}) store.Set(i, f, "0");
        store.Set(i, Field::Notes, std::string("1") + digits + ";" + (negative ? "4" : "0") + "08");
    }
    store.RecordCount = n;
    ASSERT_TRUE(WriteRows(store, path.toStdString(), ',', 0, n, nullptr, nullptr).ok);
}

int CountColour(const QImage& img, QColor colour, QRect where) {
    int n = 0;
    for (int y = where.top(); y <= where.bottom(); ++y)
        for (int x = where.left(); x <= where.right(); ++x) n += img.pixelColor(x, y) == colour;
    return n;
}

TEST(CliGraph, PageWithFrameAndRedTrace) {
    QTemporaryDir dir;
    WriteRecording(dir.filePath("run.dmm"), 200);
    QString out = dir.filePath("graph.png");
    ASSERT_EQ(RunCli({"graph", dir.filePath("run.dmm"), "--out", out, "--weight", "2"}), 0);
    QImage img(out);
    ASSERT_EQ(img.size(), QSize(1240, 1754));  // A4 at 150 dots per inch
    // The plot area spans 15..115 of 120 units across and 10..110 of 130 down, inside 10 mm
    // margins: its left edge near x = 199, its top near y = 185.
    const QRect leftEdge(196, 500, 7, 1), inside(220, 200, 800, 1200);
    EXPECT_GE(CountColour(img, Qt::black, leftEdge), 1);
    EXPECT_GT(CountColour(img, QColor(255, 0, 0), inside), 500);
    EXPECT_EQ(CountColour(img, QColor(0, 0, 255), inside), 0);  // the printed trace is red only
    EXPECT_EQ(img.pixelColor(30, 30), QColor(Qt::white));       // the margin stays empty
}

TEST(CliGraph, PdfOfARangeAndRefusedRanges) {
    QTemporaryDir dir;
    WriteRecording(dir.filePath("run.dmm"), 200);
    QString pdf = dir.filePath("graph.pdf");
    ASSERT_EQ(RunCli({"graph", dir.filePath("run.dmm"), "--out", pdf, "--range", "10", "20", "--landscape"}),
              0);
    EXPECT_EQ(PdfPageCount(pdf), 1);
    QProcess render;
    render.start("pdftoppm", {"-r", "50", "-png", "-singlefile", pdf, dir.filePath("page")});
    ASSERT_TRUE(render.waitForFinished(60000));
    QImage page(dir.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height());
    EXPECT_GT(CountColour(page, QColor(255, 0, 0), page.rect()), 20);

    QString errors;
    EXPECT_EQ(RunCli({"graph", dir.filePath("run.dmm"), "--out", pdf, "--range", "20", "10"}, &errors), 1);
    EXPECT_TRUE(errors.contains("No readings to print in this range !"));
    EXPECT_EQ(RunCli({"graph", dir.filePath("run.dmm"), "--out", pdf, "--weight", "11"}), 2);
    EXPECT_EQ(RunCli({"graph", dir.filePath("missing.dmm"), "--out", pdf}), 1);
}

TEST(CliReport, OnePdfWithAPagePerReportPage) {
    QTemporaryDir dir;
    WriteRecording(dir.filePath("run.dmm"), 130);
    QString pdf = dir.filePath("report.pdf");
    ASSERT_EQ(RunCli({"report", dir.filePath("run.dmm"), "--out", pdf, "--title", "Bench no.3"}), 0);
    EXPECT_EQ(PdfPageCount(pdf), 3);
    ASSERT_EQ(RunCli({"report", dir.filePath("run.dmm"), "--out", pdf, "--pages", "2", "3"}), 0);
    EXPECT_EQ(PdfPageCount(pdf), 2);
    EXPECT_EQ(
        RunCli({"report", dir.filePath("run.dmm"), "--out", dir.filePath("none.pdf"), "--pages", "5", "6"}),
        1);
    EXPECT_EQ(RunCli({"report", dir.filePath("run.dmm"), "--out", pdf, "--title", "1", "--title", "2",
                      "--title", "3", "--title", "4"}),
              2);
}
