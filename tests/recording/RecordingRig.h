#pragma once

#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/MeterSession.h"
#include "base/Beeper.h"
#include "base/Clock.h"
#include "base/Messages.h"
#include "link/Decoder.h"
#include "support/CountingBeeper.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedSerialPort.h"
#include "support/SettableClock.h"

namespace voltaro {

// The header line of a recording file, byte for byte.
inline const std::string kHeader = std::string("Date      ,Time      ,Reading         ,Type  ") + '\0' +
                                   "  ,AlarmHI ,AlarmLO ,MAX,MIN,AVG,dB      , ,REL     ,Notes    ,\r\n";

// The header line of the older layout, which has no Type column and 104-byte lines.
inline const std::string kOldHeader =
    "Date      ,Time      ,Reading         ,  ,AlarmHI ,AlarmLO ,MAX,MIN,AVG,dB      , ,REL     ,Notes    "
    ",\r\n";

inline std::string Slurp(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

inline void Put(const std::string& path, const std::string& bytes) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A file size limit stands in for a full disk: writes past it fail as they would on one.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit lim = old;
        lim.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
    rlimit old{};
};

struct NoAlarmView : AlarmView {
    void SetHiColour(Rgb) override {}
    void SetLoColour(Rgb) override {}
    void SetStopVisible(bool) override {}
    void SetAlarmTimer(bool) override {}
};

// Message boxes that let a timer tick while they wait, as a modal box does.
struct WaitingMessages : ScriptedMessages {
    std::string ShowMessage(const std::string& message, const std::string& kind) override {
        const std::string answer = ScriptedMessages::ShowMessage(message, kind);
        if (auto tick = std::exchange(whileWaiting, nullptr)) tick();
        return answer;
    }
    std::function<void()> whileWaiting;
};

// The main window as far as a test looks at it.
struct WatchedView : RecordingView {
    void SetTitle(const std::string& t) override { titles.push_back(t); }
    void ShowNotice(const std::string& t) override { notices.push_back(t); }
    void SetStartCaption(const std::string& c) override { startCaption = c; }
    void RecordingLoaded(const LoadedSettings& s) override {
        loaded = s;
        ++loads;
    }
    std::string IntervalMinutesText() const override { return minutes; }
    std::string IntervalSecondsText() const override { return seconds; }
    bool StopRecordOnOL() const override { return stopOnOL; }
    void UpdatePanel() override { ++panelUpdates; }
    void LinkFed(const FeedResult& f) override { fed = f; }
    void SetProgress(int, const std::string& text) override { progress.push_back(text); }
    void RememberFile(const std::string& path) override { remembered.push_back(path); }
    void EnableProgressOk(bool on) override { progressOk.push_back(on); }

    std::vector<std::string> titles;
    std::vector<std::string> notices;
    std::string startCaption;
    LoadedSettings loaded;
    int loads = 0;
    std::string minutes = "0", seconds = "0";
    bool stopOnOL = false;
    int panelUpdates = 0;
    FeedResult fed;  // what the last poll of the line did
    std::vector<std::string> progress;
    std::vector<bool> progressOk;
    std::vector<std::string> remembered;
};

// A meter session over test doubles, fresh for each test, in a folder of its own; its parts
// under short names.
struct RecordingRig {
    RecordingRig() {
        rec.dataFolder = PathOf("data");  // never the real per-user folder
        Reset("run.dmm");
    }

    std::string PathOf(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    // A new recording under the given name in the test folder.
    void Reset(const std::string& name) {
        rec.store.RecordingFile = PathOf(name);
        rec.ResetRecording();
    }
    // The frame is accepted and decoded as the acquisition loop does it.
    void Accept(const std::string& frame) {
        reading.acceptedFrameText = frame;
        reading = DecodeFrame(reading, frame, frame.substr(1, 4), "");
        ComputeValue(reading);
    }
    // Records one reading of the frame and moves the clock on by a second.
    bool Record(const std::string& frame) {
        Accept(frame);
        const bool ok = rec.AppendReadingRow();
        clock.AddSecs(1);
        return ok;
    }

    // Another session over the rig's seams, with messages or a view of its own.
    SessionSeams Seams(MessageSeam& m, RecordingView& v) {
        return {port, clock, beeper, m, v, alarmView, formats, separator, dir.path().toStdString()};
    }

    QTemporaryDir dir;
    SettableClock clock{QDateTime(QDate(2024, 1, 15), QTime(10, 0, 0))};
    CountingBeeper beeper;
    NoAlarmView alarmView;
    DateTimeFormat formats;
    Separator separator;
    ScriptedMessages messages;
    WatchedView view;
    ScriptedSerialPort port;
    MeterSession session{Seams(messages, view)};
    Reading& reading = session.reading();
    Statistics& stats = session.stats();
    Alarms& alarms = session.alarms();
    Recording& rec = session.recording();
    Acquisition& acq = session.acquisition();
    FrameReader& reader = session.reader();
};

}  // namespace voltaro
