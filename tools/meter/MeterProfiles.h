#pragma once

#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "MeterFrame.h"

namespace voltaro::meter {

// Where the meter's readings come from: each call gives the 9 data characters of the next
// reading, or nothing once the source has run out (the meter then falls silent).
class ReadingSource {
public:
    virtual ~ReadingSource() = default;
    virtual std::optional<std::string> NextReading() = 0;
};

// The developer's test ramp: millivolts 0010 to 0500 in steps of 10, down to 0000 and up again.
class RampProfile : public ReadingSource {
public:
    std::optional<std::string> NextReading() override;

private:
    int SimValue = 0;
    bool SimDown = false;
};

// One value, held for ever.
class SteadyProfile : public ReadingSource {
public:
    SteadyProfile(const MeterFunction& function, const MeterRange& range, double value, bool autoRange);
    std::optional<std::string> NextReading() override { return frame_; }

private:
    std::string frame_;
};

// centre + amplitude * sin(2 pi t / period), with t advancing by secondsPerReading per reading.
class SineProfile : public ReadingSource {
public:
    struct Wave {
        double centre = 0;
        double amplitude = 0;
        double periodSeconds = 20;
        double secondsPerReading = 0.4;
    };
    SineProfile(const MeterFunction& function, const MeterRange& range, Wave wave, bool autoRange);
    std::optional<std::string> NextReading() override;

private:
    const MeterFunction& function_;
    const MeterRange& range_;
    Wave wave_;
    bool autoRange_;
    long index_ = 0;
};

// Every function in every range, each held for a few readings, then round again.
class SweepProfile : public ReadingSource {
public:
    static constexpr long kSweepCounts = 1234;
    SweepProfile(int readingsPerStep, bool autoRange);
    std::optional<std::string> NextReading() override;

private:
    std::vector<std::string> steps_;
    int readingsPerStep_;
    long index_ = 0;
};

// Frames read from a text file, one per line, in a loop or once.
class ReplayProfile : public ReadingSource {
public:
    ReplayProfile(std::vector<std::string> frames, bool once);
    std::optional<std::string> NextReading() override;

private:
    std::vector<std::string> frames_;
    bool once_;
    size_t index_ = 0;
};

// Reads replay frames: one frame of exactly 9 characters per line, line ends LF or CR LF;
// blank lines and lines starting with '#' are skipped. A line of another length is refused
// with a message naming it, and so is a file without a single frame.
struct ReplayLoad {
    std::vector<std::string> frames;
    std::string error;  // empty when the file was read
};
ReplayLoad ReadReplayFrames(std::istream& in);

}  // namespace voltaro::meter
