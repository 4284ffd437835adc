#include "MeterProfiles.h"

#include <cmath>
#include <numbers>

namespace voltaro::meter {

std::optional<std::string> RampProfile::NextReading() {
    if (SimValue >= 50 && !SimDown) SimDown = true;
    if (SimValue == 0 && SimDown) SimDown = false;
    SimValue += SimDown ? -1 : 1;
    return BuildFrame('0', SimValue * 10L, ';', 0, 0, 8);
}

SteadyProfile::SteadyProfile(const MeterFunction& function, const MeterRange& range, double value,
                             bool autoRange)
    : frame_(EncodeFrame(function, range, value, autoRange)) {}

SineProfile::SineProfile(const MeterFunction& function, const MeterRange& range, Wave wave, bool autoRange)
    : function_(function), range_(range), wave_(wave), autoRange_(autoRange) {}

std::optional<std::string> SineProfile::NextReading() {
    const double t = static_cast<double>(index_++) * wave_.secondsPerReading;
    const double phase = 2 * std::numbers::pi * t / wave_.periodSeconds;
    return EncodeFrame(function_, range_, wave_.centre + wave_.amplitude * std::sin(phase), autoRange_);
}

SweepProfile::SweepProfile(int readingsPerStep, bool autoRange)
    : readingsPerStep_(readingsPerStep < 1 ? 1 : readingsPerStep) {
    for (const MeterFunction& f : MeterFunctions())
        for (const MeterRange& r : f.ranges)
            steps_.push_back(EncodeFrame(f, r, kSweepCounts * std::pow(10.0, r.exponent), autoRange));
}

std::optional<std::string> SweepProfile::NextReading() {
    const long step = index_++ / readingsPerStep_;
    return steps_[static_cast<size_t>(step) % steps_.size()];
}

ReplayProfile::ReplayProfile(std::vector<std::string> frames, bool once)
    : frames_(std::move(frames)), once_(once) {}

std::optional<std::string> ReplayProfile::NextReading() {
    if (frames_.empty()) return std::nullopt;
    if (index_ == frames_.size()) {
        if (once_) return std::nullopt;
        index_ = 0;
    }
    return frames_[index_++];
}

ReplayLoad ReadReplayFrames(std::istream& in) {
    ReplayLoad load;
    std::string line;
    long number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (line.size() != 9) {
            load.frames.clear();
            load.error = "line " + std::to_string(number) + " is not a frame of 9 characters (it has " +
                         std::to_string(line.size()) + ")";
            return load;
        }
        load.frames.push_back(line);
    }
    if (in.bad())
        load.error = "the file could not be read";
    else if (load.frames.empty())
        load.error = "the file holds no frames";
    return load;
}

}  // namespace voltaro::meter
