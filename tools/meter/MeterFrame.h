#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace voltaro::meter {

// One range of a function: the range character's digit and the power of ten that turns the
// four display digits into base units (volts, amperes, ohms, hertz, farads, degrees).
struct MeterRange {
    int number;
    int exponent;
};

// One function of the meter's selector as it appears in a frame.
struct MeterFunction {
    std::string_view name;         // the simulator's name for it ("vdc", "ohm", ...)
    std::string_view description;  // for --help
    std::string_view unit;         // the base unit values are given in
    char code;                     // the frame's function character
    int optionBits;                // coupling bits of option character 2 (8 DC, 4 AC)
    int statusBits;                // fixed status bits (8: degrees Celsius)
    bool signedValues;             // can the meter show a minus sign here
    std::span<const MeterRange> ranges;
};

// Status and option bits as the meter sets them.
inline constexpr int kStatusOverload = 1;
inline constexpr int kStatusNegative = 4;
inline constexpr int kOptionAutoRange = 2;

// The meter counts to 3999; anything beyond reads as overload.
inline constexpr long kMaxCounts = 3999;

// Every function of the meter, in the order a sweep visits them.
std::span<const MeterFunction> MeterFunctions();
const MeterFunction* FindFunction(std::string_view name);
const MeterRange* FindRange(const MeterFunction& function, int number);

// The 9 data characters for a value in base units shown by a function in a range. A value
// beyond 3999 counts gives the range's overload frame; a negative value in a function that
// has no sign reads as 0.
std::string EncodeFrame(const MeterFunction& function, const MeterRange& range, double value, bool autoRange);

// The frame built from raw parts: digits are the four display digits as a number.
std::string BuildFrame(char rangeChar, long digits, char functionChar, int status, int option1, int option2);

// The same frame as the meter sends it on overload: digits 4000 and the overload status bit.
std::string OverloadFrame(std::string frame);

// The same frame with its minus-sign status bit flipped.
std::string FlipSign(std::string frame);

// A frame character read as a small number: "0" to "?" give 0 to 15, anything else 0.
int FrameCharValue(char c);
char FrameCharOf(int value);

}  // namespace voltaro::meter
