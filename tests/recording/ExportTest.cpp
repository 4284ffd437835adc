#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "recording/Export.h"
#include "recording/RecordingRig.h"
#include "support/ScriptedMessages.h"

namespace voltaro {
namespace {

std::string Numbered(int from, int count) {
    std::string s;
    for (int i = from; i < from + count; ++i) s += "line " + std::to_string(i) + "\r\n";
    return s;
}

class ExportTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    QTemporaryDir dir;
    ScriptedMessages messages;
    std::vector<std::string> titles;
    std::function<void(const std::string&)> setTitle = [this](const std::string& t) { titles.push_back(t); };
};

TEST_F(ExportTest, TitleLineNamesTheLineNumberColumnWheneverTheBodyCarriesIt) {
    EXPECT_EQ(ExportTitleLine(false), "Time,Date,Reading,Type,Status,Start/Stop,AVG,REL,Notes");
    Put(PathOf("c.tmp"), "000001,10:00:01,24/01/15,+  1.00,V      dc,,,,,\r\n");
    ASSERT_TRUE(ExportReadings(PathOf("out.csv"), {PathOf("c.tmp")}, false, messages, setTitle).ok);
    EXPECT_EQ(Slurp(PathOf("out.csv")),
              "Record,Time,Date,Reading,Type,Status,Start/Stop,AVG,REL,Notes\r\n"
              "000001,10:00:01,24/01/15,+  1.00,V      dc,,,,,\r\n");
    // Nothing to export: the title alone, as the body has no column at all.
    Put(PathOf("empty.tmp"), "");
    ASSERT_TRUE(ExportReadings(PathOf("none.txt"), {PathOf("empty.tmp")}, false, messages, setTitle).ok);
    EXPECT_EQ(Slurp(PathOf("none.txt")), "Time,Date,Reading,Type,Status,Start/Stop,AVG,REL,Notes\r\n");
    ASSERT_TRUE(ExportReadings(PathOf("debug.txt"), {PathOf("empty.tmp")}, true, messages, setTitle).ok);
    EXPECT_EQ(Slurp(PathOf("debug.txt")).substr(0, 7), "Record,");
}

TEST_F(ExportTest, ChunksAreMergedInOrderWithTheTitleEvery600Lines) {
    Put(PathOf("20240115-100000.tmp"), Numbered(1, 400));
    Put(PathOf("20240115-110000.tmp"), Numbered(401, 400));
    Put(PathOf("20240115-120000.tmp"), Numbered(801, 50) + "last line without its end");
    const auto out = ExportReadings(
        PathOf("all.csv"),
        {PathOf("20240115-100000.tmp"), PathOf("20240115-110000.tmp"), PathOf("20240115-120000.tmp")}, false,
        messages, setTitle);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.lineCount, 851);
    EXPECT_EQ(Slurp(PathOf("all.csv")),
              ExportTitleLine(true) + "\r\n" + Numbered(1, 850) + "last line without its end\r\n");
    EXPECT_EQ(titles, (std::vector<std::string>{
                          "Merge Report File :20240115-110000.tmp to all.csv  Line:00000600",
                          "Merge Report File :20240115-120000.tmp to all.csv  Line:00000851",
                      }));
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(ExportTest, AMissingChunkIsReportedAndSkipped) {
    Put(PathOf("a.tmp"), Numbered(1, 2));
    Put(PathOf("c.tmp"), Numbered(3, 2));
    const auto out = ExportReadings(PathOf("x.csv"), {PathOf("a.tmp"), PathOf("b.tmp"), PathOf("c.tmp")},
                                    false, messages, setTitle);
    EXPECT_TRUE(out.ok);
    EXPECT_EQ(Slurp(PathOf("x.csv")), ExportTitleLine(true) + "\r\n" + Numbered(1, 4));
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].message, "Can't find " + PathOf("b.tmp"));
    EXPECT_EQ(messages.asked[0].kind, MessageKind::Error);
}

}  // namespace
}  // namespace voltaro
