#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "ProgramHarness.h"
#include "ui/widgets/PictureBox.h"
#include "ui/main/DecimalSeparatorDialog.h"
#include "ui/link/LineMonitorDialog.h"
#include "ui/link/SerialSetupDialog.h"
#include "support/ScriptedSerialPort.h"

namespace voltaro {
namespace {

TEST(DecimalDialog, ShownOverTheDisabledWindowUntilDontShowAgain) {
    ProgramHarness first;
    ASSERT_TRUE(first.Start());
    first.form->ShowStartDialogs();
    ASSERT_TRUE(first.w->dialogs.seleDim && first.w->dialogs.seleDim->isVisible());
    EXPECT_FALSE(first.form->isEnabled());
    first.w->dialogs.seleDim->Check1->setChecked(true);
    first.w->dialogs.seleDim->okButton->click();
    EXPECT_TRUE(first.form->isEnabled());
    EXPECT_EQ(first.store.Get("voltaro", "frmMain", "SeleDim"), "1");

    ProgramHarness next;
    next.store = first.store;
    ASSERT_TRUE(next.Start());
    next.form->ShowStartDialogs();
    EXPECT_FALSE(next.w->dialogs.seleDim) << "not asked again";
    EXPECT_TRUE(next.form->isEnabled());
}

// Escape hides a dialog without a close event; it and the close box cancel as Cancel does, end a
// running line test and give the main window its commands back.
TEST(DecimalAndSetupDialogs, EscapeAndTheCloseBoxCancelAndGiveTheWindowBack) {
    enum Dialog { Decimal, Setup, SetupTesting };
    for (bool escape : {true, false}) {
        for (Dialog which : {Decimal, Setup, SetupTesting}) {
            SCOPED_TRACE(std::string(escape ? "Escape on " : "close box of ") + "dialog " +
                         std::to_string(which));
            ProgramHarness h;
            ASSERT_TRUE(h.StartWithPort());
            WindowUnderTest& f = *h.w;
            QDialog* dialog = nullptr;
            if (which == Decimal) {
                f.separatorAction->trigger();
                f.dialogs.seleDim->Option1[1]->setChecked(true);
                dialog = f.dialogs.seleDim.get();
            } else {
                f.serialSetupAction->trigger();
                f.dialogs.setup->parityOptions[2]->click();
                if (which == SetupTesting) f.dialogs.setup->testButton->click();
                dialog = f.dialogs.setup.get();
            }
            ASSERT_FALSE(f.window.isEnabled());
            if (escape) {
                QTest::keyClick(dialog, Qt::Key_Escape);
            } else {
                dialog->close();
            }
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_TRUE(f.window.isEnabled());
            EXPECT_EQ(f.settings.ExtDimF, 0);
            EXPECT_EQ(f.settings.LineSettings, "2400,O,7,1");
            EXPECT_FALSE(f.acquisition->Running);
            EXPECT_TRUE(h.MainPort().PortOpen());
            EXPECT_FALSE(f.dialogs.setup->Timer1.isActive());
        }
    }
}

TEST(CommTestWindow, TakesTheLineFromTheMainWindowAndGivesItBack) {
    ProgramHarness h;
    ASSERT_TRUE(h.StartWithPort());
    WindowUnderTest& f = *h.w;
    QTest::mouseClick(f.logo, Qt::LeftButton);
    ASSERT_TRUE(f.probe.lineMonitor() && f.probe.lineMonitor()->isVisible());
    EXPECT_EQ(f.probe.lineMonitor()->windowTitle(), "CommPort Revice Data");
    EXPECT_FALSE(h.MainPort().PortOpen());
    EXPECT_TRUE(f.probe.lineMonitor()->labPort->text().startsWith("COM2"));

    f.probe.lineMonitor()->cmdStart->click();
    ScriptedSerialPort& own = *h.ports.back();
    EXPECT_TRUE(own.PortOpen());
    EXPECT_FALSE(f.probe.lineMonitor()->cmdStart->isEnabled());
    own.Feed("10123;008\r\n10123;008\r\n");
    Fire(f.commTestPoll);
    EXPECT_EQ(f.probe.lineMonitor()->labCount[0]->text(), "1");
    EXPECT_EQ(f.probe.lineMonitor()->labDigits->text(), "0123");
    EXPECT_EQ(f.probe.lineMonitor()->Text1->toPlainText(), "10123;008");
    EXPECT_EQ(f.probe.lineMonitor()->labText->text(), "10123;008 [0]");

    f.probe.lineMonitor()->cmdExit->click();
    EXPECT_FALSE(f.probe.lineMonitor()->isVisible());
    EXPECT_FALSE(own.PortOpen());
    EXPECT_TRUE(h.MainPort().PortOpen()) << "the main window's port opens again";
}

TEST(SetupLineTest, PollsTheDialogsPortUntilStop) {
    ProgramHarness h;
    ASSERT_TRUE(h.StartWithPort());
    WindowUnderTest& f = *h.w;
    f.serialSetupAction->trigger();
    f.dialogs.setup->testButton->click();
    ScriptedSerialPort& own = *h.ports.at(1);
    EXPECT_TRUE(f.acquisition->Running);
    EXPECT_FALSE(f.dialogs.setup->okButton->isEnabled());
    EXPECT_FALSE(f.dialogs.setup->cancelButton->isEnabled());
    EXPECT_FALSE(h.MainPort().PortOpen());
    EXPECT_TRUE(own.PortOpen());
    own.Feed("11234;008\r\n11234;008\r\n");
    Fire(f.dialogs.setup->Timer1);
    EXPECT_TRUE(f.dialogs.setup->labDigits->text().contains("1.234 V")) << f.dialogs.setup->labDigits->text().toStdString();

    f.dialogs.setup->stopTestButton->click();
    EXPECT_FALSE(f.acquisition->Running);
    EXPECT_FALSE(own.PortOpen());
    EXPECT_TRUE(h.MainPort().PortOpen());
    EXPECT_TRUE(f.dialogs.setup->okButton->isEnabled());
}

TEST(SetupLineTest, ARecordingGoesOnRunningThroughTheTest) {
    ProgramHarness h;
    ASSERT_TRUE(h.StartWithPort());
    WindowUnderTest& f = *h.w;
    f.startButton->click();
    f.serialSetupAction->trigger();
    f.dialogs.setup->testButton->click();
    f.dialogs.setup->stopTestButton->click();
    EXPECT_TRUE(f.acquisition->Running);
    EXPECT_EQ(f.startButton->text(), "STOP");
}

TEST(AlarmsOnTheWindow, LimitsAreStoredAtEachEditAndTheSignalChoiceOnItsClick) {
    ProgramHarness h;
    ASSERT_TRUE(h.Start());
    WindowUnderTest& f = *h.w;
    EXPECT_EQ(f.alarmHighEdit->text(), "4") << "the graph's limits stand in";
    EXPECT_EQ(f.alarmLowEdit->text(), "-4");
    f.alarmHighEdit->setText("2.5");
    EXPECT_EQ(h.store.Get("voltaro", "frmMain", "AlarmHI"), "2.5");
    f.alarmSignalActions[2]->trigger();
    EXPECT_FALSE(f.alarmSignalActions[0]->isChecked());
    EXPECT_TRUE(f.alarmSignalActions[2]->isChecked());
    EXPECT_EQ(h.store.Get("voltaro", "frmMain", "ALARMS2"), "True");

    ProgramHarness next;
    next.store = h.store;
    ASSERT_TRUE(next.Start());
    EXPECT_EQ(next.w->alarmHighEdit->text(), "2.5");
    EXPECT_TRUE(next.w->alarmSignalActions[2]->isChecked());
    EXPECT_EQ(next.w->alarms->AlarmMode, 2);
}

TEST(AlarmsOnTheWindow, LowLimitFlashesBlueAndAClickOnTheWindowEndsTheTone) {
    ProgramHarness h;
    ASSERT_TRUE(h.StartWithPort());
    WindowUnderTest& f = *h.w;
    f.alarmSignalActions[1]->trigger();
    f.alarmLowEdit->setText("0.5");
    f.alarmLowBox->click();
    f.startButton->click();
    h.Receive("10123;008");
    h.Second();
    ASSERT_TRUE(f.alarms->LoAlarmOn);
    EXPECT_TRUE(f.alarmToneTimer.isActive());
    Fire(f.alarmFlashTimer);
    EXPECT_EQ(f.alarmLowBox->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    Fire(f.alarmFlashTimer);
    EXPECT_EQ(f.alarmLowBox->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    Fire(f.alarmToneTimer);
    EXPECT_TRUE(f.stopToneButton->isVisible());
    QTest::mousePress(&f.window, Qt::LeftButton, {}, QPoint(2, f.window.height() - 60));  // the background
    EXPECT_FALSE(f.alarmToneTimer.isActive()) << "a click on the background stops the tone";
    f.stopToneButton->click();
    EXPECT_FALSE(f.stopToneButton->isVisible());
    Fire(f.alarmFlashTimer);
    EXPECT_EQ(f.alarmLowBox->palette().color(QPalette::WindowText), QColor(0, 0, 255))
        << "it goes on flashing";
    f.startButton->click();  // STOP clears the alarm
    EXPECT_FALSE(f.alarms->LoAlarmOn);
}

TEST(GraphCursor, ScrollingAfterStopShowsTheRowUnderTheCursor) {
    ProgramHarness h;
    ASSERT_TRUE(h.StartWithPort());
    WindowUnderTest& f = *h.w;
    f.startButton->click();
    for (const char* frame : {"11000;008", "12000;008", "13000;008"}) {
        h.Receive(frame);
        h.Second();
    }
    f.startButton->click();
    f.graphCursor->setValue(1);
    EXPECT_EQ(f.probe.lcdPanel().DisplayText, "1.000");
    EXPECT_EQ(f.cursorLabel->text(), "1");
    f.graphCursor->setValue(2);
    EXPECT_EQ(f.probe.lcdPanel().DisplayText, "2.000");

    // A live frame, then the meter falls silent: the row under the cursor is no new reading.
    h.Receive("13500;008");
    f.graphCursor->setValue(1);
    f.startButton->click();
    h.Second();
    EXPECT_EQ(f.recording->store.RecordCount, 3);
}

}  // namespace
}  // namespace voltaro
