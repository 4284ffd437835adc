#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "recording/FileFormat.h"
#include "recording/FileNames.h"
#include "recording/RecordingRig.h"

namespace voltaro {
namespace {

void FillRow(RecordStore& s, int row, const std::string& notes, const std::string& value) {
    s.Set(row, Field::Date, "2024/01/15");
    s.Set(row, Field::Time, "10:00:0" + std::to_string(row % 10));
    s.Set(row, Field::ValueText, value);
    s.Set(row, Field::Type, "V");
    s.Set(row, Field::Coupling, "DC");
    s.Set(row, Field::MaxFlag, "0");
    s.Set(row, Field::MinFlag, "0");
    s.Set(row, Field::AvgFlag, "0");
    s.Set(row, Field::Notes, notes);
    s.RecordCount = row;
}

class FileFormatTest : public ::testing::Test {
protected:
    std::string PathOf(const char* name) const { return dir.filePath(name).toStdString(); }
    // Three rows of 0.123 V saved whole under the name; gives the file's path.
    std::string WriteThree(const char* name) {
        for (int r = 1; r <= 3; ++r) FillRow(store, r, "10123;008", "0.123");
        const std::string path = PathOf(name);
        EXPECT_TRUE(WriteRows(store, path, ',', 0, 3, nullptr, nullptr).ok);
        return path;
    }
    QTemporaryDir dir;
    RecordStore store;
};

TEST_F(FileFormatTest, SavingAgainRewritesOnlyFromTheLastSavedRow) {
    const std::string path = WriteThree("inc.dmm");
    // Mark row 1 in the file: an in-place save from row 3 must not touch it.
    std::string bytes = Slurp(path);
    bytes[111 + 30] = 'X';
    Put(path, bytes);
    store.Set(3, Field::ValueText, "9");
    ASSERT_TRUE(WriteRows(store, path, ',', 3, 3, nullptr, nullptr).ok);
    bytes = Slurp(path);
    ASSERT_EQ(bytes.size(), 444u);
    EXPECT_EQ(bytes[111 + 30], 'X');
    EXPECT_EQ(bytes.substr(333, 111), std::string(store.Line(3), 111));
    // New rows are appended.
    FillRow(store, 4, "10124;008", "0.124");
    FillRow(store, 5, "10125;008", "0.125");
    ASSERT_TRUE(WriteRows(store, path, ',', 3, 5, nullptr, nullptr).ok);
    bytes = Slurp(path);
    ASSERT_EQ(bytes.size(), 666u);
    EXPECT_EQ(bytes.substr(555, 111), std::string(store.Line(5), 111));
}

TEST_F(FileFormatTest, InPlaceSaveIntoAMissingOrShortenedFileWritesItWhole) {
    const std::string path = WriteThree("gone.dmm");
    QFile::remove(QString::fromStdString(path));
    ASSERT_TRUE(WriteRows(store, path, ',', 3, 3, nullptr, nullptr).ok);
    std::string bytes = Slurp(path);
    ASSERT_EQ(bytes.size(), 444u);  // no hole of zero bytes in front of row 3
    EXPECT_EQ(bytes.substr(0, 111), kHeader);
    Put(path, bytes.substr(0, 200));
    ASSERT_TRUE(WriteRows(store, path, ',', 3, 3, nullptr, nullptr).ok);
    EXPECT_EQ(Slurp(path), bytes);
}

TEST_F(FileFormatTest, HeaderDecidesLayoutAndSeparator) {
    FillRow(store, 1, "10123;008", "0.123");
    ASSERT_TRUE(WriteRows(store, PathOf("a.dmm"), ',', 0, 1, nullptr, nullptr).ok);
    ASSERT_TRUE(WriteRows(store, PathOf("a.txt"), ' ', 0, 1, nullptr, nullptr).ok);
    for (auto [name, separator] : {std::pair{"a.dmm", ','}, std::pair{"a.txt", ' '}}) {
        const HeaderInfo h = ReadHeader(PathOf(name));
        EXPECT_EQ(h.layout, Layout::Current) << name;
        EXPECT_EQ(h.separator, separator) << name;
    }
    Put(PathOf("old.csv"), kOldHeader);
    EXPECT_EQ(ReadHeader(PathOf("old.csv")).layout, Layout::Old);
    // Any text whose 13th comma-separated item is the Notes title passes, split over lines too.
    Put(PathOf("loose.csv"), "Date,Time,Reading,Type\r\nx,y,z,a,b,c,d,e,\"Notes\",\r\n");
    EXPECT_EQ(ReadHeader(PathOf("loose.csv")).layout, Layout::Current);
}

TEST_F(FileFormatTest, TxtLinesHaveBlanksAtTheSeparatorsAndOldLinesTheirOwnOffsets) {
    FillRow(store, 1, "10123;008", "0.123");
    ASSERT_TRUE(WriteRows(store, PathOf("b.txt"), ' ', 0, 1, nullptr, nullptr).ok);
    const std::string bytes = Slurp(PathOf("b.txt"));
    ASSERT_EQ(bytes.size(), 222u);
    EXPECT_EQ(bytes.substr(111), std::string("2024/01/15 10:00:01   0.123            V     ") + '\0' +
                                     "DC                   0   0   0                       10123;008 \r\n");

    const std::string oldRow =
        "2024/01/15,10:00:05  ,0.5             ,DC,1.5     ,0.1     ,1  ,0  ,1  ,        , ,0.25    "
        ",10500;008,\r\n";
    ASSERT_EQ(oldRow.size(), 104u);
    Put(PathOf("old.csv"), kOldHeader + oldRow);
    RecordStore old;
    ASSERT_EQ(ReadRows(old, PathOf("old.csv"), ReadHeader(PathOf("old.csv")), 0, nullptr, nullptr).rowsRead,
              1);
    EXPECT_EQ(old.Text(1, Field::Time), "10:00:05");
    EXPECT_EQ(old.Text(1, Field::ValueText), "0.5");
    EXPECT_EQ(old.Text(1, Field::Coupling), "DC");
    EXPECT_EQ(old.Text(1, Field::AlarmHI), "1.5");
    EXPECT_EQ(old.Text(1, Field::AlarmLO), "0.1");
    EXPECT_EQ(old.Text(1, Field::MaxFlag), "1");
    EXPECT_EQ(old.Text(1, Field::AvgFlag), "1");
    EXPECT_EQ(old.Text(1, Field::RelRef), "0.25");
    EXPECT_EQ(old.Text(1, Field::Notes), "10500;008");
}

TEST_F(FileFormatTest, ForeignFilesAreNotRecordings) {
    Put(PathOf("zero.dmm"), "");
    EXPECT_FALSE(IsRecordingFile(PathOf("zero.dmm")));
    std::string binary;
    for (int i = 0; i < 3000; ++i) binary.push_back(static_cast<char>((i * 37) & 0xFF));
    Put(PathOf("bin.dmm"), binary);
    EXPECT_EQ(ReadHeader(PathOf("bin.dmm")).layout, Layout::None);
    Put(PathOf("text.dmm"), "just,a,few,items\r\n");
    EXPECT_EQ(ReadHeader(PathOf("text.dmm")).layout, Layout::None);
    EXPECT_EQ(ReadHeader(PathOf("missing.dmm")).layout, Layout::None);
    ASSERT_EQ(mkfifo(PathOf("pipe.dmm").c_str(), 0600), 0);
    EXPECT_EQ(ReadHeader(PathOf("pipe.dmm")).layout, Layout::None);  // at once, with no writer
}

// A damaged stretch costs only its own lines: reading picks up again at the next intact line.
TEST_F(FileFormatTest, DamagedLinesAreSkippedAndCounted) {
    for (int r = 1; r <= 5; ++r) FillRow(store, r, "1012" + std::to_string(r) + ";008", "0.12");
    const std::string path = PathOf("bad.dmm");
    ASSERT_TRUE(WriteRows(store, path, ',', 0, 5, nullptr, nullptr).ok);
    const std::string good = Slurp(path);
    const auto line = [](int n) { return static_cast<size_t>(n) * 111; };  // where line n starts
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<int> rows;  // the rows of the file that are read, in order
        int damaged;
    };
    const Case cases[] = {
        {"last line cut short", good.substr(0, line(6) - 50), {1, 2, 3, 4}, 0},
        {"short line", good.substr(0, line(2) + 40) + good.substr(line(2) + 90), {1, 3, 4, 5}, 1},
        {"line without its CR LF", good.substr(0, line(3) - 30) + good.substr(line(3)), {1, 3, 4, 5}, 1},
        {"two garbled lines", std::string(good).replace(line(2) + 5, 200, 200, '\x07'), {1, 4, 5}, 2},
        {"two short lines in a row",
         good.substr(0, line(2) + 20) + good.substr(line(3) - 20, 40) + good.substr(line(4) - 20),
         {1, 4, 5},
         2},
        {"a byte too many", good.substr(0, line(4) + 50) + "x" + good.substr(line(4) + 50), {1, 2, 3, 5}, 1},
        {"nothing intact", good.substr(0, 111) + std::string(5 * 111, '\r'), {}, 5},
        {"header only", good.substr(0, 111), {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Put(path, c.bytes);
        RecordStore s;
        const ReadOutcome r = ReadRows(s, path, ReadHeader(path), 0, nullptr, nullptr);
        EXPECT_EQ(r.damagedLines, c.damaged);
        ASSERT_EQ(s.RecordCount, static_cast<int>(c.rows.size()));
        ASSERT_EQ(r.rowsRead, s.RecordCount);
        for (size_t i = 0; i < c.rows.size(); ++i)
            EXPECT_EQ(std::string(s.Line(static_cast<int>(i) + 1), 111), good.substr(line(c.rows[i]), 111));
    }
}

TEST_F(FileFormatTest, FailedWholeSaveLeavesTheOldFileAsItWas) {
    const std::string path = WriteThree("keep.dmm");
    const std::string before = Slurp(path);
    for (int r = 4; r <= 2000; ++r) FillRow(store, r, "10123;008", "0.5");
    WriteOutcome w;
    {
        FileSizeLimit limit(4096);
        w = WriteRows(store, path, ',', 0, 2000, nullptr, nullptr);
    }
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.error, "The disk is full (File too large).");
    EXPECT_EQ(Slurp(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // no half file left
    ASSERT_TRUE(WriteRows(store, path, ',', 0, 2000, nullptr, nullptr).ok);
    EXPECT_EQ(Slurp(path).size(), 2001u * 111);
}

TEST_F(FileFormatTest, ASaveClearsWhatInterruptedRunsLeftAndNothingElse) {
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    const auto make = [&](const char* name, const std::string& bytes, bool aged) {
        Put(PathOf(name), bytes);
        QFile f(dir.filePath(name));
        if (aged) {
            ASSERT_TRUE(f.open(QIODevice::ReadWrite) &&
                        f.setFileTime(old, QFileDevice::FileModificationTime));
        }
    };
    const struct {
        const char* name;
        std::string bytes;
        bool aged;
        bool stays;
    } files[] = {
        {".run.dmm.voltaro-a1B2c3", "half a save", false, false},
        {".other.csv.voltaro-Zz9900", "", false, false},
        {".20240115-93015.tmp.Qw3rty", "half a report", true, false},  // the older naming
        {".run.dmm.x1Y2z3", "older naming of the file saved", false, false},
        {"20240115-93016.tmp", "", true, false},  // a run ended before its report
        {"20240115-93017.tmp", "", false, true},  // may be a live run's
        {"20240115-93018.tmp", "report lines", true, true},
        {".notes.txt.a1B2c3", "another program's", true, true},  // as rsync names its files
        {"notes.tmp", "", true, true},
        {"20241315-93019.tmp", "", true, true},  // no such month
        {".held.dmm.voltaro-Hh1234", "a save in progress", false, true},
    };
    for (const auto& f : files) make(f.name, f.bytes, f.aged);
    QFile held(dir.filePath(".held.dmm.voltaro-Hh1234"));
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    ASSERT_EQ(flock(held.handle(), LOCK_EX), 0);
    WriteThree("run.dmm");
    for (const auto& f : files) EXPECT_EQ(QFile::exists(dir.filePath(f.name)), f.stays) << f.name;
}

}  // namespace
}  // namespace voltaro
