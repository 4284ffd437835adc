#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "recording/Report.h"

namespace voltaro {
namespace {

class ReportTest : public ::testing::Test {
protected:
    void Add(const std::string& value, const std::string& type = "V", const std::string& coupling = "DC") {
        const int r = ++store.RecordCount;
        store.Set(r, Field::Date, "2024/01/15");
        store.Set(r, Field::Time, "10:" + Two(r / 60 % 60) + ":" + Two(r % 60));
        store.Set(r, Field::ValueText, value);
        store.Set(r, Field::Type, type);
        store.Set(r, Field::Coupling, coupling);
        store.Set(r, Field::MaxFlag, "0");
        store.Set(r, Field::MinFlag, "0");
        store.Set(r, Field::AvgFlag, "0");
        store.Set(r, Field::RelRef, "");
    }
    // Sets the flag fields of the last row added.
    void Flag(std::initializer_list<Field> fields) {
        for (Field f : fields) store.Set(store.RecordCount, f, "1");
    }
    static std::string Two(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }
    std::vector<std::string> Lines() {
        const std::string text =
            Report::ReportText(report.ReadListData(store, formats, vmax, vmin), store.ChunkCount);
        std::vector<std::string> out;
        size_t start = 0;
        for (size_t p; (p = text.find("\r\n", start)) != std::string::npos; start = p + 2) {
            out.push_back(text.substr(start, p - start));
        }
        EXPECT_EQ(start, text.size());  // every line ends in CR LF
        return out;
    }

    RecordStore store;
    DateTimeFormat formats;
    Report report;
    double vmax = 0, vmin = 0;
};

TEST_F(ReportTest, LinesOfTheWorkingFileByteForByte) {
    Add("0.123");
    Add("-1.5", "A", "AC");
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "      ,Date:,24/01/15 10:00:01,,,,,,,Page:000001");
    EXPECT_EQ(lines[1], "000002,10:00:01,24/01/15,+   123,mV     dc,,,,,");
    EXPECT_EQ(lines[2], "000003,10:00:02,24/01/15,-  1.50,A      ac,,,,,");
}

TEST_F(ReportTest, AnEmptyRecordingLeavesNoEmptyFileBehind) {
    QTemporaryDir dir;
    store.ChunkFile = dir.filePath("20240115-100000.tmp").toStdString();
    ASSERT_TRUE(report.SaveReport(store, formats, vmax, vmin));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(store.ChunkFile)));
}

TEST_F(ReportTest, PageMarkersEverySixtyReadings) {
    for (int i = 0; i < 60; ++i) Add("1");
    auto lines = Lines();
    EXPECT_EQ(lines.size(), 61u);
    Add("1");
    lines = Lines();
    ASSERT_EQ(lines.size(), 63u);
    EXPECT_EQ(lines[61], "      ,Date:,24/01/15 10:01:01,,,,,,,Page:000002");
    EXPECT_EQ(lines[62].substr(0, 7), "000063,");
}

TEST_F(ReportTest, SwitchLinesForLimitsAndStatistics) {
    Add("1");
    Add("2");
    Flag({Field::MaxFlag});
    store.Set(2, Field::AlarmHI, "1.5");
    Add("3");
    Flag({Field::MaxFlag});
    store.Set(3, Field::AlarmHI, "1.5");
    Add("0.5");  // high limit and MAX switched off
    vmax = 3;
    const auto lines = Lines();
    const std::vector<std::string> expected{
        "      ,Date:,24/01/15 10:00:01,,,,,,,Page:000001",
        "000002,10:00:01,24/01/15,+  1.00,V      dc,,,,,",
        "      ,,,,,,A-HI +1.50,,,",
        "000004,10:00:02,24/01/15,,,,MAX start,,,",
        "000005,10:00:02,24/01/15,+  2.00,V      dc,HI,,,,",
        "      ,,,,,HI-ALARM,,,,",  // the alarm beside another status
        "000007,10:00:03,24/01/15,+  3.00,V      dc,HI-MAX,,,,",
        "      ,,,,,HI-ALARM,,,,",
        "      ,,,,,,ALARM-HI stop,,,",
        "000010,10:00:04,24/01/15,,,,MAX stop,,,",
        "000011,10:00:04,24/01/15,+ 0.500,V      dc,,,,,",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(ReportTest, MaxAndMinAreMarkedAtTheirSinglePrecisionValues) {
    for (const char* v : {"0.1", "0.123", "0.05"}) {
        Add(v);
        Flag({Field::MaxFlag, Field::MinFlag});
    }
    vmax = 0.123f;  // as the statistics hold them
    vmin = 0.05f;
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], "000005,10:00:02,24/01/15,+   123,mV     dc,HI-MAX,,,,");
    EXPECT_EQ(lines[5], "000006,10:00:03,24/01/15,+ 50.00,mV     dc,LO-MIN,,,,");
}

TEST_F(ReportTest, AlarmStatusAndItsOwnLineBesideAnotherStatus) {
    Add("1");
    store.Set(1, Field::AlarmLO, "2");
    Add("1");
    store.Set(2, Field::AlarmLO, "2");
    store.Set(2, Field::RelRef, "0.5");
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "      ,,,,,,A-LO +2.00,,,");
    EXPECT_EQ(lines[2], "000003,10:00:01,24/01/15,+  1.00,V      dc,LO-ALARM,,,,");
    // REL shows the reference minus the value, with the value itself in the notes.
    EXPECT_EQ(lines[3], "000004,10:00:02,24/01/15,- 0.500,V    dc,REL,,,+ 0.500,1");
    EXPECT_EQ(lines[4], "      ,,,,,LO-ALARM,,,,");
}

TEST_F(ReportTest, RebuildingAChunkCountsEachRowOnceAndFinishedChunksCarryOn) {
    for (const char* v : {"1", "2", "3"}) {
        Add(v);
        Flag({Field::AvgFlag, Field::MaxFlag});
    }
    const auto first = Lines();
    const auto again = Lines();  // an autosave rebuilds the same chunk
    EXPECT_EQ(first, again);
    ASSERT_EQ(first.size(), 5u);
    EXPECT_EQ(first[4], "000005,10:00:03,24/01/15,+  3.00,V      dc,HI,,+  2.00,,");
    // The chunk rolls over: the next one starts where it ended (MAX already on, AVG goes on).
    report.ChunkFinished();
    store.ChunkCount = 1;
    store.RecordCount = 0;
    Add("6");
    Flag({Field::AvgFlag, Field::MaxFlag});
    const auto next = Lines();
    ASSERT_EQ(next.size(), 2u);
    EXPECT_EQ(next[1], "030002,10:00:01,24/01/15,+  6.00,V      dc,HI,,+  3.00,,");
    report.ResetState();
    EXPECT_EQ(Lines().size(), 3u);  // after a reset MAX is switched on again
}

}  // namespace
}  // namespace voltaro
