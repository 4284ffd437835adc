#pragma once

#include <cstdint>
#include <ostream>
#include <random>
#include <string>

#include "MeterProfiles.h"

namespace voltaro::meter {

// Faults the line and the meter add to the clean stream.
struct FaultRates {
    double noise = 0;      // share of frames damaged: a burst of random bytes or a cut frame
    double flicker = 0;    // share of frames sent with the minus sign flipped
    double overload = 0;   // share of readings replaced by the overload frame
    double offAfter = -1;  // seconds of line time after which the meter falls silent; < 0 never
};

// Characters per second of a line at this speed: start bit, 7 data bits, parity, stop bit.
inline double CharactersPerSecond(double baud) {
    return baud / 10.0;
}

// The frame bytes the meter puts on the line, one frame slot at a time: each reading of the
// source is repeated for framesPerReading frames, then the faults are applied.
class MeterStream {
public:
    MeterStream(ReadingSource& source, int framesPerReading, FaultRates faults, uint64_t seed, double baud);

    struct Slot {
        std::string bytes;        // what goes on the line (may be empty)
        std::string intactFrame;  // the 9 data characters when a whole frame was sent
        bool silent = false;      // the meter is off: nothing more will be sent
    };
    Slot Next();

    // Line time of everything sent so far.
    double SecondsSent() const { return static_cast<double>(bytesSent_) / charsPerSecond_; }

private:
    double Uniform(std::mt19937_64& rng);
    std::string Noise(const std::string& frame, bool& intact);

    ReadingSource& source_;
    int framesPerReading_;
    FaultRates faults_;
    double charsPerSecond_;
    // One generator per fault, so a change of one rate leaves the others' pattern as it was.
    std::mt19937_64 noiseRng_, flickerRng_, overloadRng_;
    std::string reading_;
    int framesLeft_ = 0;
    bool lastDamaged_ = false;
    bool silent_ = false;
    uint64_t bytesSent_ = 0;
};

// Frames a framesPerReading that gives about this many new readings a second at this speed.
int FramesPerReading(double baud, double readingsPerSecond);

// Writes every distinct complete frame sent, one per line, so a run can be compared with
// what a reader recorded (and replayed later).
class ReadingLog {
public:
    explicit ReadingLog(std::ostream& out) : out_(out) {}
    void Sent(const std::string& frame);

private:
    std::ostream& out_;
    std::string last_;
};

}  // namespace voltaro::meter
