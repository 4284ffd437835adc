#include <gtest/gtest.h>

#include <cmath>

#include "base/Notation.h"

using voltaro::Val;

// Every text is read to the nearest double, whichever way it is read: plain digit texts take a
// shorter way than texts with an exponent or many digits, and must not round differently. Blanks
// are skipped, the number ends at the first other character, and no number reads as 0.
TEST(Val, ReadsToTheNearestDoubleOnEveryPath) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"0123", 123},
        {" 1 2.5x", 12.5},
        {"-0.123 V", -0.123},
        {"+4", 4},
        {"1.5E3", 1500},
        {"2e", 2},
        {".5", 0.5},
        {"000000000", 0},
        {"987654321", 987654321},
        {"0.1", 0.1},
        {"1 2 3 . 4 5", 123.45},
        {"0.000000000000000000001", 1e-21},
        {"123456789012345", 123456789012345.0},
        {"1234567890123456789", 1234567890123456789.0},  // beyond the exact whole numbers
        {"9007199254740993", 9007199254740992.0},        // halfway: to the even neighbour
        {"0.30000000000000004", 0.30000000000000004},
        {"12.5.3", 12.5},
        {"+-5", 0},
        {"OL", 0},
        {"", 0},
        {"-", 0},
        {".", 0},
        {"1e999", 0},  // overflow is not a number either
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Val(c.text), c.value);
    }
    EXPECT_TRUE(std::signbit(Val("-0")));
}
