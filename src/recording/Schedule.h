#pragma once

#include <QDateTime>
#include <array>
#include <string>

#include "base/Clock.h"
#include "base/Settings.h"

namespace voltaro {

// What the schedule does to the rest of the program.
class ScheduleHost {
public:
    virtual ~ScheduleHost() = default;
    virtual bool IsRecording() const = 0;  // the START/STOP button shows "STOP"
    virtual void ScheduledStart() = 0;     // the START command
    virtual void ScheduledStop() = 0;      // StopClicked
    virtual void Beep() = 0;
    // AutoSaveTick = 0, save without progress, title RecordingFile + " - AutoSave".
    virtual void SaveAfterStop() = 0;
    // Clear and disable "AUTO Start/STOP", hide the dialog, beep, the title
    // RecordingFile + " - Auto Start/Stop Disable", enable the print entries.
    virtual void EndSchedule() = 0;
};

// The standard date-time text "MM/DD/YYYY HH:MM:SS" of a typed date (month/day/year) and a
// typed time ("HH:MM:SS", 24-hour clock; only the first 8 characters count); "" when the
// date is shorter than 6 or the time shorter than 8 characters, or either cannot be read.
std::string DateTimeStd(const std::string& date, const std::string& time);
std::string DateTimeStd(const QDateTime& t);
// The date-time of a standard text; invalid when the text is not one.
QDateTime ParseDateTimeStd(const std::string& text);

// The start/stop schedule of up to five rows ("Auto Start/Stop").
class Schedule {
public:
    static constexpr int kRows = 5;
    struct Row {
        std::string StartDate, StartTime, StopDate, StopTime;
    };
    enum class Outcome { Valid, FormatError, LimitExceeded };

    Schedule(const Clock& clock, ScheduleHost& host) : clock_(clock), host_(host) {}

    // Validates the rows with all four texts filled; time texts that are not 8 characters
    // long are emptied. A later row's problem replaces an earlier one's.
    Outcome CheckSchedule();
    // The message of an outcome ("" when valid).
    static std::string MessageOf(Outcome o);

    // OK of the dialog once valid: arms the half-second check (scheduleTimer).
    void Arm();
    // "AUTO Start/STOP" clicked, or Cancel: disarms it.
    void Disarm() { Armed = false; }

    // scheduleTimer tick: CheckStarts, CheckStops, the save after the last stop and the end of the
    // schedule.
    void Timer2Tick();
    void CheckStarts();
    void CheckStops();

    void SaveSchedule(Settings& settings) const;
    void LoadSchedule(const Settings& settings);

    // Label6(i) double-click: row i starts 10 + 20 i seconds and stops 40 + 20 i seconds from
    // now, today. Returns the main window's title " Auto Start enable ....".
    std::string FillTestRow(int i);

    std::array<Row, kRows> Rows;
    bool Armed = false;  // scheduleTimer enabled
    int StartRemain = 0;
    int StopRemain = 0;
    int MaxRemain = 0;
    int StartRow = 0;

private:
    // A start or stop is due from its second on, for a minute, until it has fired once.
    static constexpr int kDueWindow = 60;
    bool Due(int remain, bool fired) const { return !fired && remain <= 0 && remain > -kDueWindow; }

    const Clock& clock_;
    ScheduleHost& host_;
    std::array<bool, kRows> startFired_{};
    std::array<bool, kRows> stopFired_{};
    bool lastStopFiredNow_ = false;
};

}  // namespace voltaro
