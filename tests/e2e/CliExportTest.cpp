#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QString Cli() {
    return qEnvironmentVariable("VOLTARO_BIN_DIR") + "/bin/voltaro-cli";
}

// A recording of 18 readings kept beside the golden test.
const QString kRecording = QStringLiteral(VOLTARO_SOURCE_DIR "/tests/golden/data/run.dmm");

TEST(CliExport, AllPartsFollowsTheNumberedFilesAndNamesTheMissingOne) {
    QTemporaryDir dir;
    for (const char* part : {"run.dmm", "run002.dmm", "run003.dmm"})
        ASSERT_TRUE(QFile::copy(kRecording, dir.filePath(part)));
    QProcess p;
    p.start(Cli(), {"export", dir.filePath("run.dmm"), "--all-parts", "--format", "json", "--out", "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);  // a part is missing: said, but the rest is written
    const QByteArray err = p.readAllStandardError();
    EXPECT_TRUE(err.contains("run001.dmm is missing")) << err.toStdString();
    EXPECT_FALSE(err.contains("run004"));
    const QList<QByteArray> lines = p.readAllStandardOutput().trimmed().split('\n');
    EXPECT_EQ(lines.size(), 3 * 18);
}

TEST(CliExport, CsvIsTheDefaultAndReportStaysTheProgramsExport) {
    QTemporaryDir dir;
    QProcess csv, report;
    csv.start(Cli(), {"export", kRecording, "--out", "-"});
    report.start(Cli(), {"export", kRecording, "--format", "report", "--out", dir.filePath("r.csv")});
    ASSERT_TRUE(csv.waitForFinished(30000) && report.waitForFinished(30000));
    EXPECT_EQ(csv.exitCode(), 0);
    EXPECT_TRUE(csv.readAllStandardOutput().startsWith("time,value,unit,quantity,coupling,range_mode,overload,frame\n"));
    EXPECT_EQ(report.exitCode(), 0);
    QFile golden(QStringLiteral(VOLTARO_SOURCE_DIR "/tests/golden/data/run.csv")), written(dir.filePath("r.csv"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly) && written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), golden.readAll());
}

}  // namespace
