#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "recording/FileFormat.h"
#include "recording/FileNames.h"

namespace voltaro {
namespace {

std::string Slurp(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

void Put(const std::string& path, const std::string& bytes) {
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

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

const std::string kHeader = std::string("Date      ,Time      ,Reading         ,Type  ") + '\0' +
                            "  ,AlarmHI ,AlarmLO ,MAX,MIN,AVG,dB      , ,REL     ,Notes    ,\r\n";

class FileFormatTest : public ::testing::Test {
protected:
    std::string PathOf(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
    RecordStore store;
};

TEST_F(FileFormatTest, HeaderLineIsByteForByte) {
    ASSERT_EQ(kHeader.size(), 111u);
    const std::string path = PathOf("empty.dmm");
    ASSERT_TRUE(WriteRows(store, path, ',', 0, 0, nullptr, nullptr).ok);
    EXPECT_EQ(Slurp(path), kHeader);
}

TEST_F(FileFormatTest, ThreeReadingsMakeFourLinesOf111BytesWithNulAt45) {
    for (int r = 1; r <= 3; ++r) FillRow(store, r, "10123;008", "0.123");
    const std::string path = PathOf("three.dmm");
    ASSERT_TRUE(WriteRows(store, path, ',', 0, 3, nullptr, nullptr).ok);
    const std::string bytes = Slurp(path);
    ASSERT_EQ(bytes.size(), 444u);
    EXPECT_EQ(bytes.substr(0, 111), kHeader);
    for (int line = 0; line < 4; ++line) EXPECT_EQ(bytes[static_cast<size_t>(line * 111 + 45)], '\0');
    EXPECT_EQ(bytes.substr(111, 111),
              std::string("2024/01/15,10:00:01  ,0.123           ,V     ") + '\0' +
                  "DC,        ,        ,0  ,0  ,0  ,        , ,        ,10123;008,\r\n");
}

TEST_F(FileFormatTest, TxtFilesHaveBlanksBetweenTheFields) {
    FillRow(store, 1, "10123;008", "0.123");
    const std::string path = PathOf("one.txt");
    ASSERT_TRUE(WriteRows(store, path, ' ', 0, 1, nullptr, nullptr).ok);
    const std::string bytes = Slurp(path);
    ASSERT_EQ(bytes.size(), 222u);
    for (int off : kSeparatorOffsets) EXPECT_EQ(bytes[static_cast<size_t>(111 + off)], ' ');
    EXPECT_EQ(bytes[111 + 45], '\0');
    // The table itself keeps its commas.
    EXPECT_EQ(store.Line(1)[10], ',');
}

TEST_F(FileFormatTest, SavingAgainRewritesOnlyFromTheLastSavedRow) {
    for (int r = 1; r <= 3; ++r) FillRow(store, r, "10123;008", "0.123");
    const std::string path = PathOf("inc.dmm");
    ASSERT_TRUE(WriteRows(store, path, ',', 0, 3, nullptr, nullptr).ok);
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
    for (int r = 1; r <= 3; ++r) FillRow(store, r, "10123;008", "0.123");
    const std::string path = PathOf("gone.dmm");
    ASSERT_TRUE(WriteRows(store, path, ',', 0, 3, nullptr, nullptr).ok);
    QFile::remove(QString::fromStdString(path));
    ASSERT_TRUE(WriteRows(store, path, ',', 3, 3, nullptr, nullptr).ok);
    std::string bytes = Slurp(path);
    ASSERT_EQ(bytes.size(), 444u);  // no hole of zero bytes in front of row 3
    EXPECT_EQ(bytes.substr(0, 111), kHeader);
    Put(path, bytes.substr(0, 200));
    ASSERT_TRUE(WriteRows(store, path, ',', 3, 3, nullptr, nullptr).ok);
    EXPECT_EQ(Slurp(path), bytes);
}

TEST_F(FileFormatTest, DatesAreRewrittenInTheTableAsTheyAreSaved) {
    FillRow(store, 1, "10123;008", "0.123");
    store.Set(1, Field::Date, "24/01/15");
    int calls = 0;
    auto rewrite = [&](std::string_view d) {
        ++calls;
        return d.substr(0, 8) == "24/01/15" ? std::string("2024/01/15") : std::string(d);
    };
    const std::string path = PathOf("date.dmm");
    ASSERT_TRUE(WriteRows(store, path, ',', 0, 1, rewrite, nullptr).ok);
    EXPECT_EQ(calls, 1);  // the title "Date" is never rewritten
    EXPECT_EQ(store.Text(1, Field::Date), "2024/01/15");
    EXPECT_EQ(Slurp(path).substr(111, 10), "2024/01/15");
    EXPECT_EQ(Slurp(path).substr(0, 10), "Date      ");
}

TEST_F(FileFormatTest, ProgressCountsEveryRowUpToTheTotal) {
    for (int r = 1; r <= 3; ++r) FillRow(store, r, "10123;008", "0.123");
    std::vector<std::pair<int, int>> seen;
    ASSERT_TRUE(WriteRows(store, PathOf("p.dmm"), ',', 0, 3, nullptr, [&](int d, int t) {
                    seen.emplace_back(d, t);
                }).ok);
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
}

TEST_F(FileFormatTest, HeaderDecidesLayoutAndSeparator) {
    FillRow(store, 1, "10123;008", "0.123");
    ASSERT_TRUE(WriteRows(store, PathOf("a.dmm"), ',', 0, 1, nullptr, nullptr).ok);
    ASSERT_TRUE(WriteRows(store, PathOf("a.txt"), ' ', 0, 1, nullptr, nullptr).ok);
    HeaderInfo h = ReadHeader(PathOf("a.dmm"));
    EXPECT_EQ(h.layout, Layout::Current);
    EXPECT_EQ(h.separator, ',');
    h = ReadHeader(PathOf("a.txt"));
    EXPECT_EQ(h.layout, Layout::Current);
    EXPECT_EQ(h.separator, ' ');
    Put(PathOf("old.csv"),
        "Date      ,Time      ,Reading         ,  ,AlarmHI ,AlarmLO ,MAX,MIN,AVG,dB      , ,REL     ,Notes   "
        " ,\r\n");
    h = ReadHeader(PathOf("old.csv"));
    EXPECT_EQ(h.layout, Layout::Old);
    // Any text whose 13th comma-separated item is the Notes title passes, split over lines too.
    Put(PathOf("loose.csv"), "Date,Time,Reading,Type\r\nx,y,z,a,b,c,d,e,\"Notes\",\r\n");
    EXPECT_EQ(ReadHeader(PathOf("loose.csv")).layout, Layout::Current);
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
}

TEST_F(FileFormatTest, RowsReadBackAsTheyWereWritten) {
    for (int r = 1; r <= 3; ++r)
        FillRow(store, r, "1012" + std::to_string(r) + ";008", "0.12" + std::to_string(r));
    for (const char* name : {"rt.dmm", "rt.txt"}) {
        const std::string path = PathOf(name);
        const char sep = ExtensionOf(path, '.') == "txt" ? ' ' : ',';
        ASSERT_TRUE(WriteRows(store, path, sep, 0, 3, nullptr, nullptr).ok);
        RecordStore back;
        std::vector<int> rows;
        const ReadOutcome r = ReadRows(
            back, path, ReadHeader(path), 0,
            [&](int row) {
                EXPECT_EQ(back.RecordCount, row);
                rows.push_back(row);
            },
            nullptr);
        EXPECT_EQ(r.rowsRead, 3);
        EXPECT_FALSE(r.lineError);
        EXPECT_EQ(back.RecordCount, 3);
        EXPECT_EQ(rows, (std::vector<int>{1, 2, 3}));
        for (int row = 1; row <= 3; ++row)
            EXPECT_EQ(std::string(back.Line(row), 111), std::string(store.Line(row), 111));
    }
}

TEST_F(FileFormatTest, OlderLayoutFillsEveryFieldButType) {
    const std::string path = PathOf("old.csv");
    Put(path,
        "Date      ,Time      ,Reading         ,  ,AlarmHI ,AlarmLO ,MAX,MIN,AVG,dB      , ,REL     ,Notes   "
        " ,\r\n"
        "2006/12/08,09:30:15  ,0.123           ,DC,1.5     ,        ,1  ,0  ,1  ,        , ,0.1     "
        ",10123;008,\r\n");
    store.Set(1, Field::Type, "keep");
    const ReadOutcome r = ReadRows(store, path, ReadHeader(path), 0, nullptr, nullptr);
    ASSERT_EQ(r.rowsRead, 1);
    EXPECT_EQ(store.Text(1, Field::Date), "2006/12/08");
    EXPECT_EQ(store.Text(1, Field::Time), "09:30:15");
    EXPECT_EQ(store.Text(1, Field::Coupling), "DC");
    EXPECT_EQ(store.Text(1, Field::AlarmHI), "1.5");
    EXPECT_EQ(store.Text(1, Field::MaxFlag), "1");
    EXPECT_EQ(store.Text(1, Field::AvgFlag), "1");
    EXPECT_EQ(store.Text(1, Field::RelRef), "0.1");
    EXPECT_EQ(store.Text(1, Field::Notes), "10123;008");
    EXPECT_EQ(store.Text(1, Field::Type), "keep");
}

TEST_F(FileFormatTest, DamagedFilesGiveWholeLinesOnlyAndKeepWhatWasRead) {
    for (int r = 1; r <= 3; ++r) FillRow(store, r, "10123;008", "0.123");
    const std::string path = PathOf("bad.dmm");
    ASSERT_TRUE(WriteRows(store, path, ',', 0, 3, nullptr, nullptr).ok);
    const std::string good = Slurp(path);

    Put(path, good.substr(0, 444 - 50));  // cut inside the last line
    RecordStore a;
    ReadOutcome r = ReadRows(a, path, ReadHeader(path), 0, nullptr, nullptr);
    EXPECT_EQ(r.rowsRead, 2);
    EXPECT_FALSE(r.lineError);

    std::string garbled = good;
    garbled.replace(222 + 5, 200, std::string(200, '\x07'));  // line 2 loses its separators
    Put(path, garbled);
    RecordStore b;
    r = ReadRows(b, path, ReadHeader(path), 0, nullptr, nullptr);
    EXPECT_EQ(r.rowsRead, 1);
    EXPECT_TRUE(r.lineError);
    EXPECT_EQ(b.RecordCount, 1);

    Put(path, good.substr(0, 111));
    RecordStore c;
    r = ReadRows(c, path, ReadHeader(path), 0, nullptr, nullptr);
    EXPECT_EQ(r.rowsRead, 0);
    EXPECT_EQ(c.RecordCount, 0);
}

TEST_F(FileFormatTest, ReadingStopsAtTheEndOfTheTable) {
    for (int r = 1; r <= 3; ++r) FillRow(store, r, "10123;008", "0.123");
    const std::string path = PathOf("merge.dmm");
    ASSERT_TRUE(WriteRows(store, path, ',', 0, 3, nullptr, nullptr).ok);
    RecordStore big;
    const ReadOutcome r = ReadRows(big, path, ReadHeader(path), kMaxRows - 1, nullptr, nullptr);
    EXPECT_EQ(r.rowsRead, 1);
    EXPECT_EQ(r.linesInFile, 3);
    EXPECT_EQ(big.RecordCount, kMaxRows);
}

// A file size limit stands in for a full disk: writes past it fail as they would on one.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit lim = old_;
        lim.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

private:
    rlimit old_{};
};

TEST_F(FileFormatTest, FailedWholeSaveLeavesTheOldFileAsItWas) {
    for (int r = 1; r <= 3; ++r) FillRow(store, r, "10123;008", "0.123");
    const std::string path = PathOf("keep.dmm");
    ASSERT_TRUE(WriteRows(store, path, ',', 0, 3, nullptr, nullptr).ok);
    const std::string before = Slurp(path);
    for (int r = 4; r <= 2000; ++r) FillRow(store, r, "10123;008", "0.5");
    WriteOutcome w;
    {
        FileSizeLimit limit(4096);
        w = WriteRows(store, path, ',', 0, 2000, nullptr, nullptr);
    }
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.error, "Disk full.");
    EXPECT_EQ(Slurp(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // no half file left
    ASSERT_TRUE(WriteRows(store, path, ',', 0, 2000, nullptr, nullptr).ok);
    EXPECT_EQ(Slurp(path).size(), 2001u * 111);
}

TEST_F(FileFormatTest, SaveIntoAVanishedFolderFailsAndSucceedsOnceItIsBack) {
    FillRow(store, 1, "10123;008", "0.123");
    const std::string folder = PathOf("sub");
    const std::string path = folder + "/run.dmm";
    WriteOutcome w = WriteRows(store, path, ',', 0, 1, nullptr, nullptr);
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.error, "Folder not found.");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    EXPECT_TRUE(WriteRows(store, path, ',', 0, 1, nullptr, nullptr).ok);
    EXPECT_EQ(Slurp(path).size(), 222u);
}

}  // namespace
}  // namespace voltaro
