#include "link/FrameCodes.h"

namespace voltaro {

int CharValue(unsigned char c) {
    if (c >= '0' && c <= '@') return c - '0';
    return 0;
}

bool HasFrameBit(int code, int bitValue) {
    if (code < 0 || code > 255) return false;
    return (CharValue(static_cast<unsigned char>(code)) & bitValue) != 0;
}

std::string FrameBit(int code, int n) {
    if (n < 1 || n > 8) return "0";
    return HasFrameBit(code, 1 << (n - 1)) ? "1" : "0";
}

}  // namespace voltaro
