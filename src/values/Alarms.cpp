#include "values/Alarms.h"

#include <cmath>
#include <limits>

#include "base/Beeper.h"
#include "base/Settings.h"
#include "base/Notation.h"

namespace voltaro {

namespace {

const std::string kMain = "frmMain";

// A limit beyond single precision ("1E99") is one that no reading reaches.
float LimitValue(const std::string& text) {
    const double v = Val(text);
    if (std::fabs(v) > std::numeric_limits<float>::max()) return v > 0 ? HUGE_VALF : -HUGE_VALF;
    return static_cast<float>(v);
}

}  // namespace

void Alarms::SetTimer(bool enabled) {
    AlarmTimerEnabled = enabled;
    view_.SetAlarmTimer(enabled);
}

void Alarms::SetStop(bool visible) {
    StopVisible = visible;
    view_.SetStopVisible(visible);
}

void Alarms::SetColours(Rgb hi, Rgb lo) {
    HiColour = hi;
    LoColour = lo;
    view_.SetHiColour(hi);
    view_.SetLoColour(lo);
}

void Alarms::ChkAlarm(float value) {
    // The reading is single precision: a limit compared in double would put 1.234 just above
    // the reading that shows 1.234, and it would never raise the alarm.
    const float hi = LimitValue(TextAlarmHI);
    const float lo = LimitValue(TextAlarmLO);
    if (OptAlarmHi && value >= hi) HiAlarmOn = AlarmActive = true;
    if (OptAlarmLo && value <= lo) LoAlarmOn = AlarmActive = true;
    if (!AlarmActive) return;
    switch (AlarmMode) {
        case kAlarmContinuous:
            beeper_.Beep();
            break;
        case kAlarmFiveSeconds:
            SetTimer(true);
            break;
        default:
            ClearAlarm();
            break;
    }
}

void Alarms::ClearAlarm() {
    SetColours(kAlarmBlack, kAlarmBlack);
    SetStop(false);
    SetTimer(false);
    AlarmActive = HiAlarmOn = LoAlarmOn = false;
}

void Alarms::cmdAlarmStop_Click() {
    SetColours(kAlarmBlack, kAlarmBlack);
    SetStop(false);
    SetTimer(false);
    AlarmActive = false;
}

void Alarms::AlarmTimerTick() {
    beeper_.Beep();
    if (AlarmActive) AlarmTicks = 0;
    if (++AlarmTicks > 5) ClearAlarm();
    AlarmActive = false;
    SetStop(true);
}

void Alarms::TimerAlarmFlashTick() {
    if (OptAlarmHi && HiAlarmOn) {
        HiColour = HiColour == kAlarmBlack ? kAlarmRed : kAlarmBlack;
        view_.SetHiColour(HiColour);
    }
    if (OptAlarmLo && LoAlarmOn) {
        LoColour = LoColour == kAlarmBlack ? kAlarmBlue : kAlarmBlack;
        view_.SetLoColour(LoColour);
    }
}

void Alarms::mAlarmS_Click(int index, Settings& settings) {
    if (index < 0 || index > 2) return;
    ClearAlarm();
    MenuChecked = {false, false, false};
    MenuChecked[static_cast<size_t>(index)] = true;
    SaveAlarmSet(settings);
    AlarmMode = index;
}

void Alarms::SaveAlarmSet(Settings& settings) const {
    for (size_t i = 0; i < MenuChecked.size(); ++i)
        settings.SettingSaveBool(kMain, "ALARMS" + std::to_string(i), MenuChecked[i]);
}

void Alarms::ReadAlarmSet(const Settings& settings) {
    std::array<bool, 3> checked = MenuChecked;
    for (size_t i = 0; i < checked.size(); ++i) {
        const std::string text = settings.SettingGet(kMain, "ALARMS" + std::to_string(i), "");
        if (const auto on = ParseBoolean(text)) checked[i] = *on;
    }
    // Exactly one entry carries the mark: the last one marked, or the first when none is.
    int mode = -1;
    for (int i = 0; i < 3; ++i)
        if (checked[static_cast<size_t>(i)]) mode = i;
    if (mode < 0) mode = kAlarmContinuous;
    MenuChecked = {false, false, false};
    MenuChecked[static_cast<size_t>(mode)] = true;
    AlarmMode = mode;
}

void Alarms::OptAlarmHi_Click(bool on) {
    OptAlarmHi = on;
    if (on) {
        AlarmHiText = TextAlarmHI;
    } else {
        AlarmHiText.clear();
        ClearAlarm();
    }
}

void Alarms::OptAlarmLo_Click(bool on) {
    OptAlarmLo = on;
    if (on) {
        AlarmLoText = TextAlarmLO;
    } else {
        AlarmLoText.clear();
        ClearAlarm();
    }
}

void Alarms::TextAlarmHI_Change(const std::string& text, Settings& settings) {
    TextAlarmHI = text;
    settings.SettingSave(kMain, "AlarmHI", text);
}

void Alarms::TextAlarmLO_Change(const std::string& text, Settings& settings) {
    TextAlarmLO = text;
    settings.SettingSave(kMain, "AlarmLO", text);
}

void Alarms::ReadLimits(const Settings& settings, const std::string& graphHigh, const std::string& graphLow) {
    TextAlarmHI = settings.SettingGetText(kMain, "AlarmHI", graphHigh);
    TextAlarmLO = settings.SettingGetText(kMain, "AlarmLO", graphLow);
}

}  // namespace voltaro
