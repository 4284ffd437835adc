#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace voltaro {

class Beeper;
class Settings;

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kAlarmBlack{0, 0, 0};
inline constexpr Rgb kAlarmRed{255, 0, 0};
inline constexpr Rgb kAlarmBlue{0, 0, 255};

// What the alarm shows on the main window.
class AlarmView {
public:
    virtual ~AlarmView() = default;
    virtual void SetHiColour(Rgb colour) = 0;       // text colour of OptAlarmHi
    virtual void SetLoColour(Rgb colour) = 0;       // text colour of OptAlarmLo
    virtual void SetStopVisible(bool visible) = 0;  // cmdAlarmStop
    virtual void SetAlarmTimer(bool enabled) = 0;   // AlarmTimer, one-second beat
};

enum AlarmModes { kAlarmContinuous = 0, kAlarmFiveSeconds = 1, kAlarmSilent = 2 };

// The high and low limits, the alarm they raise and how it sounds and flashes.
class Alarms {
public:
    Alarms(Beeper& beeper, AlarmView& view) : beeper_(beeper), view_(view) {}

    // `value` is the Reading's single-precision value.
    void ChkAlarm(float value);
    void ClearAlarm();
    void cmdAlarmStop_Click();
    void Form_Click() { SetTimer(false); }
    void AlarmTimerTick();
    void TimerAlarmFlashTick();
    void mAlarmS_Click(int index, Settings& settings);
    void SaveAlarmSet(Settings& settings) const;
    void ReadAlarmSet(const Settings& settings);
    void OptAlarmHi_Click(bool on);
    void OptAlarmLo_Click(bool on);
    // Each edit of a limit box is stored at once.
    void TextAlarmHI_Change(const std::string& text, Settings& settings);
    void TextAlarmLO_Change(const std::string& text, Settings& settings);
    // The limit texts at start; the graph's limits stand in when nothing is stored.
    void ReadLimits(const Settings& settings, const std::string& graphHigh, const std::string& graphLow);

    // Controls of the ALARM frame.
    bool OptAlarmHi = false, OptAlarmLo = false;
    std::string TextAlarmHI, TextAlarmLO;
    std::array<bool, 3> MenuChecked{true, false, false};  // mAlarmS(0..2)

    int AlarmMode = kAlarmContinuous;
    bool AlarmActive = false;
    bool HiAlarmOn = false, LoAlarmOn = false;
    std::string AlarmHiText, AlarmLoText;  // recorded with each reading
    int AlarmTicks = 0;

    bool AlarmTimerEnabled = false;
    bool StopVisible = false;
    Rgb HiColour = kAlarmBlack, LoColour = kAlarmBlack;

private:
    void SetTimer(bool enabled);
    void SetStop(bool visible);
    void SetColours(Rgb hi, Rgb lo);
    Beeper& beeper_;
    AlarmView& view_;
};

}  // namespace voltaro
