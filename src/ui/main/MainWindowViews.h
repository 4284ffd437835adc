#pragma once

#include <functional>

#include "ui/widgets/LabelCaption.h"
#include "link/LinkView.h"
#include "recording/RecordingView.h"
#include "values/Alarms.h"

namespace voltaro {

class MainWindow;
class LineMonitorDialog;

// The main window as the meter link sees it.
class MainLinkView : public LinkView {
public:
    explicit MainLinkView(MainWindow& form);
    Caption* labDC() override { return &labDC_; }
    bool TestChecked() const override;
    void ShowStatusPanel3(const std::string& text) override;
    void ToggleLabTypeVisible() override;
    void SetLabType(const std::string& text) override;
    void SetLabVolts(const std::string& text) override;
    void SetLabRs232Visible(bool visible) override;
    void RestartTimerRs232() override;
    void DisableTimerOut() override;
    void SetLabAuto(const std::string& text) override;
    void ShowFunctionPicture(int number) override;

private:
    MainWindow& f_;
    LabelCaption labDC_;
};

// The alarm's check boxes, stop button and tone timer on the main window.
class MainAlarmView : public AlarmView {
public:
    explicit MainAlarmView(MainWindow& form) : f_(form) {}
    void SetHiColour(Rgb colour) override;
    void SetLoColour(Rgb colour) override;
    void SetStopVisible(bool visible) override;
    void SetAlarmTimer(bool enabled) override;

private:
    MainWindow& f_;
};

// The main window and its progress window as recording and acquisition see them.
class MainRecordingView : public RecordingView {
public:
    explicit MainRecordingView(MainWindow& form) : f_(form) {}
    void SetTitle(const std::string& title) override;
    void ShowNotice(const std::string& text) override;
    void RememberFile(const std::string& path) override;
    void EnableSave(bool on) override;
    void EnableRecordingMenus(bool held) override;
    void SetRecordingControls(bool recording) override;
    void EnableFileCommands(bool on) override;
    void SetStartCaption(const std::string& caption) override;
    void ShowProgress(const std::string& caption, const std::string& fileLine, bool visible) override;
    void SetProgress(int percent, const std::string& text) override;
    void EnableProgressOk(bool on) override;
    void HideProgress() override;
    void RecordingReset() override;
    void RecordingLoaded(const LoadedSettings& loaded) override;
    bool DecibelsOn() const override;
    void ReadingRecorded(int recordCount) override;
    void UpdatePanel() override;
    void SetLabError(const std::string& text) override;
    void UpdateChkdB() override;
    void UpdateGraphRange() override;
    void TimersChanged() override;
    std::string IntervalMinutesText() const override;
    std::string IntervalSecondsText() const override;
    bool StopRecordOnOL() const override;
    void ScheduleEnded() override;

private:
    MainWindow& f_;
};

// The communications test window as the meter link sees it.
class CommTestLinkView : public CommTestView {
public:
    CommTestLinkView(LineMonitorDialog& window, std::function<bool()> ownPortOpen);
    Caption* labDC() override { return &labDC_; }
    void SetLabCount(const std::string& text) override;
    void SetDigitsLabel(const std::string& text) override;
    std::string Text1() const override;
    void SetText1(const std::string& text) override;
    void SetLabText(const std::string& text) override;
    bool OwnPortOpen() const override { return ownPortOpen_(); }

private:
    LineMonitorDialog& w_;
    LabelCaption labDC_;
    std::function<bool()> ownPortOpen_;
};

}  // namespace voltaro
