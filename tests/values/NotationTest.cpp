#include "base/Notation.h"

#include <gtest/gtest.h>

#include <cmath>

using voltaro::Val;

TEST(Val, ReadsLeadingNumberSkippingBlanks) {
    EXPECT_DOUBLE_EQ(Val("0123"), 123.0);
    EXPECT_DOUBLE_EQ(Val(" 1 2.5x"), 12.5);
    EXPECT_DOUBLE_EQ(Val("-0.123 V"), -0.123);
    EXPECT_DOUBLE_EQ(Val("+4"), 4.0);
    EXPECT_DOUBLE_EQ(Val("1.5E3"), 1500.0);
    EXPECT_DOUBLE_EQ(Val("2e"), 2.0);
    EXPECT_DOUBLE_EQ(Val(".5"), 0.5);
}

// Every text is read to the nearest double, whichever way it is read: plain digit texts take a
// shorter way than texts with an exponent or many digits, and must not round differently.
TEST(Val, ReadsToTheNearestDoubleOnEveryPath) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"1234", 1234},
        {"000000000", 0},
        {"987654321", 987654321},
        {"0.1", 0.1},
        {"-0.3", -0.3},
        {"1 2 3 . 4 5", 123.45},
        {"0.000000000000000000001", 1e-21},
        {"123456789012345", 123456789012345.0},
        {"1234567890123456789", 1234567890123456789.0},  // beyond the exact whole numbers
        {"9007199254740993", 9007199254740992.0},        // halfway: to the even neighbour
        {"0.30000000000000004", 0.30000000000000004},
        {"2.5E-3", 2.5e-3},
        {"12.5.3", 12.5},
        {"+-5", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Val(c.text), c.value);
    }
    EXPECT_TRUE(std::signbit(Val("-0")));
}

TEST(Val, TextThatIsNotANumberReadsAsZero) {
    EXPECT_EQ(Val("OL"), 0.0);
    EXPECT_EQ(Val(""), 0.0);
    EXPECT_EQ(Val("-"), 0.0);
    EXPECT_EQ(Val("."), 0.0);
    EXPECT_EQ(Val("1e999"), 0.0);  // overflow is not a number either
}
