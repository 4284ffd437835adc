#pragma once

#include "recording/RecordingView.h"
#include "values/Alarms.h"

namespace voltaro {

class MainWindow;

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
    void LinkFed(const FeedResult& fed) override;
    void ReadingDecoded() override;
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

}  // namespace voltaro
