#pragma once

#include <string>
#include <string_view>

#include "link/Reading.h"

namespace voltaro {

// Decodes one frame: `frame` gives the function, range, status and options, `digits` the four
// display digits (positions 2 to 5 of the frame as the reader or a stored row gives them). The
// rest of the result is `before`: its value, accepted frame and silence flag are not the frame's,
// and a frame that names no prefix (no function, a capacitance range without an entry) keeps the
// prefix of the reading before. `meterType` names the unit of the transistor-gain function.
Reading DecodeFrame(const Reading& before, std::string_view frame, std::string_view digits,
                    std::string_view meterType);

// A number as single precision; 0 for one that no single-precision value holds (a text read as
// "9E99" from line noise, a mangled file or a typing slip).
float SingleOrZero(double number);

// value = Val(digits) x scale, rounded to single precision, as the acquisition loop computes it
// right after decoding.
void ComputeValue(Reading& reading);

// Decodes one frame's data characters on their own (a recorded frame, a frame given on the
// command line): frameText as given, digits from positions 2 to 5, value computed.
Reading DecodeFrameText(std::string_view frame, const std::string& unType = "");

}  // namespace voltaro
