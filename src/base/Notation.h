#pragma once

#include <string>
#include <string_view>

namespace voltaro {

// The number formed by the leading numeric characters of a text, blanks skipped; 0 when there
// is none. A text that is not a number therefore reads as 0, never as an error.
double Val(std::string_view text);

// A double as text with fifteen significant digits: no leading blank, "-" when negative,
// exponent form ("1E-05", "1.23456789012346E+20") for very small or large magnitudes.
std::string DoubleToText(double value);

}  // namespace voltaro
