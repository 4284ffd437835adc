#pragma once

#include <string>

namespace voltaro {

// Frame characters "0" to "@" carry small numbers; any other character reads as 0.
inline int CharValue(unsigned char c) {
    return c >= '0' && c <= '@' ? c - '0' : 0;
}

// "1" when bit n-1 (n = 1 is the lowest bit) of CharValue of the character with that code is
// set, else "0". Codes beyond a single byte (255 stands for a missing position) read as 0.
std::string FrameBit(int code, int n);

// The same test for a bit given by its value (1, 2, 4, 8), for the rules in code.
inline bool HasFrameBit(int code, int bitValue) {
    if (code < 0 || code > 255) return false;
    return (CharValue(static_cast<unsigned char>(code)) & bitValue) != 0;
}

}  // namespace voltaro
