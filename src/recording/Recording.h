#pragma once

#include <QDate>
#include <QTime>
#include <functional>
#include <string>

#include "base/Beeper.h"
#include "base/Clock.h"
#include "base/Messages.h"
#include "link/Decoder.h"
#include "link/Reading.h"
#include "recording/FileFormat.h"
#include "recording/RecordStore.h"
#include "recording/RecordingView.h"
#include "recording/Report.h"
#include "values/Alarms.h"
#include "values/DateTimeFormat.h"
#include "values/Separator.h"
#include "values/Statistics.h"

namespace voltaro {

class Decibels;
class MeterRange;

// What the recording works with, owned by the main window (or the command-line tool).
struct RecordingParts {
    Reading& reading;
    Statistics& stats;
    Alarms& alarms;
    const DateTimeFormat& formats;
    const Separator& separator;
    const Clock& clock;
    MessageSeam& messages;
    Beeper& beeper;
    RecordingView& view;
};

// How a file load went.
struct LoadResult {
    bool loaded = false;  // the file was a recording and its rows were read
    int rowsRead = 0;
    int rowsLeftOut = 0;     // whole lines that did not fit behind row 30000
    bool readError = false;  // damaged lines were skipped
    int damagedLines = 0;
};

// The recording: the table of rows and its working files, saving, loading, the report's
// working file, export and import, and the timed autosave.
class Recording {
public:
    Recording(RecordingParts parts, std::string programFolder, bool debugMode);

    // --- the table and its working files ---
    // Appends the current Reading as the next row, saving first every 600 rows and rolling
    // over at 30000. False when the table is full and the save before the rollover failed:
    // the reading then waits (is not recorded) and every row held stays as it is until a save
    // succeeds; recording goes on.
    bool AppendReadingRow();
    void ResetRecording() { ResetRecording(0); }
    // The table moves on to the next numbered file and a new chunk.
    void Rollover();
    void ShowFileName();
    void ShowFileProgress(int done, int total);
    // The progress window shown afresh for a long task (saving, loading, printing).
    void StartProgress(const std::string& caption, const std::string& fileLine, bool visible);

    // --- the recording file ---
    bool SaveByExtension(bool showProgress);
    bool SaveRecording(char separator, bool showProgress);
    LoadResult OpenByExtension(int offset);
    LoadResult LoadRecording(int offset);
    LoadResult LoadOldLayout(int offset);
    void RecomputeRow(int row);

    // Open: the file becomes the recording when it is one; otherwise the recording keeps its
    // name.
    LoadResult OpenFile(const std::string& path);
    // Import Readings: the file's rows go behind the rows held. The file becomes the target of
    // the next save only when all of its rows were taken.
    LoadResult ImportReadings(const std::string& path);
    // Export Readings: the report of the current chunk is written first; no export when that
    // fails or when the target is the recording file or one of its working files.
    bool ExportReadings(const std::string& exportFile);
    // A name chosen through New or Save as, whose dialogs ask before replacing a file: the next
    // save writes the whole table over it.
    void NameChosen(const std::string& path);
    // Where the recording went when the folder of its file could not take it, to be said again
    // at exit; "" when it was never moved.
    std::string MovedNotice() const;

    // The files that hold readings of the open recording: deleting or overwriting one loses
    // them. After a reset none but the new chunk's is, until a save, a load or a chosen name.
    // Earlier: written before a rollover, or read only in part.
    enum class OwnFile { None, Recording, Earlier, Chunk };
    // Which of them `path` names (any spelling of the same file).
    OwnFile OwnFileOf(const std::string& path) const;
    // Delete File's refusal of one of them, saying why; "" for any other file.
    std::string DeleteRefusal(const std::string& path) const;

    // --- autosave and the report ---
    // The autosave timer's tick; a forced save when AutoSaveTick was set to 3. True when
    // nothing was due or the recording and its report were both saved.
    bool TimerAutoSaveTick();
    // `always`: a command the user gave, said even within a run of failures.
    bool SaveReport(bool always = false);

    RecordStore store;
    Report report;
    bool FileLoaded = false;
    // Files are only read, never saved (the command-line tools): what a load says leaves out
    // where the next save would go.
    bool readOnly = false;
    QDate LatestDate;  // date and time of the latest reading
    QTime LatestTime;
    std::string ImpedanceText;  // the decibel dialog's line impedance, for the dBm extremes
    std::string meterType;      // the meter-type text ("UnType") the frames are decoded with
    // Brings recording control back to its idle state when the recording is reset: START,
    // not running, recordTimer and autoSaveTimer off.
    std::function<void()> StopAcquisition;
    // The window's decibel choice and meter range, reset with the recording when
    // the owner hands them in.
    Decibels* decibels = nullptr;
    MeterRange* meterRange = nullptr;
    // The per-user data folder: a recording whose own folder cannot take it is saved there
    // under the same file name.
    std::string dataFolder;

private:
    // A reset before a load: rows 1 .. rowsToFill are about to be overwritten whole and are not
    // cleared first (the load clears those it could not fill).
    void ResetRecording(int rowsToFill);
    LoadResult Load(int offset, bool oldReader);
    void TakeRowIntoState(int row, bool fileCoupling);
    LoadedSettings RestoreLastRowSettings();
    QDate RowDate(int row);
    // A failure is said once per run of failures (`failing` remembers the run); a command the
    // user gave always says it.
    void SayFailure(const std::string& message, bool always, bool& failing);
    std::string NewChunkFile() const;
    std::string FreeNumberedName(const std::string& name) const;
    std::string StampTitle(const std::string& what) const;
    // A fresh table about to be saved over a file it neither came from nor was told to
    // replace takes the next free numbered name, and says so.
    void KeepOtherRecording();
    void SayDamaged(const std::string& path, const LoadResult& r);
    // The whole table into the data folder after a failed save; true when it is there.
    bool SaveToDataFolder(char separator, const DateRewriteFn& rewrite);
    static bool SameFile(const std::string& a, const std::string& b);
    char ExtDim() const;

    RecordingParts p_;
    std::string programFolder_;
    bool debugMode_;
    std::string unchosenFile_;  // the name a reset left, not chosen by the user nor read from
    // Files that hold readings of the recording but are written no more: the files before its
    // rollovers, and a file it was read from only in part.
    std::vector<std::string> earlierFiles_;
    std::string movedFrom_, movedTo_;  // the file that could not be saved, the last saved instead
    bool saveFailing_ = false;
    // A save, or its message box, is in progress.
    bool saving_ = false;
    struct SavingGuard {
        explicit SavingGuard(bool& flag) : flag_(flag) { flag_ = true; }
        ~SavingGuard() { flag_ = false; }
        bool& flag_;
    };
    bool reportFailing_ = false;
    int progressValue_ = -1;
    int progressTotal_ = -1, progressDone_ = 0, progressNextChange_ = 0;  // rows that change nothing shown
    bool progressOk_ = false;
    std::string lastDateText_;  // the last row date read back, and its date
    QDate lastDate_;
};

}  // namespace voltaro
