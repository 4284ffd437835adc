#include "recording/RecordStore.h"

#include <gtest/gtest.h>

namespace voltaro {
namespace {

TEST(RecordStore, FieldsArePaddedWithBlanksAndCutAtTheirWidth) {
    RecordStore s;
    s.Set(1, Field::ValueText, "0.123");
    EXPECT_EQ(s.Get(1, Field::ValueText), "0.123           ");
    s.Set(1, Field::ValueText, "12345678901234567890");
    EXPECT_EQ(s.Get(1, Field::ValueText), "1234567890123456");
    s.Set(1, Field::Notes, "10123;008");
    EXPECT_EQ(s.Text(1, Field::Notes), "10123;008");
    s.Set(1, Field::Coupling, "");
    EXPECT_EQ(s.Get(1, Field::Coupling), "  ");
    // Neighbouring fields and the fixed bytes are untouched.
    const char* line = s.Line(1);
    EXPECT_EQ(line[38], ',');
    EXPECT_EQ(line[45], '\0');
    EXPECT_EQ(std::string(line + 109, 2), "\r\n");
}

TEST(RecordStore, ClearRowsKeepsTypeAndRel) {
    RecordStore s;
    for (int row : {0, 17, kMaxRows}) {
        s.Set(row, Field::Type, "V");
        s.Set(row, Field::RelRef, "1.5");
        s.Set(row, Field::Notes, "10123;008");
        s.Set(row, Field::ValueText, "0.123");
    }
    s.ClearRows();
    for (int row : {0, 17, kMaxRows}) {
        EXPECT_EQ(s.Text(row, Field::Type), "V");
        EXPECT_EQ(s.Text(row, Field::RelRef), "1.5");
        EXPECT_EQ(s.Text(row, Field::Notes), "");
        EXPECT_EQ(s.Text(row, Field::ValueText), "0");
    }
}

TEST(RecordStore, HoldsTheWholeTableInUnderFourMegabytes) {
    RecordStore s;
    EXPECT_LT(s.MemoryBytes(), 4u * 1024 * 1024);
    EXPECT_EQ(s.MemoryBytes(), static_cast<size_t>(kRowSlots) * kLineLength);
}

TEST(SingleText, WritesSingleValuesAsTheRowStoresThem) {
    EXPECT_EQ(SingleText(0.123f), "0.123");
    EXPECT_EQ(SingleText(-0.2047f), "-0.2047");
    EXPECT_EQ(SingleText(0.00001f), "1E-05");
    EXPECT_EQ(SingleText(0.0001f), "0.0001");
    EXPECT_EQ(SingleText(250000.0f), "250000");
    EXPECT_EQ(SingleText(1234567.0f), "1234567");
    EXPECT_EQ(SingleText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(SingleText(1.234e-5f), "1.234E-05");
    EXPECT_EQ(SingleText(-0.0f), "0");
}

}  // namespace
}  // namespace voltaro
