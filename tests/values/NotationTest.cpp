#include "values/Notation.h"

#include <gtest/gtest.h>

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

TEST(Val, TextThatIsNotANumberReadsAsZero) {
    EXPECT_EQ(Val("OL"), 0.0);
    EXPECT_EQ(Val(""), 0.0);
    EXPECT_EQ(Val("-"), 0.0);
    EXPECT_EQ(Val("."), 0.0);
    EXPECT_EQ(Val("1e999"), 0.0);  // overflow is not a number either
}
