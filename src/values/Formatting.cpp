#include "values/Formatting.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "link/FrameCodes.h"
#include "base/Notation.h"

namespace voltaro {

namespace {

// 10^n for the whole-number n a rounding asks for; these are exact doubles, as pow gives them.
double PowerOfTen(int n) {
    static constexpr double kExact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    return n >= 0 && n <= 22 ? kExact[n] : std::pow(10.0, n);
}

}  // namespace

double RoundToDigits(double value, int digits) {
    return std::floor((value * PowerOfTen(digits + 1) + 0.5) / 10.0) / PowerOfTen(digits);
}

namespace {

// Adds one to a text of decimal digits.
void IncrementDigits(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string RightAligned(const std::string& text, size_t width) {
    if (text.size() >= width) return text.substr(text.size() - width);
    return std::string(width - text.size(), ' ') + text;
}

std::string WithCapitalExponent(std::string text) {
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

}  // namespace

std::string FormatMask(double value, int minIntDigits, int decimals, int significant) {
    if (!std::isfinite(value)) value = 0;
    significant = std::clamp(significant, 1, 17);
    const bool negative = value < 0;
    // The value's own significant digits and exponent: value = 0.D x 10^(exp+1).
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(value));
    std::string digits;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (std::isdigit(static_cast<unsigned char>(*p))) digits.push_back(*p);
    int exponent = 0;
    if (*p == 'e') {
        const char* e = p + 1;
        if (*e == '+') ++e;  // from_chars takes no plus sign
        std::from_chars(e, buf + std::strlen(buf), exponent);
    }
    // Shift so that the digits count units of the last kept decimal.
    const int shift = exponent - static_cast<int>(digits.size()) + 1 + decimals;
    std::string scaled;
    if (shift >= 0) {
        scaled = digits + std::string(static_cast<size_t>(shift), '0');
    } else {
        const int keep = static_cast<int>(digits.size()) + shift;
        const char firstDropped = keep >= 0 ? digits[static_cast<size_t>(keep)] : '0';
        scaled = keep > 0 ? digits.substr(0, static_cast<size_t>(keep)) : "0";
        if (firstDropped >= '5') IncrementDigits(scaled);
    }
    scaled.erase(0, std::min(scaled.find_first_not_of('0'), scaled.size()));
    const size_t minLength = static_cast<size_t>(std::max(minIntDigits, 0) + decimals);
    if (scaled.size() < minLength) scaled.insert(0, minLength - scaled.size(), '0');
    const bool zero = scaled.find_first_not_of('0') == std::string::npos;
    std::string text = scaled;
    if (decimals > 0) text.insert(text.size() - static_cast<size_t>(decimals), ".");
    if (text.front() == '.') text.insert(0, "0");  // a mask with no integer digit still shows one
    if (negative && !zero) text.insert(0, "-");
    return text;
}

// std::to_chars with a precision writes exactly what printf's "%.*g" writes, several times
// faster; loading a recording converts every row's value.
std::string GeneralText(double value, int precision) {
    char buf[48];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, precision);
    return WithCapitalExponent(std::string(buf, r.ptr));
}

namespace {

// 10^n as the nearest double, for the decimal exponents a single-precision value can need.
constexpr double kTensFromMinus60[] = {
    1e-60, 1e-59, 1e-58, 1e-57, 1e-56, 1e-55, 1e-54, 1e-53, 1e-52, 1e-51, 1e-50, 1e-49, 1e-48,
    1e-47, 1e-46, 1e-45, 1e-44, 1e-43, 1e-42, 1e-41, 1e-40, 1e-39, 1e-38, 1e-37, 1e-36, 1e-35,
    1e-34, 1e-33, 1e-32, 1e-31, 1e-30, 1e-29, 1e-28, 1e-27, 1e-26, 1e-25, 1e-24, 1e-23, 1e-22,
    1e-21, 1e-20, 1e-19, 1e-18, 1e-17, 1e-16, 1e-15, 1e-14, 1e-13, 1e-12, 1e-11, 1e-10, 1e-9,
    1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8,
    1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22, 1e23,
    1e24, 1e25, 1e26, 1e27, 1e28, 1e29, 1e30, 1e31, 1e32, 1e33, 1e34, 1e35, 1e36, 1e37, 1e38,
    1e39, 1e40, 1e41, 1e42, 1e43, 1e44, 1e45, 1e46, 1e47, 1e48, 1e49, 1e50, 1e51, 1e52, 1e53,
    1e54, 1e55, 1e56, 1e57, 1e58, 1e59
};
double TenToThe(int n) {
    return kTensFromMinus60[n + 60];
}

// The power of two of a finite non-zero single: from its exponent bits, or for the smallest
// (subnormal) ones from the library.
int BinaryExponent(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>((bits >> 23) & 0xFF);
    return biased != 0 ? biased - 127 : std::ilogb(value);
}

// The "%.7g" text of a single-precision value, by scaling it to seven whole digits in double
// precision. The scaled value (two roundings) is off by far less than 1e-8, so its rounding to a whole number
// is exact unless it lies that close to a half; those rare values, and the non-finite ones,
// give 0 here and are left to the exact conversion. Writes at most 16 characters.
size_t SevenDigitChars(float value, char* out) {
    const double x = std::fabs(static_cast<double>(value));
    if (!std::isfinite(x)) return 0;
    char* p = out;
    if (std::signbit(value)) *p++ = '-';
    if (x == 0) {
        *p++ = '0';
        return static_cast<size_t>(p - out);
    }
    // floor(log10(2) x the power of two), in whole numbers: 78913 / 2^18 is log10(2) closely
    // enough for every power a double can have, and the shift rounds down for negatives too.
    int exponent = (BinaryExponent(value) * 78913) >> 18;
    double scaled = x * TenToThe(6 - exponent);
    if (scaled >= 1e7) scaled = x * TenToThe(6 - ++exponent);
    if (scaled < 1e6 || scaled >= 1e7) return 0;
    double whole = static_cast<double>(static_cast<int64_t>(scaled));  // positive: cut is floor
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < 1e-8) return 0;
    if (fraction > 0.5) whole += 1;
    if (whole >= 1e7) {
        whole = 1e6;
        ++exponent;
    }
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    char digits[8];
    auto n = static_cast<uint32_t>(whole);
    for (int i = 6; i > 0; i -= 2, n /= 100) {
        digits[i - 1] = kPairs[2 * (n % 100)];
        digits[i] = kPairs[2 * (n % 100) + 1];
    }
    digits[0] = static_cast<char>('0' + n);
    int count = 7;
    while (count > 1 && digits[count - 1] == '0') --count;

    auto put = [&p](const char* from, int n) {
        for (int i = 0; i < n; ++i) *p++ = from[i];
    };
    if (exponent >= -4 && exponent < 7) {
        if (exponent < 0) {
            *p++ = '0';
            *p++ = '.';
            for (int i = -1; i > exponent; --i) *p++ = '0';
            put(digits, count);
        } else {
            const int before = exponent + 1;  // digits in front of the point
            put(digits, std::min(count, before));
            if (count > before) {
                *p++ = '.';
                put(digits + before, count - before);
            } else {
                for (int i = count; i < before; ++i) *p++ = '0';
            }
        }
    } else {
        *p++ = digits[0];
        if (count > 1) {
            *p++ = '.';
            put(digits + 1, count - 1);
        }
        const int e = std::abs(exponent);
        *p++ = 'E';
        *p++ = exponent < 0 ? '-' : '+';
        if (e >= 100) *p++ = static_cast<char>('0' + e / 100);
        *p++ = static_cast<char>('0' + e / 10 % 10);
        *p++ = static_cast<char>('0' + e % 10);
    }
    return static_cast<size_t>(p - out);
}

}  // namespace

size_t SingleToChars(float value, char* out) {
    if (const size_t n = SevenDigitChars(value, out)) return n;
    const std::string text = GeneralText(static_cast<double>(value), 7);
    std::memcpy(out, text.data(), text.size());
    return text.size();
}

std::string SingleToText(float value) {
    char buf[kSingleTextRoom];
    return std::string(buf, SingleToChars(value, buf));
}

namespace {

struct PrefixRow {
    double limit;
    const char* prefix;
    double multiplier;
    double divisor;
};

// First row whose limit is not exceeded. Values up to 0.4 read in milli-units.
const std::array<PrefixRow, 9> kPrefixRows{{
    {1e-9, "p", 1e12, 1},
    {1e-6, "n", 1e9, 1},
    {1e-3, "\xB5", 1e6, 1},
    {0.40001, "m", 1e3, 1},
    {1, "", 1, 1},
    {1e3, "", 1, 1},
    {1e6, "K", 1, 1e3},
    {1e9, "M", 1, 1e6},
    {1e12, "G", 1, 1e9},
}};

// The digit text of a scaled magnitude at width 4; empty `prefix` result means cleared.
std::string DigitsWidth4(float m, bool& clearPrefix) {
    if (m < 1e-7) {
        clearPrefix = true;
        return "0";
    }
    if (m < 0.1) return FormatMask(m, 1, 3, 7);
    if (m < 1) return FormatMask(m, 1, 2, 7);
    if (m < 10) return FormatMask(static_cast<float>(RoundToDigits(m, 2)), 1, 2, 7);
    if (m < 100) return FormatMask(static_cast<float>(RoundToDigits(m, 1)), 1, 1, 7);
    return FormatMask(RoundToDigits(m, 0), 1, 0);
}

std::string DigitsWidth6(float m, bool& clearPrefix) {
    if (m == 0) {
        clearPrefix = true;
        return "0";
    }
    if (m < 1) return FormatMask(m, 1, 3, 7);
    if (m < 100) return FormatMask(m, 1, 2, 7);
    return FormatMask(std::floor(m), 1, 0);
}

}  // namespace

ScaledText FormatScaled(double value, int width) {
    if (std::isnan(value)) value = 0;
    const double x = std::fabs(value);
    ScaledText out;
    float m = 0;
    for (const PrefixRow& row : kPrefixRows) {
        if (x <= row.limit) {
            out.prefix = row.prefix;
            m = static_cast<float>(x * row.multiplier / row.divisor);
            break;
        }
    }
    m = static_cast<float>(RoundToDigits(m, 3));
    bool clearPrefix = false;
    const std::string digits = width == 4 ? DigitsWidth4(m, clearPrefix) : DigitsWidth6(m, clearPrefix);
    if (clearPrefix) out.prefix.clear();
    const char sign = value == 0 ? ' ' : (value > 0 ? '+' : '-');
    out.text = sign + RightAligned(digits, static_cast<size_t>(std::max(width, 0)));
    return out;
}

std::string ScaleFormatter::FormatScaled(double value, int width) {
    ScaledText r = voltaro::FormatScaled(value, width);
    ScalePrefix = std::move(r.prefix);
    return std::move(r.text);
}

namespace {

enum class RowKind { Masked, Count };

struct RangeRow {
    char code;
    RowKind kind;
    double divisor;
    int minIntDigits;
    int decimals;
    double top;
};

enum class BottomRule { MinusTop, Zero };

struct RangeBlock {
    std::vector<RangeRow> rows;
    char dotsFrom;  // codes at or above it show "...."; 0 for none
    BottomRule bottom;
    bool anyCode;  // one row for every code
};

RangeRow Masked(char code, double divisor, int minInt, int decimals, double top) {
    return {code, RowKind::Masked, divisor, minInt, decimals, top};
}
RangeRow Count(char code, double top) {
    return {code, RowKind::Count, 1, 0, 0, top};
}

const RangeBlock kAmps{{Masked(0, 100, 1, 2, 10)}, 0, BottomRule::MinusTop, true};
const RangeBlock kMilliAmps{
    {Masked('0', 100, 1, 2, 0.04), Masked('1', 10, 1, 1, 0.4)}, 0, BottomRule::MinusTop, false};
const RangeBlock kMicroAmps{
    {Masked('0', 10, 1, 1, 0.0004), Masked('1', 1, 1, 0, 0.004)}, 0, BottomRule::MinusTop, false};
const RangeBlock kVolts{{Masked('0', 10, 1, 1, 0.4), Masked('1', 1000, 1, 3, 4), Masked('2', 100, 1, 2, 40),
                         Masked('3', 10, 1, 1, 400), Count('4', 1000)},
                        '5',
                        BottomRule::MinusTop,
                        false};
const RangeBlock kDiode{{Masked('0', 1000, 1, 3, 2), Masked('1', 100, 1, 2, 2), Masked('2', 10, 1, 1, 40),
                         Masked('3', 1, 4, 0, 400), Count('4', 4000)},
                        '5',
                        BottomRule::Zero,
                        false};
const RangeBlock kOhms{
    {Masked('0', 10, 1, 1, 400), Masked('1', 1000, 1, 3, 4e3), Masked('2', 100, 1, 2, 4e4),
     Masked('3', 10, 1, 1, 4e5), Masked('4', 1000, 1, 3, 4e6), Masked('5', 100, 1, 2, 4e7)},
    '6',
    BottomRule::Zero,
    false};
const RangeBlock kHertz{
    {Masked('0', 1000, 1, 3, 4e3), Masked('1', 100, 1, 2, 4e4), Masked('2', 10, 1, 1, 4e5),
     Masked('3', 1000, 1, 3, 4e6), Masked('4', 100, 1, 2, 4e7), Masked('5', 10, 1, 1, 4e8)},
    '6',
    BottomRule::Zero,
    false};
const RangeBlock kFarads{
    {Masked('0', 1000, 1, 3, 4e-9), Masked('1', 100, 1, 2, 40e-9), Masked('2', 10, 1, 1, 400e-9),
     Masked('3', 1000, 1, 3, 4e-6), Masked('4', 100, 1, 2, 40e-6), Masked('5', 10, 1, 1, 400e-6),
     Masked('6', 1000, 1, 3, 4e-3), Masked('7', 100, 1, 2, 40e-3)},
    '8',
    BottomRule::Zero,
    false};
// Units without a block of their own (temperature) are keyed by the function character.
const RangeBlock kOther{
    {Masked('0', 1000, 1, 3, 4), Masked('2', 100, 1, 2, 40), Count('4', 4000), Masked('8', 10, 1, 1, 400)},
    0,
    BottomRule::Zero,
    false};

// The last two characters, upper-cased in a to z only so the micro sign stays itself.
std::string UnitKey(const std::string& unitText) {
    std::string u = unitText.size() > 2 ? unitText.substr(unitText.size() - 2) : unitText;
    for (char& ch : u)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return u;
}

const RangeBlock& BlockOf(const std::string& u, char funcChar) {
    if (u == "A") return kAmps;
    if (u == "MA") return kMilliAmps;
    if (u == MicroSign + "A") return kMicroAmps;
    if (u == "V" || u == "MV") return funcChar == '1' ? kDiode : kVolts;
    if (u == " W" || u == "KW" || u == "MW") return kOhms;
    if (u == "HZ") return kHertz;
    if (u == "NF" || u == "MF" || u == MicroSign + "F") return kFarads;
    return kOther;
}

// Last four characters of the count behind five blanks.
std::string CountText(double c) {
    const std::string padded = "     " + FormatMask(std::trunc(c), 1, 0);
    return padded.substr(padded.size() - 4);
}

}  // namespace

RangeInput RangeInputOf(const Reading& reading, int recordCount) {
    RangeInput in;
    in.digits = reading.digits;
    in.unitText = reading.unitText;
    in.rangeCode = static_cast<char>(reading.frameBytes[1]);
    in.funcChar = static_cast<char>(reading.frameBytes[6]);
    in.overload = HasFrameBit(reading.frameBytes[7], 1);  // the meter's own overload flag
    in.funcMode = reading.funcMode;
    in.acDc = reading.acDc;
    in.recordCount = recordCount;
    return in;
}

std::string MeterRange::FormatRangeText(const RangeInput& in) {
    const double c = Val(in.digits);
    const std::string u = UnitKey(in.unitText);
    RangeTop = in.recordCount == 0 ? 4 : 4000;
    std::string text;
    const RangeBlock& block = BlockOf(u, in.funcChar);
    if (&block == &kOther && c == 0) {
        text = "0";  // nothing else changes
    } else {
        const char key = &block == &kOther ? in.funcChar : in.rangeCode;
        const RangeRow* row = nullptr;
        for (const RangeRow& r : block.rows)
            if (block.anyCode || r.code == key) row = &r;
        if (row) {
            text = row->kind == RowKind::Count
                       ? CountText(c)
                       : FormatMask(c / row->divisor, row->minIntDigits, row->decimals);
            RangeTop = row->top;
        } else if (block.dotsFrom != 0 &&
                   static_cast<unsigned char>(key) >= static_cast<unsigned char>(block.dotsFrom)) {
            text = "....";
        }
        RangeBottom = block.bottom == BottomRule::MinusTop ? static_cast<float>(-RangeTop) : 0.0f;
        if (&block == &kOther && row && row->kind == RowKind::Count) RangeBottom = -40;
        if (&block == &kOhms && in.funcMode == 2) RangeTop = 45;
    }
    if (in.overload) text = " OL ";
    if (in.acDc == "AC") RangeBottom = 0;
    return text;
}

}  // namespace voltaro
