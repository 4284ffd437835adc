#include "base/Conversions.h"

#include <algorithm>
#include <cmath>

#include "base/Notation.h"

namespace voltaro {

namespace {

std::string LastChars(const std::string& s, int count) {
    if (count <= 0) return "";
    const size_t n = static_cast<size_t>(count);
    return s.size() <= n ? s : s.substr(s.size() - n);
}

}  // namespace

std::string FormatFixedNumber(double value, int width, int decimals) {
    if (!std::isfinite(value) || value < 0) value = 0;
    if (decimals <= 0) return LastChars("00000000000000000" + TrimBoth(DoubleToText(value)), width);
    const double whole = std::floor(value);
    // The digits after the point of 1.xxx, so that a fraction below 0.1 keeps its zeros.
    std::string fraction = DoubleToText(value + 1 - whole);
    const size_t point = fraction.find('.');
    fraction = point == std::string::npos ? "." : fraction.substr(point);
    fraction = (fraction + "00000000").substr(0, static_cast<size_t>(decimals) + 1);
    const std::string integer = LastChars("0000000000" + DoubleToText(whole), width - decimals - 1);
    return integer + fraction;
}

std::string SecondsToClock(int64_t seconds) {
    seconds = std::max<int64_t>(seconds, 0);
    const int64_t hours = seconds / 3600;
    const int64_t minutes = seconds / 60 % 60;
    const int64_t secs = seconds % 60;
    auto two = [](int64_t v) { return v < 10 ? "0" + std::to_string(v) : std::to_string(v); };
    return two(hours) + ":" + two(minutes) + ":" + two(secs);
}

int TimeToSeconds(const QTime& time) {
    if (!time.isValid()) return 0;
    return time.hour() * 3600 + time.minute() * 60 + time.second();
}

std::string DateToNumberText(const QDate& date) {
    if (!date.isValid()) return "0";
    return std::to_string(date.year() * 10000 + date.month() * 100 + date.day());
}

std::string TimeToNumberText(const QTime& time) {
    if (!time.isValid()) return "0";
    return std::to_string(time.hour() * 10000 + time.minute() * 100 + time.second());
}

std::string TrimBoth(const std::string& text) {
    const size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return "";
    const size_t e = text.find_last_not_of(' ');
    return text.substr(b, e - b + 1);
}

}  // namespace voltaro
