#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "link/FrameReader.h"
#include "link/SerialPort.h"
#include "recording/Acquisition.h"
#include "recording/RecordingRig.h"
#include "support/ScriptedSerialPort.h"
#include "values/Formatting.h"

namespace voltaro {
namespace {

// The main window's timers, run by hand: the acquisition poll every 500 ms, the recording
// clock every second while on, the watchdog 30 s after it was switched on, the autosave every
// minute while on.
class AcquisitionTest : public ::testing::Test, public RecordingRig {
protected:
    AcquisitionTest() { reader.OpenComm(port, SerialLine{}); }

    void Step() {
        // A timer switched on since the last step counts from now.
        if (acq.TimerOutEnabled && outSince_ < 0) outSince_ = ms_;
        if (acq.TimerAutoSaveEnabled && saveSince_ < 0) saveSince_ = ms_;
        if (!sending.empty()) port.Feed(sending + "\r\n" + sending + "\r\n");
        acq.TimerDMMTick();
        clock.AddMSecs(500);
        ms_ += 500;
        if (acq.MainTimerEnabled && ms_ % 1000 == 0) acq.MainTimerTick();
        Due(acq.TimerOutEnabled, outSince_, Acquisition::kWatchdogMs, [&] { acq.TimerOutTick(); });
        Due(acq.TimerAutoSaveEnabled, saveSince_, Acquisition::kAutoSaveMs, [&] { acq.TimerAutoSaveTick(); });
    }
    void Run(int seconds) {
        for (int i = 0; i < seconds * 2; ++i) Step();
    }
    template <typename Fire>
    void Due(bool enabled, qint64& since, int interval, Fire fire) {
        if (!enabled) {
            since = -1;
            return;
        }
        if (since < 0) since = ms_;
        if (ms_ - since >= interval) {
            since = ms_;
            fire();
        }
    }

    std::string sending = "10123;008";  // what the meter sends; empty while it is silent
    qint64 ms_ = 0, outSince_ = -1, saveSince_ = -1;
};

TEST_F(AcquisitionTest, WithNoIntervalEverySecondWithANewReadingIsRecorded) {
    Run(2);
    acq.StartOrStop();
    EXPECT_EQ(view.startCaption, "STOP");
    EXPECT_EQ(acq.MainTimerInterval, 1000);
    Run(10);
    EXPECT_EQ(rec.store.RecordCount, 10);
    EXPECT_EQ(rec.store.Text(10, Field::Time), "10:00:12");
    EXPECT_FALSE(acq.TimerOutEnabled);  // the first frame ended the watchdog
    acq.StartOrStop();
    EXPECT_EQ(view.startCaption, "START");
    Run(5);
    EXPECT_EQ(rec.store.RecordCount, 10);
}

TEST_F(AcquisitionTest, AnIntervalOfFiveSecondsCountsDownInTheTitle) {
    view.seconds = "5";
    acq.StartOrStop();
    view.titles.clear();
    Run(20);
    EXPECT_EQ(rec.store.RecordCount, 4);
    ASSERT_GE(view.titles.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(view.titles.begin(), view.titles.begin() + 4),
              (std::vector<std::string>{"00:00:04", "00:00:03", "00:00:02", "00:00:01"}));
}

TEST_F(AcquisitionTest, ContinuityBeepsWhileShortedButNotOnOverload) {
    sending = "00000500:";  // continuity, 0 ohms
    Run(5);
    EXPECT_EQ(beeper.count, 10);
    EXPECT_EQ(reading.specialMode, "Beep");
    sending = "04000510:";  // continuity, overload
    const int before = beeper.count;
    Run(5);
    EXPECT_EQ(beeper.count, before);
}

TEST_F(AcquisitionTest, StopRecordOnOverloadStopsAtTheNextDueReadingWithoutRecordingIt) {
    view.stopOnOL = true;
    acq.StartOrStop();
    Run(3);
    ASSERT_EQ(rec.store.RecordCount, 3);
    sending = "14000;018";  // the meter overloads
    Run(3);
    EXPECT_EQ(rec.store.RecordCount, 3);
    EXPECT_FALSE(acq.IsRecording());
    EXPECT_FALSE(acq.MainTimerEnabled);
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(rec.store.Text(row, Field::Notes), "10123;008");
}

TEST_F(AcquisitionTest, StartAndStopLeaveOneTraceLineAndStampAnEmptyHeaderRow) {
    acq.StartOrStop();
    acq.StartOrStop();
    const std::string log = Slurp(PathOf("DMM.LOG"));
    EXPECT_EQ(log, "10:00:00 24/01/15 Start Recoed...\r\n");
    EXPECT_EQ(rec.store.Text(0, Field::Date), "24/01/15");
    EXPECT_EQ(rec.store.Text(0, Field::Time), "10:00:00");
    Run(1);
    acq.StartOrStop();
    Run(2);
    acq.StartOrStop();
    EXPECT_EQ(rec.store.RecordCount, 2);
    acq.StartOrStop();  // a table with rows gets no new stamp; its save put the titles back
    EXPECT_EQ(rec.store.Text(0, Field::Time), "Time");
    EXPECT_EQ(Slurp(PathOf("DMM.LOG")), "10:00:03 24/01/15 Start Recoed...\r\n");
}

TEST_F(AcquisitionTest, TheWatchdogStopsARecordingThatGetsNoFrame) {
    sending.clear();
    acq.StartOrStop();
    Run(29);
    EXPECT_TRUE(acq.IsRecording());
    EXPECT_TRUE(messages.asked.empty());
    Run(2);
    EXPECT_FALSE(acq.IsRecording());
    EXPECT_FALSE(acq.TimerOutEnabled);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].message, "No Korvan data being received ?");
    EXPECT_EQ(messages.asked[0].kind, MessageKind::Error);
    EXPECT_GE(beeper.count, 1);
}

TEST_F(AcquisitionTest, TheWatchdogEndsWithTheRecordingAndItsReset) {
    sending.clear();
    for (bool reset : {false, true}) {
        acq.StartOrStop();
        Run(10);
        reset ? rec.ResetRecording() : acq.StartOrStop();
        EXPECT_FALSE(acq.TimerOutEnabled) << (reset ? "reset" : "STOP");
        Run(30);
    }
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(beeper.count, 0);
}

TEST_F(AcquisitionTest, ARecordingTickWhileASaveWaitsInItsBoxRecordsNothingTwice) {
    WaitingMessages waiting;
    MeterSession other{Seams(waiting, view)};
    Recording& r = other.recording();
    Acquisition& a = other.acquisition();
    r.dataFolder = PathOf("data");
    r.store.RecordingFile = PathOf("held.xyz");  // a type no save can write: its box says so
    r.ResetRecording();
    a.StartOrStop();
    for (int i = 0; i < 2; ++i) {
        port.Feed("10123;008\r\n10123;008\r\n");
        a.TimerDMMTick();
    }
    waiting.whileWaiting = [&] { a.MainTimerTick(); };
    a.MainTimerTick();  // the first row saves the empty table, and the box says it failed
    ASSERT_EQ(waiting.asked.size(), 1u);
    EXPECT_EQ(r.store.RecordCount, 1);
}

TEST_F(AcquisitionTest, AMeterThatFallsSilentShowsOverloadAndRecordsNothingMore) {
    view.seconds = "20";
    acq.StartOrStop();
    Run(3);  // a reading arrived and waits for its due second
    sending.clear();
    Run(14);
    EXPECT_FALSE(reading.NoDataFlag);
    Run(2);
    EXPECT_TRUE(reading.NoDataFlag);
    EXPECT_EQ(reading.digits, "4000");
    Run(10);
    EXPECT_EQ(rec.store.RecordCount, 0);
}

TEST_F(AcquisitionTest, AnHourOfRecordingIsSavedEveryTwoMinutes) {
    acq.StartOrStop();
    for (int minute = 0; minute < 60; ++minute) {
        sending = "1" + std::string(minute < 10 ? "000" : "00") + std::to_string(minute) + ";008";
        Run(60);
        if (minute % 2 == 1) {
            // The autosave of this minute wrote every row held.
            EXPECT_EQ(rec.store.SavedCount, rec.store.RecordCount) << minute;
            EXPECT_EQ(Slurp(rec.store.RecordingFile).size(), (rec.store.SavedCount + 1u) * 111) << minute;
        }
    }
    EXPECT_EQ(rec.store.RecordCount, 3600);
    EXPECT_TRUE(messages.asked.empty());
    const std::string report = Slurp(rec.store.ChunkFile);
    EXPECT_EQ(report.substr(0, 13), "      ,Date:,");
    EXPECT_EQ(rec.store.Text(3600, Field::Notes), "10059;008");
    EXPECT_EQ(rec.store.Text(3600, Field::ValueText), "0.059");
}

TEST_F(AcquisitionTest, ARowStoresTheFrameOfItsReadingNotALaterRejectedOne) {
    acq.StartOrStop();
    for (int i = 1; i <= 20; ++i) {
        char a[16], g[16];
        std::snprintf(a, sizeof a, "1%04d;008", i * 37);
        std::snprintf(g, sizeof g, "1%04d;008", 9999 - i);  // the same frame garbled on the line
        reader.RxBuf.clear();
        port.Feed(std::string(a) + "\r\n" + a + "\r\n" + g + "\r\n");
        acq.TimerDMMTick();  // accepts a, keeps g
        port.Feed(std::string(a) + "\r\n" + a + "\r\n");
        acq.TimerDMMTick();  // g is the candidate and is rejected
        ASSERT_EQ(view.fed.candidate, g);
        ASSERT_FALSE(view.fed.accepted);
        acq.MainTimerTick();
    }
    ASSERT_EQ(rec.store.RecordCount, 20);
    for (int row = 1; row <= 20; ++row) {
        const Reading back = DecodeFrameText(rec.store.Text(row, Field::Notes));
        EXPECT_EQ(SingleToText(back.value), rec.store.Text(row, Field::ValueText)) << row;
    }
}

// The line monitor and the setup dialog read the meter on ports of their own: a frame accepted
// there is the meter's at the next tick, and a rejected one there cancels it.
TEST_F(AcquisitionTest, AFrameAcceptedOnAnotherPortIsDecodedAtTheNextTick) {
    sending.clear();
    FrameReader other(beeper, clock, {}, false);
    acq.TakeFeed(other.Feed("10456;008\r\n10456;008\r\n"));
    ASSERT_TRUE(acq.FrameWaiting());
    Step();
    EXPECT_FALSE(acq.FrameWaiting());
    EXPECT_FLOAT_EQ(reading.value, 0.456f);
    other.RxBuf.clear();
    acq.TakeFeed(other.Feed("10789;008\r\n10789;008\r\n"));
    ASSERT_TRUE(acq.FrameWaiting());
    acq.TakeFeed(other.Feed("10999;008\r\n"));  // 10789 then 10999: rejected
    Step();
    EXPECT_FLOAT_EQ(reading.value, 0.456f);
}

TEST_F(AcquisitionTest, TheScheduleStartsAndStopsTheRecordingAndSavesAfterTheLastStop) {
    Schedule schedule(clock, acq);
    schedule.Rows[0] = {"01/15/2024", "10:00:10", "01/15/2024", "10:00:20"};
    schedule.Arm();
    for (int i = 0; i < 60; ++i) {
        schedule.Timer2Tick();
        Step();
    }
    EXPECT_FALSE(schedule.Armed);
    EXPECT_FALSE(acq.IsRecording());
    EXPECT_EQ(rec.store.RecordCount, 10);
    EXPECT_EQ(Slurp(rec.store.RecordingFile).size(), 11u * 111);
    EXPECT_EQ(view.titles.back(), rec.store.RecordingFile + " - AutoSave");
}

TEST_F(AcquisitionTest, AResetLeavesRecordingControlIdle) {
    acq.StartOrStop();
    Run(3);
    ASSERT_TRUE(acq.Running);
    rec.ResetRecording();
    EXPECT_FALSE(acq.IsRecording());
    EXPECT_EQ(view.startCaption, "START");
    EXPECT_FALSE(acq.Running);
    EXPECT_FALSE(acq.MainTimerEnabled);
    EXPECT_FALSE(acq.TimerAutoSaveEnabled);
    EXPECT_FALSE(acq.IsRecording());
}

}  // namespace
}  // namespace voltaro
