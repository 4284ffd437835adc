#include <gtest/gtest.h>

#include "MeterOptions.h"

using namespace voltaro::meter;

namespace {
ParsedOptions Parse(std::vector<std::string> args) {
    return ParseMeterOptions(args);
}
}  // namespace

TEST(MeterOptions, ProfileFollowsWhatWasGiven) {
    EXPECT_EQ(Parse({}).options.profile, "ramp");
    const ParsedOptions steady = Parse({"--function", "vdc", "--range", "1", "--value", "1.234"});
    ASSERT_EQ(steady.error, "");
    EXPECT_EQ(steady.options.profile, "steady");
    EXPECT_EQ(*steady.options.range, 1);
    EXPECT_DOUBLE_EQ(steady.options.value, 1.234);
    EXPECT_EQ(Parse({"--file", "frames.txt"}).options.profile, "replay");
    const ParsedOptions sine =
        Parse({"--profile=sine", "--value=-2e-3", "--noise=0.5", "--seed", "18446744073709551615"});
    ASSERT_EQ(sine.error, "");
    EXPECT_EQ(sine.options.profile, "sine");
    EXPECT_DOUBLE_EQ(sine.options.value, -0.002);
    EXPECT_EQ(*sine.options.seed, 18446744073709551615ULL);
    EXPECT_TRUE(Parse({"--noise", "0.1", "--help"}).options.help);

    std::string error;
    std::unique_ptr<ReadingSource> source = MakeSource(steady.options, error);
    ASSERT_TRUE(source);
    EXPECT_EQ(*source->NextReading(), "11234;008");
}

TEST(MeterOptions, RefusesWhatItCannotUse) {
    EXPECT_EQ(Parse({"--speed", "3"}).error, "unknown option '--speed'");
    EXPECT_EQ(Parse({"ramp"}).error, "unexpected argument 'ramp'");
    EXPECT_EQ(Parse({"--value"}).error, "Missing value after '--value'.");
    EXPECT_EQ(Parse({"--value", "1.2.3"}).error, "--value wants a number, not '1.2.3'");
    EXPECT_EQ(Parse({"--value", "nan"}).error, "--value wants a number, not 'nan'");
    EXPECT_EQ(Parse({"--noise", "0.6"}).error, "--noise wants a number from 0 to 0.5, not '0.6'");
    EXPECT_EQ(Parse({"--rate", "0"}).error, "--rate wants a number above 0, not '0'");
    EXPECT_EQ(Parse({"--function", "volts"}).error, "unknown function 'volts' (see --help)");
    EXPECT_EQ(Parse({"--function", "vdc", "--range", "0"}).error,
              "function vdc has no range 0 (it has 1, 2, 3, 4)");
    EXPECT_EQ(Parse({"--profile", "replay"}).error, "the replay profile needs --file");
    EXPECT_EQ(Parse({"--seed", "-1"}).error, "--seed wants a whole number, not '-1'");

    const ParsedOptions missing = Parse({"--file", "no/such/frames.txt"});
    std::string error;
    EXPECT_FALSE(MakeSource(missing.options, error));
    EXPECT_EQ(error, "cannot open no/such/frames.txt");
}
