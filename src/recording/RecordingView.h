#pragma once

#include <string>

#include "link/FrameReader.h"

namespace voltaro {

// The display settings recorded in the last row of a loaded file, for the main window's check
// boxes and alarm boxes. Only what the row says is set; MAX and MIN are switched on by a "1"
// and otherwise left as they are.
struct LoadedSettings {
    bool checkMax = false;  // tick maxBox
    bool checkMin = false;  // tick minBox
    bool alarmHi = false;   // alarmHighBox, with its text for alarmHighEdit
    std::string alarmHiText;
    bool alarmLo = false;
    std::string alarmLoText;
    bool avg = false;  // avgBox
    bool rel = false;  // relBox, keeping the reference the file recorded
};

// What recording does to the main window and its progress window (ProgressDialog). Every effect does
// nothing by default, so the core runs without windows; the main window implements what it
// shows, the command-line tool what it prints.
class RecordingView {
public:
    virtual ~RecordingView() = default;

    // The main window's caption.
    virtual void SetTitle(const std::string&) {}
    // A notice that needs no answer, said where it keeps nothing waiting (the status bar).
    virtual void ShowNotice(const std::string&) {}
    // "Path" becomes the file's folder and the file moves to the top of the recent-file list.
    virtual void RememberFile(const std::string&) {}
    // saveAction.
    virtual void EnableSave(bool) {}
    // EnableRecordingMenus (readings held) / DisableRecordingMenus: graphView, printGraphAction,
    // printScreenAction, and with readings saveAsAction and saveAction.
    virtual void EnableRecordingMenus(bool) {}
    // While recording the File menu (fileMenu) and the graph scroll bar are off, stopButton is on.
    virtual void SetRecordingControls(bool /*recording*/) {}
    // openAction, newAction, closeAction, importAction, exportAction, printReportAction, deleteFileAction; off also saveAction and
    // saveAsAction, which otherwise follow the rows held (EnableRecordingMenus).
    virtual void EnableFileCommands(bool) {}
    // The START/STOP button's caption.
    virtual void SetStartCaption(const std::string&) {}

    // The progress window: shown with a caption and its file line; percent and text; its OK.
    virtual void ShowProgress(const std::string& /*caption*/, const std::string& /*fileLine*/,
                              bool /*visible*/) {}
    virtual void SetProgress(int /*percent*/, const std::string& /*text*/) {}
    virtual void EnableProgressOk(bool) {}
    virtual void HideProgress() {}

    // The recording was reset: the panel shows "OL" with a full bargraph, the graph range is
    // 4 to -4, the scroll bar at 1 of 100, the statistics and REL boxes are cleared and the
    // report list is emptied.
    virtual void RecordingReset() {}
    // A file was read into the table: the panel shows the last row, the graph and its scroll
    // bar cover every row, and the settings of the last row are applied.
    virtual void RecordingLoaded(const LoadedSettings&) {}
    // A reading row was appended: the scroll bar moves, the graph gains a point, the panel is
    // refreshed.
    virtual void ReadingRecorded(int /*recordCount*/) {}

    // --- acquisition ---
    // What one poll of the line did: the window's link indicators follow it (the serial status
    // panel, the unit label's blink, the live-link label, the line monitor).
    virtual void LinkFed(const FeedResult&) {}
    // A frame was decoded into the Reading: the function indicators follow it (range mode,
    // coupling, function picture).
    virtual void ReadingDecoded() {}
    // UpdatePanel(value, digits) for the current Reading.
    virtual void UpdatePanel() {}
    // noDataLabel: the acquisition ticks without a frame.
    virtual void SetLabError(const std::string&) {}
    // decibelsBox is enabled while the unit label shows "dB" or "V".
    virtual void UpdateChkdB() {}
    // The graph range is computed anew (recording start).
    virtual void UpdateGraphRange() {}
    // The timers' enabled states or intervals changed; the window's timers follow them.
    virtual void TimersChanged() {}
    // The recording interval fields of the scaling dialog, minutes and seconds, and its
    // "Stop Record on OL input" box.
    virtual std::string IntervalMinutesText() const { return "0"; }
    virtual std::string IntervalSecondsText() const { return "0"; }
    virtual bool StopRecordOnOL() const { return false; }
    // The main window's "Decibels" box (decibelsBox) is ticked.
    virtual bool DecibelsOn() const { return false; }
    // The schedule found no time ahead: "AUTO Start/STOP" is cleared and disabled, the
    // schedule dialog hidden, the print entries enabled.
    virtual void ScheduleEnded() {}
};

}  // namespace voltaro
