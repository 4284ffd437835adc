#include <gtest/gtest.h>

#include <QProcess>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "link/PtyPair.h"

using voltaro::testing::PtyPair;

namespace {

QString Cli() {
    return qEnvironmentVariable("VOLTARO_BIN_DIR") + "/bin/voltaro-cli";
}

struct CliRun {
    int status = -1;
    QByteArray out, err;
};

CliRun RunCli(const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.start(Cli(), args);
    p.write(input);
    p.closeWriteChannel();
    CliRun r;
    if (!p.waitForFinished(30000)) return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

// Starts `read` on the pty and plays a meter on it until the reader ends; with
// `hangupAfterPairs` the meter goes away after that many frame pairs.
CliRun ReadFromPty(PtyPair& pty, const QStringList& extra, const std::string& frame,
                   int hangupAfterPairs = -1) {
    QProcess p;
    p.start(Cli(),
            QStringList{"read", "--port", QString::fromStdString(pty.device()), "--poll", "40"} + extra);
    CliRun r;
    if (!p.waitForStarted()) return r;
    for (int pairs = 0; p.state() != QProcess::NotRunning && pairs < 1000; ++pairs) {
        if (pairs == hangupAfterPairs) pty.Hangup();
        if (pairs < hangupAfterPairs || hangupAfterPairs < 0) pty.Send(frame + frame);
        p.waitForFinished(20);
    }
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

}  // namespace

TEST(CliDecode, PlainLinesForPeople) {
    const CliRun r = RunCli({"decode", "10123;008", "02047;402", "325003000", "412346008", "020001008",
                             "012345008", "11234=004", "21234@008"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.toStdString(),
              "10123;008  0.123 V  DC  RANGE\n"
              "02047;402  -204.7 mV  AUTO\n"
              "325003000  250.0 K\xCE\xA9  RANGE\n"
              "412346008  12.34 \xC2\xB5"
              "F  RANGE\n"
              "020001008  OL V  RANGE  Vdiode\n"
              "012345008  123.4 \xCE\xA9  RANGE  Beep\n"
              "11234=004  1234 \xC2\xB5"
              "A  AC  RANGE\n"
              "21234@008  1234 Wait  RANGE\n");
}

TEST(CliDecode, JsonKeepsTheReadingsTextsInUtf8AndReadsStandardInput) {
    const CliRun r = RunCli({"decode", "--json"}, "01234=004\r\n10123;\n\"\\\x01\xB5\n");
    EXPECT_EQ(r.status, 0);
    const QList<QByteArray> lines = r.out.split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].toStdString(),
              "{\"frameText\":\"01234=004\",\"digits\":\"1234\",\"scale\":1e-07,\"value\":0.0001234,"
              "\"unitText\":\"\xC2\xB5"
              "A\",\"baseUnit\":\"A\",\"prefix\":\"\xC2\xB5\",\"acDc\":\"AC\","
              "\"signText\":\" \",\"rangeMode\":\"RANGE\",\"specialMode\":\"\",\"funcMode\":-1}");
    // A short frame: missing positions read as 255, so no coupling and manual range.
    EXPECT_TRUE(lines[1].contains("\"value\":0.123,\"unitText\":\"V\""));
    EXPECT_TRUE(lines[1].contains("\"acDc\":\"\""));
    // Foreign bytes stay valid JSON text.
    EXPECT_TRUE(lines[2].startsWith("{\"frameText\":\"\\\"\\\\\\u0001\xC2\xB5\""));
    EXPECT_EQ(lines[3], "");
}

TEST(CliTool, HelpAndWrongUse) {
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("decode"));
    EXPECT_TRUE(RunCli({"read", "--help"}).out.contains("--settings"));
    EXPECT_TRUE(RunCli({"decode", "--help"}).out.contains("--json"));
    EXPECT_EQ(RunCli({}).status, 2);
    EXPECT_EQ(RunCli({"bogus"}).status, 2);
    EXPECT_EQ(RunCli({"read"}).status, 2);
    EXPECT_EQ(RunCli({"read", "--port", "COM1", "--settings", "2400,X,7,1"}).status, 2);
    EXPECT_EQ(RunCli({"read", "--port", "COM1", "--count", "-3"}).status, 2);
}

TEST(CliRead, PortThatCannotOpenIsSaidAndFails) {
    const CliRun r = RunCli({"read", "--port", "/nonexistent/ttyVoltaro"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("cannot open /nonexistent/ttyVoltaro: no such device")) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
}

TEST(CliRead, PrintsEveryAcceptedReadingAndStopsAfterCount) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const CliRun r = ReadFromPty(pty, {"--count", "3"}, "02047;402\r\n");
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const QList<QByteArray> lines = r.out.split('\n');
    ASSERT_EQ(lines.size(), 4) << r.out.toStdString();
    const QRegularExpression shape("^\\d\\d:\\d\\d:\\d\\d  -204\\.7 mV  AUTO$");
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(shape.match(QString::fromUtf8(lines[i])).hasMatch()) << lines[i].toStdString();
}

TEST(CliRead, MeterThatGoesAwayEndsTheReaderWithAMessage) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const CliRun r = ReadFromPty(pty, {}, "10123;008\r\n", 10);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("closed")) << r.err.toStdString();
}

TEST(CliRead, JsonLinesArriveOneByOneWhileTheReaderRuns) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    QProcess p;
    p.start(Cli(), {"read", "--port", QString::fromStdString(pty.device()), "--poll", "40", "--format", "json"});
    ASSERT_TRUE(p.waitForStarted());
    std::vector<QJsonObject> objects;
    for (int pairs = 0; objects.size() < 2 && pairs < 500; ++pairs) {
        pty.Send("02047;402\r\n02047;402\r\n");
        p.waitForReadyRead(20);
        while (p.canReadLine()) {
            QJsonParseError error;
            const QJsonDocument line = QJsonDocument::fromJson(p.readLine(), &error);
            ASSERT_EQ(error.error, QJsonParseError::NoError);
            objects.push_back(line.object());
        }
    }
    EXPECT_EQ(p.state(), QProcess::Running);  // each line came before the reader ended
    p.kill();
    p.waitForFinished();
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_DOUBLE_EQ(objects[0]["value"].toDouble(), -0.2047);
    EXPECT_EQ(objects[0]["unit"].toString(), "V");
    EXPECT_EQ(objects[0]["range_mode"].toString(), "AUTO");
    EXPECT_EQ(objects[0]["frame"].toString(), "02047;402");
}
