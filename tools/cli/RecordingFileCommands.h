#pragma once

#include <memory>
#include <string>

#include "base/Beeper.h"
#include "base/Clock.h"
#include "base/Messages.h"
#include "link/Decoder.h"
#include "link/Reading.h"
#include "recording/Recording.h"
#include "values/Alarms.h"
#include "values/DateTimeFormat.h"
#include "values/Separator.h"
#include "values/Statistics.h"

namespace voltaro::cli {

struct SilentAlarmView : AlarmView {
    void SetHiColour(Rgb) override {}
    void SetLoColour(Rgb) override {}
    void SetStopVisible(bool) override {}
    void SetAlarmTimer(bool) override {}
};

// A recording with no window around it, for the commands that read recording files.
struct HeadlessRecording {
    HeadlessRecording() {
        rec.store.RecordingFile = "Untitled.dmm";
        rec.readOnly = true;
    }

    Reading reading;
    SilentBeeper beeper;
    SystemClock clock;
    ConsoleMessages messages;
    Statistics stats;
    SilentAlarmView alarmView;
    Alarms alarms{beeper, alarmView};
    DateTimeFormat formats;
    Separator separator;
    RecordingView view;
    Recording rec{
        {reading, stats, alarms, formats, separator, clock, messages, beeper, view}, std::string(), false};
};

}  // namespace voltaro::cli
