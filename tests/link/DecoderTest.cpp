#include <gtest/gtest.h>

#include <tuple>

#include "link/Decoder.h"
#include "link/FrameCodes.h"

using namespace voltaro;

namespace {

const std::string kMicro = "\xB5";

// A frame decoded after `before`, with its value, as the acquisition loop decodes it.
Reading Decoded(const std::string& frame, const Reading& before = {}) {
    Reading r = DecodeFrame(before, frame, frame.substr(1, 4), "NPN hFE");
    ComputeValue(r);
    return r;
}

struct Row {
    const char* frame;
    double scale;
    const char* unitText;
    const char* prefix;
    const char* baseUnit;
    const char* acDc;
    int funcMode;
    const char* specialMode;
    float value;
};

// Every function and range of the meter, with digits 1234, status "0" and option 2 "8" (DC bit).
// clang-format off
const Row kTable[] = {
    {"01234;008", 1e-4, "mV", "m", "V", "DC", -1, "", 0.1234f},
    {"11234;008", 1e-3, "V", "", "V", "DC", -1, "", 1.234f},
    {"21234;008", 1e-2, "V", "", "V", "DC", -1, "", 12.34f},
    {"31234;008", 1e-1, "V", "", "V", "DC", -1, "", 123.4f},
    {"41234;008", 1, "V", "", "V", "DC", -1, "", 1234.f},
    {"01234900;", 1e-5, "mA", "m", "A", "DC", -1, "", 0.01234f},
    {"11234900;", 1e-4, "mA", "m", "A", "DC", -1, "", 0.1234f},
    {"01234=004", 1e-7, "\xB5" "A", "\xB5", "A", "AC", -1, "", 1.234e-4f},
    {"11234=004", 1e-6, "\xB5" "A", "\xB5", "A", "AC", -1, "", 1.234e-3f},
    {"01234?008", 1e-2, "A", "", "A", "DC", -1, "", 12.34f},
    {"11234?008", 1e-1, "A", "", "A", "DC", -1, "", 123.4f},
    {"012343008", 1e-1, " W", " W", "ohm", "", -1, "", 123.4f},
    {"112343008", 1, "KW", "KW", "ohm", "", -1, "", 1234.f},
    {"212343008", 10, "KW", "KW", "ohm", "", -1, "", 12340.f},
    {"312343008", 100, "KW", "KW", "ohm", "", -1, "", 123400.f},
    {"412343008", 1e3, "MW", "MW", "ohm", "", -1, "", 1234000.f},
    {"512343008", 1e4, "MW", "MW", "ohm", "", -1, "", 12340000.f},
    {"912343008", 1, "W", "W", "ohm", "", -1, "", 1234.f},
    {"012345008", 1e-1, " W", " W", "ohm", "", 2, "Beep", 123.4f},
    {"412345008", 1e3, "MW", "MW", "ohm", "", 2, "Beep", 1234000.f},
    {"012342008", 1, "KHZ", "K", "HZ", "", -1, "", 1234.f},
    {"112342008", 10, "KHZ", "K", "HZ", "", -1, "", 12340.f},
    {"212342008", 100, "KHZ", "K", "HZ", "", -1, "", 123400.f},
    {"312342008", 1e3, " MHZ", " M", "HZ", "", -1, "", 1234000.f},
    {"412342008", 1e4, " MHZ", " M", "HZ", "", -1, "", 12340000.f},
    {"512342008", 1e5, " MHZ", " M", "HZ", "", -1, "", 123400000.f},
    {"612342008", 1, "HZ", "", "HZ", "", -1, "", 1234.f},
    {"012346008", 1e-12, "nF", "n", "F", "", -1, "", 1.234e-9f},
    {"112346008", 1e-11, "nF", "n", "F", "", -1, "", 1.234e-8f},
    {"212346008", 1e-10, "nF", "n", "F", "", -1, "", 1.234e-7f},
    {"312346008", 1e-9, "\xB5" "F", "\xB5", "F", "", -1, "", 1.234e-6f},
    {"412346008", 1e-8, "\xB5" "F", "\xB5", "F", "", -1, "", 1.234e-5f},
    {"512346008", 1e-7, "\xB5" "F", "\xB5", "F", "", -1, "", 1.234e-4f},
    {"612346008", 1e-6, "mF", "m", "F", "", -1, "", 1.234e-3f},
    {"712346008", 1e-5, "mF", "m", "F", "", -1, "", 1.234e-2f},
    {"21234@008", 1, "", "m", "Wait", "", -1, "", 1234.f},
    {"21234A00:", 1, "", "m", "Wait", "", -1, "", 1234.f},
    {"012341008", 1e-3, "V", "", "Vdiode", "", 1, "Vdiode", 1.234f},
    {"312341008", 1e-3, "V", "", "Vdiode", "", 1, "Vdiode", 1.234f},
    {"002344808", 1, "oC", "", "oC", "", -1, "", 234.f},
    {"002344008", 1, "oF", "", "oF", "", -1, "", 234.f},
    {"00123X008", 1, "", "", "NPN hFE", "", -1, "", 123.f},
};
// clang-format on

}  // namespace

TEST(FrameCodes, CharValueReadsTheCodeRangeAndNothingElse) {
    const std::string codes = "0123456789:;<=>?@";
    for (size_t i = 0; i < codes.size(); ++i) EXPECT_EQ(CharValue(codes[i]), static_cast<int>(i));
    for (unsigned char c : {'/', 'A', 'X', ' ', '\r', '\xB5', '\xFF'}) EXPECT_EQ(CharValue(c), 0) << int(c);
    // Code, bit, set: ':' is 10 = 8 + 2.
    for (auto [c, bit, set] : {std::tuple{'4', 3, "1"},
                               {'4', 1, "0"},
                               {':', 2, "1"},
                               {':', 4, "1"},
                               {':', 1, "0"},
                               {'@', 5, "1"},
                               {'\xFF', 1, "0"},
                               {'?', 8, "0"}})
        EXPECT_EQ(FrameBit(static_cast<unsigned char>(c), bit), set) << c << bit;
}

// The whole function table in sequence, each frame decoded after the one before, so that a
// field left over from the row before shows up too. The "@" rows keep the prefix before them.
TEST(DecodeFrame, EveryFunctionAndRange) {
    Reading r;
    for (const Row& row : kTable) {
        SCOPED_TRACE(row.frame);
        r = Decoded(row.frame, r);
        EXPECT_DOUBLE_EQ(r.scale, row.scale);
        EXPECT_EQ(r.unitText, row.unitText);
        EXPECT_EQ(r.prefix, row.prefix);
        EXPECT_EQ(r.baseUnit, row.baseUnit);
        EXPECT_EQ(r.acDc, row.acDc);
        EXPECT_EQ(r.funcMode, row.funcMode);
        EXPECT_EQ(r.specialMode, row.specialMode);
        EXPECT_FLOAT_EQ(r.value, row.value);
        EXPECT_EQ(r.signText, " ");
        EXPECT_EQ(r.frameText, row.frame);
    }
}

// Status bit 4 is the sign, option 2 holds auto range (2), AC (4) and DC (8); only volts and
// amperes have a coupling.
TEST(DecodeFrame, SignRangeModeAndCoupling) {
    const std::tuple<const char*, double, const char*, const char*, const char*> cases[] = {
        {"10123;008", 1e-3, " ", "RANGE", "DC"},
        {"02047;402", -1e-4, "-", "AUTO", ""},
        {"10000;408", -1e-3, "-", "RANGE", "DC"},  // minus zero keeps its sign
        {"10123;00<", 1e-3, " ", "RANGE", "AC"},   // AC and DC bits both set
        {"10123;00?", 1e-3, " ", "AUTO", "AC"},
        {"1012430?<", 1, " ", "RANGE", ""},  // resistance ignores the coupling bits
    };
    for (auto [frame, scale, sign, rangeMode, acDc] : cases) {
        const Reading r = Decoded(frame, Decoded("10123;008"));
        EXPECT_DOUBLE_EQ(r.scale, scale) << frame;
        EXPECT_EQ(r.signText, sign) << frame;
        EXPECT_EQ(r.rangeMode, rangeMode) << frame;
        EXPECT_EQ(r.acDc, acDc) << frame;
    }
}

// The reading before gives what the frame does not: a prefix the frame names none of, and the
// fields that are no frame's (the value until computed, the accepted frame, the silence flag).
TEST(DecodeFrame, WhatTheFrameDoesNotSayComesFromBefore) {
    Reading before = Decoded("312346008");
    before.acceptedFrameText = "312346008";
    before.NoDataFlag = true;
    const Reading r = DecodeFrame(before, "812346008", "1234", "");
    EXPECT_DOUBLE_EQ(r.scale, 1);
    EXPECT_EQ(r.prefix, kMicro);
    EXPECT_EQ(r.unitText, kMicro + "F");
    EXPECT_FLOAT_EQ(r.value, before.value);
    EXPECT_EQ(r.acceptedFrameText, "312346008");
    EXPECT_TRUE(r.NoDataFlag);
    // A volts range without an entry has its own (empty) prefix and a scale of one.
    const Reading volts = Decoded("71234;008", r);
    EXPECT_DOUBLE_EQ(volts.scale, 1);
    EXPECT_EQ(volts.unitText, "V");
}

TEST(DecodeFrame, DigitsReadAsAnExponentGiveZeroNotInfinity) {
    for (const char* frame : {"19E99;008", "19E99;408", "09E45=008"})
        EXPECT_EQ(Decoded(frame).value, 0.f) << frame;
    EXPECT_FLOAT_EQ(Decoded("11E10;008").value, 1e7f);  // within single precision: as Val reads it
}

// Digits, scale: a diode overloads from two volts, and a negative overload keeps its sign.
TEST(DecodeFrame, DiodeOverloadsFromTwoVolts) {
    for (auto [frame, digits, scale] :
         {std::tuple{"020001008", "OL", 2.0}, {"019991008", "1999", 1e-3}, {"099991408", "OL", -2.0}}) {
        const Reading r = Decoded(frame);
        EXPECT_EQ(r.digits, digits) << frame;
        EXPECT_DOUBLE_EQ(r.scale, scale) << frame;
    }
}

// What the recorder refuses: an overload by either mark, or any reading once the meter is silent.
TEST(IsOverload, DecodedReadingsAndTheSilentMeter) {
    const std::tuple<const char*, bool, bool> cases[] = {
        {"10123;008", false, false}, {"14000;018", false, true}, {"020001008", false, true},
        {"019991008", false, false}, {"10123;008", true, true},
    };
    for (auto [frame, noData, overload] : cases) {
        Reading r = DecodeFrameText(frame);
        r.NoDataFlag = noData;
        EXPECT_EQ(IsOverload(r), overload) << frame << noData;
    }
}

TEST(DecodeFrameText, ShortLongAndForeignFramesNeverFail) {
    // Missing positions read as 255: no coupling, manual range, no sign.
    Reading r = DecodeFrameText("10123;");
    EXPECT_EQ(r.frameBytes[7], 255);
    EXPECT_EQ(r.frameBytes[11], 255);
    EXPECT_EQ(r.unitText, "V");
    EXPECT_EQ(r.rangeMode, "RANGE");
    EXPECT_EQ(r.signText, " ");
    EXPECT_FLOAT_EQ(r.value, 0.123f);

    r = DecodeFrameText("10123;008\r\n");
    EXPECT_EQ(r.frameBytes[10], 13);
    EXPECT_EQ(r.frameBytes[11], 10);
    EXPECT_FLOAT_EQ(r.value, 0.123f);

    r = DecodeFrameText("");
    EXPECT_EQ(r.baseUnit, "Wait");
    EXPECT_FLOAT_EQ(r.value, 0.f);

    r = DecodeFrameText(std::string("\xB5\xFF\x01\x80\x7F\xB5\xFF\x00\xFF", 9));
    EXPECT_EQ(r.baseUnit, "Wait");
    EXPECT_EQ(r.frameBytes[1], 0xB5);
}
