#pragma once

#include <QDate>
#include <QTime>
#include <cstdint>
#include <string>

namespace voltaro {

// Zero-padded text of `width` characters for counts, line numbers and times: 7 at width 5 is
// "00007"; with decimals the fraction is cut, not rounded (3.14159, 8, 3 gives "0003.141").
// Negative values are written as 0.
std::string FormatFixedNumber(double value, int width, int decimals);

// "hh:mm:ss"; the hours are not limited to 24 (90000 gives "25:00:00"). Negative counts as 0.
std::string SecondsToClock(int64_t seconds);

int TimeToSeconds(const QTime& time);

// "20261205" and "90503" (9:05:03), for working-file names and counters.
std::string DateToNumberText(const QDate& date);
std::string TimeToNumberText(const QTime& time);

// Without leading and trailing blanks.
std::string TrimBoth(const std::string& text);

}  // namespace voltaro
