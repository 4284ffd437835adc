#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Starts the simulator and returns the device it printed.
std::string StartMeter(QProcess& meter, const QStringList& args) {
    meter.start(VOLTARO_METER_EXE, args);
    if (!meter.waitForStarted(10000)) return {};
    while (!meter.canReadLine())
        if (!meter.waitForReadyRead(10000)) return {};
    return meter.readLine().trimmed().toStdString();
}

// Opens the device as a reader would (raw, 8N1) and reads about a second of line, waiting at
// most ten seconds.
std::string ReadLine(const std::string& device, size_t bytes = 264) {
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return {};
    termios tio{};
    tcgetattr(fd, &tio);
    cfmakeraw(&tio);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tcsetattr(fd, TCSANOW, &tio);
    tcflush(fd, TCIFLUSH);
    std::string got;
    for (int waits = 0; got.size() < bytes && waits < 100; ++waits) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) continue;
        char buf[256];
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n > 0) got.append(buf, static_cast<size_t>(n));
    }
    close(fd);
    return got;
}

// The 9-character texts between CR LFs, without the first piece (the reader came in
// part-way through a frame).
std::vector<std::string> Frames(const std::string& line) {
    std::vector<std::string> frames;
    size_t from = line.find("\r\n");
    while (from != std::string::npos) {
        const size_t next = line.find("\r\n", from + 2);
        if (next == std::string::npos) break;
        if (next - from - 2 == 9) frames.push_back(line.substr(from + 2, 9));
        from = next;
    }
    return frames;
}

void Stop(QProcess& meter) {
    meter.terminate();
    ASSERT_TRUE(meter.waitForFinished(10000));
    EXPECT_EQ(meter.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(meter.exitCode(), 0);
}

}  // namespace

TEST(MeterBinary, SteadyValueOverARealPtyWithLinkRemovedOnExit) {
    QTemporaryDir dir;
    const QString link = dir.filePath("meter");
    QProcess meter;
    const std::string device =
        StartMeter(meter, {"--function", "vdc", "--range", "1", "--value", "1.234", "--link", link});
    ASSERT_FALSE(device.empty()) << meter.readAllStandardError().toStdString();
    EXPECT_EQ(QFile::symLinkTarget(link).toStdString(), device);

    const std::string line = ReadLine(link.toStdString());
    const std::vector<std::string> frames = Frames(line);
    EXPECT_GE(frames.size(), 15u) << line;
    for (const std::string& f : frames) EXPECT_EQ(f, "11234;008");
    EXPECT_EQ(Frames(line).size(), static_cast<size_t>(std::count(line.begin(), line.end(), '\n')) - 1);
    Stop(meter);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

// What a reader killed while it held the line left behind (odd parity without parity on,
// echo and line editing) does not stay: the meter puts the line back to raw.
TEST(MeterBinary, KeepsTheLineRawWhateverAKilledReaderLeft) {
    QProcess meter;
    const std::string device = StartMeter(meter, {"--function", "vdc", "--value", "1.234"});
    ASSERT_FALSE(device.empty()) << meter.readAllStandardError().toStdString();
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    termios left{};
    ASSERT_EQ(tcgetattr(fd, &left), 0);
    left.c_iflag |= IGNPAR | ICRNL;
    left.c_lflag |= ECHO | ICANON;
    left.c_cflag |= CLOCAL | PARODD;
    ASSERT_EQ(tcsetattr(fd, TCSANOW, &left), 0);
    close(fd);
    const auto raw = [&] {
        termios now{};
        const int f = open(device.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
        const bool got = f >= 0 && tcgetattr(f, &now) == 0;
        if (f >= 0) close(f);
        return got && (now.c_iflag & ICRNL) == 0 && (now.c_lflag & (ECHO | ICANON)) == 0;
    };
    bool back = raw();
    for (int waits = 0; !back && waits < 100; ++waits) {  // a few frames' time, ten seconds at most
        usleep(100000);
        back = raw();
    }
    EXPECT_TRUE(back);
    Stop(meter);
}

TEST(MeterBinary, BadCommandLinesAreRefusedWithAMessage) {
    QProcess meter;
    meter.start(VOLTARO_METER_EXE, {"--function", "ohm", "--range", "9"});
    ASSERT_TRUE(meter.waitForFinished(10000));
    EXPECT_EQ(meter.exitCode(), 2);
    EXPECT_TRUE(meter.readAllStandardError().contains("function ohm has no range 9"));

    QTemporaryDir dir;
    QFile bad(dir.filePath("frames.txt"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("11234;008\nnot a frame\n");
    bad.close();
    meter.start(VOLTARO_METER_EXE, {"--file", bad.fileName()});
    ASSERT_TRUE(meter.waitForFinished(10000));
    EXPECT_EQ(meter.exitCode(), 1);
    EXPECT_TRUE(meter.readAllStandardError().contains("line 2 is not a frame of 9 characters"));
    EXPECT_TRUE(meter.readAllStandardOutput().isEmpty());
}
