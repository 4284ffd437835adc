#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <sstream>

#include "MeterFrame.h"
#include "MeterProfiles.h"

using namespace voltaro::meter;

namespace {

// The reading decoder's table, written out independently of the encoder: function character
// -> range character -> power of ten of one count (transistor gain "X" aside).
const std::map<char, std::map<char, int>> kDecoderScales{
    {'1', {{'0', -3}}},  // diode: every range, one is enough
    {';', {{'0', -4}, {'1', -3}, {'2', -2}, {'3', -1}, {'4', 0}}},
    {'9', {{'0', -5}, {'1', -4}}},
    {'=', {{'0', -7}, {'1', -6}}},
    {'?', {{'0', -2}, {'1', -1}}},
    {'3', {{'0', -1}, {'1', 0}, {'2', 1}, {'3', 2}, {'4', 3}, {'5', 4}}},
    {'5', {{'0', -1}, {'1', 0}, {'2', 1}, {'3', 2}, {'4', 3}, {'5', 4}}},
    {'2', {{'0', 0}, {'1', 1}, {'2', 2}, {'3', 3}, {'4', 4}, {'5', 5}}},
    {'6', {{'0', -12}, {'1', -11}, {'2', -10}, {'3', -9}, {'4', -8}, {'5', -7}, {'6', -6}, {'7', -5}}},
    {'4', {{'0', 0}}},
};

const std::map<std::string, std::pair<char, int>> kNames{
    // name -> function char, coupling bits
    {"vdc", {';', 8}},  {"mvdc", {';', 8}}, {"vac", {';', 4}},   {"mvac", {';', 4}}, {"madc", {'9', 8}},
    {"maac", {'9', 4}}, {"uadc", {'=', 8}}, {"uaac", {'=', 4}},  {"adc", {'?', 8}},  {"aac", {'?', 4}},
    {"ohm", {'3', 0}},  {"cont", {'5', 0}}, {"diode", {'1', 0}}, {"hz", {'2', 0}},   {"cap", {'6', 0}},
    {"degc", {'4', 0}}, {"degf", {'4', 0}}};

double DecodedValue(const std::string& frame) {
    const int exponent = kDecoderScales.at(frame[5]).at(frame[0]);
    const double sign = FrameCharValue(frame[6]) & 4 ? -1 : 1;
    return sign * std::stod(frame.substr(1, 4)) * std::pow(10.0, exponent);
}

}  // namespace

TEST(MeterFrame, EveryFunctionAndRangeEncodesTheValueAskedFor) {
    std::set<std::pair<char, char>> covered;
    for (const MeterFunction& f : MeterFunctions()) {
        ASSERT_TRUE(kNames.count(std::string(f.name))) << f.name;
        const auto [code, coupling] = kNames.at(std::string(f.name));
        for (const MeterRange& r : f.ranges) {
            for (long counts : {0L, 7L, 1234L, 3999L}) {
                const double value = counts * std::pow(10.0, r.exponent);
                const std::string frame = EncodeFrame(f, r, value, false);
                SCOPED_TRACE(std::string(f.name) + " " + frame);
                ASSERT_EQ(frame.size(), 9u);
                EXPECT_EQ(frame[5], code);
                EXPECT_EQ(FrameCharValue(frame[8]), coupling);
                EXPECT_EQ(FrameCharValue(frame[6]) & ~8, 0);  // no sign, no overload
                EXPECT_NEAR(DecodedValue(frame), value, 1e-9 * std::fabs(value));
                EXPECT_EQ(frame.substr(1, 4).find_first_not_of("0123456789"), std::string::npos);
            }
            covered.insert({code, EncodeFrame(f, r, 0, false)[0]});
        }
    }
    for (const auto& [code, ranges] : kDecoderScales)
        for (const auto& [range, exponent] : ranges)
            EXPECT_TRUE(covered.count({code, range})) << code << " range " << range;
}

TEST(MeterFrame, ByteExactFramesOverloadSignAndRounding) {
    const auto frame = [](const char* name, int range, double value, bool autoRange = false) {
        const MeterFunction& f = *FindFunction(name);
        return EncodeFrame(f, *FindRange(f, range), value, autoRange);
    };
    EXPECT_EQ(frame("vdc", 1, 0.123), "10123;008");
    EXPECT_EQ(frame("vdc", 1, 1.234), "11234;008");
    EXPECT_EQ(frame("mvdc", 0, -0.2047), "02047;408");
    EXPECT_EQ(frame("mvac", 0, -0.2047, true), "02047;406");
    EXPECT_EQ(frame("ohm", 3, 250000), "325003000");
    EXPECT_EQ(frame("cap", 4, 1.234e-5), "412346000");
    EXPECT_EQ(frame("degc", 0, 23.4), "000234800");
    EXPECT_EQ(frame("degc", 0, -5), "000054<00");
    EXPECT_EQ(frame("degf", 0, -5), "000054400");
    EXPECT_EQ(frame("uadc", 1, 2.5e-4), "10250=008");
    EXPECT_EQ(frame("vdc", 1, 3.9994), "13999;008");
    EXPECT_EQ(frame("vdc", 1, 3.9996), "14000;108");
    EXPECT_EQ(frame("vdc", 1, -12), "14000;508");
    EXPECT_EQ(frame("vdc", 1, -0.0004), "10000;008");  // rounds to zero: no sign
    EXPECT_EQ(frame("ohm", 0, -5), "000003000");
    EXPECT_EQ(OverloadFrame("00010;008"), "04000;108");
    EXPECT_EQ(OverloadFrame("000234800"), "040004900");
    EXPECT_EQ(FlipSign("00000;008"), "00000;408");
    EXPECT_EQ(FlipSign("000054<00"), "000054800");
    EXPECT_EQ(OverloadFrame("short"), "short");
}

TEST(MeterProfiles, RampClimbsTo500AndBackDown) {
    RampProfile ramp;
    std::vector<std::string> seen;
    for (int i = 0; i < 102; ++i) seen.push_back(*ramp.NextReading());
    EXPECT_EQ((std::vector<std::string>{seen[0], seen[1], seen[49], seen[50], seen[99], seen[100]}),
              (std::vector<std::string>{"00010;008", "00020;008", "00500;008", "00490;008", "00000;008",
                                        "00010;008"}));
    for (size_t i = 1; i < seen.size(); ++i)
        EXPECT_EQ(std::abs(std::stoi(seen[i].substr(1, 4)) - std::stoi(seen[i - 1].substr(1, 4))), 10);
}

TEST(MeterProfiles, SweepVisitsEveryRangeHoldingEach) {
    SweepProfile sweep(3, false);
    std::vector<std::string> steps;
    for (int i = 0; i < 3 * 60; ++i) {
        const std::string r = *sweep.NextReading();
        if (i % 3)
            EXPECT_EQ(r, steps.back());
        else
            steps.push_back(r);
    }
    size_t ranges = 0;
    for (const auto& [code, byRange] : kDecoderScales) ranges += byRange.size();
    ranges += 1 + 5 + 2 + 2 + 2;  // the AC twins of volts and currents, and degrees F
    EXPECT_EQ(std::set<std::string>(steps.begin(), steps.end()).size(), ranges);
    EXPECT_EQ(steps[ranges], steps[0]);  // round again
    for (const std::string& s : steps) EXPECT_EQ(s.substr(1, 4), "1234");
}

TEST(MeterProfiles, SineFollowsItsPeriod) {
    const MeterFunction& vdc = *FindFunction("vdc");
    SineProfile sine(vdc, *FindRange(vdc, 1),
                     {.centre = 1, .amplitude = 0.5, .periodSeconds = 4, .secondsPerReading = 1}, false);
    for (const char* quarter : {"11000;008", "11500;008", "11000;008", "10500;008"})
        EXPECT_EQ(*sine.NextReading(), quarter);
}

TEST(MeterProfiles, ReplayReadsFramesAndRefusesOtherLines) {
    std::istringstream good("11234;008\r\n\n# a comment\n02047;402\n");
    ReplayLoad load = ReadReplayFrames(good);
    ASSERT_EQ(load.error, "");
    EXPECT_EQ(load.frames, (std::vector<std::string>{"11234;008", "02047;402"}));

    ReplayProfile once(load.frames, true);
    EXPECT_EQ(*once.NextReading(), "11234;008");
    EXPECT_EQ(*once.NextReading(), "02047;402");
    EXPECT_FALSE(once.NextReading());
    ReplayProfile loop(load.frames, false);
    loop.NextReading(), loop.NextReading();
    EXPECT_EQ(*loop.NextReading(), "11234;008");

    std::istringstream bad("11234;008\n1234\n02047;402\n");
    load = ReadReplayFrames(bad);
    EXPECT_EQ(load.error, "line 2 is not a frame of 9 characters (it has 4)");
    EXPECT_TRUE(load.frames.empty());
    std::istringstream foreign(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    EXPECT_NE(ReadReplayFrames(foreign).error, "");
    std::istringstream empty("\n# nothing\n");
    EXPECT_EQ(ReadReplayFrames(empty).error, "the file holds no frames");
}
