#include <gtest/gtest.h>

#include "recording/RecordStore.h"

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

TEST(RecordStore, HoldsTheWholeTableInUnderFourMegabytes) {
    EXPECT_LT(RecordStore().MemoryBytes(), 4u * 1024 * 1024);
}

}  // namespace
}  // namespace voltaro
