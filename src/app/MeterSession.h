#pragma once

#include <string>

#include "base/Beeper.h"
#include "base/Clock.h"
#include "base/Messages.h"
#include "link/FrameReader.h"
#include "link/Reading.h"
#include "link/SerialPort.h"
#include "recording/Acquisition.h"
#include "recording/Recording.h"
#include "recording/RecordingView.h"
#include "recording/Schedule.h"
#include "values/Alarms.h"
#include "values/DateTimeFormat.h"
#include "values/Separator.h"
#include "values/Statistics.h"

namespace voltaro {

// What a session is built from: the platform's seams, the views of whoever shows it, the
// settings that shape its files, and its folder.
struct SessionSeams {
    SerialPort& port;
    const Clock& clock;
    Beeper& beeper;
    MessageSeam& messages;
    RecordingView& view;
    AlarmView& alarmView;
    const DateTimeFormat& formats;
    const Separator& separator;
    // The program's folder: the trace files, "DMM.LOG" and "Untitled.dmm" go there.
    std::string programFolder;
    // The executable's title, which names the trace files ("voltaro.rec", "voltaro.err").
    std::string traceTitle = "voltaro";
    bool debugMode = false;
};

// One meter and what is made of its readings: the frame reader, the current Reading, its
// statistics and alarms, the recording with its autosave, the recording control (START and
// STOP, the interval, the watchdog) and the start/stop schedule. The window, the command-line
// recorder and the tests each build one; their timers call the ticks.
class MeterSession {
public:
    explicit MeterSession(const SessionSeams& seams);
    MeterSession(const MeterSession&) = delete;
    MeterSession& operator=(const MeterSession&) = delete;

    FrameReader& reader() { return reader_; }
    Reading& reading() { return reading_; }
    Statistics& stats() { return stats_; }
    Alarms& alarms() { return alarms_; }
    Recording& recording() { return recording_; }
    Acquisition& acquisition() { return acquisition_; }
    Schedule& schedule() { return schedule_; }

    // Opens the meter's port; a port that does not open stays closed.
    void OpenPort(const SerialLine& line) { reader_.OpenComm(port_, line); }
    void ClosePort() { reader_.CloseComm(port_); }
    bool PortOpen() const { return port_.PortOpen(); }

    // The timers' ticks: the poll of the line, the recording clock, the watchdog, the autosave.
    void Poll(bool simulate = false) { acquisition_.TimerDMMTick(simulate); }
    void RecordTick() { acquisition_.MainTimerTick(); }
    void WatchdogTick() { acquisition_.TimerOutTick(); }
    void AutoSaveTick() { acquisition_.TimerAutoSaveTick(); }

    // The START/STOP button and the STOP command.
    void StartOrStop() { acquisition_.StartOrStop(); }
    void Stop() { acquisition_.StopClicked(); }
    bool IsRecording() const { return acquisition_.IsRecording(); }

    // A new recording: an empty table and chunk file, statistics and alarm state cleared, the
    // reading that of a silent meter, recording control idle.
    void Reset() { recording_.ResetRecording(); }

private:
    SerialPort& port_;
    Reading reading_;
    Statistics stats_;
    Alarms alarms_;
    FrameReader reader_;
    Recording recording_;
    Acquisition acquisition_;
    Schedule schedule_;
};

}  // namespace voltaro
