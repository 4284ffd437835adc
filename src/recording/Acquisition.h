#pragma once

#include <string>

#include "base/Beeper.h"
#include "base/Clock.h"
#include "base/Messages.h"
#include "link/FrameReader.h"
#include "link/Reading.h"
#include "link/SerialPort.h"
#include "recording/Recording.h"
#include "recording/RecordingView.h"
#include "recording/Schedule.h"
#include "values/Alarms.h"
#include "values/DateTimeFormat.h"

namespace voltaro {

// What acquisition works with, owned by the main window (or the command-line tool).
struct AcquisitionParts {
    Recording& recording;
    FrameReader& frameReader;
    SerialPort& port;
    Reading& reading;
    Alarms& alarms;
    const DateTimeFormat& formats;
    const Clock& clock;
    Beeper& beeper;
    MessageSeam& messages;
    RecordingView& view;
};

// The acquisition loop and recording control: the pollTimer poll, START and STOP, the
// recordTimer that records at the chosen interval, the start-of-recording watchdog and the
// timed autosave. The window's timers call the ticks and follow the *Enabled states; a test
// calls them directly and runs an hour of recording in milliseconds.
class Acquisition : public ScheduleHost {
public:
    static constexpr int kWatchdogMs = 30000;
    static constexpr int kAutoSaveMs = 60000;
    static constexpr int kPollMs = 500;
    static constexpr int kNoDataTicks = 30;

    Acquisition(AcquisitionParts parts, std::string programFolder, bool debugMode);

    // One poll of the meter's port: what the link did goes to the view; an accepted frame, this
    // poll's or one taken from another port since, is decoded into the Reading. `simulate`: the
    // debug mode's simulated meter.
    void TimerDMMTick(bool simulate = false);
    // A feed of the reader from another port (the line monitor's, the setup dialog's test): its
    // accepted frame becomes the Reading's and is decoded at the next tick, as the meter's own.
    void TakeFeed(const FeedResult& fed);
    // An accepted frame waits to be decoded.
    bool FrameWaiting() const { return frameWaiting_; }
    void MainTimerTick();
    // The watchdog fired: no frame within 30 seconds of START.
    void TimerOutTick();
    void TimerAutoSaveTick() { p_.recording.TimerAutoSaveTick(); }

    // startButton: START or STOP by its caption.
    void StartOrStop();
    void StartRecording();
    void StopRecording();
    void StopClicked();
    // Idle recording control, as after a reset of the recording.
    void ResetAcquisition();

    // The schedule's view of recording control.
    bool IsRecording() const override { return control == Control::Recording; }
    void ScheduledStart() override;
    void ScheduledStop() override { StopClicked(); }
    void Beep() override { p_.beeper.Beep(); }
    void SaveAfterStop() override;
    void EndSchedule() override;

    bool NewReading = false;
    int NoDataTicks = 0;
    int RecInterval = 0;
    int RecCountdown = 0;
    bool Running = false;
    // Recording control as the START/STOP button shows it: "START" while idle, "STOP" while
    // recording.
    enum class Control { Idle, Recording };
    Control control = Control::Idle;

    bool MainTimerEnabled = false;
    int MainTimerInterval = 1000;
    bool TimerOutEnabled = false;
    bool TimerAutoSaveEnabled = false;

private:
    void CountDownAndRecord();
    void SetControl(Control state);

    AcquisitionParts p_;
    bool frameWaiting_ = false;
    bool inMainTick_ = false;
    std::string programFolder_;
    bool debugMode_;
};

}  // namespace voltaro
