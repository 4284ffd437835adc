#include <gtest/gtest.h>

#include "base/Conversions.h"
#include "values/DateTimeFormat.h"

using namespace voltaro;

namespace {
const QDate kDate(2026, 12, 5);
const QTime kTime(14, 5, 3);

struct EntryStamp {
    const char* clock24;
    const char* clock12;
};

// Every offered layout, confirmed, for 5 December 2026 at 14:05:03.
const EntryStamp kStamps[24] = {
    {"12/05/26   14:05:03", "12/05/26   02:05:03PM"}, {"05/12/26   14:05:03", "05/12/26   02:05:03PM"},
    {"12/05/26   14:05   ", "12/05/26   02:05   PM"}, {"05/12/26   14:05   ", "05/12/26   02:05   PM"},
    {"12/05/2026 14:05:03", "12/05/2026 02:05:03PM"}, {"05/12/2026 14:05:03", "05/12/2026 02:05:03PM"},
    {"12/05/2026 14:05   ", "12/05/2026 02:05   PM"}, {"05/12/2026 14:05   ", "05/12/2026 02:05   PM"},
    {"26.12.05   14:05:03", "26.12.05   02:05:03PM"}, {"26.12.05   14:05   ", "26.12.05   02:05   PM"},
    {"2026.12.05 14:05:03", "2026.12.05 02:05:03PM"}, {"2026.12.05 14:05   ", "2026.12.05 02:05   PM"},
    {"26 12 05   14:05:03", "26 12 05   02:05:03PM"}, {"26 12 05   14:05   ", "26 12 05   02:05   PM"},
    {"2026 12 05 14:05:03", "2026 12 05 02:05:03PM"}, {"2026 12 05 14:05   ", "2026 12 05 02:05   PM"},
    {"14:05:03 12/05/2026", "02:05:03PM 12/05/2026"}, {"14:05:03 05/12/2026", "02:05:03PM 05/12/2026"},
    {"14:05    12/05/2026", "02:05   PM 12/05/2026"}, {"14:05    05/12/2026", "02:05   PM 05/12/2026"},
    {"14:05:03 12/05/26  ", "02:05:03PM 12/05/26  "}, {"14:05:03 05/12/26  ", "02:05:03PM 05/12/26  "},
    {"14:05    12/05/26  ", "02:05   PM 12/05/26  "}, {"14:05    05/12/26  ", "02:05   PM 05/12/26  "},
};
}  // namespace

TEST(DateTimeFormat, AllEntriesInBothClockModes) {
    for (int i = 0; i < 24; ++i) {
        for (bool twelve : {false, true}) {
            DateTimeFormat f;
            const std::string sample = f.ChkDateTime(i, twelve, QDateTime(kDate, kTime));
            const std::string expected = twelve ? kStamps[i].clock12 : kStamps[i].clock24;
            EXPECT_EQ(sample, expected) << "entry " << i;
            // A choice not confirmed (a cancel) leaves the patterns and the order in force.
            EXPECT_EQ(f.FormatStamp(kDate, kTime), "26/12/05 14:05:03") << "entry " << i;
            EXPECT_TRUE(f.DateofTime) << "entry " << i;
            f.ConfirmDateTime();
            EXPECT_EQ(f.FormatStamp(kDate, kTime), expected) << "entry " << i;
            EXPECT_EQ(f.DateofTime, i < 16);
        }
    }
}

TEST(DateTimeFormat, TwelveHourClockDefaultsAndBlankStamps) {
    DateTimeFormat f;
    EXPECT_EQ(f.FormatStamp(kDate, kTime), "26/12/05 14:05:03");
    EXPECT_EQ(f.FormatStamp(kDate, std::string()), "26/12/05         ");
    EXPECT_EQ(f.FormatStampDate(std::string(" ")), "        ");
    EXPECT_EQ(f.FormatStampTime(QTime()), "        ");
    f.ChkDateTime(4, true, QDateTime(kDate, kTime));
    EXPECT_EQ(f.TimeFormat1(QTime(0, 30, 0)), "12:30:00AM");
    EXPECT_EQ(f.TimeFormat1(QTime(12, 0, 9)), "12:00:09PM");
    f.ChkDateTime(99, false, QDateTime(kDate, kTime));  // out of the list: the first entry
    EXPECT_EQ(f.PendingDateF, "MM/DD/YY  ");
    f.DateofTime = false;
    f.TimeF = "HH:MM   ";
    EXPECT_EQ(f.FormatStamp(kDate, kTime), "14:05    26/12/05");
}

TEST(DateTimeFormat, StampTextsAreReadBackAndRewritten) {
    DateTimeFormat f;
    f.DateF = "DD/MM/YYYY";
    f.TimeF = "HH:MM:SS";
    EXPECT_EQ(f.FormatStampTime(std::string("02:05:03PM")), "14:05:03");
    EXPECT_EQ(f.FormatStampTime(std::string("14:05   ")), "14:05:00");
    EXPECT_EQ(f.FormatStampTime(std::string("25:99")), "25:99");
    EXPECT_EQ(f.FormatStampDate(std::string("2026/12/05")), "05/12/2026");
    EXPECT_EQ(f.FormatStampDate(std::string("05/12/2026")), "05/12/2026");
    EXPECT_EQ(f.FormatStampDate(std::string("Date")), "Date");
}

TEST(StoredDateText, ReadsWithThePatternInForceNeverGuesses) {
    const char* cases[][3] = {
        // A day below 13 reads either way round: only the pattern decides.
        {"05/04/26  ", "DD/MM/YY  ", "2026/04/05"},
        {"05/04/26  ", "MM/DD/YY  ", "2026/05/04"},
        {"04/05/2026", "MM/DD/YYYY", "2026/04/05"},
        {"26.04.05", "YY.MM.DD  ", "2026/04/05"},
        {"99/12/31", "YY/MM/DD", "1999/12/31"},
        {"2026/04/05", "DD/MM/YY  ", "2026/04/05"},  // already stored form, whatever the pattern
        {"Date      ", "DD/MM/YY  ", "Date      "},  // neither: kept as it is
        {"2026.04.05", "DD/MM/YY  ", "2026.04.05"},
        {"31/02/26  ", "DD/MM/YY  ", "31/02/26  "},
    };
    for (const auto& [text, pattern, stored] : cases)
        EXPECT_EQ(StoredDateText(text, pattern), stored) << text;
}

TEST(Conversions, FixedNumbersClocksAndNumberTexts) {
    EXPECT_EQ(FormatFixedNumber(3.14159, 8, 3), "0003.141");
    EXPECT_EQ(FormatFixedNumber(0.05, 6, 3), "00.050");
    EXPECT_EQ(FormatFixedNumber(5, 6, 2), "005.00");  // a whole number has no point of its own
    EXPECT_EQ(FormatFixedNumber(123456, 4, 0), "3456");
    EXPECT_EQ(SecondsToClock(3725), "01:02:05");
    EXPECT_EQ(SecondsToClock(360000), "100:00:00");
    EXPECT_EQ(SecondsToClock(-5), "00:00:00");
    EXPECT_EQ(TimeToSeconds(QTime(1, 2, 5)), 3725);
    EXPECT_EQ(DateToNumberText(kDate), "20261205");
    EXPECT_EQ(TimeToNumberText(QTime(0, 0, 7)), "7");
    EXPECT_EQ(TrimBoth("  a b  "), "a b");
}
