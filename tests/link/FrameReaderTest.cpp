#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "link/FrameReader.h"
#include "support/CountingBeeper.h"
#include "support/ScriptedSerialPort.h"
#include "support/SettableClock.h"

using namespace voltaro;

namespace {

const std::string kFrame = "10123;008\r\n";

std::string Slurp(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

class ReaderFixture : public ::testing::Test {
protected:
    std::string Trace(const char* name) const { return Slurp(dir.filePath(name).toStdString()); }

    QTemporaryDir dir;
    CountingBeeper beeper;
    SettableClock clock{QDateTime(QDate(2024, 3, 1), QTime(14, 5, 9))};
    FrameReader reader{beeper, clock, {dir.path().toStdString(), "voltaro"}, false};
};

}  // namespace

// One feed into an empty buffer: the frame taken (or none), whether it was accepted, whether
// the buffer was resynchronised, and what the buffer keeps.
TEST_F(ReaderFixture, OneFeed) {
    struct Case {
        std::string bytes;
        const char* candidate;  // "" when none was taken
        bool accepted;
        bool resynchronised;
        std::string kept;
    };
    const std::string four = kFrame + kFrame + kFrame + kFrame;
    const Case cases[] = {
        {kFrame + kFrame, "10123;008", true, false, kFrame},
        {"10124", "", false, false, "10124"},  // under a frame pair: nothing decided
        {"10123;008\r\n10124;008\r\n", "10123;008", false, false, "10124;008\r\n"},
        // The sign may flicker: at a zero reading either way, from minus to plus at any reading.
        {"10000;008\r\n10000;408\r\n", "10000;008", true, false, "10000;408\r\n"},
        {"10123;408\r\n10456;008\r\n", "10123;408", true, false, "10456;008\r\n"},
        {"10123;008\r\n10123;408\r\n", "10123;008", false, false, "10123;408\r\n"},
        {"10000;008\r\n10000;418\r\n", "10000;008", false, false, "10000;418\r\n"},  // option 1 differs
        {"10000;008\r\n10999;408\r\n", "10000;008", true, false, "10999;408\r\n"},   // first frame's digits
        // A cut frame, noise, or a CR without its LF: dropped through the first CR LF.
        {"123;008\r\n" + kFrame + kFrame, "", false, true, kFrame + kFrame},
        {"ab" + kFrame + kFrame, "", false, true, kFrame},
        {"10123;008\r" + kFrame + kFrame, "", false, true, kFrame},
        // The last frame's worth and any partial frame stay: 11 to 21 characters.
        {four.substr(0, 25), "10123;008", true, false, four.substr(11, 14)},
        {four.substr(0, 32), "10123;008", true, false, four.substr(11, 21)},
        {four.substr(0, 33), "10123;008", true, false, four.substr(22, 11)},
        {four.substr(0, 43), "10123;008", true, false, four.substr(22, 21)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        reader.RxBuf.clear();
        const FeedResult fed = reader.Feed(c.bytes);
        EXPECT_EQ(fed.candidate.value_or(""), c.candidate);
        EXPECT_EQ(fed.accepted.has_value(), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(fed.accepted, fed.candidate);
        }
        EXPECT_EQ(fed.resynchronised, c.resynchronised);
        EXPECT_EQ(fed.decided, c.bytes.size() >= 22);
        EXPECT_TRUE(fed.dataArrived);
        EXPECT_EQ(reader.RxBuf, c.kept);
    }
    EXPECT_EQ(beeper.count, 0);  // beeps only in debug mode
}

// A steady meter across feeds: the status shows the count, then the frame pair decided on.
TEST_F(ReaderFixture, StreamAcrossFeeds) {
    EXPECT_EQ(reader.Feed(kFrame + kFrame).accepted, "10123;008");
    FeedResult fed = reader.Feed("10124");
    EXPECT_FALSE(fed.decided);
    EXPECT_EQ(fed.status, "5");
    fed = reader.Feed("");  // nothing arrived: nothing happened
    EXPECT_TRUE(fed.status.empty());
    EXPECT_FALSE(fed.dataArrived);
    fed = reader.Feed(";008\r\n10124;008\r\n");  // 10123 then 10124: the reading changed between
    EXPECT_TRUE(fed.rejected());
    EXPECT_EQ(fed.candidate, "10123;008");
    fed = reader.Feed("10124;008\r\n");
    EXPECT_EQ(fed.accepted, "10124;008");
    EXPECT_EQ(fed.pollCount, 3);
    EXPECT_EQ(fed.status, "10124;008\r\n10124;008\r\n");
    EXPECT_TRUE(Trace("voltaro.err").empty());
    EXPECT_EQ(reader.TraceFile, dir.filePath("voltaro.rec").toStdString());
}

// Each resynchronisation is traced with what the buffer kept; the next feed traces to ".rec".
TEST_F(ReaderFixture, ResynchronisationIsTraced) {
    reader.Feed("123;008\r\n" + kFrame + kFrame);
    EXPECT_EQ(reader.TraceFile, dir.filePath("voltaro.err").toStdString());
    EXPECT_TRUE(reader.Feed("1").accepted);
    EXPECT_EQ(reader.TraceFile, dir.filePath("voltaro.rec").toStdString());
    reader.RxBuf.clear();
    reader.Feed("ab" + kFrame + kFrame);
    EXPECT_EQ(Trace("voltaro.err"),
              "14:05:09 ADJ => " + kFrame + kFrame + "\r\n14:05:09 ADJ => " + kFrame + "\r\n");
}

TEST_F(ReaderFixture, NoiseWithoutCrLfLosesOneCharacterPerFeed) {
    std::string noise(30, 'x');
    for (int i = 0; i < 30; ++i) noise[i] = static_cast<char>('A' + i % 26);
    reader.Feed(noise);
    EXPECT_EQ(reader.RxBuf, noise.substr(1));
    for (int i = 0; i < 7; ++i) reader.Feed("\x01");
    EXPECT_EQ(reader.RxBuf.size(), 29u);
    EXPECT_EQ(reader.RxBuf.substr(0, 22), noise.substr(8, 22));
}

TEST_F(ReaderFixture, EndlessNoiseKeepsOnlyTheNewestBytes) {
    std::string noise;
    for (int i = 0; i < 200000; ++i) noise.push_back(static_cast<char>('a' + (i * 7) % 26));
    reader.Feed(noise);
    EXPECT_LE(reader.RxBuf.size(), FrameReader::kRxBufLimit);
    EXPECT_EQ(reader.RxBuf, noise.substr(noise.size() - reader.RxBuf.size()));
    for (int i = 0; i < 50; ++i) reader.Feed(noise.substr(0, 5000));
    EXPECT_LE(reader.RxBuf.size(), FrameReader::kRxBufLimit);
    // The line recovers: a steady meter is accepted once the noise is worked off.
    bool accepted = false;
    for (int i = 0; i < 500 && !accepted; ++i) accepted = reader.Feed(kFrame + kFrame).accepted.has_value();
    EXPECT_TRUE(accepted);
}

TEST_F(ReaderFixture, TraceFileMovesAsideAtOneMebibyte) {
    reader.TraceFile = dir.filePath("DMM.LOG").toStdString();
    const std::string text(1000, 'z');
    int lines = 0;
    while (!QFile::exists(dir.filePath("DMM.LOG.old"))) {
        reader.WriteTrace(text + std::to_string(lines++));
        ASSERT_LT(lines, 2000);
    }
    const std::string old = Trace("DMM.LOG.old");
    EXPECT_LE(old.size(), static_cast<size_t>(FrameReader::kTraceLimit));
    EXPECT_GT(old.size(), static_cast<size_t>(FrameReader::kTraceLimit) - 1100);
    // Nothing lost at the cut: the new file starts with the line after the old file's last.
    EXPECT_EQ(Trace("DMM.LOG"), "14:05:09 " + text + std::to_string(lines - 1) + "\r\n");
    EXPECT_NE(old.find(text + std::to_string(lines - 2) + "\r\n"), std::string::npos);

    // A second turn replaces the older ".old".
    while (Trace("DMM.LOG").size() < 1000) reader.WriteTrace(text);
    for (int i = 0; i < 1100; ++i) reader.WriteTrace(text + "second");
    EXPECT_NE(Trace("DMM.LOG.old").find("second"), std::string::npos);
    EXPECT_LE(Trace("DMM.LOG").size(), static_cast<size_t>(FrameReader::kTraceLimit));
}

TEST_F(ReaderFixture, TraceThatCannotMoveAsideStartsAnew) {
    reader.TraceFile = dir.filePath("voltaro.err").toStdString();
    ASSERT_TRUE(QDir(dir.path()).mkpath("voltaro.err.old/in-the-way"));
    QFile full(dir.filePath("voltaro.err"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    full.write(QByteArray(FrameReader::kTraceLimit - 10, 'x'));
    full.close();
    reader.WriteTrace("ADJ => 1");
    reader.WriteTrace("ADJ => 2");
    EXPECT_EQ(Trace("voltaro.err"), "14:05:09 ADJ => 1\r\n14:05:09 ADJ => 2\r\n");
}

TEST_F(ReaderFixture, NoTracingWithoutAFolder) {
    FrameReader quiet(beeper, clock, {}, false);
    quiet.Feed("garbage\r\n" + kFrame + kFrame);
    EXPECT_EQ(quiet.TraceFile, "");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// Debug mode beeps at every accepted frame; with "Test" ticked it feeds a meter ramping 0 to
// 500 and back instead of the line. Without debug mode the line is read.
TEST_F(ReaderFixture, SimulatedMeterOnlyInDebugMode) {
    ScriptedSerialPort port;
    port.SetPortOpen(true);
    port.Feed(kFrame + kFrame);
    EXPECT_EQ(reader.Poll(port, /*simulate=*/true).accepted, "10123;008");

    FrameReader debug(beeper, clock, {}, /*debugMode=*/true);
    port.Feed(kFrame + kFrame);
    EXPECT_EQ(debug.Poll(port).accepted, "10123;008");
    EXPECT_EQ(beeper.count, 1);
    std::vector<std::string> frames;
    for (int i = 0; i < 102; ++i) {
        const FeedResult fed = debug.Poll(port, true);
        ASSERT_TRUE(fed.accepted);
        EXPECT_EQ(fed.status, *fed.accepted + "\r\n" + *fed.accepted + "\r\n");
        EXPECT_FALSE(fed.dataArrived);
        frames.push_back(*fed.accepted);
    }
    EXPECT_EQ((std::vector<std::string>{frames[0], frames[49], frames[50], frames[99], frames[100]}),
              (std::vector<std::string>{"00010;008", "00500;008", "00490;008", "00000;008", "00010;008"}));
    EXPECT_EQ(beeper.count, 103);
    EXPECT_EQ(port.waiting, "");
}

TEST_F(ReaderFixture, OpenAndCloseComm) {
    ScriptedSerialPort p;
    p.openable = {3};
    reader.RxBuf = "left over";
    reader.OpenComm(p, SerialLine{"5", "2400,O,7,1"});
    EXPECT_FALSE(p.PortOpen());  // failed silently
    EXPECT_EQ(reader.RxBuf, "");
    reader.OpenComm(p, SerialLine{"3", "9600,E,8,2"});
    EXPECT_TRUE(p.PortOpen());
    EXPECT_EQ(p.openedPort, 3);
    EXPECT_EQ(p.openedSettings, "9600,E,8,2");
    EXPECT_EQ(p.InputLen(), 1);
    reader.CloseComm(p);
    EXPECT_FALSE(p.PortOpen());
    reader.CloseComm(p);  // closing a closed port is harmless
    EXPECT_EQ(p.closes, 1);
}
