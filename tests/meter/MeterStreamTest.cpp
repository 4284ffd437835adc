#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "MeterStream.h"

using namespace voltaro::meter;

namespace {

struct LineRun {
    std::vector<MeterStream::Slot> slots;
    std::string line;  // every byte sent, in order
};

LineRun Collect(MeterStream& stream, int count) {
    LineRun run;
    for (int i = 0; i < count; ++i) {
        run.slots.push_back(stream.Next());
        run.line += run.slots.back().bytes;
    }
    return run;
}

}  // namespace

TEST(MeterStream, CleanLineRepeatsEachReadingForItsFrames) {
    EXPECT_EQ(FramesPerReading(2400, 2.5), 9);  // 21.8 frames a second: 2.4 readings a second
    EXPECT_EQ(FramesPerReading(2400, 100), 1);
    RampProfile ramp;
    MeterStream stream(ramp, 9, {}, 1, 2400);
    const LineRun run = Collect(stream, 27);
    for (size_t i = 0; i < run.slots.size(); ++i) {
        const std::string want = i < 9 ? "00010;008" : i < 18 ? "00020;008" : "00030;008";
        EXPECT_EQ(run.slots[i].bytes, want + "\r\n");
        EXPECT_EQ(run.slots[i].intactFrame, want);
    }
    EXPECT_DOUBLE_EQ(stream.SecondsSent(), 27 * 11 / 240.0);
}

// A reader cuts a candidate wherever exactly 9 characters stand between two CR LFs; the noise
// must never give it one that the meter did not send.
TEST(MeterStream, NoiseKeepsItsRateAndNeverMakesAFrame) {
    SweepProfile sweep(2, false);
    MeterStream stream(sweep, 3, {.noise = 0.2}, 42, 2400);
    const LineRun run = Collect(stream, 30000);
    std::set<std::string> sent;
    int damaged = 0, cut = 0;
    bool lastDamaged = false;
    for (const MeterStream::Slot& s : run.slots) {
        const bool hit = s.bytes.size() != 11;  // a burst adds bytes, a cut loses some
        EXPECT_FALSE(hit && lastDamaged) << "two damaged frames in a row";
        lastDamaged = hit;
        damaged += hit;
        EXPECT_LE(s.bytes.size(), 11u + 8u);
        if (s.intactFrame.empty()) {
            ++cut;
        } else {
            sent.insert(s.intactFrame);
            EXPECT_EQ(s.bytes.substr(s.bytes.size() - 11), s.intactFrame + "\r\n");
        }
    }
    EXPECT_NEAR(damaged / 30000.0, 0.2, 0.015);
    EXPECT_NEAR(cut / 30000.0, 0.2 * 2 / 3, 0.015);
    size_t from = 0;
    for (size_t p = run.line.find("\r\n"); p != std::string::npos; p = run.line.find("\r\n", from)) {
        if (p - from == 9) {
            EXPECT_TRUE(sent.count(run.line.substr(from, 9))) << run.line.substr(from, 9);
        }
        from = p + 2;
    }
}

TEST(MeterStream, SameSeedSameFaultsAndEachFaultKeepsItsRate) {
    const FaultRates faults{.noise = 0.1, .flicker = 0.1, .overload = 0.25};
    RampProfile a, b, c;
    MeterStream one(a, 4, faults, 7, 2400), two(b, 4, faults, 7, 2400), other(c, 4, faults, 8, 2400);
    const LineRun first = Collect(one, 20000), second = Collect(two, 20000), third = Collect(other, 20000);
    EXPECT_EQ(first.line, second.line);
    EXPECT_NE(first.line, third.line);

    int flicked = 0, overloads = 0, frames = 0;
    for (size_t i = 0; i < first.slots.size(); ++i) {
        // An overload replaces the whole reading, so of its four frames one is always whole.
        if (i % 4 == 0)
            overloads += first.slots[i].bytes.find("4000;") != std::string::npos ||
                         first.slots[i + 1].bytes.find("4000;") != std::string::npos;
        const std::string& f = first.slots[i].intactFrame;
        if (f.empty()) continue;
        ++frames;
        flicked += FrameCharValue(f[6]) & 4 ? 1 : 0;
    }
    EXPECT_NEAR(flicked / double(frames), 0.1, 0.015);
    EXPECT_NEAR(overloads / 5000.0, 0.25, 0.03);
}

TEST(MeterStream, FallsSilentAfterItsTimeOrAtTheEndOfAReplay) {
    RampProfile ramp;
    MeterStream stream(ramp, 9, {.offAfter = 2}, 1, 2400);
    size_t bytes = 0;
    while (!stream.Next().silent) bytes = static_cast<size_t>(stream.SecondsSent() * 240 + 0.5);
    EXPECT_GE(bytes, 480u);
    EXPECT_LT(bytes, 480u + 11u);
    EXPECT_TRUE(stream.Next().silent);

    ReplayProfile replay({"11234;008", "02047;402"}, true);
    MeterStream once(replay, 2, {}, 1, 2400);
    const LineRun run = Collect(once, 6);
    EXPECT_EQ(run.line, "11234;008\r\n11234;008\r\n02047;402\r\n02047;402\r\n");
    EXPECT_TRUE(run.slots[4].silent);
}

TEST(ReadingLog, WritesEachDistinctFrameOnce) {
    std::ostringstream out;
    ReadingLog log(out);
    for (const char* f : {"00010;008", "00010;008", "", "00020;008", "00020;408", "00020;008"}) log.Sent(f);
    EXPECT_EQ(out.str(), "00010;008\n00020;008\n00020;408\n00020;008\n");
}
