#pragma once

#include <string>

#include "base/Notation.h"
#include "link/Reading.h"

namespace voltaro {

// The micro sign in the program's single-byte character set.
inline constexpr char kMicroSign = '\xB5';
inline const std::string MicroSign(1, kMicroSign);

// Truncates to `digits` decimals after adding 0.05 of the last digit; negative values move
// toward minus infinity (-1.231 gives -1.24 at two digits).
double RoundToDigits(double value, int digits);

// The decimal text of `value` rounded half away from zero to `decimals` places, with at least
// `minIntDigits` integer digits (the masks "0.000", "0.0", "0", "0000"). The value is first
// taken to `significant` significant digits, so that a single-precision number rounds as it
// reads (7) and a double as it reads (15), not by the binary tail of either.
std::string FormatMask(double value, int minIntDigits, int decimals, int significant = 15);

// The ordinary number-to-text conversions: no leading blank, "-" when negative, exponent form
// ("1E-05", "1.234568E+07") for very small or large magnitudes. Seven significant digits for
// a single; DoubleToText gives fifteen for a double.
std::string SingleToText(float value);
// SingleToText into a buffer of kSingleTextRoom characters, for callers that copy the text
// on at once; returns its length.
inline constexpr size_t kSingleTextRoom = 32;
size_t SingleToChars(float value, char* out);

// A number scaled into the range of an SI prefix: a sign character and a right-aligned field
// of `width` characters, and the prefix that belongs after it.
struct ScaledText {
    std::string text;
    std::string prefix;
};
ScaledText FormatScaled(double value, int width);
inline ScaledText FormatScaled4(double value) {
    return FormatScaled(value, 4);
}
inline ScaledText FormatScaled6(double value) {
    return FormatScaled(value, 6);
}

// For callers written as "format, then read the prefix": keeps the prefix of the last call.
class ScaleFormatter {
public:
    std::string FormatScaled(double value, int width);
    std::string FormatScaled4(double value) { return FormatScaled(value, 4); }
    std::string FormatScaled6(double value) { return FormatScaled(value, 6); }

    std::string ScalePrefix;
};

// What the main display's digit text is made from.
struct RangeInput {
    std::string digits;     // the four display digits (or "OL")
    std::string unitText;   // prefix + unit ("mV", "KW", "\xB5" "F", ...)
    char rangeCode = 0;     // frame character 1
    char funcChar = 0;      // frame character 6
    bool overload = false;  // the meter's own overload bit in the status character
    int funcMode = -1;      // 2 is continuity
    std::string acDc;       // "AC", "DC" or ""
    int recordCount = 0;    // readings held in the recording
};
RangeInput RangeInputOf(const Reading& reading, int recordCount);

// The full-scale span of the meter's current range, kept between calls: a reading whose unit
// has no range of its own leaves the bottom where the previous one put it.
class MeterRange {
public:
    // The digit text of the main display ("3.999", "....", " OL "); sets RangeTop and
    // RangeBottom.
    std::string FormatRangeText(const RangeInput& in);
    std::string FormatRangeText(const Reading& reading, int recordCount) {
        return FormatRangeText(RangeInputOf(reading, recordCount));
    }

    double RangeTop = 0;
    float RangeBottom = 0;
};

}  // namespace voltaro
