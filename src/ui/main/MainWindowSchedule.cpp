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

void MainWindow::ShowSchedule() {
    if (!autoSetup) {
        autoSetup = std::make_unique<ScheduleDialog>(*ctx.clock, session.schedule());
        connect(autoSetup.get(), &ScheduleDialog::okClicked, this, &MainWindow::ScheduleConfirmed);
        connect(autoSetup.get(), &ScheduleDialog::closed, this, &MainWindow::ScheduleClosed);
        connect(autoSetup.get(), &ScheduleDialog::testRowFilled, this,
                [this](const std::string& title) { setWindowTitle(Latin1(title)); });
        connect(&autoSetup->Timer2, &QTimer::timeout, this, &MainWindow::ScheduleTick);
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
    QSignalBlocker quiet(scheduleBox);
    scheduleBox->setChecked(true);
    scheduleBox->setEnabled(true);
}

void MainWindow::ScheduleBoxClicked() {
    ScheduleOff(false);
}

void MainWindow::ScheduleConfirmed() {
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
        printBeforeSchedule = {printGraphAction->isEnabled(), printScreenAction->isEnabled(), printReportAction->isEnabled()};
    for (QAction* a : {printGraphAction, printScreenAction, printReportAction}) a->setEnabled(false);
}

void MainWindow::ScheduleClosed(bool armed) {
    if (!armed) {
        autoSetup->ReadRows();
        autoSetup->schedule.SaveSchedule(stores);
        ScheduleOff(true);
    }
    dialogs->Close(autoSetup.get(), kAutoForm);
}

void MainWindow::ScheduleTick() {
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
        QSignalBlocker quiet(scheduleBox);
        if (clear) scheduleBox->setChecked(false);
        scheduleBox->setEnabled(false);
    }
    if (printBeforeSchedule) {
        printGraphAction->setEnabled((*printBeforeSchedule)[0]);
        printScreenAction->setEnabled((*printBeforeSchedule)[1]);
        printReportAction->setEnabled((*printBeforeSchedule)[2]);
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
    if (meterPort->PortOpen()) meterPort->SetPortOpen(false);
    const bool cancelled = !fileCommands->NewFile();
    OpenLinkPort(*meterPort, line);
    ShowPortDevice();
    return cancelled;
}

}  // namespace voltaro
