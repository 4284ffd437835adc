#include "MeterStream.h"

#include <cmath>

namespace voltaro::meter {

namespace {
constexpr int kMaxBurst = 8;
}

MeterStream::MeterStream(ReadingSource& source, int framesPerReading, FaultRates faults, uint64_t seed,
                         double baud)
    : source_(source),
      framesPerReading_(framesPerReading < 1 ? 1 : framesPerReading),
      faults_(faults),
      charsPerSecond_(CharactersPerSecond(baud)),
      noiseRng_(seed),
      flickerRng_(seed ^ 0x9e3779b97f4a7c15ULL),
      overloadRng_(seed ^ 0xc2b2ae3d27d4eb4fULL) {}

double MeterStream::Uniform(std::mt19937_64& rng) {
    return static_cast<double>(rng() >> 11) * 0x1.0p-53;
}

MeterStream::Slot MeterStream::Next() {
    Slot slot;
    if (!silent_ && faults_.offAfter >= 0 && SecondsSent() >= faults_.offAfter) silent_ = true;
    if (!silent_ && framesLeft_ == 0) {
        std::optional<std::string> next = source_.NextReading();
        if (!next) {
            silent_ = true;
        } else {
            reading_ = *next;
            if (Uniform(overloadRng_) < faults_.overload) reading_ = OverloadFrame(reading_);
            framesLeft_ = framesPerReading_;
        }
    }
    if (silent_) {
        slot.silent = true;
        return slot;
    }
    --framesLeft_;
    std::string frame = reading_;
    if (Uniform(flickerRng_) < faults_.flicker) frame = FlipSign(frame);
    bool intact = true;
    slot.bytes = Noise(frame, intact);
    if (intact) slot.intactFrame = frame;
    bytesSent_ += slot.bytes.size();
    return slot;
}

// Damage never hits two frames in a row and a burst is shorter than a frame, so every CR LF
// on the line that has exactly 9 characters before it since the previous one ends a frame
// that was really sent: noise can cost readings but never invent one. To keep the share of
// damaged frames at the rate asked for, an undamaged frame is damaged with r / (1 - r).
std::string MeterStream::Noise(const std::string& frame, bool& intact) {
    const std::string whole = frame + "\r\n";
    const double r = faults_.noise;
    if (lastDamaged_ || r <= 0 || Uniform(noiseRng_) >= r / (1 - r)) {
        lastDamaged_ = false;
        return whole;
    }
    lastDamaged_ = true;
    const auto pick = [this](int from, int to) {
        return from + static_cast<int>(noiseRng_() % static_cast<uint64_t>(to - from + 1));
    };
    switch (pick(0, 2)) {
        case 0: {  // a burst of random bytes, then the frame
            std::string burst(static_cast<size_t>(pick(1, kMaxBurst)), '\0');
            for (char& c : burst) c = static_cast<char>(pick(0, 255));
            return burst + whole;
        }
        case 1:  // the frame's head only
            intact = false;
            return whole.substr(0, static_cast<size_t>(pick(1, 10)));
        default:  // the frame's tail only
            intact = false;
            return whole.substr(whole.size() - static_cast<size_t>(pick(1, 10)));
    }
}

int FramesPerReading(double baud, double readingsPerSecond) {
    const double framesPerSecond = CharactersPerSecond(baud) / 11.0;
    const long n = std::lround(framesPerSecond / readingsPerSecond);
    return n < 1 ? 1 : static_cast<int>(n);
}

void ReadingLog::Sent(const std::string& frame) {
    if (frame.empty() || frame == last_) return;
    last_ = frame;
    out_ << frame << '\n';
    out_.flush();
}

}  // namespace voltaro::meter
