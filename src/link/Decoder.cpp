#include "link/Decoder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

#include "link/FrameCodes.h"
#include "base/Notation.h"

namespace voltaro {

namespace {

constexpr char kMicro[] = "\xB5";

// Byte codes of the frame positions the decoder reads.
enum Pos { kRange = 1, kFunction = 6, kStatus = 7, kOption2 = 9 };

// Scales are exact powers of ten; the literals are the nearest doubles, which a product of
// two factors would not always be.
double Pow10(int e) {
    static constexpr double kTable[] = {1e-12, 1e-11, 1e-10, 1e-9, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4,
                                        1e-3,  1e-2,  1e-1,  1e0,  1e1,  1e2,  1e3,  1e4,  1e5};
    return kTable[e + 12];
}

struct RangeStep {
    char range;
    int exponent;
    std::string_view prefix;
};

enum class Rule { Plain, Diode, Resistance, Temperature, TransistorGain };

struct FunctionRow {
    char code;
    Rule rule;
    std::span<const RangeStep> ranges;
    const char* otherPrefix;  // prefix for a range without an entry; nullptr keeps the last one
    std::string_view unit;    // follows the prefix in unitText
    std::string_view baseUnit;
    bool coupling;  // only volts and amperes have AC/DC
    int16_t funcMode;
    std::string_view specialMode;
};

constexpr RangeStep kVolts[] = {{'0', -4, "m"}, {'1', -3, ""}, {'2', -2, ""}, {'3', -1, ""}, {'4', 0, ""}};
constexpr RangeStep kMilliamps[] = {{'0', -5, "m"}, {'1', -4, "m"}};
constexpr RangeStep kMicroamps[] = {{'0', -7, kMicro}, {'1', -6, kMicro}};
constexpr RangeStep kAmps[] = {{'0', -2, ""}, {'1', -1, ""}};
// Resistance prefixes are completed with "W" (omega in the Symbol typeface).
constexpr RangeStep kOhms[] = {{'0', -1, " "}, {'1', 0, "K"}, {'2', 1, "K"},
                               {'3', 2, "K"},  {'4', 3, "M"}, {'5', 4, "M"}};
// Range "0" counts hertz shown in kilohertz.
constexpr RangeStep kHertz[] = {{'0', 0, "K"},  {'1', 1, "K"},  {'2', 2, "K"},
                                {'3', 3, " M"}, {'4', 4, " M"}, {'5', 5, " M"}};
// Digit factor times prefix factor: "0" 10^-3 x n, "1" 10^-2 x n, ..., "7" 10^-2 x m.
constexpr RangeStep kFarads[] = {{'0', -12, "n"},   {'1', -11, "n"},   {'2', -10, "n"}, {'3', -9, kMicro},
                                 {'4', -8, kMicro}, {'5', -7, kMicro}, {'6', -6, "m"},  {'7', -5, "m"}};

// Transistor gain: the scale selection ("0" 10^-3, "2" 10^-2, "8" 10^-1, "4" 1) is keyed by
// the function character itself, which is always "X" here, so the scale stays 1 and the
// "NPN"/"PNP" overload at a scale of 1000 never applies. No other frame character is known to
// carry those bits, and keying it by option character 1 (which is "0" in ordinary frames)
// would divide every gain by 1000.
constexpr FunctionRow kFunctions[] = {
    {'1', Rule::Diode, {}, "", "V", "Vdiode", false, 1, "Vdiode"},
    {';', Rule::Plain, kVolts, "", "V", "V", true, -1, ""},
    {'9', Rule::Plain, kMilliamps, "m", "A", "A", true, -1, ""},
    {'=', Rule::Plain, kMicroamps, kMicro, "A", "A", true, -1, ""},
    {'?', Rule::Plain, kAmps, "", "A", "A", true, -1, ""},
    {'3', Rule::Resistance, kOhms, "", "W", "ohm", false, -1, ""},
    // Continuity marks itself "Beep": the trend graph's continuity threshold depends on it.
    {'5', Rule::Resistance, kOhms, "", "W", "ohm", false, 2, "Beep"},
    {'2', Rule::Plain, kHertz, "", "HZ", "HZ", false, -1, ""},
    {'6', Rule::Plain, kFarads, nullptr, "F", "F", false, -1, ""},
    {'4', Rule::Temperature, {}, "", "", "", false, -1, ""},
    {'X', Rule::TransistorGain, {}, "", "", "", false, -1, ""},
};

// The meter is not measuring: unit "Wait", prefix as it was.
constexpr FunctionRow kNoFunction = {'\0', Rule::Plain, {}, nullptr, "", "Wait", false, -1, ""};

const FunctionRow& RowFor(int code) {
    for (const FunctionRow& row : kFunctions) {
        if (static_cast<unsigned char>(row.code) == code) return row;
    }
    return kNoFunction;
}

const RangeStep* StepFor(const FunctionRow& row, int rangeCode) {
    for (const RangeStep& step : row.ranges) {
        if (static_cast<unsigned char>(step.range) == rangeCode) return &step;
    }
    return nullptr;
}

}  // namespace

namespace {

std::string_view CouplingOf(int option2) {
    std::string_view coupling;
    if (HasFrameBit(option2, 8)) coupling = "DC";
    if (HasFrameBit(option2, 4)) coupling = "AC";
    return coupling;
}

void FillFrameBytes(Reading& r, std::string_view frame) {
    // Positions the text does not reach read as 255.
    const size_t n = std::min<size_t>(frame.size(), 11);
    for (size_t i = 0; i < n; ++i) r.frameBytes[i + 1] = static_cast<unsigned char>(frame[i]);
    for (size_t i = n + 1; i <= 11; ++i) r.frameBytes[i] = 255;
}

}  // namespace

Reading DecodeFrame(const Reading& before, std::string_view frame, std::string_view digits,
                    std::string_view meterType) {
    Reading r = before;
    SetText(r.frameText, frame);
    SetText(r.digits, digits);
    FillFrameBytes(r, frame);
    const FunctionRow& row = RowFor(r.frameBytes[kFunction]);
    const int status = r.frameBytes[kStatus];
    double scale = 1.0;
    if (const RangeStep* step = StepFor(row, r.frameBytes[kRange])) {
        scale = Pow10(step->exponent);
        SetText(r.prefix, step->prefix);
    } else if (row.otherPrefix) {
        // A range without an entry: the row's own prefix, or the one from before.
        SetText(r.prefix, row.otherPrefix);
    }
    std::string unit(r.prefix);  // the unit work text: prefix, then the unit
    std::string_view unitText;

    switch (row.rule) {
        case Rule::Plain:
            if (!row.unit.empty()) unitText = unit.append(row.unit);
            SetText(r.baseUnit, row.baseUnit);
            break;
        case Rule::Diode:
            scale = 1e-3;
            unitText = row.unit;
            SetText(r.baseUnit, row.baseUnit);
            if (Val(r.digits) * scale >= 2) {
                r.digits = "OL";
                scale = 2;
            }
            break;
        case Rule::Resistance:
            SetText(r.prefix, unit.append(row.unit));
            unitText = r.prefix;
            SetText(r.baseUnit, row.baseUnit);
            break;
        case Rule::Temperature:
            unitText = HasFrameBit(status, 8) ? "oC" : "oF";
            SetText(r.baseUnit, unitText);
            break;
        case Rule::TransistorGain:
            SetText(r.baseUnit, meterType);
            break;
    }
    SetText(r.unitText, unitText);
    SetText(r.specialMode, row.specialMode);
    r.funcMode = row.funcMode;
    SetText(r.acDc, row.coupling ? CouplingOf(r.frameBytes[kOption2]) : std::string_view());
    SetText(r.rangeMode, HasFrameBit(r.frameBytes[kOption2], 2) ? std::string_view("AUTO") : "RANGE");

    if (HasFrameBit(status, 4)) {
        SetText(r.signText, "-");
        scale = -scale;
    } else {
        SetText(r.signText, " ");
    }
    r.scale = scale;
    return r;
}

float SingleOrZero(double number) {
    const bool fits = std::isfinite(number) && std::fabs(number) <= std::numeric_limits<float>::max();
    return fits ? static_cast<float>(number) : 0.0f;
}

void ComputeValue(Reading& reading) {
    reading.value = SingleOrZero(Val(reading.digits) * reading.scale);
}

Reading DecodeFrameText(std::string_view frame, const std::string& unType) {
    const std::string_view digits = frame.size() > 1 ? frame.substr(1, 4) : std::string_view();
    Reading reading = DecodeFrame(Reading{}, frame, digits, unType);
    ComputeValue(reading);
    return reading;
}

}  // namespace voltaro
