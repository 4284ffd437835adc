#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "values/Formatting.h"

using namespace voltaro;

TEST(RoundToDigits, TruncatesAfterAddingHalfOfTheNextDigit) {
    EXPECT_DOUBLE_EQ(RoundToDigits(1.2345, 2), 1.23);
    EXPECT_DOUBLE_EQ(RoundToDigits(1.2396, 2), 1.24);
    EXPECT_DOUBLE_EQ(RoundToDigits(1.2349, 2), 1.23);
    EXPECT_DOUBLE_EQ(RoundToDigits(-1.231, 2), -1.24);
    EXPECT_DOUBLE_EQ(RoundToDigits(12.3449, 2), 12.34);
    EXPECT_DOUBLE_EQ(RoundToDigits(12.3451, 2), 12.34);
    EXPECT_DOUBLE_EQ(RoundToDigits(12.3496, 2), 12.35);
    EXPECT_DOUBLE_EQ(RoundToDigits(999.96, 0), 1000);
}

TEST(FormatMask, RoundsHalfAwayFromZeroAsTheNumberReads) {
    EXPECT_EQ(FormatMask(0.625, 1, 2), "0.63");  // exact half in binary: not to even
    EXPECT_EQ(FormatMask(2.675, 1, 2), "2.68");  // 2.67499... in binary, 2.675 as read
    EXPECT_EQ(FormatMask(0.645f, 1, 2, 7), "0.65");
    EXPECT_EQ(FormatMask(0.41f, 1, 3, 7), "0.410");
    EXPECT_EQ(FormatMask(12, 4, 0), "0012");
    EXPECT_EQ(FormatMask(0.0004, 1, 3), "0.000");
    EXPECT_EQ(FormatMask(9.9996, 1, 3), "10.000");
    EXPECT_EQ(FormatMask(-1.25, 1, 1), "-1.3");
    EXPECT_EQ(FormatMask(-0.0001, 1, 2), "0.00");
    EXPECT_EQ(FormatMask(1e20, 1, 0), "100000000000000000000");
}

TEST(NumberText, SingleAndDoubleConversions) {
    EXPECT_EQ(SingleToText(0.123f), "0.123");
    EXPECT_EQ(SingleToText(-0.2047f), "-0.2047");
    EXPECT_EQ(SingleToText(250000.0f), "250000");
    EXPECT_EQ(SingleToText(1e-5f), "1E-05");
    EXPECT_EQ(SingleToText(0.0001f), "0.0001");
    EXPECT_EQ(SingleToText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(SingleToText(0.0f), "0");
    EXPECT_EQ(DoubleToText(1.14159), "1.14159");
    EXPECT_EQ(DoubleToText(1e15), "1E+15");
}

namespace {
void ExpectScaled(double value, int width, const std::string& text, const std::string& prefix) {
    const ScaledText r = FormatScaled(value, width);
    EXPECT_EQ(r.text, text) << "value " << value << " width " << width;
    EXPECT_EQ(r.prefix, prefix) << "value " << value << " width " << width;
}
}  // namespace

TEST(FormatScaled, WorkedExamples) {
    ExpectScaled(0.0123, 4, "+12.3", "m");
    ExpectScaled(0.0123, 6, "+ 12.30", "m");
    ExpectScaled(1500, 4, "+1.50", "K");
    ExpectScaled(1500, 6, "+  1.50", "K");
    ExpectScaled(-0.25, 4, "- 250", "m");
    ExpectScaled(-0.25, 6, "-   250", "m");
    ExpectScaled(0, 4, "    0", "");
    ExpectScaled(0, 6, "      0", "");
    ExpectScaled(1234, 6, "+  1.23", "K");
}

TEST(FormatScaled, MilliLimitIsPointFour) {
    ExpectScaled(0.4, 6, "+   400", "m");
    ExpectScaled(0.41, 6, "+ 0.410", "");
    ExpectScaled(0.5, 6, "+ 0.500", "");
    ExpectScaled(0.4, 4, "+ 400", "m");
    ExpectScaled(0.41, 4, "+0.41", "");
}

TEST(FormatScaled, EveryPrefix) {
    ExpectScaled(0.05, 4, "+50.0", "m");
    ExpectScaled(5e-5, 4, "+50.0", "\xB5");
    ExpectScaled(2.5e-8, 4, "+25.0", "n");
    ExpectScaled(4.7e-10, 6, "+   470", "p");
    ExpectScaled(-3.3e6, 6, "-  3.30", "M");
    ExpectScaled(4.2e9, 4, "+4.20", "G");
    ExpectScaled(-7.5, 4, "-7.50", "");
    ExpectScaled(-75, 6, "- 75.00", "");
}

TEST(FormatScaled, WidthFourCutsLeadingCharacters) {
    ExpectScaled(1.2e-14, 4, "+.012", "p");
    ExpectScaled(5e-14, 4, "+.050", "p");
}

TEST(FormatScaled, MaskRoundsHalfAwayFromZero) {
    ExpectScaled(0.625, 4, "+0.63", "");
    ExpectScaled(0.645, 4, "+0.65", "");
    ExpectScaled(999.96, 4, "+1000", "");
}

TEST(FormatScaled, OutOfTableValues) {
    ExpectScaled(2e12, 4, "+   0", "");
    ExpectScaled(-5e13, 6, "-     0", "");
    ExpectScaled(1e-20, 4, "+   0", "");  // too small for a digit at width 4: prefix cleared
    ExpectScaled(std::numeric_limits<double>::quiet_NaN(), 4, "    0", "");
    ExpectScaled(-std::numeric_limits<double>::infinity(), 6, "-     0", "");
}

TEST(ScaleFormatter, KeepsThePrefixOfTheLastCall) {
    ScaleFormatter f;
    EXPECT_EQ(f.FormatScaled6(1234), "+  1.23");
    EXPECT_EQ(f.ScalePrefix, "K");
    EXPECT_EQ(f.FormatScaled4(0), "    0");
    EXPECT_EQ(f.ScalePrefix, "");
}

namespace {

struct RangeCase {
    const char* unit;
    char range;
    char func;
    const char* digits;
    const char* text;
    double top;
    float bottom;
};

RangeInput Input(const RangeCase& c, int recordCount = 0) {
    RangeInput in;
    in.unitText = c.unit;
    in.rangeCode = c.range;
    in.funcChar = c.func;
    in.digits = c.digits;
    in.recordCount = recordCount;
    return in;
}

void ExpectCases(std::initializer_list<RangeCase> cases, int recordCount = 0) {
    for (const RangeCase& c : cases) {
        MeterRange range;
        range.RangeBottom = 123;
        EXPECT_EQ(range.FormatRangeText(Input(c, recordCount)), c.text)
            << c.unit << " r " << c.range << " f " << c.func;
        EXPECT_DOUBLE_EQ(range.RangeTop, c.top) << c.unit << " r " << c.range;
        EXPECT_FLOAT_EQ(range.RangeBottom, c.bottom) << c.unit << " r " << c.range;
    }
}

}  // namespace

TEST(FormatRangeText, CurrentBlocks) {
    ExpectCases({
        {"A", '0', '?', "1234", "12.34", 10, -10},
        {"A", '7', '?', "0005", "0.05", 10, -10},
        {"mA", '0', '9', "1234", "12.34", 0.04, -0.04f},
        {"mA", '1', '9', "1234", "123.4", 0.4, -0.4f},
        {"mA", '2', '9', "1234", "", 4, -4},
        {"\xB5"
         "A",
         '0', '=', "1234", "123.4", 0.0004, -0.0004f},
        {"\xB5"
         "A",
         '1', '=', "1234", "1234", 0.004, -0.004f},
    });
}

TEST(FormatRangeText, VoltageBlock) {
    ExpectCases(
        {
            {"mV", '0', ';', "1234", "123.4", 0.4, -0.4f},
            {"V", '1', ';', "3999", "3.999", 4, -4},
            {"V", '2', ';', "1234", "12.34", 40, -40},
            {"V", '3', ';', "1234", "123.4", 400, -400},
            {"V", '4', ';', "1000", "1000", 1000, -1000},
            {"V", '4', ';', "0999", " 999", 1000, -1000},
            {"V", '5', ';', "1234", "....", 4000, -4000},
            {"V", ':', ';', "1234", "....", 4000, -4000},
            {"V", '/', ';', "1234", "", 4000, -4000},
        },
        5);
}

TEST(FormatRangeText, DiodeBlock) {
    ExpectCases({
        {"V", '0', '1', "1234", "1.234", 2, 0},
        {"V", '1', '1', "1234", "12.34", 2, 0},
        {"V", '2', '1', "1234", "123.4", 40, 0},
        {"V", '3', '1', "0012", "0012", 400, 0},
        {"V", '4', '1', "0012", "  12", 4000, 0},
        {"V", '6', '1', "0012", "....", 4, 0},
    });
}

TEST(FormatRangeText, ResistanceBlock) {
    ExpectCases({
        {" W", '0', '3', "1234", "123.4", 400, 0},
        {"KW", '1', '3', "1234", "1.234", 4e3, 0},
        {"KW", '2', '3', "1234", "12.34", 4e4, 0},
        {"KW", '3', '3', "2500", "250.0", 4e5, 0},
        {"MW", '4', '3', "1234", "1.234", 4e6, 0},
        {"MW", '5', '3', "1234", "12.34", 4e7, 0},
        {"W", '6', '3', "1234", "", 4, 0},  // no prefix blank: not a resistance key
        {"MW", '6', '3', "1234", "....", 4, 0},
    });
    MeterRange range;
    RangeInput in = Input({" W", '0', '5', "0012", "", 0, 0});
    in.funcMode = 2;
    EXPECT_EQ(range.FormatRangeText(in), "1.2");
    EXPECT_DOUBLE_EQ(range.RangeTop, 45);
    EXPECT_FLOAT_EQ(range.RangeBottom, 0);
}

TEST(FormatRangeText, FrequencyBlock) {
    ExpectCases({
        {"KHZ", '0', '2', "1234", "1.234", 4e3, 0},
        {"KHZ", '1', '2', "1234", "12.34", 4e4, 0},
        {"KHZ", '2', '2', "1234", "123.4", 4e5, 0},
        {" MHZ", '3', '2', "1234", "1.234", 4e6, 0},
        {" MHZ", '4', '2', "1234", "12.34", 4e7, 0},
        {" MHZ", '5', '2', "1234", "123.4", 4e8, 0},
        {"HZ", '6', '2', "1234", "....", 4, 0},
    });
}

TEST(FormatRangeText, CapacitanceBlock) {
    ExpectCases({
        {"nF", '0', '6', "1234", "1.234", 4e-9, 0},
        {"nF", '1', '6', "1234", "12.34", 40e-9, 0},
        {"nF", '2', '6', "1234", "123.4", 400e-9, 0},
        {"\xB5"
         "F",
         '3', '6', "1234", "1.234", 4e-6, 0},
        {"\xB5"
         "F",
         '4', '6', "1234", "12.34", 40e-6, 0},
        {"\xB5"
         "F",
         '5', '6', "1234", "123.4", 400e-6, 0},
        {"mF", '6', '6', "1234", "1.234", 4e-3, 0},
        {"mF", '7', '6', "1234", "12.34", 40e-3, 0},
        {"mF", '8', '6', "1234", "....", 4, 0},
    });
}

TEST(FormatRangeText, OtherUnitsByFunctionCharacter) {
    ExpectCases({
        {"oC", '0', '4', "0025", "  25", 4000, -40},
        {"oF", '0', '0', "1234", "1.234", 4, 0},
        {"oF", '0', '2', "1234", "12.34", 40, 0},
        {"oF", '0', '8', "1234", "123.4", 400, 0},
        {"", '0', '9', "1234", "", 4, 0},
    });
    // A zero count changes only the text: the bottom stays where the last reading put it.
    MeterRange range;
    range.FormatRangeText(Input({"V", '1', ';', "3999", "", 0, 0}));
    EXPECT_EQ(range.FormatRangeText(Input({"oC", '0', '4', "0000", "", 0, 0}, 3)), "0");
    EXPECT_DOUBLE_EQ(range.RangeTop, 4000);
    EXPECT_FLOAT_EQ(range.RangeBottom, -4);
}

TEST(FormatRangeText, OverloadAndAlternatingCurrent) {
    Reading r;
    r.frameText = "13999;1?4";  // status "1": the meter's overload bit; option "4": AC
    for (size_t i = 0; i < r.frameText.size(); ++i)
        r.frameBytes[i + 1] = static_cast<uint8_t>(r.frameText[i]);
    r.digits = "3999";
    r.unitText = "V";
    r.acDc = "AC";
    MeterRange range;
    EXPECT_EQ(range.FormatRangeText(r, 0), " OL ");
    EXPECT_DOUBLE_EQ(range.RangeTop, 4);
    EXPECT_FLOAT_EQ(range.RangeBottom, 0);
    r.frameBytes[7] = '0';
    r.acDc = "DC";
    EXPECT_EQ(range.FormatRangeText(r, 0), "3.999");
    EXPECT_FLOAT_EQ(range.RangeBottom, -4);
    r.frameBytes[7] = '@';  // bit of value 1 clear
    r.frameBytes[6] = 'Z';  // function without a row: the unit decides
    EXPECT_EQ(range.FormatRangeText(r, 0), "3.999");
}
