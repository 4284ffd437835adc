#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

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
