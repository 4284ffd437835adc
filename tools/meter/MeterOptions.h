#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "MeterProfiles.h"
#include "MeterStream.h"

namespace voltaro::meter {

struct MeterOptions {
    std::string profile;  // ramp, steady, sine, sweep or replay
    std::string function = "vdc";
    std::optional<int> range;  // the function's lowest range when not given
    double value = 0;          // base units
    std::optional<double> amplitude;
    double period = 20;
    int hold = 5;
    std::string file;
    bool once = false;
    bool autoRange = false;
    double rate = 2.5;  // new readings a second
    double baud = 2400;
    FaultRates faults;
    std::optional<uint64_t> seed;
    std::string log;
    std::string link;
    bool help = false;
    bool version = false;
};

struct ParsedOptions {
    MeterOptions options;
    std::string error;  // empty when the command line was understood
};

ParsedOptions ParseMeterOptions(const std::vector<std::string>& args);

std::string MeterHelpText();

// The reading source the options ask for; nullptr with a message when it cannot be made
// (a replay file that cannot be read).
std::unique_ptr<ReadingSource> MakeSource(const MeterOptions& options, std::string& error);

}  // namespace voltaro::meter
