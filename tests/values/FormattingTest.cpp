#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "values/Formatting.h"

using namespace voltaro;

TEST(RoundToDigits, TruncatesAfterAddingHalfOfTheNextDigit) {
    EXPECT_DOUBLE_EQ(RoundToDigits(1.2345, 2), 1.23);
    EXPECT_DOUBLE_EQ(RoundToDigits(1.2396, 2), 1.24);
    EXPECT_DOUBLE_EQ(RoundToDigits(1.2349, 2), 1.23);
    EXPECT_DOUBLE_EQ(RoundToDigits(-1.231, 2), -1.24);
    EXPECT_DOUBLE_EQ(RoundToDigits(12.3451, 2), 12.34);
    EXPECT_DOUBLE_EQ(RoundToDigits(12.3496, 2), 12.35);
}

TEST(NumberText, MasksAndConversions) {
    EXPECT_EQ(FormatMask(0.625, 1, 2), "0.63");  // an exact binary half goes away from zero
    EXPECT_EQ(FormatMask(2.675, 1, 2), "2.68");  // rounds as it reads, not by its binary tail
    EXPECT_EQ(FormatMask(12, 4, 0), "0012");
    EXPECT_EQ(FormatMask(9.9996, 1, 3), "10.000");
    EXPECT_EQ(FormatMask(-1.25, 1, 1), "-1.3");
}

// The single-precision text must be exactly what "%.7G" writes ("1E-05", "1.234568E+07"): checked
// for every value a frame can decode to (four or five digits at every scale, both signs) and for
// a sample spread over every bit pattern a single can have.
TEST(NumberText, SingleTextIsSevenSignificantDigitsForEveryValue) {
    auto printed = [](float v) {
        char buf[48];
        std::snprintf(buf, sizeof buf, "%.7G", static_cast<double>(v));
        return std::string(buf);
    };
    int checked = 0;
    for (int exponent = -12; exponent <= 5; ++exponent) {
        for (int digits = 0; digits <= 40000; digits += exponent % 2 ? 1 : 3) {
            for (float sign : {1.0f, -1.0f}) {
                const float v = sign * static_cast<float>(digits * std::pow(10.0, exponent));
                if (SingleToText(v) != printed(v)) {
                    ADD_FAILURE() << digits << "e" << exponent << ": " << SingleToText(v) << " vs "
                                  << printed(v);
                    return;
                }
                ++checked;
            }
        }
    }
    for (uint64_t bits = 0; bits < (uint64_t{1} << 32); bits += 7919) {
        float v;
        const auto b = static_cast<uint32_t>(bits);
        std::memcpy(&v, &b, sizeof v);
        if (!std::isfinite(v)) continue;
        if (SingleToText(v) != printed(v)) {
            ADD_FAILURE() << std::hex << b << ": " << SingleToText(v) << " vs " << printed(v);
            return;
        }
        ++checked;
    }
    EXPECT_GT(checked, 1000000);
}

TEST(FormatScaled, EveryPrefixWidthAndEdge) {
    struct Case {
        double value;
        int width;
        const char* text;
        const char* prefix;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // clang-format off
    const Case cases[] = {
        {0.0123, 4, "+12.3", "m"},   {0.0123, 6, "+ 12.30", "m"},
        {1500, 4, "+1.50", "K"},     {1500, 6, "+  1.50", "K"},
        {-0.25, 4, "- 250", "m"},    {-0.25, 6, "-   250", "m"},
        {0, 4, "    0", ""},         {0, 6, "      0", ""},
        {1234, 6, "+  1.23", "K"},
        {0.4, 6, "+   400", "m"},    {0.41, 6, "+ 0.410", ""},  // milli-units up to 0.4 only
        {0.5, 6, "+ 0.500", ""},     {0.41, 4, "+0.41", ""},
        {0.05, 4, "+50.0", "m"},     {5e-5, 4, "+50.0", "\xB5"},
        {2.5e-8, 4, "+25.0", "n"},   {4.7e-10, 6, "+   470", "p"},
        {-3.3e6, 6, "-  3.30", "M"}, {4.2e9, 4, "+4.20", "G"},
        {-7.5, 4, "-7.50", ""},      {-75, 6, "- 75.00", ""},
        {1.2e-14, 4, "+.012", "p"},  {5e-14, 4, "+.050", "p"},  // "0.012" cut to four
        {0.625, 4, "+0.63", ""},     {0.645, 4, "+0.65", ""},   {999.96, 4, "+1000", ""},
        {2e12, 4, "+   0", ""},      {-5e13, 6, "-     0", ""}, // beyond the table
        {1e-20, 4, "+   0", ""},     {nan, 4, "    0", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        const ScaledText r = FormatScaled(c.value, c.width);
        EXPECT_EQ(r.text, c.text) << c.value << " at width " << c.width;
        EXPECT_EQ(r.prefix, c.prefix) << c.value << " at width " << c.width;
    }
}

namespace {

struct RangeCase {
    const char* unit;
    char range, func;
    const char* digits;
    const char* text;
    double top;
    float bottom;
};

void ExpectRanges(std::initializer_list<RangeCase> cases, int recordCount = 0) {
    for (const RangeCase& c : cases) {
        RangeInput in;
        in.unitText = c.unit;
        in.rangeCode = c.range;
        in.funcChar = c.func;
        in.digits = c.digits;
        in.recordCount = recordCount;
        MeterRange range;
        range.RangeBottom = 123;
        EXPECT_EQ(range.FormatRangeText(in), c.text) << c.unit << " r " << c.range << " f " << c.func;
        EXPECT_DOUBLE_EQ(range.RangeTop, c.top) << c.unit << " r " << c.range;
        EXPECT_FLOAT_EQ(range.RangeBottom, c.bottom) << c.unit << " r " << c.range;
    }
}

}  // namespace

// clang-format off
TEST(FormatRangeText, CurrentAndVoltage) {
    ExpectRanges({
        {"A", '7', '?', "1234", "12.34", 10, -10},
        {"mA", '0', '9', "1234", "12.34", 0.04, -0.04f}, {"mA", '1', '9', "1234", "123.4", 0.4, -0.4f},
        {"mA", '2', '9', "1234", "", 4000, -4000},
        {"\xB5" "A", '0', '=', "1234", "123.4", 0.0004, -0.0004f},
        {"\xB5" "A", '1', '=', "1234", "1234", 0.004, -0.004f},
        {"mV", '0', ';', "1234", "123.4", 0.4, -0.4f}, {"V", '1', ';', "3999", "3.999", 4, -4},
        {"V", '2', ';', "1234", "12.34", 40, -40},     {"V", '3', ';', "1234", "123.4", 400, -400},
        {"V", '4', ';', "0999", " 999", 1000, -1000},  {"V", '5', ';', "1234", "....", 4000, -4000},
        {"V", ':', ';', "1234", "....", 4000, -4000},  {"V", '/', ';', "1234", "", 4000, -4000},
    }, 5);
}

TEST(FormatRangeText, DiodeResistanceFrequencyCapacitance) {
    ExpectRanges({
        {"V", '0', '1', "1234", "1.234", 2, 0},      {"V", '1', '1', "1234", "12.34", 2, 0},
        {"V", '2', '1', "1234", "123.4", 40, 0},     {"V", '3', '1', "0012", "0012", 400, 0},
        {"V", '4', '1', "0012", "  12", 4000, 0},    {"V", '6', '1', "0012", "....", 4, 0},
        {" W", '0', '3', "1234", "123.4", 400, 0},   {"KW", '1', '3', "1234", "1.234", 4e3, 0},
        {"KW", '2', '3', "1234", "12.34", 4e4, 0},   {"KW", '3', '3', "2500", "250.0", 4e5, 0},
        {"MW", '4', '3', "1234", "1.234", 4e6, 0},   {"MW", '5', '3', "1234", "12.34", 4e7, 0},
        {"MW", '6', '3', "1234", "....", 4, 0},      {"W", '0', '3', "1234", "", 4, 0},
        {"KHZ", '0', '2', "1234", "1.234", 4e3, 0},  {"KHZ", '1', '2', "1234", "12.34", 4e4, 0},
        {"KHZ", '2', '2', "1234", "123.4", 4e5, 0},  {" MHZ", '3', '2', "1234", "1.234", 4e6, 0},
        {" MHZ", '4', '2', "1234", "12.34", 4e7, 0}, {" MHZ", '5', '2', "1234", "123.4", 4e8, 0},
        {"HZ", '6', '2', "1234", "....", 4, 0},
        {"nF", '0', '6', "1234", "1.234", 4e-9, 0},  {"nF", '1', '6', "1234", "12.34", 40e-9, 0},
        {"nF", '2', '6', "1234", "123.4", 400e-9, 0},
        {"\xB5" "F", '3', '6', "1234", "1.234", 4e-6, 0}, {"\xB5" "F", '4', '6', "1234", "12.34", 40e-6, 0},
        {"\xB5" "F", '5', '6', "1234", "123.4", 400e-6, 0},
        {"mF", '6', '6', "1234", "1.234", 4e-3, 0},  {"mF", '7', '6', "1234", "12.34", 40e-3, 0},
        {"mF", '8', '6', "1234", "....", 4, 0},
        {"oC", '0', '4', "0025", "  25", 4000, -40}, {"oF", '0', '0', "1234", "1.234", 4, 0},
        {"oF", '0', '2', "1234", "12.34", 40, 0},    {"oF", '0', '8', "1234", "123.4", 400, 0},
        {"", '0', '9', "1234", "", 4, 0},
    });
}
// clang-format on

TEST(FormatRangeText, ContinuityZeroTemperatureOverloadAndAc) {
    MeterRange range;
    RangeInput ohms;
    ohms.unitText = " W";
    ohms.rangeCode = '0';
    ohms.digits = "0012";
    ohms.funcMode = 2;
    EXPECT_EQ(range.FormatRangeText(ohms), "1.2");
    EXPECT_DOUBLE_EQ(range.RangeTop, 45);

    Reading r;
    r.frameText = "13999;1?4";  // status "1": the meter's overload bit; option "4": AC
    for (size_t i = 0; i < r.frameText.size(); ++i) r.frameBytes[i + 1] = r.frameText[i];
    r.digits = "3999";
    r.unitText = "V";
    r.acDc = "AC";
    EXPECT_EQ(range.FormatRangeText(r, 0), " OL ");
    EXPECT_FLOAT_EQ(range.RangeBottom, 0);
    r.frameBytes[7] = '0';
    r.acDc = "DC";
    EXPECT_EQ(range.FormatRangeText(r, 0), "3.999");
    EXPECT_FLOAT_EQ(range.RangeBottom, -4);
    // A zero count of a unit without a range changes only the text.
    r.unitText = "oC";
    r.frameBytes[6] = '4';
    r.digits = "0000";
    EXPECT_EQ(range.FormatRangeText(r, 3), "0");
    EXPECT_DOUBLE_EQ(range.RangeTop, 4000);
    EXPECT_FLOAT_EQ(range.RangeBottom, -4);
}
