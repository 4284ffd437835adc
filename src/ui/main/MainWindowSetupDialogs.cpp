// The Setup and Help menus' small dialogs: graph scaling, decibels, date/time format,
// autosave and the decibel test table.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <vector>

#include "ui/widgets/LabelCaption.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowViews.h"
#include "ui/display/GraphScalingDialog.h"
#include "ui/print/PrintGraphDialog.h"
#include "ui/recording/AutoSaveDialog.h"
#include "base/Notation.h"
#include "ui/values/DateTimeFormatDialog.h"
#include "ui/values/DecibelDialog.h"

namespace voltaro {

namespace {

std::string Latin1Text(const QLineEdit* box) {
    return box->text().toLatin1().toStdString();
}

}  // namespace

void MainWindow::ReadScalingSettings() {
    if (!scaling) {
        scaling = std::make_unique<GraphScalingDialog>(graphRange);
        scaling->UpdateGraphRange = [this] { recordingView->UpdateGraphRange(); };
        scaling->DecibelsOn = [this] { return ChkdB->isChecked(); };
        ApplyDialogPlacement(scaling.get(), kScalingForm);
        connect(scaling.get(), &GraphScalingDialog::okClicked, this, &MainWindow::ScalingOK);
        connect(scaling.get(), &GraphScalingDialog::cancelled, this, &MainWindow::ScalingCancel);
    }
    scaling->ReadVal(ScalingSettings::Read(stores));
    TakeScalingInterval();
}

void MainWindow::TakeScalingInterval() {
    // The spinners, not the texts: a number typed beyond a spinner's range is never stored,
    // so the next run would record at another interval than this one.
    const ScalingSettings now = scaling->Current();
    TextXaxis0 = now.MinutesText();
    TextXaxis1 = now.SecondsText();
    chkStop = now.StopLO != 0;
}

void MainWindow::mScaling_Click() {
    setEnabled(false);
    scaling->show();
    scaling->raise();
    recordingView->UpdateGraphRange();
    scaling->ShowScalingLabels();
}

void MainWindow::ScalingOK() {
    // An interval the spinners cannot hold is refused aloud; it never closes as if it were taken.
    if (!scaling->TakeTypedInterval()) {
        ctx.messages->ShowMessage(kIntervalMessage, MessageKind::Error);
        return;
    }
    const ScalingSettings chosen = scaling->Current();
    chosen.SaveInterval(stores);
    TakeScalingInterval();
    recordingView->UpdateGraphRange();
    scaling->ShowScalingLabels();
    if (!graphRange.LimitsAccepted()) {
        ctx.messages->ShowMessage(kLimitsMessage, MessageKind::Error);
        return;
    }
    chosen.SaveRange(stores);
    DrawTrendGraph();
    CloseScaling();
}

void MainWindow::CloseScaling() {
    CloseDialog(scaling.get(), kScalingForm);
    // Opened from the print-range dialog: that dialog takes over again with the new range.
    if (printRange && printRange->isVisible()) {
        setEnabled(false);
        printRange->setEnabled(true);
        printRange->raise();
        DrawPrintPreview();
    }
}

void MainWindow::ScalingCancel() {
    ReadScalingSettings();
    DrawTrendGraph();
    CloseScaling();
}

void MainWindow::ShowDeciBels() {
    if (!deciBels) {
        deciBels = std::make_unique<DecibelDialog>();
        ApplyDialogPlacement(deciBels.get(), kDecibelsForm);
        connect(deciBels.get(), &DecibelDialog::optionClicked, this,
                [this](int i) { decibels.OptdB_Click(i); });
        connect(deciBels.get(), &DecibelDialog::confirmed, this, &MainWindow::DeciBelsConfirmed);
        connect(deciBels.get(), &DecibelDialog::cancelled, this, &MainWindow::DeciBelsCancelled);
    }
    // What the dialog shows is what is stored: a cancelled edit is not offered again.
    const std::string impedance = decibels.LoadDialog(stores);
    deciBels->Text1->setText(Latin1(impedance));
    deciBels->Select(decibels.SelectedOption);
    decibels.ChkdB_Set(impedance);
    deciBels->show();
    deciBels->raise();
}

void MainWindow::DeciBelsConfirmed() {
    const std::string impedance = Latin1Text(deciBels->Text1);
    const bool rebuild = decibels.ConfirmDialog(stores, impedance, stats.RelReference);
    recording->ImpedanceText = impedance;
    scaling->DecibelsConfirmed();
    if (rebuild) {
        const RecordStore& store = recording->store;
        std::vector<float> values;
        values.reserve(static_cast<size_t>(RecordCount()));
        for (int row = 1; row <= RecordCount(); ++row)
            values.push_back(static_cast<float>(Val(store.Text(row, Field::ValueText))));
        stats.RebuildDecibelExtremes(values, impedance);
    }
    UpdateStatsDisplay();
    CloseDialog(deciBels.get(), kDecibelsForm);
    if (decibels.Mode == DecibelMode::Relative && !ChkREL->isChecked()) {
        ChkREL->setChecked(true);
        ChkREL_Click(true);
    }
    HScroll1_Change(HScroll1->value());
}

void MainWindow::DeciBelsCancelled() {
    CloseDialog(deciBels.get(), kDecibelsForm);
    if (!ChkdB->isChecked()) return;
    ChkdB->setChecked(false);
    ChkdB_Click(false);
}

void MainWindow::mDateTime_Click() {
    if (!dateTime) {
        dateTime = std::make_unique<DateTimeFormatDialog>();
        ApplyDialogPlacement(dateTime.get(), "frmDateTime");
        connect(dateTime.get(), &DateTimeFormatDialog::choiceClicked, this, [this] {
            const std::string sample =
                formats.ChkDateTime(dateTime->SelectedEntry(), dateTime->TwelveHour(), ctx.clock->Now());
            dateTime->setWindowTitle(Latin1(sample));
        });
        connect(dateTime.get(), &DateTimeFormatDialog::confirmed, this, &MainWindow::DateTimeConfirmed);
        connect(dateTime.get(), &DateTimeFormatDialog::cancelled, this, &MainWindow::DateTimeCancelled);
    }
    // "Format1" counts only when "Format" is off.
    dateTime->Select(settings.ListFormat, settings.Format || !settings.Format1);
    dateTime->setWindowTitle(QStringLiteral("Date/Time Format"));
    setEnabled(false);
    dateTime->show();
    dateTime->raise();
}

void MainWindow::DateTimeConfirmed() {
    // The entry shown is the one in effect, even when it was never clicked.
    formats.ChkDateTime(dateTime->SelectedEntry(), dateTime->TwelveHour(), ctx.clock->Now());
    formats.ConfirmDateTime();
    settings.DateofTime = formats.DateofTime;
    settings.DateF = formats.DateF;
    settings.TimeF = formats.TimeF;
    settings.ListFormat = dateTime->SelectedEntry();
    settings.Format = dateTime->Option1[0]->isChecked();
    settings.Format1 = dateTime->Option1[1]->isChecked();
    SaveSettings(settings, stores);
    CloseDialog(dateTime.get(), "frmDateTime");
    if (RecordCount() != 0) {
        RefreshCounters();
        UpdateStatsDisplay();
        DrawTrendGraph();
    }
}

void MainWindow::DateTimeCancelled() {
    CloseDialog(dateTime.get(), "frmDateTime");
}

void MainWindow::mAutoSave_Click() {
    if (!autoSave) {
        autoSave = std::make_unique<AutoSaveDialog>();
        connect(autoSave.get(), &AutoSaveDialog::confirmed, this, [this] {
            settings.AutoSave = autoSave->Check1->isChecked() ? 1 : 0;
            SaveSettings(settings, stores);
            autoSave->hide();
            DialogClosed();
        });
        connect(autoSave.get(), &AutoSaveDialog::cancelled, this, [this] {
            autoSave->hide();
            DialogClosed();
        });
    }
    // A cancelled tick is not kept for the save at exit.
    autoSave->Check1->setChecked(settings.AutoSave != 0);
    setEnabled(false);
    autoSave->show();
    autoSave->raise();
}

void MainWindow::mDbTest_Click() {
    if (!dbTest) dbTest = std::make_unique<DecibelTableDialog>();
    dbTest->show();
    dbTest->raise();
}

}  // namespace voltaro
