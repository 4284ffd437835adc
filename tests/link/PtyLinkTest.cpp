#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <QTemporaryDir>
#include <random>
#include <set>

#include "PtyPair.h"
#include "link/Decoder.h"
#include "link/FrameReader.h"
#include "link/PortDevice.h"
#include "link/QtSerialPort.h"
#include "support/CountingBeeper.h"

using namespace voltaro;
using voltaro::testing::PtyPair;
using voltaro::testing::WaitFor;

namespace {

std::string Frame(int digits, char range = '1', char function = ';', char status = '0', char option2 = '8') {
    char text[16];
    std::snprintf(text, sizeof text, "%c%04d%c%c0%c\r\n", range, digits, function, status, option2);
    return text;
}

// The link of the main window over a real pty: port 3 points at the pty's device.
class PtyFixture : public ::testing::Test {
protected:
    PtyFixture() : port(TableForPty()) {}

    PortTable TableForPty() {
        PortTable table;
        table.Set(3, pty.device());
        return table;
    }
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        reader.OpenComm(port, SerialLine{"3", "2400,O,7,1"});
        ASSERT_TRUE(port.PortOpen());
    }
    // Sends bytes and waits until the port has them all, then polls once.
    void SendAndPoll(const std::string& bytes) {
        const int before = port.InBufferCount();
        ASSERT_TRUE(pty.Send(bytes));
        ASSERT_TRUE(WaitFor([&] { return port.InBufferCount() >= before + static_cast<int>(bytes.size()); }));
        fed = reader.Poll(port);
    }
    // What the acquisition loop does with an accepted frame.
    bool Acquire() {
        if (!fed.accepted) return false;
        reading.acceptedFrameText = *fed.accepted;
        reading = DecodeFrame(reading, *fed.accepted, fed.accepted->substr(1, 4), "");
        ComputeValue(reading);
        return true;
    }

    PtyPair pty;
    QTemporaryDir dir;
    Reading reading;
    FeedResult fed;
    CountingBeeper beeper;
    SystemClock clock;
    FrameReader reader{beeper, clock, {dir.path().toStdString(), "voltaro"}, false};
    QtSerialPort port;
};

}  // namespace

TEST_F(PtyFixture, DecodedValuesEqualWhatWasSent) {
    const std::vector<std::pair<std::string, float>> sent = {
        {Frame(123), 0.123f},
        {Frame(2047, '0', ';', '4', '2'), -0.2047f},
        {Frame(2500, '3', '3'), 250000.f},
        {Frame(1234, '4', '6'), 1.234e-5f},
        {Frame(1999, '0', '1'), 1.999f},
    };
    for (const auto& [frame, value] : sent) {
        SendAndPoll(frame + frame);
        ASSERT_TRUE(Acquire()) << frame;
        EXPECT_FLOAT_EQ(reading.value, value) << frame;
        EXPECT_EQ(reading.acceptedFrameText, frame.substr(0, 9));
        // The second copy stays for the next poll; drop it so each reading starts clean.
        EXPECT_EQ(reader.RxBuf, frame);
        reader.RxBuf.clear();
    }
}

// A meter whose reading changes every second (22 frames) with noise and cut frames between:
// every accepted reading was really sent, and at every poll the accepted frame text of the
// current reading decodes to that reading's value (the frame a recorded row would store).
TEST_F(PtyFixture, NoisyChangingStreamAcceptsOnlyWhatWasSent) {
    std::mt19937 random(20240301);
    std::set<float> sentValues;
    int accepted = 0, polls = 0, mismatches = 0;
    int digits = 1000;
    std::string line;
    for (int second = 0; second < 40; ++second) {
        digits = (digits * 37 + 11) % 4000;
        const std::string frame = Frame(digits, '1', ';', second % 3 == 0 ? '4' : '0');
        sentValues.insert(DecodeFrameText(frame.substr(0, 9)).value);
        for (int i = 0; i < 22; ++i) {
            if (random() % 6 == 0) {  // a burst of noise, sometimes with a stray CR LF
                for (int n = random() % 9; n > 0; --n) line.push_back(static_cast<char>(random() % 256));
                if (random() % 2) line += "\r\n";
            }
            if (random() % 8 == 0) {
                line += frame.substr(random() % 10);  // the tail of a cut frame
            } else {
                line += frame;
            }
            if (i % 5 == 4) {  // a poll every five frames, about twice a second
                SendAndPoll(line);
                line.clear();
                ++polls;
                if (Acquire()) {
                    ++accepted;
                    EXPECT_TRUE(sentValues.count(reading.value)) << reading.value;
                }
                if (!reading.acceptedFrameText.empty() &&
                    DecodeFrameText(reading.acceptedFrameText).value != reading.value) {
                    ++mismatches;
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(accepted, polls / 5);  // noise costs frames, not the link
    EXPECT_TRUE(QFile::exists(dir.filePath("voltaro.err")));
}

TEST_F(PtyFixture, DeviceThatVanishesReadsAsClosed) {
    SendAndPoll(Frame(123) + Frame(123));
    EXPECT_TRUE(fed.accepted);
    pty.Hangup();
    EXPECT_TRUE(WaitFor([&] { return !port.PortOpen(); }));
    EXPECT_EQ(port.InBufferCount(), 0);
    EXPECT_EQ(port.Input(), "");
    EXPECT_FALSE(reader.Poll(port).candidate);
    // Opening again finds no device and stays closed without a word.
    reader.OpenComm(port, SerialLine{"3", "2400,O,7,1"});
    EXPECT_FALSE(port.PortOpen());
}

// A port that does not open stays closed and says why, in the system's terms.
TEST(QtSerialPortLayer, PortsThatCannotOpenStayClosedAndSayWhy) {
    QTemporaryDir dir;
    const std::string plainFile = dir.filePath("file").toStdString();
    QFile(QString::fromStdString(plainFile)).open(QIODevice::WriteOnly);
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    PortTable table;
    table.Set(1, "/nonexistent/ttyVoltaro");
    table.Set(2, "/dev/null");  // a character device, but not a terminal
    table.Set(3, plainFile);
    table.Set(4, "tty");  // the controlling terminal, under the name the serial layer resolves
    table.Set(5, pty.device());
    QtSerialPort holder(table);  // the pty is taken by another port first
    holder.SetCommPort(5);
    holder.SetPortOpen(true);
    ASSERT_TRUE(holder.PortOpen());
    const std::pair<int, const char*> cases[] = {
        {0, "no device for COM0"},
        {1, "no such device"},
        {2, "not a serial device"},
        {3, "not a serial device (not a character device)"},
        {4, "the terminal the program runs in"},
        {5, "busy"},
    };
    QtSerialPort port(table);
    for (const auto& [n, cause] : cases) {
        port.SetCommPort(n);
        port.SetPortOpen(true);
        EXPECT_FALSE(port.PortOpen()) << n;
        EXPECT_NE(port.OpenError().find(cause), std::string::npos) << n << ": " << port.OpenError();
        EXPECT_EQ(port.InBufferCount(), 0);
        EXPECT_EQ(port.Input(), "");
    }
}

// A device without read and write permission for the user, seen by a user other than root
// (root is let in anyway): the cause is permission, with how to get it from the device's group.
TEST(QtSerialPortLayer, APermissionRefusalSaysHowToGetAccess) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    ASSERT_EQ(chmod(pty.device().c_str(), 0), 0);
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        if (geteuid() == 0 && setuid(65534) != 0) _exit(3);
        PortTable table;
        table.Set(1, pty.device());
        QtSerialPort port(table);
        port.SetPortOpen(true);
        const std::string said = port.PortOpen() ? "opened" : port.OpenError();
        _exit(write(pipeFds[1], said.data(), said.size()) == static_cast<ssize_t>(said.size()) ? 0 : 4);
    }
    close(pipeFds[1]);
    std::string said;
    char buf[512];
    for (ssize_t n; (n = read(pipeFds[0], buf, sizeof buf)) > 0;) said.append(buf, static_cast<size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(said.rfind("permission denied", 0), 0u) << said;
    // The words for a device of a group the user can join, and of root's.
    EXPECT_EQ(OpenErrorCause(EACCES, "dialout"),
              "permission denied; the device belongs to the group dialout: to get access, join it "
              "(sudo usermod -aG dialout $USER), then log out and in again");
    EXPECT_EQ(OpenErrorCause(EACCES, "root"), "permission denied (Permission denied)");
}

// A reader killed while it held the line leaves odd parity without parity on, and the driver
// then refuses the settings of every later open until the line is set raw again.
TEST(QtSerialPortLayer, OpensALineAKilledReaderLeftHalfChanged) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const int fd = open(pty.device().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    termios line{};
    ASSERT_EQ(tcgetattr(fd, &line), 0);
    line.c_iflag |= IGNPAR;
    line.c_cflag |= CLOCAL | PARODD;
    ASSERT_EQ(tcsetattr(fd, TCSANOW, &line), 0);
    close(fd);
    PortTable table;
    table.Set(2, pty.device());
    QtSerialPort port(table);
    port.SetCommPort(2);
    port.SetSettings("2400,O,7,1");
    port.SetPortOpen(true);
    ASSERT_TRUE(port.PortOpen()) << port.OpenError();
    EXPECT_EQ(port.OpenError(), "");
    ASSERT_TRUE(pty.Send("abc"));
    EXPECT_TRUE(WaitFor([&] { return port.InBufferCount() >= 3; }));
}

TEST(QtSerialPortLayer, RefusedSettingsKeepThePortClosed) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    PortTable table;
    table.Set(4, pty.device());
    QtSerialPort port(table);
    port.SetCommPort(4);
    // The setup dialog's hidden 4 data bits, and texts of the wrong shape.
    for (const char* refused : {"2400,O,4,1", "2400,Q,7,1", "2400;O;7;1"}) {
        port.SetSettings("2400,O,7,1");
        port.SetSettings(refused);
        port.SetPortOpen(true);
        EXPECT_FALSE(port.PortOpen()) << refused;
    }
    // Linux has no 1.5 stop bits: the line runs with one and receives all the same.
    port.SetSettings("2400,O,7,1.5");
    port.SetPortOpen(true);
    ASSERT_TRUE(port.PortOpen());
    termios line{};
    const int fd = open(pty.device().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(tcgetattr(fd, &line), 0);
    close(fd);
    EXPECT_EQ(line.c_cflag & CSTOPB, 0u);
    port.SetCommPort(5);  // an open control keeps its port
    EXPECT_EQ(port.CommPort(), 4);
    // Changing the line on an open pty is refused by the driver; the port keeps reading.
    port.SetSettings("9600,E,8,2");
    ASSERT_TRUE(pty.Send("abc"));
    ASSERT_TRUE(WaitFor([&] { return port.InBufferCount() >= 3; }));
    port.SetInputLen(2);
    EXPECT_EQ(port.Input(), "ab");
    port.SetInputLen(0);
    EXPECT_EQ(port.Input(), "c");
    port.SetPortOpen(false);
    EXPECT_FALSE(port.PortOpen());
}
