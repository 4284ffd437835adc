#pragma once

#include <string_view>

namespace voltaro {

// The number formed by the leading numeric characters of a text, blanks skipped; 0 when there
// is none. A text that is not a number therefore reads as 0, never as an error.
double Val(std::string_view text);

}  // namespace voltaro
