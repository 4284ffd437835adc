#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ProgramHarness.h"
#include "ui/recording/ScheduleDialog.h"

namespace voltaro {
namespace {

// The "Auto Start/Stop" dialog and the "AUTO Start/STOP" box on a program over test doubles
// (the clock starts at 01/15/2024 10:00:00).
struct ScheduleRig {
    ProgramHarness h;
    WindowUnderTest* f = nullptr;
    void Start() {
        h.store.Save("voltaro", "frmScaling", "Xaxis1", "59");
        ASSERT_TRUE(h.StartWithPort());
        f = h.w.get();
    }
    ScheduleDialog& Open() {
        f->scheduleButton->click();
        return *f->probe.schedule();
    }
    void SetRow(int i, const char* startDate, const char* startTime, const char* stopDate,
                const char* stopTime) {
        ScheduleDialog& d = *f->probe.schedule();
        d.startDateBoxes[i]->setText(startDate);
        d.startTimeBoxes[i]->setText(startTime);
        d.stopDateBoxes[i]->setText(stopDate);
        d.stopTimeBoxes[i]->setText(stopTime);
    }
    // OK, the file dialog answered with a file of the test's folder.
    void Ok(const std::string& name = "sched.dmm") {
        h.dialogs.answers = {h.ctx.programFolder + "/" + name};
        f->probe.schedule()->okButton->click();
    }
    // One second of meter readings, recording and schedule checks.
    void Second() {
        h.Receive("10123;008");
        h.Second();
        Fire(f->probe.schedule()->Timer2);
    }
    std::string Title() const { return f->window.windowTitle().toStdString(); }
    std::string Stored(const std::string& key) const {
        return h.store.Get("voltaro", "frmAuto", key).value_or("?");
    }
    bool Recording() const { return f->startButton->text() == "STOP"; }
};

struct AutoSchedule : ::testing::Test, ScheduleRig {
    void SetUp() override { Start(); }
};

// A row's label fills it 50 and 80 seconds ahead (row 2); OK arms it after the new-file dialog;
// the recording starts and stops in those seconds, is saved after the last stop, and the
// schedule ends with the print entries as they were.
TEST_F(AutoSchedule, ATestRowArmsStartsStopsAndEnds) {
    f->printGraphAction->setEnabled(true);
    ScheduleDialog& d = Open();
    EXPECT_FALSE(f->window.isEnabled());
    EXPECT_EQ(d.nowLabel->text(), "01/15/2024 10:00:00");
    QTest::mouseDClick(d.rowLabels[2], Qt::LeftButton);
    EXPECT_EQ(Title(), " Auto Start enable ....");
    EXPECT_EQ(d.startDateBoxes[2]->text(), "01/15/2024");
    EXPECT_EQ(d.startTimeBoxes[2]->text(), "10:00:50");
    EXPECT_EQ(d.stopDateBoxes[2]->text(), "01/15/2024");
    EXPECT_EQ(d.stopTimeBoxes[2]->text(), "10:01:20");

    Ok();
    const std::string file = h.ctx.programFolder + "/sched.dmm";
    ASSERT_EQ(h.dialogs.asked.size(), 1u);
    EXPECT_EQ(h.dialogs.asked[0].title, "New File") << "no readings held: a new file";
    EXPECT_TRUE(h.MainPort().PortOpen()) << "the port is open again after the dialog";
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(f->window.isEnabled());
    EXPECT_EQ(Title(), file + " - Waitting Auto Start/Stop");
    EXPECT_EQ(Stored("Starttime2"), "10:00:50");
    EXPECT_EQ(Stored("StopDate2"), "01/15/2024");
    EXPECT_EQ(Stored("StartDate0"), "");
    EXPECT_TRUE(f->scheduleBox->isChecked() && f->scheduleBox->isEnabled());
    EXPECT_FALSE(f->printGraphAction->isEnabled());
    EXPECT_TRUE(d.Timer2.isActive());

    // The seconds of start and stop are the schedule's own rule; the window follows them.
    for (int s = 1; s <= 50; ++s) Second();
    EXPECT_TRUE(Recording()) << "started at 10:00:50";
    EXPECT_TRUE(f->recordTimer.isActive());
    for (int s = 51; s <= 80; ++s) Second();
    EXPECT_FALSE(Recording()) << "stopped at 10:01:20";
    EXPECT_FALSE(f->recordTimer.isActive());
    EXPECT_GT(f->RecordCount(), 0);
    EXPECT_EQ(QFileInfo(QString::fromStdString(file)).size(), 111 * (f->RecordCount() + 1));
    EXPECT_EQ(Title(), file + " - AutoSave");
    EXPECT_FALSE(d.Timer2.isActive());
    EXPECT_FALSE(f->scheduleBox->isChecked());
    EXPECT_FALSE(f->scheduleBox->isEnabled());
    EXPECT_TRUE(f->printGraphAction->isEnabled());
}

// A format error and a span of 7 days keep the dialog open and the schedule off; one second less
// than 7 days arms it.
TEST(AutoScheduleChecks, FormatErrorAndTheSevenDayLimit) {
    const struct {
        const char* startTime;
        const char* stopDate;
        const char* stopTime;
        const char* message;  // "" when armed
    } table[] = {
        {"10:00:00", "12/15/2006", "10:00:00", "Start/Stop out of limits ? (Over 7 Days)"},
        {"10:00:00", "12/08/2006", "10:00", "Date/Time Format Error ? "},
        {"10:00:00", "12/15/2006", "09:59:59", ""},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(std::string(row.startTime) + " to " + row.stopDate + " " + row.stopTime);
        ScheduleRig t;
        t.Start();
        ScheduleDialog& d = t.Open();
        t.SetRow(0, "12/08/2006", row.startTime, row.stopDate, row.stopTime);
        t.Ok();
        const bool armed = std::string(row.message).empty();
        EXPECT_EQ(d.isVisible(), !armed);
        EXPECT_EQ(t.f->window.isEnabled(), armed);
        EXPECT_EQ(d.Timer2.isActive(), armed);
        if (armed) {
            EXPECT_TRUE(t.h.messages.asked.empty());
            EXPECT_EQ(t.Stored("Stoptime0"), "09:59:59");
            continue;
        }
        ASSERT_EQ(t.h.messages.asked.size(), 1u);
        EXPECT_EQ(t.h.messages.asked[0].message, row.message);
        EXPECT_EQ(t.h.messages.asked[0].kind, MessageKind::Error);
        EXPECT_EQ(t.Stored("StartDate0"), "?") << "nothing stored";
        // Only time boxes of the wrong length are emptied.
        EXPECT_EQ(d.stopTimeBoxes[0]->text().isEmpty(), std::string(row.stopTime).size() != 8);
        EXPECT_EQ(d.startTimeBoxes[0]->text().isEmpty(), std::string(row.startTime).size() != 8);
    }
}

// Unchecking "AUTO Start/STOP" disarms: the start time passes without a start, and the print
// entries are as before arming. With readings held, arming offers Save as instead of a new file.
TEST_F(AutoSchedule, UncheckingTheBoxDisarmsAndHeldReadingsAreSavedAsFirst) {
    f->startButton->click();
    for (int s = 0; s < 3; ++s) {
        h.Receive("10123;008");
        h.Second();
    }
    f->startButton->click();
    ASSERT_GT(f->RecordCount(), 0);
    f->printReportAction->setEnabled(true);
    ScheduleDialog& d = Open();
    SetRow(0, "01/15/2024", "10:00:10", "01/15/2024", "10:00:20");
    Ok("held.dmm");
    ASSERT_EQ(h.dialogs.asked.size(), 1u);
    EXPECT_EQ(h.dialogs.asked[0].title, "Save File As ");
    ASSERT_TRUE(d.Timer2.isActive());
    EXPECT_FALSE(f->printReportAction->isEnabled());

    f->scheduleBox->click();
    EXPECT_TRUE(f->printReportAction->isEnabled()) << "the print entries come back with the schedule off";
    EXPECT_FALSE(d.Timer2.isActive());
    EXPECT_FALSE(f->scheduleBox->isChecked());
    EXPECT_FALSE(f->scheduleBox->isEnabled());
    for (int s = 0; s < 12; ++s) Second();
    EXPECT_FALSE(Recording());
}

// Cancel, Escape and the close box store the rows, clear and disable the box and give the main
// window back; OK with every box empty arms, and the first tick ends the schedule.
TEST_F(AutoSchedule, EveryClosePathGivesTheWindowBack) {
    enum Path { Cancel, Escape, CloseBox };
    for (Path path : {Cancel, Escape, CloseBox}) {
        SCOPED_TRACE(path);
        ScheduleDialog& d = Open();
        ASSERT_TRUE(f->scheduleBox->isChecked());
        SetRow(1, "01/15/2024", "10:00:10", "01/15/2024", std::to_string(path).c_str());
        if (path == Cancel) d.cancelButton->click();
        if (path == Escape) QTest::keyClick(&d, Qt::Key_Escape);
        if (path == CloseBox) d.close();
        EXPECT_FALSE(d.isVisible());
        EXPECT_TRUE(f->window.isEnabled());
        EXPECT_FALSE(f->scheduleBox->isChecked());
        EXPECT_FALSE(f->scheduleBox->isEnabled());
        EXPECT_FALSE(d.Timer2.isActive());
        EXPECT_FALSE(d.Timer1.isActive());
        EXPECT_EQ(Stored("Stoptime1"), std::to_string(path));
    }
    EXPECT_EQ(Open().stopTimeBoxes[1]->text(), "2") << "the stored rows fill the dialog";
    SetRow(1, "", "", "", "");
    Ok();
    EXPECT_FALSE(f->probe.schedule()->isVisible());
    EXPECT_TRUE(f->window.isEnabled());
    Fire(f->probe.schedule()->Timer2);
    EXPECT_FALSE(f->probe.schedule()->Timer2.isActive());
    EXPECT_FALSE(f->scheduleBox->isChecked());
    EXPECT_EQ(Title(), f->recording->store.RecordingFile + " - AutoSave");
    EXPECT_TRUE(h.messages.asked.empty());
}

}  // namespace
}  // namespace voltaro
