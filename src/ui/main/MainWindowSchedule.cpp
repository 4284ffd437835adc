#include <QAction>
#include <QCheckBox>
#include <QSignalBlocker>
#include <algorithm>

#include "base/Messages.h"
#include "ui/widgets/LabelCaption.h"
#include "ui/main/DialogHost.h"
#include "ui/main/FileCommandsController.h"
#include "ui/main/MainWindow.h"
#include "ui/recording/ScheduleDialog.h"
#include "base/Conversions.h"

namespace voltaro {

namespace {
const std::string kAutoForm = "frmAuto";
}

void MainWindow::cmdAuto_Click() {
    if (!autoSetup) {
        autoSetup = std::make_unique<ScheduleDialog>(*ctx.clock, session.schedule());
        connect(autoSetup.get(), &ScheduleDialog::okClicked, this, &MainWindow::AutoOK);
        connect(autoSetup.get(), &ScheduleDialog::closed, this, &MainWindow::AutoClosed);
        connect(autoSetup.get(), &ScheduleDialog::testRowFilled, this,
                [this](const std::string& title) { setWindowTitle(Latin1(title)); });
        connect(&autoSetup->Timer2, &QTimer::timeout, this, &MainWindow::AutoTimer2_Timer);
    }
    setEnabled(false);
    dialogs->Place(autoSetup.get(), kAutoForm);
    autoSetup->RefreshNow();
    autoSetup->schedule.LoadSchedule(stores);
    autoSetup->ShowRows();
    autoSetup->show();
    autoSetup->raise();
    autoSetup->Timer1.start();
    // Editing the schedule disarms the one running; the box stays ticked for the new one.
    ScheduleOff(false);
    QSignalBlocker quiet(chkAuto);
    chkAuto->setChecked(true);
    chkAuto->setEnabled(true);
}

void MainWindow::chkAuto_Click() {
    ScheduleOff(false);
}

void MainWindow::AutoOK() {
    ScheduleDialog& dialog = *autoSetup;
    dialog.ReadRows();
    const Schedule::Outcome outcome = dialog.schedule.CheckSchedule();
    dialog.ShowRows();  // time boxes of the wrong length were emptied
    dialog.Timer2.stop();
    if (outcome != Schedule::Outcome::Valid) {
        ctx.messages->ShowMessage(Schedule::MessageOf(outcome), MessageKind::Error);
        return;
    }
    dialog.schedule.SaveSchedule(stores);
    CheckNewFile();
    dialog.schedule.Arm();
    dialog.Timer2.start();
    dialog.accept();
    setWindowTitle(Latin1(recording->store.RecordingFile + " - Waitting Auto Start/Stop"));
    if (!printBeforeSchedule)
        printBeforeSchedule = {mPrintGraph->isEnabled(), mPrintScreen->isEnabled(), mPrtReport->isEnabled()};
    for (QAction* a : {mPrintGraph, mPrintScreen, mPrtReport}) a->setEnabled(false);
}

void MainWindow::AutoClosed(bool armed) {
    if (!armed) {
        autoSetup->ReadRows();
        autoSetup->schedule.SaveSchedule(stores);
        ScheduleOff(true);
    }
    dialogs->Close(autoSetup.get(), kAutoForm);
}

void MainWindow::AutoTimer2_Timer() {
    // A save's message box lets the timer tick again; the schedule is checked once at a time.
    if (inScheduleTick || !autoSetup) return;
    inScheduleTick = true;
    Schedule& s = autoSetup->schedule;
    const QString before = windowTitle();
    s.Timer2Tick();
    SyncTimers();
    if (DebugMode && s.Armed && windowTitle() == before) {
        const Schedule::Row& row = s.Rows[static_cast<size_t>(s.StartRow)];
        setWindowTitle(Latin1(DateTimeStd(ctx.clock->Now()) + " " +
                              DateTimeStd(row.StartDate, row.StartTime) + " " +
                              std::to_string(s.StartRemain) + " " + std::to_string(s.StopRemain) + " " +
                              SecondsToClock(std::max(0, s.MaxRemain))));
    }
    inScheduleTick = false;
}

void MainWindow::ScheduleOff(bool clear) {
    if (autoSetup) {
        autoSetup->Timer2.stop();
        autoSetup->schedule.Disarm();
    }
    {
        QSignalBlocker quiet(chkAuto);
        if (clear) chkAuto->setChecked(false);
        chkAuto->setEnabled(false);
    }
    if (printBeforeSchedule) {
        mPrintGraph->setEnabled((*printBeforeSchedule)[0]);
        mPrintScreen->setEnabled((*printBeforeSchedule)[1]);
        mPrtReport->setEnabled((*printBeforeSchedule)[2]);
        printBeforeSchedule.reset();
    }
}

void MainWindow::ScheduleEnded() {
    ScheduleOff(true);
    // Hidden without closing: closing would count as Cancel.
    if (autoSetup && autoSetup->isVisible()) {
        autoSetup->Timer1.stop();
        autoSetup->hide();
        dialogs->Closed();
    }
}

void MainWindow::CheckNewFile() {
    if (RecordCount() != 0) {
        fileCommands->SaveAs();
        return;
    }
    NewFileForSchedule();
}

bool MainWindow::NewFileForSchedule() {
    if (MSComm->PortOpen()) MSComm->SetPortOpen(false);
    const bool cancelled = !fileCommands->NewFile();
    OpenLinkPort(*MSComm, line);
    ShowPortDevice();
    return cancelled;
}

}  // namespace voltaro
