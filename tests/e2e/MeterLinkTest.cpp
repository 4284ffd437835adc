#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <cmath>
#include <map>
#include <set>

#include "MeterProfiles.h"
#include "MeterRun.h"
#include "link/Decoder.h"
#include "link/FrameReader.h"
#include "link/QtSerialPort.h"
#include "support/CountingBeeper.h"

using namespace voltaro;

namespace {

// What the simulator means by each frame of its sweep: 1234 counts of every range, in base
// units, from its own table of functions rather than from the program's decoder.
std::map<std::string, double> SweepValues() {
    using namespace voltaro::meter;
    std::map<std::string, double> values;
    for (const MeterFunction& f : MeterFunctions()) {
        for (const MeterRange& r : f.ranges) {
            const double value = SweepProfile::kSweepCounts * std::pow(10.0, r.exponent);
            values[EncodeFrame(f, r, value, false)] = value;
        }
    }
    return values;
}

}  // namespace

// The simulator sweeps every function and range with line noise; the program's link (the
// QSerialPort layer, FrameReader::Poll, DecodeFrame) accepts only frames that were really sent, and each
// accepted reading has the value the simulator sent with that frame.
TEST(MeterLink, NoisySweepArrivesAsSent) {
    QTemporaryDir dir;
    const QString log = dir.filePath("sent.txt");
    QProcess meter;
    const std::string device =
        voltaro::testing::StartMeter(meter, {"--profile", "sweep", "--hold", "2", "--rate", "8", "--baud",
                                             "9600", "--noise", "0.25", "--seed", "11", "--log", log});
    ASSERT_FALSE(device.empty()) << meter.readAllStandardError().toStdString();

    PortTable table;
    table.Set(2, device);
    QtSerialPort port(table);
    Reading reading;
    CountingBeeper beeper;
    SystemClock clock;
    FrameReader reader(beeper, clock, {dir.path().toStdString(), "voltaro"}, false);
    reader.OpenComm(port, SerialLine{"2", "2400,O,7,1"});
    ASSERT_TRUE(port.PortOpen());

    std::vector<std::pair<std::string, float>> accepted;
    std::set<std::string> units;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (units.size() < 8 && std::chrono::steady_clock::now() < giveUp) {
        QThread::msleep(60);
        const FeedResult fed = reader.Poll(port);
        if (!fed.accepted) continue;
        reading = DecodeFrame(reading, *fed.accepted, fed.accepted->substr(1, 4), "");
        ComputeValue(reading);
        accepted.emplace_back(*fed.accepted, reading.value);
        units.insert(reading.unitText);
    }
    meter.terminate();
    ASSERT_TRUE(meter.waitForFinished(10000));

    EXPECT_GE(units.size(), 8u);
    const std::vector<std::string> logged = voltaro::testing::LoggedFrames(log);
    const std::set<std::string> sent(logged.begin(), logged.end());
    ASSERT_FALSE(sent.empty());
    const std::map<std::string, double> sweep = SweepValues();
    for (const auto& [frame, value] : accepted) {
        EXPECT_TRUE(sent.count(frame)) << frame;
        ASSERT_TRUE(sweep.count(frame)) << frame;
        EXPECT_FLOAT_EQ(value, static_cast<float>(sweep.at(frame))) << frame;
    }
}
