#include <gtest/gtest.h>

#include <tuple>

#include "LinkDoubles.h"
#include "link/Decoder.h"
#include "link/FrameCodes.h"

using namespace voltaro;
using voltaro::testing::RecordingLinkView;

namespace {

const std::string kMicro = "\xB5";

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

class DecoderFixture : public ::testing::Test {
protected:
    Reading reading;
    RecordingLinkView window;
    Decoder decoder{reading, window};

    void Decode(const std::string& frame) {
        reading.frameText = frame;
        reading.digits = frame.substr(1, 4);
        decoder.DecodeFrame(window);
        ComputeValue(reading);
    }
};

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

// The whole function table, run through one decoder in sequence so that a field left over from
// the row before shows up too. The "@" rows keep the prefix of the row before them.
TEST_F(DecoderFixture, EveryFunctionAndRange) {
    decoder.UnType = "NPN hFE";
    for (const Row& row : kTable) {
        SCOPED_TRACE(row.frame);
        Decode(row.frame);
        EXPECT_DOUBLE_EQ(reading.scale, row.scale);
        EXPECT_EQ(reading.unitText, row.unitText);
        EXPECT_EQ(reading.prefix, row.prefix);
        EXPECT_EQ(reading.baseUnit, row.baseUnit);
        EXPECT_EQ(reading.acDc, row.acDc);
        EXPECT_EQ(reading.funcMode, row.funcMode);
        EXPECT_EQ(reading.specialMode, row.specialMode);
        EXPECT_FLOAT_EQ(reading.value, row.value);
        EXPECT_EQ(reading.signText, " ");
    }
}

TEST_F(DecoderFixture, WorkedDecodes) {
    Decode("10123;008");
    EXPECT_EQ(reading.digits, "0123");
    EXPECT_DOUBLE_EQ(reading.scale, 0.001);
    EXPECT_FLOAT_EQ(reading.value, 0.123f);
    EXPECT_EQ(reading.unitText, "V");
    EXPECT_EQ(reading.acDc, "DC");
    EXPECT_EQ(reading.rangeMode, "RANGE");
    EXPECT_EQ(reading.signText, " ");
    EXPECT_EQ(window.labAuto, "RANGE");
    EXPECT_EQ(window.dc.text, "DC");

    Decode("02047;402");
    EXPECT_DOUBLE_EQ(reading.scale, -0.0001);
    EXPECT_FLOAT_EQ(reading.value, -0.2047f);
    EXPECT_EQ(reading.unitText, "mV");
    EXPECT_EQ(reading.prefix, "m");
    EXPECT_EQ(reading.acDc, "");
    EXPECT_EQ(reading.rangeMode, "AUTO");
    EXPECT_EQ(reading.signText, "-");
    EXPECT_EQ(window.labAuto, "AUTO");
    EXPECT_EQ(window.dc.text, "");

    Decode("10000;408");  // minus zero keeps its sign until it is cleared
    EXPECT_EQ(reading.signText, "-");
    EXPECT_LT(reading.scale, 0);
    EXPECT_FLOAT_EQ(reading.value, 0.f);
    decoder.ClearSign();
    EXPECT_EQ(reading.signText, "");
}

TEST_F(DecoderFixture, RangeWithoutEntryKeepsScaleOne) {
    Decode("71234;008");
    EXPECT_DOUBLE_EQ(reading.scale, 1);
    EXPECT_EQ(reading.unitText, "V");
    EXPECT_EQ(reading.prefix, "");
    // A capacitance range without an entry keeps the prefix, and the unit shows it.
    Decode("312346008");
    Decode("812346008");
    EXPECT_DOUBLE_EQ(reading.scale, 1);
    EXPECT_EQ(reading.prefix, kMicro);
    EXPECT_EQ(reading.unitText, kMicro + "F");
}

TEST_F(DecoderFixture, DigitsReadAsAnExponentGiveZeroNotInfinity) {
    for (const char* frame : {"19E99;008", "19E99;408", "09E45=008"}) {
        Decode(frame);
        EXPECT_EQ(reading.value, 0.f) << frame;
    }
    Decode("11E10;008");  // within single precision: taken as Val reads it
    EXPECT_FLOAT_EQ(reading.value, 1e7f);
}

TEST_F(DecoderFixture, DiodeOverloadsFromTwoVolts) {
    Decode("020001008");
    EXPECT_EQ(reading.digits, "OL");
    EXPECT_DOUBLE_EQ(reading.scale, 2);
    EXPECT_FLOAT_EQ(reading.value, 0.f);
    Decode("019991008");
    EXPECT_EQ(reading.digits, "1999");
    EXPECT_FLOAT_EQ(reading.value, 1.999f);
    // A negative overload keeps the sign on the scale.
    Decode("099991408");
    EXPECT_EQ(reading.digits, "OL");
    EXPECT_DOUBLE_EQ(reading.scale, -2);
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

TEST_F(DecoderFixture, FunctionPictureChangesOnlyWithTheFunction) {
    Decode("000005008");
    Decode("000125008");
    EXPECT_EQ(window.pictures, (std::vector<int>{2}));
    Decode("10123;008");
    Decode("10124;008");
    EXPECT_EQ(window.pictures, (std::vector<int>{2, 0}));
    Decode("005001008");
    EXPECT_EQ(window.pictures, (std::vector<int>{2, 0, 1}));
}

TEST_F(DecoderFixture, CouplingAndItsLabel) {
    Decode("10123;00<");  // option 2 = 12: AC and DC bits both set
    EXPECT_EQ(reading.acDc, "AC");
    Decode("10123;00?");
    EXPECT_EQ(reading.acDc, "AC");
    EXPECT_EQ(reading.rangeMode, "AUTO");
    const int setsBefore = window.dc.sets;
    Decode("10124;00<");
    EXPECT_EQ(window.dc.sets, setsBefore);  // unchanged caption is not assigned again
    Decode("1012430?<");                    // resistance ignores the coupling bits
    EXPECT_EQ(reading.acDc, "");
    EXPECT_EQ(window.dc.text, "");
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
