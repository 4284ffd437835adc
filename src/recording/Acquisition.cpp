#include "recording/Acquisition.h"

#include <QFile>
#include <algorithm>

#include "base/ProgramFolder.h"
#include "base/Conversions.h"
#include "base/Notation.h"

namespace voltaro {

Acquisition::Acquisition(AcquisitionParts parts, std::string programFolder, bool debugMode)
    : p_(parts), programFolder_(std::move(programFolder)), debugMode_(debugMode) {
    p_.recording.StopAcquisition = [this] { ResetAcquisition(); };
}

void Acquisition::SetControl(Control state) {
    control = state;
    p_.view.SetStartCaption(state == Control::Idle ? "START" : "STOP");
}

void Acquisition::ResetAcquisition() {
    SetControl(Control::Idle);
    Running = false;
    MainTimerEnabled = false;
    TimerOutEnabled = false;
    TimerAutoSaveEnabled = false;
    p_.view.TimersChanged();
}

void Acquisition::TakeFeed(const FeedResult& fed) {
    if (fed.accepted) {
        Reading& reading = p_.reading;
        reading.digits = fed.accepted->substr(1, 4);
        reading.acceptedFrameText = *fed.accepted;
        reading.NoDataFlag = false;
        frameWaiting_ = true;
    } else if (fed.decided) {
        frameWaiting_ = false;
    }
}

void Acquisition::TimerDMMTick(bool simulate) {
    const FeedResult fed = p_.frameReader.Poll(p_.port, simulate);
    TakeFeed(fed);
    p_.view.LinkFed(fed);
    Reading& reading = p_.reading;
    if (frameWaiting_) {
        frameWaiting_ = false;
        TimerOutEnabled = false;  // the watchdog: the meter is heard
        reading = DecodeFrame(reading, reading.acceptedFrameText, reading.digits, p_.recording.meterType);
        ComputeValue(reading);
        p_.view.ReadingDecoded();
        p_.view.UpdatePanel();
        NewReading = true;
        reading.NoDataFlag = false;
        NoDataTicks = 0;
        p_.view.UpdateChkdB();
        if (reading.funcMode == 2 && reading.value <= 40 && reading.digits != "OL" &&
            reading.digits != "4000") {
            p_.beeper.Beep();  // continuity: the probes are shorted
        }
        p_.view.TimersChanged();
    } else {
        if (NoDataTicks >= kNoDataTicks) {
            reading.NoDataFlag = true;
            NoDataTicks = 0;
            // The silent meter reads as a full-count overload until the next frame.
            reading.digits = "4000";
            p_.view.UpdatePanel();
        }
        ++NoDataTicks;
    }
    p_.view.SetLabError(std::to_string(NoDataTicks));
}

void Acquisition::StartOrStop() {
    if (control == Control::Idle) {
        StartRecording();
    } else {
        StopRecording();
    }
}

void Acquisition::StartRecording() {
    RecordStore& store = p_.recording.store;
    FrameReader& reader = p_.frameReader;
    reader.TraceFile = JoinPath(programFolder_, "DMM.LOG");
    QFile::remove(QString::fromStdString(reader.TraceFile));
    reader.WriteTrace(p_.formats.FormatStampDate(p_.clock.Today()) + " Start Recoed...");

    SetControl(Control::Recording);
    TimerOutEnabled = true;
    TimerAutoSaveEnabled = true;
    store.AutoSaveTick = 0;
    p_.view.SetRecordingControls(true);
    p_.view.UpdateGraphRange();
    if (store.RecordCount == 0 && store.ChunkCount == 0) {
        const QDateTime now = p_.clock.Now();
        store.Set(0, Field::Date, p_.formats.FormatStampDate(now.date()));
        store.Set(0, Field::Time, p_.formats.FormatStampTime(now.time()));
    }
    const double minutes = std::clamp(Val(p_.view.IntervalMinutesText()), 0.0, 5999.0);
    const double seconds = std::clamp(Val(p_.view.IntervalSecondsText()), 0.0, 59.0);
    RecInterval = static_cast<int>(minutes) * 60 + static_cast<int>(seconds);
    RecCountdown = RecInterval;
    MainTimerInterval = debugMode_ ? 10 : 1000;
    MainTimerEnabled = true;
    p_.view.EnableRecordingMenus(store.RecordCount != 0);
    p_.view.EnableFileCommands(false);
    frameWaiting_ = false;
    Running = true;
    p_.view.TimersChanged();
}

void Acquisition::StopRecording() {
    SetControl(Control::Idle);
    StopClicked();
}

void Acquisition::StopClicked() {
    p_.alarms.ClearAlarm();
    SetControl(Control::Idle);
    TimerAutoSaveEnabled = false;
    // Idle has no watchdog: it would stop a stopped recording later, and the next START counts
    // its 30 seconds afresh.
    TimerOutEnabled = false;
    p_.view.SetRecordingControls(false);
    p_.recording.ShowFileName();
    MainTimerEnabled = false;
    Running = false;
    p_.view.EnableRecordingMenus(p_.recording.store.RecordCount != 0);
    // Every way a recording stops gives the table's File commands back.
    p_.view.EnableFileCommands(true);
    p_.view.TimersChanged();
}

void Acquisition::MainTimerTick() {
    // A tick while an earlier one waits in a save's message box would record its reading twice.
    if (inMainTick_) return;
    inMainTick_ = true;
    CountDownAndRecord();
    inMainTick_ = false;
}

void Acquisition::CountDownAndRecord() {
    --RecCountdown;
    if (RecInterval >= 2) p_.view.SetTitle(SecondsToClock(RecCountdown));
    if (RecCountdown > 0 || !NewReading) return;
    RecCountdown = RecInterval;
    Reading& reading = p_.reading;
    if (IsOverload(reading)) {
        if (p_.view.StopRecordOnOL()) StopClicked();
        return;
    }
    // A full table whose save failed keeps the reading waiting for the next due tick.
    if (!p_.recording.AppendReadingRow()) return;
    p_.alarms.ChkAlarm(reading.value);
    NewReading = false;
}

void Acquisition::TimerOutTick() {
    p_.beeper.Beep();
    TimerOutEnabled = false;
    // The STOP button's path: the file commands follow the rows held, as after STOP.
    StopClicked();
    p_.messages.ShowMessage("No Korvan data being received ?", MessageKind::Error);
}

void Acquisition::ScheduledStart() {
    if (control == Control::Idle) StartRecording();
}

void Acquisition::SaveAfterStop() {
    p_.recording.store.AutoSaveTick = 0;
    p_.recording.SaveByExtension(false);
    p_.view.SetTitle(p_.recording.store.RecordingFile + " - AutoSave");
}

void Acquisition::EndSchedule() {
    p_.view.ScheduleEnded();
    p_.beeper.Beep();
    p_.view.SetTitle(p_.recording.store.RecordingFile + " - Auto Start/Stop Disable");
}

}  // namespace voltaro
