#include "link/FrameCodes.h"

namespace voltaro {

std::string FrameBit(int code, int n) {
    if (n < 1 || n > 8) return "0";
    return HasFrameBit(code, 1 << (n - 1)) ? "1" : "0";
}

}  // namespace voltaro
