#include <gtest/gtest.h>

#include "recording/Schedule.h"
#include "support/SettableClock.h"

namespace voltaro {
namespace {

struct FakeHost : ScheduleHost {
    bool IsRecording() const override { return recording; }
    void ScheduledStart() override {
        recording = true;
        events.push_back("start");
    }
    void ScheduledStop() override {
        recording = false;
        events.push_back("stop");
    }
    void Beep() override { ++beeps; }
    void SaveAfterStop() override { events.push_back("save"); }
    void EndSchedule() override { events.push_back("end"); }
    bool recording = false;
    int beeps = 0;
    std::vector<std::string> events;
};

class ScheduleTest : public ::testing::Test {
protected:
    // Ticks every half second from now up to and including the given time.
    void TickUntil(const QDateTime& until) {
        while (clock.Now() <= until) {
            schedule.Timer2Tick();
            clock.AddMSecs(500);
        }
    }
    SettableClock clock{QDateTime(QDate(2006, 12, 8), QTime(9, 59, 0))};
    FakeHost host;
    Schedule schedule{clock, host};
};

// Typed and stored dates and times: the standard form, or empty for anything that is not one.
// Numbers too long for an int must read as "not a date", not end the program.
TEST(DateTimeStd, WritesTypedDatesAndTimesInTheStandardFormOrNothing) {
    const struct {
        const char* date;
        const char* time;
        const char* expected;
    } cases[] = {
        {"12/08/2006", "14:05:00", "12/08/2006 14:05:00"},
        {"12/8/06", "14:05:00xx", "12/08/2006 14:05:00"},
        {"2006/12/08", "14:05:00", "12/08/2006 14:05:00"},
        {"12/8/6", "14:05:00", ""},       // date shorter than 6
        {"12/08/2006", "9:05:00", ""},    // time shorter than 8
        {"13/08/2006", "14:05:00", ""},   // month/day/year only
        {"12/08/2006", "25:05:00", ""},
        {"12/08/2006", "14:5x:00", ""},
        {"2024/01/99999999999", "14:05:00", ""},
        {"99999999999/01/01", "14:05:00", ""},
        {"2024/99999999999999999999/01", "14:05:00", ""},
        {"1/1/99999", "14:05:00", ""},
        {"12/08/2006", "99:99:99", ""},
        {"--/--/----", "14:05:00", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateTimeStd(c.date, c.time), c.expected) << c.date << " " << c.time;
    }
}

TEST_F(ScheduleTest, SevenDaysIsTheLimit) {
    schedule.Rows[0] = {"12/08/2006", "10:00:00", "12/15/2006", "10:00:00"};
    EXPECT_EQ(schedule.CheckSchedule(), Schedule::Outcome::LimitExceeded);
    schedule.Rows[0].StopTime = "09:59:59";
    EXPECT_EQ(schedule.CheckSchedule(), Schedule::Outcome::Valid);
    // A stop before its start is accepted.
    schedule.Rows[0] = {"12/15/2006", "10:00:00", "12/08/2006", "10:00:00"};
    EXPECT_EQ(schedule.CheckSchedule(), Schedule::Outcome::Valid);
}

TEST_F(ScheduleTest, BadTimesAreEmptiedAndALaterRowDecides) {
    schedule.Rows[0] = {"12/08/2006", "9:00:00", "12/08/2006", "10:00:00"};
    schedule.Rows[1] = {"12/08/2006", "10:00:00", "", ""};  // skipped: not every text filled
    EXPECT_EQ(schedule.CheckSchedule(), Schedule::Outcome::FormatError);
    EXPECT_EQ(schedule.Rows[0].StartTime, "");
    EXPECT_EQ(schedule.Rows[0].StopTime, "10:00:00");
    EXPECT_EQ(schedule.Rows[1].StartTime, "10:00:00");
    schedule.Rows[0] = {"12/08/2006", "10:00:00", "12/20/2006", "10:00:00"};
    schedule.Rows[2] = {"xx/yy/2006", "10:00:00", "12/08/2006", "11:00:00"};
    EXPECT_EQ(schedule.CheckSchedule(), Schedule::Outcome::FormatError);
    schedule.Rows[2] = {};
    EXPECT_EQ(schedule.CheckSchedule(), Schedule::Outcome::LimitExceeded);
    EXPECT_EQ(Schedule::MessageOf(Schedule::Outcome::LimitExceeded),
              "Start/Stop out of limits ? (Over 7 Days)");
    EXPECT_EQ(Schedule::MessageOf(Schedule::Outcome::FormatError), "Date/Time Format Error ? ");
}

TEST_F(ScheduleTest, TwoRowsStartAndStopAndTheLastStopSaves) {
    schedule.Rows[0] = {"12/08/2006", "10:00:00", "12/08/2006", "10:00:30"};
    schedule.Rows[1] = {"12/08/2006", "10:01:00", "12/08/2006", "10:01:30"};
    schedule.Arm();
    TickUntil(QDateTime(QDate(2006, 12, 8), QTime(10, 2, 0)));
    EXPECT_EQ(host.events, (std::vector<std::string>{"start", "stop", "start", "stop", "end", "save"}));
    EXPECT_EQ(host.beeps, 2);
    EXPECT_EQ(schedule.StartRow, 1);
    EXPECT_FALSE(schedule.Armed);
}

TEST_F(ScheduleTest, ATickThatJumpsOverTheSecondStillStartsAndStops) {
    schedule.Rows[0] = {"12/08/2006", "10:00:00", "12/08/2006", "10:10:00"};
    schedule.Arm();
    clock.Set(QDateTime(QDate(2006, 12, 8), QTime(9, 59, 59)));
    schedule.Timer2Tick();
    clock.AddSecs(3);  // a long save held the program over 10:00:00
    schedule.Timer2Tick();
    EXPECT_TRUE(host.recording);
    clock.Set(QDateTime(QDate(2006, 12, 8), QTime(10, 10, 20)));
    schedule.Timer2Tick();
    EXPECT_FALSE(host.recording);
    EXPECT_EQ(host.events, (std::vector<std::string>{"start", "stop", "end", "save"}));
}

TEST_F(ScheduleTest, AStartFiresInItsOwnSecondNotTheOneBefore) {
    schedule.Rows[0] = {"12/08/2006", "10:00:00", "12/08/2006", "10:10:00"};
    schedule.Arm();
    clock.Set(QDateTime(QDate(2006, 12, 8), QTime(9, 59, 59, 100)));
    schedule.Timer2Tick();
    EXPECT_FALSE(host.recording);
    clock.Set(QDateTime(QDate(2006, 12, 8), QTime(10, 0, 0, 100)));
    schedule.Timer2Tick();
    EXPECT_TRUE(host.recording);
}

TEST_F(ScheduleTest, EachTimeFiresOnceAndOldTimesAreSkipped) {
    schedule.Rows[0] = {"12/08/2006", "10:00:00", "12/08/2006", "10:10:00"};
    schedule.Rows[1] = {"12/08/2006", "09:50:00", "12/08/2006", "10:20:00"};  // start long gone
    schedule.Arm();
    clock.Set(QDateTime(QDate(2006, 12, 8), QTime(10, 0, 0)));
    schedule.Timer2Tick();
    ASSERT_TRUE(host.recording);
    host.recording = false;  // stopped by hand within the minute
    clock.AddSecs(5);
    schedule.Timer2Tick();
    EXPECT_FALSE(host.recording);
    EXPECT_EQ(host.events, (std::vector<std::string>{"start"}));
}

TEST_F(ScheduleTest, AnEmptyScheduleEndsAtItsFirstTickAndSaves) {
    schedule.Arm();
    EXPECT_EQ(schedule.CheckSchedule(), Schedule::Outcome::Valid);
    schedule.Timer2Tick();
    EXPECT_EQ(host.events, (std::vector<std::string>{"end", "save"}));
    schedule.Timer2Tick();  // disarmed: nothing more
    EXPECT_EQ(host.events.size(), 2u);
}

TEST_F(ScheduleTest, TheTestRowOfRowTwoStartsInFiftyAndStopsInEightySeconds) {
    EXPECT_EQ(schedule.FillTestRow(2), " Auto Start enable ....");
    EXPECT_EQ(schedule.Rows[2].StartDate, "12/08/2006");
    EXPECT_EQ(schedule.Rows[2].StartTime, "09:59:50");
    EXPECT_EQ(schedule.Rows[2].StopTime, "10:00:20");
    schedule.Arm();
    TickUntil(QDateTime(QDate(2006, 12, 8), QTime(10, 0, 30)));
    EXPECT_EQ(host.events, (std::vector<std::string>{"start", "stop", "end", "save"}));
}

}  // namespace
}  // namespace voltaro
