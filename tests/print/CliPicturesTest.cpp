#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "recording/FileFormat.h"
#include "recording/RecordStore.h"
#include "support/PdfPages.h"
#include "values/Formatting.h"

namespace voltaro {
namespace {

int RunCli(const QStringList& args, QString* errors = nullptr) {
    QProcess p;
    p.start(qEnvironmentVariable("VOLTARO_BIN_DIR") + "/bin/voltaro-cli", args);
    if (!p.waitForFinished(60000)) return -1;
    if (errors) *errors = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

int Count(const QImage& img, QColor colour, QRect where) {
    int n = 0;
    for (int y = where.top(); y <= where.bottom(); ++y)
        for (int x = where.left(); x <= where.right(); ++x) n += img.pixelColor(x, y) == colour;
    return n;
}

// A recording file of n readings in the 4 V range, the sign changing every ten rows.
void WriteRecording(const QString& path, int n) {
    RecordStore store;
    store.WriteTitles();
    for (int i = 1; i <= n; ++i) {
        int counts = (i * 397) % 4000;
        bool negative = (i / 10) % 2 == 1;
        char digits[5], time[9];
        std::snprintf(digits, sizeof digits, "%04d", counts);
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

TEST(CliPanel, DrawsTheCellsAndTheBargraphOfAFrame) {
    QTemporaryDir dir;
    QString out = dir.filePath("panel.png"), errors;
    ASSERT_EQ(RunCli({"panel", "13999;008", "--out", out}), 0);
    QImage img(out);
    ASSERT_FALSE(img.isNull());
    const QColor lcd = img.pixelColor(5, 150);
    // First cell "3.": top segment lit, upper left segment not, its point lit.
    EXPECT_EQ(img.pixelColor(98, 52), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(67, 80), lcd);
    EXPECT_EQ(img.pixelColor(141, 180), QColor(Qt::black));
    // Bargraph of 3999: segment 39 lit, segment 40 not (pitch 680 / 50 pixels from x = 20).
    const double u = 680.0 / 50;
    EXPECT_EQ(img.pixelColor(static_cast<int>(20 + 42 * u + 3), 280), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(static_cast<int>(20 + 43 * u + 3), 280), lcd);

    EXPECT_EQ(RunCli({"panel", "13999;008"}, &errors), 2);
    EXPECT_TRUE(errors.contains("--out"));
}

// An output that cannot be written is refused with the system's reason before anything is
// drawn, so no drawing warning comes before the message.
TEST(CliOutputs, AnOutputThatCannotBeWrittenIsRefusedWithItsReason) {
    QTemporaryDir dir;
    const QString file = dir.filePath("run.dmm");
    WriteRecording(file, 70);
    const QString pdf = dir.filePath("missing/out.pdf"), png = dir.filePath("missing/out.png");
    const QStringList commands[] = {{"report", file, "--out", pdf},
                                    {"graph", file, "--out", pdf},
                                    {"graph", file, "--out", png},
                                    {"panel", "13999;008", "--out", png}};
    for (const QStringList& command : commands) {
        QString errors;
        EXPECT_EQ(RunCli(command, &errors), 1) << command.join(' ').toStdString();
        EXPECT_TRUE(errors.contains("cannot write '" + command.last() + "': folder '" +
                                    dir.filePath("missing") + "': No such file or directory"))
            << errors.toStdString();
        EXPECT_FALSE(errors.contains("QPainter")) << errors.toStdString();
    }
}

TEST(CliGraph, PngAndPdfPagesAndRefusedRanges) {
    QTemporaryDir dir;
    const QString file = dir.filePath("run.dmm"), png = dir.filePath("graph.png"),
                  pdf = dir.filePath("graph.pdf");
    WriteRecording(file, 200);
    ASSERT_EQ(RunCli({"graph", file, "--out", png, "--weight", "2"}), 0);
    QImage img(png);
    ASSERT_EQ(img.size(), QSize(1240, 1754));  // A4 at 150 dots per inch
    // Inside 10 mm margins the plot area spans 15..115 of 120 units across and 10..110 of 130
    // down: its left edge near x = 199.
    EXPECT_GE(Count(img, Qt::black, QRect(196, 500, 7, 1)), 1);
    EXPECT_GT(Count(img, QColor(255, 0, 0), QRect(220, 200, 800, 1200)), 500);  // the trace
    EXPECT_EQ(Count(img, QColor(0, 0, 255), img.rect()), 0);                    // is red only
    EXPECT_EQ(img.pixelColor(30, 30), QColor(Qt::white));

    ASSERT_EQ(RunCli({"graph", file, "--out", pdf, "--range", "10", "20", "--landscape"}), 0);
    EXPECT_EQ(PdfPageCount(pdf), 1);
    QProcess render;
    render.start("pdftoppm", {"-r", "50", "-png", "-singlefile", pdf, dir.filePath("page")});
    ASSERT_TRUE(render.waitForFinished(60000));
    QImage page(dir.filePath("page.png"));
    EXPECT_GT(page.width(), page.height());
    EXPECT_GT(Count(page, QColor(255, 0, 0), page.rect()), 20);

    QString errors;
    EXPECT_EQ(RunCli({"graph", file, "--out", pdf, "--range", "20", "10"}, &errors), 1);
    EXPECT_TRUE(errors.contains("No readings to print in this range !"));
    EXPECT_EQ(RunCli({"graph", file, "--out", pdf, "--weight", "11"}), 2);
    EXPECT_EQ(RunCli({"graph", dir.filePath("missing.dmm"), "--out", pdf}), 1);
}

TEST(CliReport, OnePdfWithAPagePerReportPage) {
    QTemporaryDir dir;
    const QString file = dir.filePath("run.dmm"), pdf = dir.filePath("report.pdf");
    WriteRecording(file, 130);
    ASSERT_EQ(RunCli({"report", file, "--out", pdf, "--title", "Bench no.3"}), 0);
    EXPECT_EQ(PdfPageCount(pdf), 3);
    ASSERT_EQ(RunCli({"report", file, "--out", pdf, "--pages", "2", "3"}), 0);
    EXPECT_EQ(PdfPageCount(pdf), 2);
    QString errors;
    EXPECT_EQ(RunCli({"report", file, "--out", dir.filePath("none.pdf"), "--pages", "5", "6"}, &errors), 1);
    EXPECT_TRUE(errors.contains("no report page lies in the pages asked for"));
    const QString empty = dir.filePath("empty.dmm");
    WriteRecording(empty, 0);
    EXPECT_EQ(RunCli({"report", empty, "--out", dir.filePath("empty.pdf")}, &errors), 1);
    EXPECT_TRUE(errors.contains("the recording holds no readings")) << errors.toStdString();
    EXPECT_EQ(RunCli({"report", file, "--out", pdf, "--title", "1", "--title", "2", "--title", "3", "--title",
                      "4"}),
              2);
}

}  // namespace
}  // namespace voltaro
