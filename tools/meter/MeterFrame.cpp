#include "MeterFrame.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace voltaro::meter {

namespace {

constexpr int kDC = 8;
constexpr int kAC = 4;
constexpr int kCelsius = 8;

constexpr std::array<MeterRange, 1> kMillivolts{{{0, -4}}};
constexpr std::array<MeterRange, 4> kVolts{{{1, -3}, {2, -2}, {3, -1}, {4, 0}}};
constexpr std::array<MeterRange, 2> kMilliamps{{{0, -5}, {1, -4}}};
constexpr std::array<MeterRange, 2> kMicroamps{{{0, -7}, {1, -6}}};
constexpr std::array<MeterRange, 2> kAmps{{{0, -2}, {1, -1}}};
constexpr std::array<MeterRange, 6> kOhms{{{0, -1}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}}};
constexpr std::array<MeterRange, 1> kDiode{{{0, -3}}};
constexpr std::array<MeterRange, 6> kHertz{{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}};
constexpr std::array<MeterRange, 8> kFarads{
    {{0, -12}, {1, -11}, {2, -10}, {3, -9}, {4, -8}, {5, -7}, {6, -6}, {7, -5}}};
constexpr std::array<MeterRange, 1> kDegrees{{{0, 0}}};

const std::array<MeterFunction, 17> kFunctions{{
    {"vdc", "DC volts", "V", ';', kDC, 0, true, kVolts},
    {"mvdc", "DC millivolts", "V", ';', kDC, 0, true, kMillivolts},
    {"vac", "AC volts", "V", ';', kAC, 0, true, kVolts},
    {"mvac", "AC millivolts", "V", ';', kAC, 0, true, kMillivolts},
    {"madc", "DC milliamperes", "A", '9', kDC, 0, true, kMilliamps},
    {"maac", "AC milliamperes", "A", '9', kAC, 0, true, kMilliamps},
    {"uadc", "DC microamperes", "A", '=', kDC, 0, true, kMicroamps},
    {"uaac", "AC microamperes", "A", '=', kAC, 0, true, kMicroamps},
    {"adc", "DC amperes", "A", '?', kDC, 0, true, kAmps},
    {"aac", "AC amperes", "A", '?', kAC, 0, true, kAmps},
    {"ohm", "resistance", "ohm", '3', 0, 0, false, kOhms},
    {"cont", "continuity", "ohm", '5', 0, 0, false, kOhms},
    {"diode", "diode test", "V", '1', 0, 0, false, kDiode},
    {"hz", "frequency", "Hz", '2', 0, 0, false, kHertz},
    {"cap", "capacitance", "F", '6', 0, 0, false, kFarads},
    {"degc", "temperature, degrees Celsius", "degrees", '4', 0, kCelsius, true, kDegrees},
    {"degf", "temperature, degrees Fahrenheit", "degrees", '4', 0, 0, true, kDegrees},
}};

}  // namespace

std::span<const MeterFunction> MeterFunctions() {
    return kFunctions;
}

const MeterFunction* FindFunction(std::string_view name) {
    for (const MeterFunction& f : kFunctions)
        if (f.name == name) return &f;
    return nullptr;
}

const MeterRange* FindRange(const MeterFunction& function, int number) {
    for (const MeterRange& r : function.ranges)
        if (r.number == number) return &r;
    return nullptr;
}

int FrameCharValue(char c) {
    return c >= '0' && c <= '?' ? c - '0' : 0;
}

char FrameCharOf(int value) {
    return static_cast<char>('0' + (value & 15));
}

std::string BuildFrame(char rangeChar, long digits, char functionChar, int status, int option1, int option2) {
    char text[16];
    std::snprintf(text, sizeof text, "%c%04ld%c%c%c%c", rangeChar, digits % 10000, functionChar,
                  FrameCharOf(status), FrameCharOf(option1), FrameCharOf(option2));
    return text;
}

std::string EncodeFrame(const MeterFunction& function, const MeterRange& range, double value,
                        bool autoRange) {
    const bool negative = function.signedValues && value < 0;
    const double magnitude = function.signedValues ? std::fabs(value) : std::fmax(value, 0.0);
    // Multiplying by 10^k rather than dividing by 10^-k keeps 1.234 at exactly 1234 counts.
    const double counts = magnitude * std::pow(10.0, -range.exponent);
    int status = function.statusBits;
    long digits = 0;
    if (!std::isfinite(counts) || counts >= kMaxCounts + 0.5) {
        status |= kStatusOverload;
        digits = kMaxCounts + 1;
    } else {
        digits = std::lround(counts);
    }
    if (negative && digits != 0) status |= kStatusNegative;
    const int option2 = function.optionBits | (autoRange ? kOptionAutoRange : 0);
    return BuildFrame(FrameCharOf(range.number), digits, function.code, status, 0, option2);
}

std::string OverloadFrame(std::string frame) {
    if (frame.size() < 7) return frame;
    frame.replace(1, 4, "4000");
    frame[6] = FrameCharOf(FrameCharValue(frame[6]) | kStatusOverload);
    return frame;
}

std::string FlipSign(std::string frame) {
    if (frame.size() < 7) return frame;
    frame[6] = FrameCharOf(FrameCharValue(frame[6]) ^ kStatusNegative);
    return frame;
}

}  // namespace voltaro::meter
