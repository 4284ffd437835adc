#include "recording/Recording.h"

#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/ProgramFolder.h"
#include "recording/Export.h"
#include "recording/FileNames.h"
#include "base/Conversions.h"
#include "values/Decibels.h"
#include "values/Formatting.h"
#include "base/Notation.h"

namespace voltaro {

namespace {

constexpr int kSaveEvery = 600;
const std::string kCrLf = "\r\n";

bool Exists(const std::string& path) {
    return QFileInfo::exists(QString::fromStdString(path));
}

// A date already written as "yyyy/mm/dd".
bool IsStoredDateShape(std::string_view d) {
    if (d.size() != 10 || d[4] != '/' || d[7] != '/') return false;
    for (size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u}) {
        if (d[i] < '0' || d[i] > '9') return false;
    }
    return true;
}

std::string Trimmed(std::string_view s) {
    const size_t e = s.find_last_not_of(' ');
    return e == std::string_view::npos ? std::string() : std::string(s.substr(0, e + 1));
}

}  // namespace

Recording::Recording(RecordingParts parts, std::string programFolder, bool debugMode)
    : dataFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()),
      p_(parts),
      programFolder_(std::move(programFolder)),
      debugMode_(debugMode) {}

char Recording::ExtDim() const {
    return p_.separator.ExtDim.empty() ? '.' : p_.separator.ExtDim[0];
}

std::string Recording::StampTitle(const std::string& what) const {
    const QDateTime now = p_.clock.Now();
    const QLocale locale;
    return what + store.RecordingFile + " ... " +
           locale.toString(now.date(), QLocale::ShortFormat).toStdString() + " - " +
           locale.toString(now.time(), QLocale::ShortFormat).toStdString() + " (" +
           FormatFixedNumber(store.RecordCount, 5, 0) + ")";
}

std::string Recording::NewChunkFile() const {
    const QDateTime now = p_.clock.Now();
    return JoinPath(FolderOf(store.RecordingFile),
                    DateToNumberText(now.date()) + "-" + TimeToNumberText(now.time()) + ".tmp");
}

std::string Recording::FreeNumberedName(const std::string& name) const {
    // The number goes before a three-letter extension; a name without one is numbered as the
    // default name in its folder.
    std::string next =
        ExtensionOf(name, ExtDim()).empty() ? std::string() : NextNumberedName(name, 1, 3, ExtDim());
    if (next.empty()) next = NextNumberedName(JoinPath(FolderOf(name), "Untitled.dmm"), 1, 3, ExtDim());
    // An older recording of the same name is never overwritten: the next free number is taken.
    while (Exists(next)) next = NextNumberedName(next, 1, 3, ExtDim());
    return next;
}

bool Recording::SameFile(const std::string& a, const std::string& b) {
    const QFileInfo fa(QString::fromStdString(a)), fb(QString::fromStdString(b));
    return fa.absoluteFilePath() == fb.absoluteFilePath() ||
           (fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath());
}

void Recording::NameChosen(const std::string& path) {
    store.RecordingFile = path;
    store.SavedCount = 0;
    unchosenFile_.clear();
    movedFrom_.clear();
    movedTo_.clear();
}

std::string Recording::MovedNotice() const {
    if (movedFrom_.empty()) return {};
    return "Can't save " + movedFrom_ + kCrLf + "This recording is saved to " + movedTo_ + ".";
}

Recording::OwnFile Recording::OwnFileOf(const std::string& path) const {
    // A name a reset left may hold another recording, which the next save passes by.
    if (unchosenFile_ != store.RecordingFile && SameFile(path, store.RecordingFile))
        return OwnFile::Recording;
    for (const std::string& earlier : earlierFiles_)
        if (SameFile(path, earlier)) return OwnFile::Earlier;
    if (SameFile(path, store.ChunkFile)) return OwnFile::Chunk;
    for (const std::string& chunk : store.ListTemp)
        if (SameFile(path, chunk)) return OwnFile::Chunk;
    return OwnFile::None;
}

std::string Recording::DeleteRefusal(const std::string& path) const {
    const OwnFile own = OwnFileOf(path);
    if (own == OwnFile::None) return "";
    const char* why = own == OwnFile::Recording ? "It is the file of the open recording."
                      : own == OwnFile::Earlier ? "It holds readings of the open recording."
                                                : "It is a working file of the open recording.";
    return "Can't delete " + path + kCrLf + why;
}

void Recording::KeepOtherRecording() {
    if (store.SavedCount != 0 || unchosenFile_.empty() || store.RecordingFile != unchosenFile_) return;
    unchosenFile_.clear();
    if (!Exists(store.RecordingFile)) return;
    // A notice, not a box: nothing waits for an answer, least of all a recording whose first
    // save this is.
    const std::string older = store.RecordingFile;
    store.RecordingFile = FreeNumberedName(older);
    p_.view.ShowNotice(older + " holds another recording." + kCrLf + "This recording is saved to " +
                       store.RecordingFile + ".");
}

void Recording::SayFailure(const std::string& message, bool always, bool& failing) {
    const bool say = always || !failing;
    failing = true;  // before the box: a failure while it waits belongs to the same run
    if (say) p_.messages.ShowMessage(message, "error");
}

// ---------------------------------------------------------------------------------------------
// The table and its working files

bool Recording::AppendReadingRow() {
    p_.view.EnableSave(true);
    if (store.RecordCount % kSaveEvery == 0) {
        store.AutoSaveTick = 3;
        const bool saved = TimerAutoSaveTick();
        if (store.RecordCount >= kMaxRows) {
            // The table rolls over only once every row it holds is safely in its file.
            if (!saved) return false;
            Rollover();
        }
    }
    if (store.RecordCount % kSaveEvery == 0) p_.view.SetTitle(StampTitle("Record "));

    const int r = ++store.RecordCount;
    const QDateTime now = p_.clock.Now();
    LatestDate = now.date();
    LatestTime = now.time();
    Reading& reading = p_.reading;
    ComputeValue(reading);
    const std::string timeText = p_.formats.FormatStampTime(LatestTime);
    store.Set(r, Field::ValueText, SingleToText(reading.value + 0.0f));  // no "-0" for a signed zero
    store.Set(r, Field::Type, reading.baseUnit);
    store.Set(r, Field::Coupling, reading.acDc);
    store.Set(r, Field::Time, timeText);
    store.Set(r, Field::Date, p_.formats.FormatStampDate(LatestDate));
    store.Set(r, Field::MaxFlag, std::to_string(p_.stats.StatMaxOn));
    store.Set(r, Field::MinFlag, std::to_string(p_.stats.StatMinOn));
    store.Set(r, Field::AvgFlag, p_.stats.StatAvgOn);
    store.Set(r, Field::AlarmHI, p_.alarms.AlarmHiText);
    store.Set(r, Field::AlarmLO, p_.alarms.AlarmLoText);
    store.Set(r, Field::DbField, "");
    store.Set(r, Field::Spare, "");
    store.Set(r, Field::RelRef, p_.stats.RelRefText());
    // The frame of the reading recorded, not a later candidate that was never accepted.
    store.Set(r, Field::Notes, reading.acceptedFrameText);
    store.Set(0, Field::DbField, "dB");
    // The statistics count the reading being appended, so the first row recorded is their
    // first reading, as it is when the file is read back.
    p_.stats.UpdateStatistics(
        {reading.value, reading.unitText, LatestDate, timeText, r, store.ChunkCount, ImpedanceText});
    p_.view.ReadingRecorded(r);
    return true;
}

void Recording::ResetRecording(int rowsToFill) {
    store.ChunkCount = 0;
    p_.view.EnableSave(false);
    p_.alarms.AlarmActive = false;
    if (StopAcquisition) {
        StopAcquisition();
    } else {
        p_.view.SetStartCaption("START");
    }
    report.ResetState();
    p_.reading.signText.clear();
    store.ClearRows(0, 0);
    store.ClearRows(rowsToFill + 1, kMaxRows);
    p_.view.EnableRecordingMenus(false);
    store.RecordCount = 0;
    p_.stats.Reset();
    p_.reading.value = 0;
    p_.reading.scale = 1;
    p_.reading.acDc.clear();
    p_.alarms.AlarmHiText.clear();
    p_.alarms.AlarmLoText.clear();
    // The statistics and REL boxes are cleared, and with them their flags.
    p_.stats.RelOn = false;
    p_.stats.StatMaxOn = 0;
    p_.stats.StatMinOn = 0;
    p_.stats.StatAvgOn = "0";
    if (decibels) {
        decibels->DbReference = 0;
        if (p_.view.DecibelsOn()) decibels->DbReference = SingleOrZero(Val(ImpedanceText));
    }
    p_.stats.Vmax = 0;
    p_.stats.Vmin = 0;
    if (meterRange) {
        meterRange->RangeTop = 4;
        meterRange->RangeBottom = -4;
    }
    p_.reading.NoDataFlag = true;
    p_.view.RecordingReset();
    // Until the next frame the reading is the silent meter's full count, as the watchdog leaves
    // it; marked after the view's reset, whose panel still ranges the digits from before.
    SetText(p_.reading.digits, "4000");
    if (store.RecordingFile.empty()) store.RecordingFile = JoinPath(programFolder_, "Untitled.dmm");
    store.ChunkFile = NewChunkFile();
    store.ChunkCount = 0;
    store.ListTemp.clear();
    earlierFiles_.clear();
    store.SavedCount = 0;
    // Whatever already has this name is not this table's to replace.
    unchosenFile_ = store.RecordingFile;
}

void Recording::Rollover() {
    store.RecordCount = 0;
    earlierFiles_.push_back(store.RecordingFile);
    store.RecordingFile = FreeNumberedName(store.RecordingFile);
    store.ListTemp.push_back(store.ChunkFile);
    store.ChunkFile = NewChunkFile();
    ++store.ChunkCount;
    report.ChunkFinished();
    ShowFileName();
    store.SavedCount = 0;
}

void Recording::ShowFileName() {
    p_.view.SetTitle(store.RecordingFile);
}

void Recording::ShowFileProgress(int done, int total) {
    // Called for every row: a row before the next whole percent changes nothing that is shown.
    if (total == progressTotal_ && done > progressDone_ && done < progressNextChange_ && done < total &&
        !progressOk_) {
        progressDone_ = done;
        return;
    }
    const bool finished = done >= total;
    if (finished != progressOk_) {
        progressOk_ = finished;
        p_.view.EnableProgressOk(finished);
    }
    if (finished) p_.beeper.Beep();
    const int percent =
        total <= 0 ? 0 : std::min(100, static_cast<int>(static_cast<double>(done) / total * 100));
    if (progressValue_ != percent) {
        progressValue_ = percent;
        p_.view.SetProgress(percent, std::to_string(percent) + " % (" + std::to_string(done) + "/" +
                                         std::to_string(total) + ")");
    }
    progressTotal_ = total;
    progressDone_ = done;
    progressNextChange_ = total <= 0 ? 0 : static_cast<int>((static_cast<long long>(percent + 1) * total + 99) / 100);
}

void Recording::StartProgress(const std::string& caption, const std::string& fileLine, bool visible) {
    p_.view.ShowProgress(caption, fileLine, visible);
    progressOk_ = false;
    p_.view.EnableProgressOk(false);
    progressValue_ = 0;
    progressTotal_ = -1;
    p_.view.SetProgress(0, "");
}

// ---------------------------------------------------------------------------------------------
// The recording file

bool Recording::SaveByExtension(bool showProgress) {
    // A timer that fires while a save's message box waits finds the save busy and leaves it.
    if (saving_) return false;
    const SavingGuard busy(saving_);
    ShowFileName();
    p_.view.EnableSave(false);
    KeepOtherRecording();
    const std::string ext = ExtensionOf(store.RecordingFile, ExtDim());
    bool saved = false;
    if (ext == "dmm" || ext == "csv") {
        saved = SaveRecording(',', showProgress);
    } else if (ext == "txt") {
        saved = SaveRecording(' ', showProgress);
    } else {
        // Never "saved" in silence: the rows stay, and so does SavedCount.
        SayFailure("Can't save " + store.RecordingFile + kCrLf + "The file type is not known; use " +
                       ExtDim() + "dmm, " + ExtDim() + "csv or " + ExtDim() + "txt.",
                   showProgress, saveFailing_);
    }
    // Rows a failed save left unsaved can still be saved by the user.
    if (!saved && store.RecordCount > store.SavedCount) p_.view.EnableSave(true);
    return saved;
}

bool Recording::SaveRecording(char separator, bool showProgress) {
    // The file is named with the chosen separator first, so that the title and the recent-file
    // list name the file that is written.
    if (p_.separator.ExtDimConfirmed) store.RecordingFile = RenameExtension(store.RecordingFile, ExtDim());
    p_.view.SetTitle(store.RecordingFile);
    p_.view.RememberFile(store.RecordingFile);
    const std::string fileLine = "Save to: " + store.RecordingFile;
    StartProgress("Save File", fileLine, showProgress);

    std::string lastIn, lastOut;
    const DateRewriteFn rewrite = [&](std::string_view field) -> std::string {
        const std::string d = Trimmed(field);
        if (IsStoredDateShape(d)) return d;
        if (d != lastIn) {
            lastIn = d;
            lastOut = StoredDateText(d, p_.formats.DateF);
        }
        return lastOut;
    };
    // A recording without readings does not replace a file: an older recording under the
    // chosen name stays until this one's readings are saved over it.
    if (store.SavedCount == 0 && store.RecordCount == 0 && Exists(store.RecordingFile)) {
        p_.view.EnableProgressOk(true);
        progressOk_ = true;
        return true;
    }
    const WriteOutcome w =
        WriteRows(store, store.RecordingFile, separator, store.SavedCount, store.RecordCount, rewrite,
                  [this](int done, int total) { ShowFileProgress(done, total); });
    p_.view.EnableProgressOk(true);
    progressOk_ = true;
    if (!w.ok) {
        // The rows a failed save left whole in the file count as saved, and no more.
        if (store.SavedCount > 0 && w.readingsInFile >= 0)
            store.SavedCount = std::min(w.readingsInFile, store.RecordCount);
        const std::string said = "Can't save " + store.RecordingFile + kCrLf + w.error;
        p_.view.HideProgress();
        if (SaveToDataFolder(separator, rewrite)) {
            saveFailing_ = false;
            p_.messages.ShowMessage(said + kCrLf + "This recording is saved to " + store.RecordingFile + ".",
                                    "exc");
            return true;
        }
        SayFailure(said, showProgress, saveFailing_);
        return false;
    }
    saveFailing_ = false;
    unchosenFile_.clear();
    store.SavedCount = store.RecordCount;
    if (!movedFrom_.empty()) movedTo_ = store.RecordingFile;
    if (store.RecordCount != 0) p_.view.HideProgress();
    return true;
}

bool Recording::SaveToDataFolder(char separator, const DateRewriteFn& rewrite) {
    if (dataFolder.empty() || SameFile(FolderOf(store.RecordingFile), dataFolder)) return false;
    std::string target = JoinPath(dataFolder, FileTitle(store.RecordingFile));
    if (Exists(target)) target = FreeNumberedName(target);
    if (!WriteRows(store, target, separator, 0, store.RecordCount, rewrite, nullptr).ok) return false;
    if (movedFrom_.empty()) movedFrom_ = store.RecordingFile;
    movedTo_ = target;
    store.RecordingFile = target;
    // The report's working file follows, so that it is saved too.
    store.ChunkFile = JoinPath(dataFolder, FileTitle(store.ChunkFile));
    store.SavedCount = store.RecordCount;
    unchosenFile_.clear();
    ShowFileName();
    p_.view.RememberFile(target);
    return true;
}

LoadResult Recording::OpenByExtension(int offset) {
    ShowFileName();
    if (!Exists(store.RecordingFile)) {
        p_.messages.ShowMessage("Can't find " + store.RecordingFile, "error");
        return {};
    }
    // A folder or a file without read permission is no recording of any name.
    if (const int err = ReadHeader(store.RecordingFile).error; err != 0) {
        p_.messages.ShowMessage("Can't open " + store.RecordingFile + kCrLf + std::strerror(err), "error");
        return {};
    }
    p_.view.EnableRecordingMenus(store.RecordCount != 0);
    p_.view.EnableSave(true);
    const std::string ext = ExtensionOf(store.RecordingFile, ExtDim());
    if (ext == "dmm") return LoadRecording(offset);
    if (ext == "csv" || ext == "txt") return LoadOldLayout(offset);
    return {};
}

LoadResult Recording::LoadRecording(int offset) {
    return Load(offset, false);
}

LoadResult Recording::LoadOldLayout(int offset) {
    LoadResult r = Load(offset, true);
    if (r.loaded) ShowFileName();
    return r;
}

// A flag field as a number: "1" and "0" without a detour through Val.
int FlagOf(std::string_view field) {
    if (field == "1  ") return 1;
    if (field == "0  ") return 0;
    return static_cast<int>(Val(field));
}

void Recording::TakeRowIntoState(int row, bool fileCoupling) {
    Reading& reading = p_.reading;
    const std::string_view notes = store.Get(row, Field::Notes);
    // The value, the limits and REL of a row are not taken here: the value is decoded from the
    // frame at once (RecomputeRow), and nothing reads the others before the last row's are
    // restored. The four digits are positions 2 to 5 of the frame, as the live reader takes them.
    SetText(reading.digits, notes.substr(1, 4));
    SetText(reading.frameText, notes);
    p_.stats.StatMaxOn = FlagOf(store.Get(row, Field::MaxFlag));
    p_.stats.StatMinOn = FlagOf(store.Get(row, Field::MinFlag));
    const std::string_view avg = store.Trimmed(row, Field::AvgFlag);
    SetText(p_.stats.StatAvgOn, avg);
    if (fileCoupling) SetText(reading.acDc, store.Trimmed(row, Field::Coupling));
}

QDate Recording::RowDate(int row) {
    const std::string_view field = store.Get(row, Field::Date);
    const std::string_view d = field.substr(0, field.find_last_not_of(' ') + 1);
    if (d != lastDateText_) {
        lastDateText_.assign(d);
        std::optional<QDate> parsed = ParseDateText(lastDateText_, p_.formats.DateF);
        if (!parsed) parsed = ParseDateText(lastDateText_, "YYYY/MM/DD");
        lastDate_ = parsed.value_or(QDate());
    }
    return lastDate_;
}

void Recording::RecomputeRow(int row) {
    Reading& reading = p_.reading;
    reading = DecodeFrame(reading, reading.frameText, reading.digits, meterType);
    reading.value = SingleOrZero(std::floor(Val(reading.digits)) * reading.scale);
    char text[kSingleTextRoom];
    store.Set(row, Field::ValueText, {text, SingleToChars(reading.value + 0.0f, text)});
    p_.stats.UpdateStatistics({reading.value, reading.unitText, RowDate(row), store.Trimmed(row, Field::Time),
                               store.RecordCount, store.ChunkCount, ImpedanceText});
}

LoadResult Recording::Load(int offset, bool oldReader) {
    LoadResult res;
    const std::string path = store.RecordingFile;
    // The header decides the layout and the separator, so the program reads back every file
    // it writes, under any of its names.
    const HeaderInfo header = ReadHeader(path);
    if (header.layout == Layout::None) {
        p_.messages.ShowMessage("File type error!" + kCrLf + "Not a recording file.", "error");
        return res;
    }
    p_.view.SetTitle(path);
    p_.view.RememberFile(path);
    RemoveStaleFiles(FolderOf(path), FileTitle(path));
    FileLoaded = false;
    p_.view.EnableRecordingMenus(false);
    const int rowsToFill = offset == 0 ? ReadingLinesIn(path, header) : 0;
    if (offset == 0) ResetRecording(rowsToFill);
    p_.reading.signText.clear();
    StartProgress("Open File", "Open from :" + path, true);
    lastDateText_.clear();

    const ReadOutcome r = ReadRows(
        store, path, header, offset,
        [&](int row) {
            TakeRowIntoState(row, header.layout == Layout::Old);
            RecomputeRow(row);
            store.Set(row, Field::Coupling, p_.reading.acDc);
            store.Set(row, Field::Type, p_.reading.baseUnit);
        },
        [this](int done, int total) { ShowFileProgress(done, total); });

    if (store.RecordCount < rowsToFill) store.ClearRows(store.RecordCount + 1, rowsToFill);
    res.loaded = true;
    res.rowsRead = r.rowsRead;
    res.damagedLines = r.damagedLines;
    res.readError = r.damagedLines > 0;
    res.rowsLeftOut = r.linesLeftOut;
    if (res.readError && oldReader) {
        p_.view.HideProgress();
        p_.messages.ShowMessage("File type error!" + kCrLf + "Read Error!", "error");
    }
    p_.alarms.OptAlarmHi_Click(false);
    p_.alarms.OptAlarmLo_Click(false);
    FileLoaded = true;
    if (offset == 0) unchosenFile_.clear();
    if (store.RecordCount > 0) {
        LatestDate = RowDate(store.RecordCount);
        LatestTime = ParseTimeText(store.Text(store.RecordCount, Field::Time)).value_or(QTime());
    }
    p_.view.RecordingLoaded(RestoreLastRowSettings());
    p_.view.EnableRecordingMenus(store.RecordCount != 0);
    p_.view.EnableProgressOk(true);
    progressOk_ = true;
    if (res.rowsLeftOut > 0) {
        p_.messages.ShowMessage(
            "Only " + std::to_string(kMaxRows) + " readings fit in one recording:" + kCrLf +
                std::to_string(res.rowsLeftOut) + " readings of " + path + " were left out.",
            "exc");
    }
    return res;
}

LoadedSettings Recording::RestoreLastRowSettings() {
    LoadedSettings s;
    const int r = store.RecordCount;
    if (r == 0) return s;
    if (Val(store.Get(r, Field::MaxFlag)) == 1) {
        s.checkMax = true;
        p_.stats.chkMAX_Click(true);
    }
    if (Val(store.Get(r, Field::MinFlag)) == 1) {
        s.checkMin = true;
        p_.stats.chkMIN_Click(true);
    }
    s.alarmHi = Val(store.Get(r, Field::AlarmHI)) != 0;
    s.alarmHiText = s.alarmHi ? std::string(store.Get(r, Field::AlarmHI)) : std::string();
    if (s.alarmHi) p_.alarms.TextAlarmHI = s.alarmHiText;
    p_.alarms.OptAlarmHi_Click(s.alarmHi);
    s.alarmLo = Val(store.Get(r, Field::AlarmLO)) != 0;
    s.alarmLoText = s.alarmLo ? std::string(store.Get(r, Field::AlarmLO)) : std::string();
    if (s.alarmLo) p_.alarms.TextAlarmLO = s.alarmLoText;
    p_.alarms.OptAlarmLo_Click(s.alarmLo);
    s.avg = Val(store.Get(r, Field::AvgFlag)) != 0;
    p_.stats.ChkAVG_Click(s.avg);
    // REL comes back on with the reference the file recorded, not the value now shown.
    const float relReference = SingleOrZero(Val(store.Get(r, Field::RelRef)));
    s.rel = relReference != 0;
    p_.stats.RelOn = s.rel;
    if (s.rel) p_.stats.RelReference = relReference;
    return s;
}

LoadResult Recording::OpenFile(const std::string& path) {
    const std::string previous = store.RecordingFile;
    store.RecordingFile = path;
    const LoadResult r = OpenByExtension(0);
    if (!r.loaded) {
        store.RecordingFile = previous;
    } else if (r.readError || r.rowsLeftOut > 0) {
        // Saving the rows read over the file they came from would cut it short.
        earlierFiles_.push_back(path);
        store.RecordingFile = FreeNumberedName(path);
        if (r.readError) SayDamaged(path, r);
    }
    ShowFileName();
    return r;
}

LoadResult Recording::ImportReadings(const std::string& path) {
    const std::string previous = store.RecordingFile;
    const int previousSaved = store.SavedCount;
    store.RecordingFile = path;
    store.SavedCount = 0;
    const LoadResult r = OpenByExtension(store.RecordCount);
    if (!r.loaded || r.readError || r.rowsLeftOut > 0) {
        // The imported file keeps every line it had: the recording stays with its own file.
        store.RecordingFile = previous;
        store.SavedCount = std::min(previousSaved, store.RecordCount);
        ShowFileName();
        if (r.readError) SayDamaged(path, r);
    }
    if (r.rowsRead > 0) p_.view.EnableSave(true);
    return r;
}

void Recording::SayDamaged(const std::string& path, const LoadResult& r) {
    const std::string skipped = r.damagedLines == 1
                                    ? "1 damaged line was skipped."
                                    : std::to_string(r.damagedLines) + " damaged lines were skipped.";
    std::string message =
        path + " is damaged: " + std::to_string(r.rowsRead) + " readings were read, " + skipped;
    if (!readOnly) message += kCrLf + "The next save goes to " + store.RecordingFile + ".";
    p_.messages.ShowMessage(message, "error");
}

bool Recording::ExportReadings(const std::string& exportFile) {
    if (OwnFileOf(exportFile) != OwnFile::None) {
        p_.messages.ShowMessage(
            "Can't export to " + exportFile + kCrLf + "It is a working file of the recording.", "error");
        return false;
    }
    std::vector<std::string> chunks = store.ListTemp;
    chunks.push_back(store.ChunkFile);
    // A chunk that has no reading yet has no report file either.
    if (store.RecordCount == 0 && !Exists(store.ChunkFile)) chunks.pop_back();
    // An export without the current chunk's lines would pass for a whole one.
    if (!SaveReport(true)) return false;
    return voltaro::ExportReadings(exportFile, chunks, debugMode_, p_.messages,
                                   [this](const std::string& t) { p_.view.SetTitle(t); })
        .ok;
}

// ---------------------------------------------------------------------------------------------
// Autosave and the report

bool Recording::TimerAutoSaveTick() {
    // A tick inside a save (its message box) does nothing; it is not a save either.
    if (saving_) return false;
    if (++store.AutoSaveTick < 2) return true;
    bool ok = SaveByExtension(false);
    const SavingGuard busy(saving_);
    const std::string keep = store.RecordingFile;
    ok = SaveReport() && ok;
    store.RecordingFile = keep;
    // A failed save is tried again at the next tick, not two ticks later.
    if (!ok) return false;
    store.AutoSaveTick = 0;
    p_.view.SetTitle(StampTitle("AutoSaving "));
    return true;
}

bool Recording::SaveReport(bool always) {
    std::string error;
    if (!report.SaveReport(store, p_.formats, p_.stats.Vmax, p_.stats.Vmin, &error)) {
        SayFailure("Can't save " + store.ChunkFile + kCrLf + error, always, reportFailing_);
        return false;
    }
    reportFailing_ = false;
    return true;
}

}  // namespace voltaro
