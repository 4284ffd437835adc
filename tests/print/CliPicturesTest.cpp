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

// The pictures themselves are held to their golden files; here the PDF pages a command makes.
TEST(CliGraph, PdfOfARangeInLandscapeIsOnePage) {
    QTemporaryDir dir;
    const QString file = dir.filePath("run.dmm"), pdf = dir.filePath("graph.pdf");
    WriteRecording(file, 200);
    ASSERT_EQ(RunCli({"graph", file, "--out", pdf, "--range", "10", "20", "--landscape", "--weight", "2"}),
              0);
    EXPECT_EQ(PdfPageCount(pdf), 1);
    QProcess render;
    render.start("pdftoppm", {"-r", "50", "-png", "-singlefile", pdf, dir.filePath("page")});
    ASSERT_TRUE(render.waitForFinished(60000));
    QImage page(dir.filePath("page.png"));
    EXPECT_GT(page.width(), page.height());
    EXPECT_GT(Count(page, QColor(255, 0, 0), page.rect()), 20);
}

TEST(CliReport, OnePdfWithAPagePerReportPage) {
    QTemporaryDir dir;
    const QString file = dir.filePath("run.dmm"), pdf = dir.filePath("report.pdf");
    WriteRecording(file, 130);
    ASSERT_EQ(RunCli({"report", file, "--out", pdf, "--title", "Bench no.3"}), 0);
    EXPECT_EQ(PdfPageCount(pdf), 3);
    ASSERT_EQ(RunCli({"report", file, "--out", pdf, "--pages", "2", "3"}), 0);
    EXPECT_EQ(PdfPageCount(pdf), 2);
}

// A usage fault exits with 2, a command that cannot be done with 1, each saying why.
TEST(CliCommands, RefusalsExitWithTheirCodeAndSayWhy) {
    QTemporaryDir dir;
    const QString file = dir.filePath("run.dmm"), empty = dir.filePath("empty.dmm"),
                  pdf = dir.filePath("out.pdf");
    WriteRecording(file, 130);
    WriteRecording(empty, 0);
    const struct {
        QStringList args;
        int code;
        const char* says;
    } cases[] = {
        {{"panel", "13999;008"}, 2, "--out"},
        {{"graph", file, "--out", pdf, "--range", "20", "10"}, 1, "No readings to print in this range !"},
        {{"graph", file, "--out", pdf, "--weight", "11"}, 2, ""},
        {{"graph", dir.filePath("missing.dmm"), "--out", pdf}, 1, ""},
        {{"report", file, "--out", pdf, "--pages", "5", "6"},
         1,
         "no report page lies in the pages asked for"},
        {{"report", empty, "--out", pdf}, 1, "the recording holds no readings"},
        {{"report", file, "--out", pdf, "--title", "1", "--title", "2", "--title", "3", "--title", "4"},
         2,
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QString errors;
        EXPECT_EQ(RunCli(c.args, &errors), c.code);
        EXPECT_TRUE(errors.contains(c.says)) << errors.toStdString();
    }
}

}  // namespace
}  // namespace voltaro
