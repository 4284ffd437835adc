#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>

#include "display/GraphRange.h"
#include "recording/FileNames.h"
#include "recording/RecordingRig.h"
#include "values/Decibels.h"
#include "values/Formatting.h"

namespace voltaro {
namespace {

class RecordingTest : public ::testing::Test, public RecordingRig {};

TEST_F(RecordingTest, TheFirstReadingSavesAnEmptyTableBeforeRowOne) {
    ASSERT_TRUE(Record("10123;008"));
    EXPECT_EQ(Slurp(rec.store.RecordingFile), kHeader);
    ASSERT_FALSE(view.titles.empty());
    const std::string& t = view.titles.back();
    EXPECT_EQ(t.rfind("Record " + rec.store.RecordingFile + " ... ", 0), 0u) << t;
    EXPECT_EQ(t.substr(t.size() - 7), "(00000)");
    EXPECT_EQ(rec.store.RecordCount, 1);
    EXPECT_EQ(rec.store.Text(1, Field::ValueText), "0.123");
    EXPECT_EQ(rec.store.Text(1, Field::Type), "V");
    EXPECT_EQ(rec.store.Text(1, Field::Coupling), "DC");
    EXPECT_EQ(rec.store.Text(1, Field::Date), "24/01/15");
    EXPECT_EQ(rec.store.Text(1, Field::Time), "10:00:00");
    EXPECT_EQ(rec.store.Text(1, Field::Notes), "10123;008");
    EXPECT_EQ(rec.store.Text(1, Field::MaxFlag), "0");
    EXPECT_EQ(rec.store.Text(0, Field::DbField), "dB");
}

TEST_F(RecordingTest, ThreeReadingsMakeA444ByteFileAndASecondSaveKeepsItsLength) {
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(Record("10123;008"));
    ASSERT_TRUE(rec.SaveByExtension(true));
    const std::string bytes = Slurp(rec.store.RecordingFile);
    ASSERT_EQ(bytes.size(), 444u);
    EXPECT_EQ(bytes.substr(0, 111), kHeader);
    EXPECT_EQ(bytes.substr(111, 111),
              std::string("2024/01/15,10:00:00  ,0.123           ,V     ") + '\0' +
                  "DC,        ,        ,0  ,0  ,0  ,        , ,        ,10123;008,\r\n");
    for (int line = 0; line < 4; ++line) EXPECT_EQ(bytes[static_cast<size_t>(line) * 111 + 45], '\0');
    EXPECT_EQ(rec.store.Text(1, Field::Date), "2024/01/15");  // rewritten in the table too
    EXPECT_EQ(rec.store.SavedCount, 3);
    const int beeps = beeper.count;
    ASSERT_TRUE(rec.SaveByExtension(false));
    EXPECT_EQ(Slurp(rec.store.RecordingFile), bytes);
    EXPECT_EQ(beeper.count, beeps + 1);  // a save that writes a line ends with the beep
}

TEST_F(RecordingTest, DatesOfEitherDayOrder) {
    for (const auto& [pattern, stored] :
         {std::pair{"DD/MM/YY", "05/03/24"}, std::pair{"MM/DD/YY", "03/05/24"}}) {
        formats.DateF = pattern;
        Reset(std::string("order") + pattern[0] + ".dmm");
        ASSERT_TRUE(Record("10123;008"));
        rec.store.Set(1, Field::Date, stored);
        ASSERT_TRUE(rec.SaveByExtension(false));
        EXPECT_EQ(rec.store.Text(1, Field::Date), "2024/03/05") << pattern;
    }
}

// Statistics, alarms and REL switched on part of the way, as a user does.
void RecordMixed(RecordingRig& r) {
    const char* frames[] = {"10123;008", "10456;008", "02047;402", "30250300?", "10000;408", "13999;008"};
    for (int i = 0; i < 12; ++i) {
        if (i == 2) r.stats.chkMAX_Click(true);
        if (i == 3) r.stats.chkMIN_Click(true);
        if (i == 4) r.stats.ChkAVG_Click(true);
        if (i == 5) {
            r.alarms.TextAlarmHI = "1.5";
            r.alarms.OptAlarmHi_Click(true);
        }
        if (i == 7) r.stats.ChkREL_Click(true, r.reading.value, r.clock.Today(), "10:00:07");
        ASSERT_TRUE(r.Record(frames[i % 6]));
    }
}

TEST_F(RecordingTest, RecordSaveOpenGivesTheSameRowsAndStatisticsUnderEveryName) {
    for (const char* name : {"rt.dmm", "rt.csv", "rt.txt"}) {
        RecordingRig a;
        a.Reset(name);
        RecordMixed(a);
        ASSERT_TRUE(a.rec.SaveByExtension(true));

        RecordingRig b;
        const LoadResult r = b.rec.OpenFile(a.rec.store.RecordingFile);
        ASSERT_TRUE(r.loaded) << name;
        EXPECT_TRUE(b.messages.asked.empty()) << name;
        ASSERT_EQ(b.rec.store.RecordCount, 12) << name;
        for (int row = 1; row <= 12; ++row) {
            EXPECT_EQ(std::string(b.rec.store.Line(row), 111), std::string(a.rec.store.Line(row), 111))
                << name << " row " << row;
        }
        EXPECT_EQ(b.stats.RangeHigh, a.stats.RangeHigh) << name;
        EXPECT_EQ(b.stats.RangeLow, a.stats.RangeLow) << name;
        EXPECT_EQ(b.stats.Vmax, a.stats.Vmax) << name;
        EXPECT_EQ(b.stats.Vmin, a.stats.Vmin) << name;
        EXPECT_EQ(b.stats.AvgCount, a.stats.AvgCount) << name;
        EXPECT_DOUBLE_EQ(b.stats.AvgSum, a.stats.AvgSum) << name;
        // The last row's settings come back.
        EXPECT_TRUE(b.view.loaded.checkMax);
        EXPECT_TRUE(b.view.loaded.checkMin);
        EXPECT_TRUE(b.view.loaded.avg);
        EXPECT_TRUE(b.view.loaded.alarmHi);
        EXPECT_EQ(b.view.loaded.alarmHiText, "1.5     ");
        EXPECT_TRUE(b.alarms.OptAlarmHi);
        EXPECT_EQ(b.alarms.AlarmHiText, "1.5     ");
        EXPECT_TRUE(b.view.loaded.rel);
        EXPECT_EQ(b.stats.RelReference, a.stats.RelReference);
        EXPECT_TRUE(b.rec.FileLoaded);
        EXPECT_EQ(b.rec.store.RecordingFile, a.rec.store.RecordingFile);
    }
}

// A frame of every function and range the decoder knows, with the AC, DC, sign and auto bits.
std::vector<std::string> EveryFrame() {
    const std::vector<std::pair<char, std::string>> functions = {
        {'1', "0"},       {';', "012345"},  {'9', "012"},       {'=', "012"}, {'?', "012"}, {'3', "0123456"},
        {'5', "0123456"}, {'2', "0123456"}, {'6', "012345678"}, {'4', "0"},   {'X', "0"},   {'@', "0"}};
    std::vector<std::string> frames;
    for (const auto& [f, ranges] : functions) {
        for (char r : ranges) {
            for (const char* tail : {"008", "402", "804", "00:"}) {
                frames.push_back(std::string(1, r) + "1234" + f + tail);
            }
        }
    }
    frames.push_back("11999100:");  // a diode reading below 2 V
    frames.push_back("12000100:");  // and the diode overload
    return frames;
}

TEST_F(RecordingTest, AReopenedFileDecodesEveryFunctionAsTheLiveReaderDoes) {
    const auto frames = EveryFrame();
    for (const std::string& f : frames) ASSERT_TRUE(Record(f));
    ASSERT_TRUE(rec.SaveByExtension(false));
    RecordingRig back;
    ASSERT_TRUE(back.rec.OpenFile(rec.store.RecordingFile).loaded);
    ASSERT_EQ(back.rec.store.RecordCount, static_cast<int>(frames.size()));
    for (size_t i = 0; i < frames.size(); ++i) {
        const Reading live = DecodeFrameText(frames[i]);
        const int row = static_cast<int>(i) + 1;
        EXPECT_EQ(back.rec.store.Text(row, Field::ValueText), SingleToText(live.value + 0.0f)) << frames[i];
        EXPECT_EQ(back.rec.store.Text(row, Field::Type), live.baseUnit) << frames[i];
        EXPECT_EQ(back.rec.store.Text(row, Field::Coupling), live.acDc) << frames[i];
        EXPECT_EQ(back.rec.store.Text(row, Field::ValueText), rec.store.Text(row, Field::ValueText))
            << frames[i];
    }
}

TEST_F(RecordingTest, OlderLayoutFilesStillRead) {
    const std::string path = PathOf("old.csv");
    Put(path,
        kOldHeader +
            "2006/12/08,09:30:15  ,999             ,DC,        ,        ,1  ,0  ,0  ,        , ,        "
            ",10123;008,\r\n"
            "2006/12/08,09:30:16  ,999             ,DC,        ,        ,1  ,0  ,0  ,        , ,        "
            ",32500300?,\r\n");
    ASSERT_TRUE(rec.OpenFile(path).loaded);
    ASSERT_EQ(rec.store.RecordCount, 2);
    EXPECT_EQ(rec.store.Text(1, Field::ValueText), "0.123");  // the frame decides, not the stored text
    EXPECT_EQ(rec.store.Text(2, Field::ValueText), "250000");
    EXPECT_EQ(rec.store.Text(2, Field::Type), "ohm");
    EXPECT_EQ(rec.store.Text(2, Field::Coupling), "");
    EXPECT_EQ(stats.Vmax, 250000);
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(RecordingTest, FilesThatCannotBeReadSayWhyAndKeepWhatWasRead) {
    // Missing, and not a recording: the table and the recording's name stay as they were.
    ASSERT_TRUE(Record("10123;008"));
    const std::string own = rec.store.RecordingFile;
    EXPECT_FALSE(rec.OpenFile(PathOf("missing.dmm")).loaded);
    Put(PathOf("notes.txt"), "shopping list\r\nmilk\r\n");
    EXPECT_FALSE(rec.OpenFile(PathOf("notes.txt")).loaded);
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(messages.asked[0].message, "Can't find " + PathOf("missing.dmm"));
    EXPECT_EQ(messages.asked[1].message, "File type error!\r\nNot a recording file.");
    EXPECT_EQ(messages.asked[1].kind, "error");
    EXPECT_EQ(rec.store.RecordCount, 1);
    EXPECT_EQ(rec.store.RecordingFile, own);
    // A folder, or a file that cannot be read, says the system's reason.
    EXPECT_FALSE(rec.OpenFile(dir.path().toStdString()).loaded);
    EXPECT_EQ(messages.asked.back().message, "Can't open " + dir.path().toStdString() + "\r\nIs a directory");
    EXPECT_EQ(rec.store.RecordCount, 1);

    // A garbled line is skipped: the rows around it are read, and the user learns how many
    // were read and skipped and where the next save goes (".csv" also says "Read Error!").
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(Record("10456;008"));
    ASSERT_TRUE(rec.SaveByExtension(false));
    std::string bytes = Slurp(own);
    bytes.replace(3 * 111 + 20, 60, std::string(60, '\xFF'));
    for (const char* name : {"bad.csv", "bad.dmm"}) {
        Put(PathOf(name), bytes);
        RecordingRig b;
        const LoadResult r = b.rec.OpenFile(PathOf(name));
        EXPECT_TRUE(r.readError) << name;
        EXPECT_EQ(b.rec.store.RecordCount, 4) << name;
        const bool csv = std::string(name) == "bad.csv";
        ASSERT_EQ(b.messages.asked.size(), csv ? 2u : 1u) << name;
        if (csv) {
            EXPECT_EQ(b.messages.asked[0].message, "File type error!\r\nRead Error!");
        }
        // Saving would cut the file short: the rows read go to a new numbered file.
        const std::string next = PathOf(csv ? "bad001.csv" : "bad001.dmm");
        EXPECT_EQ(b.rec.store.RecordingFile, next);
        EXPECT_EQ(b.messages.asked.back().message,
                  PathOf(name) + " is damaged: 4 readings were read, 1 damaged line was skipped.\r\n" +
                      "The next save goes to " + next + ".");
        EXPECT_EQ(b.messages.asked.back().kind, "error");
    }
    // Import says it too; the recording keeps its own file.
    rec.ImportReadings(PathOf("bad.dmm"));
    EXPECT_EQ(rec.store.RecordCount, 9);
    EXPECT_EQ(messages.asked.back().message,
              PathOf("bad.dmm") + " is damaged: 4 readings were read, 1 damaged line was skipped." +
                  "\r\nThe next save goes to " + own + ".");
}

// Opening a file over a longer recording keeps no row of that recording beyond the rows read,
// also when a damaged line was skipped (the rows a load is about to fill are not cleared
// first, so those it could not fill must be).
TEST_F(RecordingTest, AnOpenedFileLeavesNoRowOfTheLongerRecordingBefore) {
    for (int i = 0; i < 50; ++i) ASSERT_TRUE(Record("10123;008"));
    ASSERT_TRUE(rec.SaveByExtension(false));
    const std::string longer = rec.store.RecordingFile;
    std::string bytes = Slurp(longer);
    Put(PathOf("short.dmm"), bytes.substr(0, 11 * 111));
    bytes[20 * 111 + 10] = 'x';  // line 20 loses a separator
    Put(PathOf("damaged.dmm"), bytes);
    const RecordStore blank;
    for (const auto& [name, held] : {std::pair{"short.dmm", 10}, {"damaged.dmm", 49}}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(rec.OpenFile(longer).rowsRead, 50);
        rec.OpenFile(PathOf(name));
        ASSERT_EQ(rec.store.RecordCount, held);
        EXPECT_EQ(rec.store.Text(held, Field::Notes), "10123;008");
        for (int row = held + 1; row <= 51; ++row) {
            for (int f = 0; f < kFieldCount; ++f) {
                const Field field = static_cast<Field>(f);
                if (field == Field::Type || field == Field::RelRef) continue;  // kept by a reset
                ASSERT_EQ(rec.store.Get(row, field), blank.Get(row, field))
                    << "row " << row << " field " << f;
            }
        }
    }
}

// Opening shows every whole percent once, with the row that reached it, and the OK button and
// the beep only at the end; a second opening starts from zero again.
TEST_F(RecordingTest, OpeningShowsEachPercentOnceAndFinishesOnce) {
    for (int i = 0; i < 250; ++i) ASSERT_TRUE(Record("10123;008"));
    ASSERT_TRUE(rec.SaveByExtension(false));
    const std::string path = rec.store.RecordingFile;
    for (int pass = 0; pass < 2; ++pass) {
        view.progress.clear();
        view.progressOk.clear();
        const int beeps = beeper.count;
        ASSERT_EQ(rec.OpenFile(path).rowsRead, 250);
        std::vector<std::string> expected{""};  // the dialog opens empty
        for (int done = 1, shown = 0; done <= 250; ++done) {
            // The percentage as the dialog computes it, in floating point: 145 of 250 reads 57.
            const int percent = static_cast<int>(static_cast<double>(done) / 250 * 100);
            if (percent == shown) continue;
            shown = percent;
            expected.push_back(std::to_string(percent) + " % (" + std::to_string(done) + "/250)");
        }
        EXPECT_EQ(view.progress, expected);
        EXPECT_EQ(view.progressOk, (std::vector<bool>{false, true, true}));
        EXPECT_EQ(beeper.count, beeps + 1);
    }
}

// With the comma confirmed as the separator, the title and the recent files name the file
// that is written ("run,dmm"), not the name before it was renamed.
TEST_F(RecordingTest, ASaveWithTheCommaSeparatorRemembersTheFileWritten) {
    separator.ExtDim = ",";
    separator.ExtDimConfirmed = true;
    ASSERT_TRUE(Record("10123;008"));
    ASSERT_TRUE(rec.SaveByExtension(false));
    const std::string written = PathOf("run,dmm");
    EXPECT_EQ(rec.store.RecordingFile, written);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(written)));
    ASSERT_FALSE(view.remembered.empty());
    for (const std::string& path : view.remembered) EXPECT_EQ(path, written);  // the first save too
    EXPECT_EQ(view.titles.back(), written);
}

TEST_F(RecordingTest, ANameWithoutAKnownExtensionIsNeverSavedInSilence) {
    Reset("run.data");
    ASSERT_TRUE(Record("10123;008"));  // the forced save before row 1 fails and says so once
    ASSERT_TRUE(Record("10123;008"));
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].message,
              "Can't save " + PathOf("run.data") + "\r\nThe file type is not known; use .dmm, .csv or .txt.");
    rec.store.AutoSaveTick = 3;
    EXPECT_FALSE(rec.TimerAutoSaveTick());
    EXPECT_EQ(messages.asked.size(), 1u);  // autosave repeats no message while the run lasts
    EXPECT_FALSE(rec.SaveByExtension(true));
    EXPECT_EQ(messages.asked.size(), 2u);  // a Save the user asked for always answers
    EXPECT_EQ(rec.store.SavedCount, 0);
    EXPECT_EQ(rec.store.RecordCount, 2);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(PathOf("run.data"))));
    // run.data.dmm is a ".dmm" file.
    rec.store.RecordingFile = PathOf("run.data.dmm");
    EXPECT_TRUE(rec.SaveByExtension(true));
    EXPECT_EQ(Slurp(PathOf("run.data.dmm")).size(), 333u);
}

TEST_F(RecordingTest, AFailingSaveIsSaidOnceKeepsEveryRowAndSucceedsOnRetry) {
    const QString folder = dir.filePath("vanishing");
    ASSERT_TRUE(QDir().mkpath(folder));
    rec.store.RecordingFile = (folder + "/run.dmm").toStdString();
    rec.dataFolder = (folder + "/data").toStdString();
    rec.ResetRecording();
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(Record("10123;008"));
    ASSERT_TRUE(rec.SaveByExtension(false));
    // A file where the folder was: neither it nor the data folder can be made.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    Put(folder.toStdString(), "not a folder");
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(Record("10456;008"));
    // Every tick after a failure tries again, and none claims to be autosaving.
    rec.store.AutoSaveTick = 1;
    const size_t titles = view.titles.size();
    for (int tick = 0; tick < 3; ++tick) EXPECT_FALSE(rec.TimerAutoSaveTick()) << tick;
    for (size_t i = titles; i < view.titles.size(); ++i)
        EXPECT_EQ(view.titles[i].rfind("AutoSaving", 0), std::string::npos);
    // One message for the recording file and one for the report's working file.
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(messages.asked[0].message,
              "Can't save " + rec.store.RecordingFile +
                  "\r\nThe folder is missing and could not be made again (Not a directory).");
    EXPECT_EQ(rec.store.SavedCount, 5);
    EXPECT_EQ(rec.store.RecordCount, 10);
    ASSERT_TRUE(QFile::remove(folder));
    ASSERT_TRUE(QDir().mkpath(folder));
    rec.store.AutoSaveTick = 3;
    EXPECT_TRUE(rec.TimerAutoSaveTick());
    const std::string bytes = Slurp(rec.store.RecordingFile);
    ASSERT_EQ(bytes.size(), 11u * 111);
    EXPECT_EQ(bytes.substr(10 * 111 + 99, 9), "10456;008");
    EXPECT_EQ(rec.store.SavedCount, 10);
    // A new run of failures is said again.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    Put(folder.toStdString(), "not a folder");
    rec.store.AutoSaveTick = 3;
    EXPECT_FALSE(rec.TimerAutoSaveTick());
    EXPECT_EQ(messages.asked.size(), 4u);
}

// A saved recording of forty readings, for the import tests.
std::string SavedForty(RecordingRig& src) {
    src.Reset("forty.dmm");
    for (int i = 0; i < 40; ++i) EXPECT_TRUE(src.Record("10456;008"));
    EXPECT_TRUE(src.rec.SaveByExtension(false));
    return src.rec.store.RecordingFile;
}

TEST_F(RecordingTest, ARemovedFolderIsMadeAgainOrTheDataFolderTakesTheRecording) {
    const QString folder = dir.filePath("out");
    ASSERT_TRUE(QDir().mkpath(folder));
    const std::string asked = (folder + "/run.dmm").toStdString();
    rec.store.RecordingFile = asked;
    rec.ResetRecording();
    ASSERT_TRUE(QDir(folder).removeRecursively());  // before the first save
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(Record("10123;008"));
    ASSERT_TRUE(rec.SaveByExtension(false));
    EXPECT_EQ(Slurp(asked).size(), 6u * 111);
    EXPECT_TRUE(messages.asked.empty());
    // A folder that cannot be made again: the whole recording goes to the data folder.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    Put(folder.toStdString(), "not a folder");
    ASSERT_TRUE(Record("10456;008"));
    rec.store.AutoSaveTick = 3;
    ASSERT_TRUE(rec.TimerAutoSaveTick());
    const std::string moved = PathOf("data/run.dmm");
    EXPECT_EQ(rec.store.RecordingFile, moved);
    EXPECT_EQ(Slurp(moved).size(), 7u * 111);
    EXPECT_EQ(FolderOf(rec.store.ChunkFile), PathOf("data"));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(rec.store.ChunkFile)));
    const std::string where = "Can't save " + asked;
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].message,
              where + "\r\nThe folder is missing and could not be made again (Not a directory).\r\n" +
                  "This recording is saved to " + moved + ".");
    // Said again at exit, naming the file that holds the readings.
    ASSERT_TRUE(Record("10456;008"));
    ASSERT_TRUE(rec.SaveByExtension(false));
    EXPECT_EQ(rec.MovedNotice(), where + "\r\nThis recording is saved to " + moved + ".");
}

TEST_F(RecordingTest, ASaveThatFillsTheDiskKeepsWholeLinesAndCountsThem) {
    for (int i = 0; i < 500; ++i) ASSERT_TRUE(Record("10123;008"));
    ASSERT_TRUE(rec.SaveByExtension(false));
    for (int i = 0; i < 90; ++i) ASSERT_TRUE(Record("10456;008"));
    {
        FileSizeLimit full(551 * 111 + 67);  // room for 50 of the 90 new lines and a part
        EXPECT_FALSE(rec.SaveByExtension(false));
    }
    const std::string bytes = Slurp(PathOf("run.dmm"));
    EXPECT_EQ(bytes.size(), 551u * 111);
    EXPECT_EQ(bytes.substr(550 * 111 + 99, 9), "10456;008");
    EXPECT_EQ(rec.store.SavedCount, 550);
    EXPECT_EQ(rec.store.RecordCount, 590);
    ASSERT_TRUE(rec.SaveByExtension(false));
    EXPECT_EQ(Slurp(PathOf("run.dmm")).size(), 591u * 111);
}

TEST_F(RecordingTest, AChosenNameKeepsItsOlderFileUntilReadingsAreSavedOverIt) {
    Put(PathOf("old.dmm"), "an older recording");
    rec.NameChosen(PathOf("old.dmm"));
    ASSERT_TRUE(Record("10123;008"));  // the save before row 1 has no reading to put there
    EXPECT_EQ(Slurp(PathOf("old.dmm")), "an older recording");
    ASSERT_TRUE(rec.SaveByExtension(false));
    EXPECT_EQ(Slurp(PathOf("old.dmm")).size(), 222u);
}

TEST_F(RecordingTest, OpeningAFileClearsWhatAnInterruptedSaveLeftBesideIt) {
    ASSERT_TRUE(Record("10123;008"));
    ASSERT_TRUE(rec.SaveByExtension(false));
    Put(PathOf(".run.dmm.voltaro-a1B2c3"), "half a save");
    ASSERT_TRUE(rec.OpenFile(PathOf("run.dmm")).loaded);
    EXPECT_FALSE(QFile::exists(dir.filePath(".run.dmm.voltaro-a1B2c3")));
}

TEST_F(RecordingTest, ImportAppendsBehindTheRowsHeldAndTheNextSaveWritesAllOfThem) {
    RecordingRig src;
    const std::string path = SavedForty(src);
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(Record("10123;008"));

    const LoadResult r = rec.ImportReadings(path);
    EXPECT_TRUE(r.loaded);
    EXPECT_EQ(r.rowsRead, 40);
    EXPECT_EQ(rec.store.RecordCount, 140);
    EXPECT_EQ(rec.store.Text(100, Field::Notes), "10123;008");
    for (int row = 101; row <= 140; ++row)
        ASSERT_EQ(std::string(rec.store.Line(row), 111), std::string(src.rec.store.Line(row - 100), 111));
    EXPECT_EQ(rec.store.RecordingFile, path);
    EXPECT_EQ(view.titles.back(), path);
    ASSERT_TRUE(rec.SaveByExtension(true));
    const std::string bytes = Slurp(path);
    ASSERT_EQ(bytes.size(), 141u * 111);
    EXPECT_EQ(bytes.substr(0, 111), kHeader);
}

TEST_F(RecordingTest, AnImportThatDoesNotFitNeverShortensItsFile) {
    RecordingRig src;
    const std::string path = SavedForty(src);
    const std::string before = Slurp(path);

    // A recording of 29990 rows, as if read from a file.
    for (int row = 1; row <= kMaxRows - 10; ++row) rec.store.Set(row, Field::Notes, "10123;008");
    rec.store.RecordCount = kMaxRows - 10;
    const std::string own = rec.store.RecordingFile;
    const LoadResult r = rec.ImportReadings(path);
    EXPECT_EQ(r.rowsRead, 10);
    EXPECT_EQ(r.rowsLeftOut, 30);
    EXPECT_EQ(rec.store.RecordCount, kMaxRows);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].message,
              "Only 30000 readings fit in one recording:\r\n30 readings of " + path + " were left out.");
    EXPECT_EQ(rec.store.RecordingFile, own);
    ASSERT_TRUE(rec.SaveByExtension(true));
    EXPECT_EQ(Slurp(path), before);
    EXPECT_EQ(Slurp(own).size(), (kMaxRows + 1u) * 111);
}

TEST_F(RecordingTest, ResetKeepsTypeAndRelAndNamesTheChunkByDateAndTime) {
    ASSERT_TRUE(Record("10123;008"));
    rec.store.Set(1, Field::RelRef, "0.5");
    clock.Set(QDateTime(QDate(2024, 1, 16), QTime(0, 0, 5)));
    rec.store.RecordingFile.clear();
    rec.ResetRecording();
    EXPECT_EQ(rec.store.RecordCount, 0);
    EXPECT_EQ(rec.store.Text(1, Field::Type), "V");
    EXPECT_EQ(rec.store.Text(1, Field::RelRef), "0.5");
    EXPECT_EQ(rec.store.Text(1, Field::Notes), "");
    EXPECT_EQ(rec.store.RecordingFile, PathOf("Untitled.dmm"));
    EXPECT_EQ(rec.store.ChunkFile, PathOf("20240116-5.tmp"));
    EXPECT_TRUE(reading.NoDataFlag);
}

TEST_F(RecordingTest, ExportAfterTwoRolloversMergesThreeChunksInOrder) {
    // A file of the next number exists already: the rollover passes it by.
    Put(PathOf("run001.dmm"), "an older recording");
    const int total = 2 * kMaxRows + 5;
    for (int i = 1; i <= total; ++i) {
        ASSERT_TRUE(Record(i <= kMaxRows ? "10123;008" : i <= 2 * kMaxRows ? "10456;008" : "10789;008"));
    }
    EXPECT_EQ(rec.store.ChunkCount, 2);
    EXPECT_EQ(rec.store.RecordCount, 5);
    EXPECT_EQ(rec.store.RecordingFile, PathOf("run003.dmm"));
    EXPECT_EQ(Slurp(PathOf("run001.dmm")), "an older recording");
    EXPECT_EQ(Slurp(PathOf("run.dmm")).size(), (kMaxRows + 1u) * 111);
    EXPECT_EQ(Slurp(PathOf("run002.dmm")).size(), (kMaxRows + 1u) * 111);
    ASSERT_EQ(rec.store.ListTemp.size(), 2u);
    EXPECT_TRUE(messages.asked.empty());

    ASSERT_TRUE(rec.ExportReadings(PathOf("all.csv")));
    const std::string text = Slurp(PathOf("all.csv"));
    std::vector<std::string> lines;
    for (size_t s = 0, p; (p = text.find("\r\n", s)) != std::string::npos; s = p + 2)
        lines.push_back(text.substr(s, p - s));
    const size_t perChunk = kMaxRows + kMaxRows / 60;  // readings and page markers
    ASSERT_EQ(lines.size(), 1 + 2 * perChunk + 6);
    EXPECT_EQ(lines[0], "Record,Time,Date,Reading,Type,Status,Start/Stop,AVG,REL,Notes");
    EXPECT_EQ(lines[1].substr(lines[1].size() - 11), "Page:000001");
    EXPECT_EQ(lines[2].substr(0, 7), "000002,");
    EXPECT_NE(lines[2].find("+   123"), std::string::npos);
    EXPECT_EQ(lines[1 + perChunk].substr(lines[1 + perChunk].size() - 11), "Page:000501");
    EXPECT_EQ(lines[2 + perChunk].substr(0, 7), "030002,");
    EXPECT_NE(lines[2 + perChunk].find("+ 0.456"), std::string::npos);
    EXPECT_EQ(lines[1 + 2 * perChunk].substr(lines[1 + 2 * perChunk].size() - 11), "Page:001001");
    EXPECT_NE(lines.back().find("+ 0.789"), std::string::npos);
}

TEST_F(RecordingTest, AFullTableWaitsForASuccessfulSaveBeforeItRollsOver) {
    for (int i = 1; i <= kMaxRows; ++i) ASSERT_TRUE(Record("10123;008"));
    {
        FileSizeLimit full(1000);  // the disk fills up just as the table does
        EXPECT_FALSE(Record("10456;008"));
        EXPECT_FALSE(Record("10456;008"));
    }
    EXPECT_EQ(rec.store.RecordCount, kMaxRows);
    EXPECT_EQ(rec.store.ChunkCount, 0);
    EXPECT_EQ(rec.store.Text(kMaxRows, Field::Notes), "10123;008");
    // Said once for the recording file and once for the report's working file.
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(messages.asked[0].message,
              "Can't save " + PathOf("run.dmm") + "\r\nThe disk is full (File too large).");
    EXPECT_TRUE(Record("10456;008"));  // space again: saved, rolled over, recorded
    EXPECT_EQ(rec.store.ChunkCount, 1);
    EXPECT_EQ(rec.store.RecordCount, 1);
    EXPECT_EQ(rec.store.Text(1, Field::Notes), "10456;008");
    const std::string first = Slurp(PathOf("run.dmm"));
    ASSERT_EQ(first.size(), (kMaxRows + 1u) * 111);
    EXPECT_EQ(first.substr(static_cast<size_t>(kMaxRows) * 111 + 99, 9), "10123;008");
}

TEST_F(RecordingTest, AFreshRecordingNeverReplacesAFileOfItsName) {
    Put(PathOf("run.dmm"), "an older recording");
    Put(PathOf("run001.dmm"), "another");
    Reset("run.dmm");
    ASSERT_TRUE(Record("10123;008"));
    ASSERT_TRUE(rec.SaveByExtension(false));
    EXPECT_EQ(Slurp(PathOf("run.dmm")), "an older recording");
    EXPECT_EQ(rec.store.RecordingFile, PathOf("run002.dmm"));
    EXPECT_EQ(Slurp(PathOf("run002.dmm")).size(), 222u);
    // Said as a notice: no box waits for an answer in the middle of a recording's save.
    EXPECT_TRUE(messages.asked.empty());
    ASSERT_EQ(view.notices.size(), 1u);
    EXPECT_EQ(view.notices[0], PathOf("run.dmm") +
                                   " holds another recording.\r\nThis recording is saved to " +
                                   PathOf("run002.dmm") + ".");
    // A name chosen through Save as or New is written over: its dialog asked first.
    rec.NameChosen(PathOf("run.dmm"));
    ASSERT_TRUE(rec.SaveByExtension(true));
    EXPECT_EQ(Slurp(PathOf("run.dmm")).size(), 222u);
    EXPECT_EQ(view.notices.size(), 1u);
    // So is the file the table was read from.
    RecordingRig b;
    ASSERT_TRUE(b.rec.OpenFile(PathOf("run.dmm")).loaded);
    b.Accept("10456;008");
    ASSERT_TRUE(b.rec.AppendReadingRow());
    ASSERT_TRUE(b.rec.SaveByExtension(false));
    EXPECT_EQ(b.rec.store.RecordingFile, PathOf("run.dmm"));
    EXPECT_EQ(Slurp(PathOf("run.dmm")).size(), 333u);
}

TEST_F(RecordingTest, NumbersNoSingleHoldsReadBackAsZero) {
    ASSERT_TRUE(Record("10123;008"));
    ASSERT_TRUE(Record("10123;008"));
    ASSERT_TRUE(rec.SaveByExtension(false));
    std::string bytes = Slurp(rec.store.RecordingFile);
    bytes.replace(2 * 111 + 99, 9, "19E99;008");
    bytes.replace(2 * 111 + 90, 8, "1E99    ");
    Put(PathOf("huge.dmm"), bytes);
    RecordingRig b;
    ASSERT_TRUE(b.rec.OpenFile(PathOf("huge.dmm")).loaded);
    EXPECT_EQ(b.rec.store.Text(2, Field::ValueText), "0");
    EXPECT_EQ(b.rec.store.Text(1, Field::ValueText), "0.123");
    EXPECT_FALSE(b.stats.RelOn);
    EXPECT_TRUE(std::isfinite(b.stats.Vmax));
}

TEST_F(RecordingTest, AResetEmptiesTheDbReferenceAndTheMeterRange) {
    struct DbView : WatchedView {
        bool DecibelsOn() const override { return on; }
        bool on = false;
    };
    Decibels db;
    MeterRange meter;
    rec.decibels = &db;
    rec.meterRange = &meter;
    db.DbReference = 600;
    meter.RangeTop = 400;
    meter.RangeBottom = 0;
    rec.ResetRecording();
    EXPECT_EQ(db.DbReference, 0);
    EXPECT_EQ(meter.RangeTop, 4);
    EXPECT_EQ(meter.RangeBottom, -4);
    // With decibels on, the reference is the decibel dialog's text again.
    DbView dbView;
    dbView.on = true;
    MeterSession other{Seams(messages, dbView)};
    Recording& withDb = other.recording();
    withDb.decibels = &db;
    withDb.ImpedanceText = "50";
    withDb.ResetRecording();
    EXPECT_EQ(db.DbReference, 50);
}

TEST_F(RecordingTest, ExportRefusesTheRecordingsOwnFilesAndAStaleReport) {
    ASSERT_TRUE(Record("10123;008"));
    const std::string own[] = {rec.store.RecordingFile, rec.store.ChunkFile};
    const std::string before = Slurp(own[0]);
    for (const std::string& target : own) {
        EXPECT_FALSE(rec.ExportReadings(target));
        EXPECT_EQ(messages.asked.back().message,
                  "Can't export to " + target + "\r\nIt is a working file of the recording.");
    }
    EXPECT_EQ(Slurp(own[0]), before);
    // The current chunk's report cannot be written: no export of the older lines.
    Put(PathOf("file"), "not a folder");
    rec.store.ChunkFile = PathOf("file/chunk.tmp");
    const size_t said = messages.asked.size();
    EXPECT_FALSE(rec.ExportReadings(PathOf("out.csv")));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(PathOf("out.csv"))));
    ASSERT_EQ(messages.asked.size(), said + 1);
    EXPECT_EQ(messages.asked.back().message.rfind("Can't save " + PathOf("file/chunk.tmp"), 0), 0u);
}

// After two rollovers: the file being written, the two before it and the report's working files
// of all three chunks hold readings of the recording, under any spelling of their names. A reset
// lets them all go.
TEST_F(RecordingTest, TheFilesThatHoldReadingsOfTheOpenRecording) {
    using Own = Recording::OwnFile;
    for (const char* frame : {"10123;008", "10456;008", "10789;008"}) {
        ASSERT_TRUE(Record(frame));  // the first reading of a chunk saves it and its report
        if (rec.store.ChunkCount < 2) rec.Rollover();
    }
    ASSERT_EQ(rec.store.RecordingFile, PathOf("run002.dmm"));
    ASSERT_EQ(rec.store.ListTemp.size(), 2u);
    Put(PathOf("other.dmm"), "another recording");
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    ASSERT_TRUE(QFile::link(QString::fromStdString(PathOf("run002.dmm")), dir.filePath("link.dmm")));
    const std::pair<std::string, Own> table[] = {
        {PathOf("run002.dmm"), Own::Recording}, {PathOf("link.dmm"), Own::Recording},
        {PathOf("run.dmm"), Own::Earlier},      {PathOf("sub/../run001.dmm"), Own::Earlier},
        {rec.store.ListTemp[0], Own::Chunk},    {rec.store.ListTemp[1], Own::Chunk},
        {rec.store.ChunkFile, Own::Chunk},      {PathOf("run003.dmm"), Own::None},
        {PathOf("other.dmm"), Own::None},
    };
    for (const auto& [path, own] : table) EXPECT_EQ(rec.OwnFileOf(path), own) << path;
    rec.ResetRecording();
    for (const auto& [path, own] : table) EXPECT_EQ(rec.OwnFileOf(path), Own::None) << path;

    // A file read only in part holds readings its follow-on file will not.
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(Record("10123;008"));
    ASSERT_TRUE(rec.SaveByExtension(false));
    std::string bytes = Slurp(rec.store.RecordingFile);
    bytes.replace(2 * 111 + 20, 60, std::string(60, '\xFF'));
    Put(PathOf("bad.dmm"), bytes);
    ASSERT_TRUE(rec.OpenFile(PathOf("bad.dmm")).readError);
    EXPECT_EQ(rec.OwnFileOf(PathOf("bad.dmm")), Own::Earlier);
    EXPECT_EQ(rec.OwnFileOf(PathOf("bad001.dmm")), Own::Recording);
    EXPECT_EQ(rec.OwnFileOf(rec.store.ChunkFile), Own::Chunk);
}

TEST_F(RecordingTest, NamesWithoutRoomForANumberAndFilesAtTheRoot) {
    rec.store.RecordingFile = "ab";
    rec.Rollover();
    EXPECT_EQ(rec.store.RecordingFile, "Untitled001.dmm");
    rec.store.RecordingFile = "/run.dmm";
    rec.ResetRecording();
    EXPECT_EQ(FolderOf(rec.store.ChunkFile), "/");
}

}  // namespace
}  // namespace voltaro
