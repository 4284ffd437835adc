#include <gtest/gtest.h>

#include <cmath>

#include "base/Beeper.h"
#include "base/Settings.h"
#include "support/CountingBeeper.h"
#include "support/MemorySettingsStore.h"
#include "values/Alarms.h"

using namespace voltaro;

namespace {

struct View : AlarmView {
    void SetHiColour(Rgb c) override { hi = c; }
    void SetLoColour(Rgb c) override { lo = c; }
    void SetStopVisible(bool v) override { stop = v; }
    void SetAlarmTimer(bool e) override { timer = e; }
    Rgb hi{1, 1, 1}, lo{1, 1, 1};
    bool stop = false, timer = false;
};

struct Bench {
    CountingBeeper beeper;
    View view;
    Alarms alarms{beeper, view};
    MemorySettingsStore store;
    IniFile ini{""};
    Settings settings{store, ini};

    Bench() {
        alarms.TextAlarmHI = "2";
        alarms.TextAlarmLO = "-2";
        alarms.OptAlarmHi_Click(true);
        alarms.OptAlarmLo_Click(true);
    }
    // One second of recording: a reading, then the timed alarm's beat when it runs.
    void Second(float value) {
        alarms.ChkAlarm(value);
        if (view.timer) alarms.AlarmTimerTick();
    }
    void Quiet(int seconds) {
        for (int i = 0; i < seconds && view.timer; ++i) alarms.AlarmTimerTick();
    }
};

}  // namespace

TEST(Alarms, LimitsAreInclusive) {
    Bench b;
    // Readings are single precision: the reading that shows a limit is at it, either side.
    for (const char* limit : {"1.234", "0.1"}) {
        const float reading = std::stof(limit);
        b.alarms.ClearAlarm();
        b.alarms.TextAlarmHI = limit;
        b.alarms.TextAlarmLO = "-9";
        b.alarms.ChkAlarm(std::nextafter(reading, 0.f));
        EXPECT_FALSE(b.alarms.HiAlarmOn) << limit;
        b.alarms.ChkAlarm(reading);
        EXPECT_TRUE(b.alarms.HiAlarmOn) << limit;
        EXPECT_FALSE(b.alarms.LoAlarmOn) << limit;
        b.alarms.ClearAlarm();
        b.alarms.TextAlarmHI = "9";
        b.alarms.TextAlarmLO = limit;
        b.alarms.ChkAlarm(std::nextafter(reading, 9.f));
        EXPECT_FALSE(b.alarms.LoAlarmOn) << limit;
        b.alarms.ChkAlarm(reading);
        EXPECT_TRUE(b.alarms.LoAlarmOn) << limit;
    }
    b.alarms.TextAlarmHI = "abc";  // not a number: compares as 0
    b.alarms.ChkAlarm(0);
    EXPECT_TRUE(b.alarms.HiAlarmOn);
}

TEST(Alarms, ContinuousBeepsAtEveryReadingUntilCleared) {
    Bench b;
    for (double v : {0.0, 0.0, 3.0, 0.0, 0.0, 1.0}) b.Second(v);
    EXPECT_EQ(b.beeper.count, 4);
    b.alarms.ClearAlarm();  // recording stopped
    b.Second(0);
    EXPECT_EQ(b.beeper.count, 4);
}

TEST(Alarms, FiveSecondsAfterTheLastCrossing) {
    Bench b;
    b.alarms.mAlarmS_Click(kAlarmFiveSeconds, b.settings);
    b.Second(3);  // crossing: the beat starts
    EXPECT_TRUE(b.view.timer);
    b.Second(0);
    b.Second(0);
    b.Second(3);  // a new crossing starts the count again
    b.Quiet(60);
    EXPECT_EQ(b.beeper.count, 3 + 6);
    EXPECT_FALSE(b.view.timer);
    EXPECT_FALSE(b.alarms.HiAlarmOn);
    EXPECT_TRUE(b.view.stop);  // the Stop button stays until pressed
    b.alarms.cmdAlarmStop_Click();
    EXPECT_FALSE(b.view.stop);
}

TEST(Alarms, StopToneKeepsTheFlashing) {
    Bench b;
    b.alarms.mAlarmS_Click(kAlarmFiveSeconds, b.settings);
    b.Second(3);
    b.alarms.cmdAlarmStop_Click();
    EXPECT_FALSE(b.view.timer);
    EXPECT_EQ(b.view.hi, kAlarmBlack);
    b.alarms.TimerAlarmFlashTick();
    EXPECT_EQ(b.view.hi, kAlarmRed);
    b.alarms.TimerAlarmFlashTick();
    EXPECT_EQ(b.view.hi, kAlarmBlack);
    EXPECT_EQ(b.view.lo, kAlarmBlack);
    b.alarms.Form_Click();
    EXPECT_TRUE(b.alarms.HiAlarmOn);
    b.Second(-5);  // the low limit flashes blue
    b.alarms.TimerAlarmFlashTick();
    EXPECT_EQ(b.view.lo, kAlarmBlue);
}

TEST(Alarms, SilentModeNeitherBeepsNorFlashes) {
    Bench b;
    b.alarms.mAlarmS_Click(kAlarmSilent, b.settings);
    b.Second(3);
    b.Second(-3);
    b.alarms.TimerAlarmFlashTick();
    EXPECT_EQ(b.beeper.count, 0);
    EXPECT_EQ(b.view.hi, kAlarmBlack);
    EXPECT_EQ(b.view.lo, kAlarmBlack);
    EXPECT_FALSE(b.view.timer);
}

TEST(Alarms, ClearingTheHighBoxClearsTheWholeAlarm) {
    Bench b;
    b.Second(-3);
    b.alarms.ChkAlarm(3);
    ASSERT_TRUE(b.alarms.LoAlarmOn);
    b.alarms.OptAlarmHi_Click(false);
    EXPECT_FALSE(b.alarms.LoAlarmOn);
    EXPECT_FALSE(b.alarms.AlarmActive);
    EXPECT_EQ(b.alarms.AlarmHiText, "");
    EXPECT_EQ(b.alarms.AlarmLoText, "-2");
}

TEST(Alarms, SignalChoiceAndLimitsAreStored) {
    Bench b;
    b.alarms.mAlarmS_Click(kAlarmFiveSeconds, b.settings);
    EXPECT_EQ(b.settings.SettingGet("frmMain", "ALARMS0", ""), "False");
    EXPECT_EQ(b.settings.SettingGet("frmMain", "ALARMS1", ""), "True");
    b.alarms.TextAlarmHI_Change("3.5", b.settings);
    Bench later;
    later.store = b.store;
    later.alarms.ReadAlarmSet(later.settings);
    EXPECT_EQ(later.alarms.AlarmMode, kAlarmFiveSeconds);
    later.alarms.ReadLimits(later.settings, "4", "-4");
    EXPECT_EQ(later.alarms.TextAlarmHI, "3.5");
    EXPECT_EQ(later.alarms.TextAlarmLO, "-4");
    // A mangled choice that marks no entry reads as the first.
    Bench mangled;
    mangled.settings.SettingSave("frmMain", "ALARMS0", "False");
    mangled.settings.SettingSave("frmMain", "ALARMS2", "maybe");
    mangled.alarms.ReadAlarmSet(mangled.settings);
    EXPECT_EQ(mangled.alarms.AlarmMode, kAlarmContinuous);
    EXPECT_TRUE(mangled.alarms.MenuChecked[0]);
}
