#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "LinkDoubles.h"
#include "link/FrameReader.h"
#include "support/CountingBeeper.h"
#include "support/ScriptedSerialPort.h"
#include "support/SettableClock.h"

using namespace voltaro;
using voltaro::testing::RecordingCommTest;
using voltaro::testing::RecordingLinkView;

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
    ReaderFixture()
        : reader(reading, decoder, window, beeper, clock, {dir.path().toStdString(), "voltaro"}, false) {}

    // One poll with `bytes` newly arrived on the line.
    void Poll(const std::string& bytes) {
        port.Feed(bytes);
        reader.ReadComm(port);
    }
    std::string ErrTrace() const { return Slurp(dir.filePath("voltaro.err").toStdString()); }

    QTemporaryDir dir;
    Reading reading;
    RecordingLinkView window;
    Decoder decoder{reading, window};
    CountingBeeper beeper;
    SettableClock clock{QDateTime(QDate(2024, 3, 1), QTime(14, 5, 9))};
    FrameReader reader;
    ScriptedSerialPort port;

    void SetUp() override { port.SetPortOpen(true); }
};

}  // namespace

TEST_F(ReaderFixture, SteadyStreamIsAcceptedEveryPollAndLeavesTheSecondCopy) {
    Poll(kFrame + kFrame);
    EXPECT_TRUE(reader.FrameOK);
    EXPECT_EQ(reading.digits, "0123");
    EXPECT_EQ(reading.frameText, "10123;008");
    EXPECT_EQ(reading.acceptedFrameText, "10123;008");
    EXPECT_EQ(reader.RxBuf, kFrame);
    EXPECT_TRUE(window.labRs232);
    EXPECT_EQ(window.timerRs232Restarts, 1);
    EXPECT_EQ(beeper.count, 0);  // beeps only in DebugMode

    reader.FrameOK = false;  // the acquisition loop consumed it
    Poll("10124");           // fewer than 22 characters: nothing decided
    EXPECT_FALSE(reader.FrameOK);
    EXPECT_EQ(reader.PollCount, 1);
    reader.FrameOK = true;
    Poll("");  // nothing waiting leaves everything as it was
    EXPECT_TRUE(reader.FrameOK);
    Poll(";008\r\n10124;008\r\n");
    EXPECT_FALSE(reader.FrameOK);  // 10123 then 10124: the reading changed in between
    EXPECT_EQ(reading.frameText, "10123;008");
    EXPECT_EQ(reader.RxBuf, "10124;008\r\n");
    Poll("10124;008\r\n");
    EXPECT_TRUE(reader.FrameOK);
    EXPECT_EQ(reading.digits, "0124");
    EXPECT_EQ(reader.PollCount, 3);
    EXPECT_TRUE(ErrTrace().empty());
    // Data arrived at every poll that had some: LabType blinked four times.
    EXPECT_TRUE(window.labTypeVisible);
    EXPECT_EQ(window.panel3.back(), "10124;008\r\n10124;008\r\n");
}

TEST_F(ReaderFixture, RejectedCandidateKeepsTheAcceptedFrame) {
    Poll(kFrame + kFrame);
    Poll("20123;008\r\n");  // 10123 then 20123
    EXPECT_FALSE(reader.FrameOK);
    EXPECT_EQ(reading.frameText, "10123;008");
    Poll("99999;408\r\n");  // 20123 then 99999: rejected, frameText moves on
    EXPECT_EQ(reading.frameText, "20123;008");
    EXPECT_EQ(reading.acceptedFrameText, "10123;008");
    EXPECT_EQ(reading.digits, "0123");
}

TEST_F(ReaderFixture, SignFlickerTolerance) {
    struct Case {
        const char* line;
        bool accepted;
    };
    const Case cases[] = {
        {"10000;008\r\n10000;408\r\n", true},   // zero reading, plus then minus: first form
        {"10123;408\r\n10456;008\r\n", true},   // minus then plus, other digits behind: second form
        {"10123;008\r\n10123;408\r\n", false},  // plus then minus at a non-zero reading
        {"10000;008\r\n10000;418\r\n", false},  // zero, but option 1 differs
        {"10000;008\r\n10999;408\r\n", true},   // the first form looks at the first frame's digits only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        reader.RxBuf.clear();
        Poll(c.line);
        EXPECT_EQ(reader.FrameOK, c.accepted);
        if (c.accepted) {
            EXPECT_EQ(reading.digits, std::string(c.line).substr(1, 4));
        }
    }
}

TEST_F(ReaderFixture, CutFrameIsDroppedThroughItsCrLfAndTraced) {
    Poll("123;008\r\n" + kFrame + kFrame);
    EXPECT_FALSE(reader.FrameOK);
    EXPECT_EQ(reader.RxBuf, kFrame + kFrame);
    EXPECT_EQ(ErrTrace(), "14:05:09 ADJ => " + kFrame + kFrame + "\r\n");
    EXPECT_EQ(reader.TraceFile, dir.filePath("voltaro.err").toStdString());
    Poll("");  // nothing new arrived: the poll returns early
    EXPECT_FALSE(reader.FrameOK);
    Poll("1");
    EXPECT_TRUE(reader.FrameOK);
    EXPECT_EQ(reader.TraceFile, dir.filePath("voltaro.rec").toStdString());
}

TEST_F(ReaderFixture, ResynchronisesOnTheFirstCrLfWhereverItIs) {
    // The first CR LF beyond position 10: the frame it ends is dropped with the noise before it.
    Poll("ab" + kFrame + kFrame);
    EXPECT_FALSE(reader.FrameOK);
    EXPECT_EQ(reader.RxBuf, kFrame);
    // A CR at position 10 without its LF is no frame boundary.
    reader.RxBuf.clear();
    Poll("10123;008\r" + kFrame + kFrame);
    EXPECT_FALSE(reader.FrameOK);
    EXPECT_EQ(reader.RxBuf, kFrame);
    EXPECT_EQ(ErrTrace(), "14:05:09 ADJ => " + kFrame + "\r\n14:05:09 ADJ => " + kFrame + "\r\n");
}

TEST_F(ReaderFixture, NoiseWithoutCrLfLosesOneCharacterPerPoll) {
    std::string noise(30, 'x');
    for (int i = 0; i < 30; ++i) noise[i] = static_cast<char>('A' + i % 26);
    Poll(noise);
    EXPECT_EQ(reader.RxBuf, noise.substr(1));
    reader.ReadComm(port);  // nothing waiting: the buffer is left alone
    EXPECT_EQ(reader.RxBuf.size(), 29u);
    for (int i = 0; i < 7; ++i) Poll("\x01");
    EXPECT_EQ(reader.RxBuf.size(), 29u);
    EXPECT_EQ(reader.RxBuf.substr(0, 22), noise.substr(8, 22));
}

TEST_F(ReaderFixture, TrimKeepsTheLastFrameAndAnyPartialFrame) {
    const std::string stream = kFrame + kFrame + kFrame + kFrame;
    // Buffered length, characters kept.
    for (auto [len, kept] : {std::pair<size_t, size_t>{22, 11}, {25, 14}, {32, 21}, {33, 11}, {43, 21}}) {
        reader.RxBuf.clear();
        Poll(stream.substr(0, len));
        ASSERT_TRUE(reader.FrameOK) << len;
        EXPECT_EQ(reader.RxBuf, stream.substr(len - kept, kept)) << len;
    }
}

TEST_F(ReaderFixture, EndlessNoiseKeepsOnlyTheNewestBytes) {
    std::string noise;
    for (int i = 0; i < 200000; ++i) noise.push_back(static_cast<char>('a' + (i * 7) % 26));
    Poll(noise);
    EXPECT_LE(reader.RxBuf.size(), FrameReader::kRxBufLimit);
    EXPECT_EQ(reader.RxBuf, noise.substr(noise.size() - reader.RxBuf.size()));
    for (int i = 0; i < 50; ++i) Poll(noise.substr(0, 5000));
    EXPECT_LE(reader.RxBuf.size(), FrameReader::kRxBufLimit);
    // The line recovers: a steady meter is accepted once the noise is worked off.
    for (int i = 0; i < 500 && !reader.FrameOK; ++i) Poll(kFrame + kFrame);
    EXPECT_TRUE(reader.FrameOK);
    EXPECT_EQ(reading.digits, "0123");
}

TEST_F(ReaderFixture, TraceFileMovesAsideAtOneMebibyte) {
    reader.TraceFile = dir.filePath("DMM.LOG").toStdString();
    const std::string text(1000, 'z');
    int lines = 0;
    while (!QFile::exists(dir.filePath("DMM.LOG.old"))) {
        reader.WriteTrace(text + std::to_string(lines++));
        ASSERT_LT(lines, 2000);
    }
    const std::string old = Slurp(dir.filePath("DMM.LOG.old").toStdString());
    const std::string current = Slurp(reader.TraceFile);
    EXPECT_LE(old.size(), static_cast<size_t>(FrameReader::kTraceLimit));
    EXPECT_GT(old.size(), static_cast<size_t>(FrameReader::kTraceLimit) - 1100);
    // Nothing lost at the cut: the new file starts with the line after the old file's last.
    EXPECT_EQ(current, "14:05:09 " + text + std::to_string(lines - 1) + "\r\n");
    EXPECT_NE(old.find(text + std::to_string(lines - 2) + "\r\n"), std::string::npos);

    // A second turn replaces the older ".old".
    while (Slurp(reader.TraceFile).size() < 1000) reader.WriteTrace(text);
    for (int i = 0; i < 1100; ++i) reader.WriteTrace(text + "second");
    EXPECT_NE(Slurp(dir.filePath("DMM.LOG.old").toStdString()).find("second"), std::string::npos);
    EXPECT_LE(Slurp(reader.TraceFile).size(), static_cast<size_t>(FrameReader::kTraceLimit));
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
    const std::string trace = ErrTrace();
    ASSERT_LT(trace.size(), 100u);
    EXPECT_EQ(trace, "14:05:09 ADJ => 1\r\n14:05:09 ADJ => 2\r\n");
}

TEST_F(ReaderFixture, NoTracingWithoutAFolder) {
    FrameReader quiet(reading, decoder, window, beeper, clock, {}, false);
    port.Feed("garbage\r\n" + kFrame + kFrame);
    quiet.ReadComm(port);
    EXPECT_EQ(quiet.TraceFile, "");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ReaderFixture, AcceptanceClearsNoDataFlag) {
    reading.NoDataFlag = true;
    Poll(kFrame + "20123;008\r\n");
    EXPECT_TRUE(reading.NoDataFlag);
    Poll(kFrame.substr(0, 11) + "20123;008\r\n");
    Poll("20123;008\r\n");
    EXPECT_TRUE(reader.FrameOK);
    EXPECT_FALSE(reading.NoDataFlag);
}

TEST_F(ReaderFixture, CommTestWindowIsFedWhileActive) {
    RecordingCommTest test;
    reader.AttachCommTest(&test);
    Poll(kFrame + kFrame);
    EXPECT_EQ(test.labCount, "");  // not active yet
    reader.CommTestActive = true;
    test.ownPortOpen = true;
    for (int i = 0; i < 25; ++i) Poll(kFrame);
    EXPECT_EQ(test.labCount, "26");
    EXPECT_EQ(test.digits, "0123");
    EXPECT_EQ(test.labText, "10123;008 [0]");
    EXPECT_EQ(test.text1.size(), 176u);
    EXPECT_EQ(test.text1.substr(176 - 9), "10123;008");
    EXPECT_EQ(test.dc.text, "DC");  // decoded for the window with its own port open
}

TEST_F(ReaderFixture, TestModeRampsTheSimulatedMeter) {
    FrameReader debug(reading, decoder, window, beeper, clock, {}, /*debugMode=*/true);
    port.Feed(kFrame + kFrame);
    debug.ReadComm(port);
    EXPECT_EQ(beeper.count, 1);
    window.test = true;
    std::vector<std::string> digits;
    for (int i = 0; i < 102; ++i) {
        debug.ReadComm(port);
        ASSERT_TRUE(debug.FrameOK);
        digits.push_back(reading.digits);
    }
    EXPECT_EQ(
        (std::vector<std::string>{digits[0], digits[1], digits[49], digits[50], digits[99], digits[100]}),
        (std::vector<std::string>{"0010", "0020", "0500", "0490", "0000", "0010"}));
    EXPECT_EQ(reading.frameText, "00020;008");
    EXPECT_EQ(window.panel3[window.panel3.size() - 2], "22");
    EXPECT_EQ(beeper.count, 103);
    EXPECT_EQ(port.waiting, "");
}

TEST_F(ReaderFixture, TestCheckBoxNeedsDebugMode) {
    window.test = true;
    reader.ReadComm(port);
    EXPECT_EQ(reader.RxBuf, "");
    Poll(kFrame + kFrame);  // the line is read, not the simulated meter
    EXPECT_EQ(reading.digits, "0123");
}

TEST_F(ReaderFixture, OpenAndCloseComm) {
    ScriptedSerialPort p;
    p.openable = {3};
    reader.RxBuf = "left over";
    reader.OpenComm(p, SerialLine{"5", "2400,O,7,1"});
    EXPECT_FALSE(p.PortOpen());  // failed silently
    EXPECT_EQ(window.labType, "WAIT");
    EXPECT_EQ(window.labVolts, "");
    EXPECT_EQ(reader.RxBuf, "");
    reader.OpenComm(p, SerialLine{"3", "9600,E,8,2"});
    EXPECT_TRUE(p.PortOpen());
    EXPECT_EQ(p.openedPort, 3);
    EXPECT_EQ(p.openedSettings, "9600,E,8,2");
    EXPECT_EQ(p.InputLen(), 1);
    reader.CloseComm(p);
    EXPECT_FALSE(p.PortOpen());
    EXPECT_EQ(window.timerOutDisabled, 1);
    reader.CloseComm(p);  // closing a closed port is harmless
    EXPECT_EQ(p.closes, 1);
    EXPECT_EQ(window.timerOutDisabled, 2);
}
