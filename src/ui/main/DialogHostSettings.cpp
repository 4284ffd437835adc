// The Setup menu's dialogs that change what the window shows: graph scaling, decibels and the
// date/time format.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <vector>

#include "base/Messages.h"
#include "base/Notation.h"
#include "ui/display/GraphScalingDialog.h"
#include "ui/main/DialogHost.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowViews.h"
#include "ui/print/PrintGraphDialog.h"
#include "ui/values/DateTimeFormatDialog.h"
#include "ui/values/DecibelDialog.h"
#include "ui/widgets/LabelCaption.h"

namespace voltaro {

namespace {

std::string Latin1Text(const QLineEdit* box) {
    return box->text().toLatin1().toStdString();
}

}  // namespace

void DialogHost::ReadScalingSettings() {
    if (!scaling) {
        scaling = std::make_unique<GraphScalingDialog>(w_.graphRange);
        scaling->UpdateGraphRange = [this] { w_.recordingView->UpdateGraphRange(); };
        scaling->DecibelsOn = [this] { return w_.decibelsBox->isChecked(); };
        Place(scaling.get(), kScalingForm);
        connect(scaling.get(), &GraphScalingDialog::okClicked, this, &DialogHost::ScalingOK);
        connect(scaling.get(), &GraphScalingDialog::cancelled, this, &DialogHost::ScalingCancel);
    }
    scaling->ReadVal(ScalingSettings::Read(w_.stores));
    TakeScalingInterval();
}

void DialogHost::TakeScalingInterval() {
    // The spinners, not the texts: a number typed beyond a spinner's range is never stored,
    // so the next run would record at another interval than this one.
    const ScalingSettings now = scaling->Current();
    w_.intervalMinutesText = now.MinutesText();
    w_.intervalSecondsText = now.SecondsText();
    w_.stopOnOverload = now.StopLO != 0;
}

void DialogHost::ShowScaling() {
    w_.setEnabled(false);
    scaling->show();
    scaling->raise();
    w_.recordingView->UpdateGraphRange();
    scaling->ShowScalingLabels();
}

void DialogHost::ScalingOK() {
    // An interval the spinners cannot hold is refused aloud; it never closes as if it were taken.
    if (!scaling->TakeTypedInterval()) {
        w_.ctx.messages->ShowMessage(kIntervalMessage, MessageKind::Error);
        return;
    }
    const ScalingSettings chosen = scaling->Current();
    chosen.SaveInterval(w_.stores);
    TakeScalingInterval();
    w_.recordingView->UpdateGraphRange();
    scaling->ShowScalingLabels();
    if (!w_.graphRange.LimitsAccepted()) {
        w_.ctx.messages->ShowMessage(kLimitsMessage, MessageKind::Error);
        return;
    }
    chosen.SaveRange(w_.stores);
    w_.DrawTrendGraph();
    CloseScaling();
}

void DialogHost::CloseScaling() {
    Close(scaling.get(), kScalingForm);
    // Opened from the print-range dialog: that dialog takes over again with the new range.
    if (printRange && printRange->isVisible()) {
        w_.setEnabled(false);
        printRange->setEnabled(true);
        printRange->raise();
        DrawPrintPreview();
    }
}

void DialogHost::ScalingCancel() {
    ReadScalingSettings();
    w_.DrawTrendGraph();
    CloseScaling();
}

void DialogHost::ShowDecibels() {
    if (!deciBels) {
        deciBels = std::make_unique<DecibelDialog>();
        Place(deciBels.get(), kDecibelsForm);
        connect(deciBels.get(), &DecibelDialog::optionClicked, this,
                [this](int i) { w_.decibels.OptdB_Click(i); });
        connect(deciBels.get(), &DecibelDialog::confirmed, this, &DialogHost::DecibelsConfirmed);
        connect(deciBels.get(), &DecibelDialog::cancelled, this, &DialogHost::DecibelsCancelled);
    }
    // What the dialog shows is what is stored: a cancelled edit is not offered again.
    const std::string impedance = w_.decibels.LoadDialog(w_.stores);
    deciBels->Text1->setText(Latin1(impedance));
    deciBels->Select(w_.decibels.SelectedOption);
    w_.decibels.ChkdB_Set(impedance);
    deciBels->show();
    deciBels->raise();
}

void DialogHost::DecibelsConfirmed() {
    const std::string impedance = Latin1Text(deciBels->Text1);
    const bool rebuild = w_.decibels.ConfirmDialog(w_.stores, impedance, w_.stats.RelReference);
    w_.recording->ImpedanceText = impedance;
    scaling->DecibelsConfirmed();
    if (rebuild) {
        const RecordStore& store = w_.recording->store;
        std::vector<float> values;
        values.reserve(static_cast<size_t>(w_.RecordCount()));
        for (int row = 1; row <= w_.RecordCount(); ++row)
            values.push_back(static_cast<float>(Val(store.Text(row, Field::ValueText))));
        w_.stats.RebuildDecibelExtremes(values, impedance);
    }
    w_.UpdateStatsDisplay();
    Close(deciBels.get(), kDecibelsForm);
    if (w_.decibels.Mode == DecibelMode::Relative && !w_.relBox->isChecked()) {
        w_.relBox->setChecked(true);
        w_.RelBoxClicked(true);
    }
    w_.GraphCursorMoved(w_.graphCursor->value());
}

void DialogHost::DecibelsCancelled() {
    Close(deciBels.get(), kDecibelsForm);
    if (!w_.decibelsBox->isChecked()) return;
    w_.decibelsBox->setChecked(false);
    w_.DecibelsBoxClicked(false);
}

void DialogHost::ShowDateTime() {
    if (!dateTime) {
        dateTime = std::make_unique<DateTimeFormatDialog>();
        Place(dateTime.get(), "frmDateTime");
        connect(dateTime.get(), &DateTimeFormatDialog::choiceClicked, this, [this] {
            const std::string sample = w_.formats.ChkDateTime(dateTime->SelectedEntry(),
                                                              dateTime->TwelveHour(), w_.ctx.clock->Now());
            dateTime->setWindowTitle(Latin1(sample));
        });
        connect(dateTime.get(), &DateTimeFormatDialog::confirmed, this, &DialogHost::DateTimeConfirmed);
        connect(dateTime.get(), &DateTimeFormatDialog::cancelled, this,
                [this] { Close(dateTime.get(), "frmDateTime"); });
    }
    // "Format1" counts only when "Format" is off.
    dateTime->Select(w_.settings.ListFormat, w_.settings.Format || !w_.settings.Format1);
    dateTime->setWindowTitle(QStringLiteral("Date/Time Format"));
    w_.setEnabled(false);
    dateTime->show();
    dateTime->raise();
}

void DialogHost::DateTimeConfirmed() {
    // The entry shown is the one in effect, even when it was never clicked.
    DateTimeFormat& formats = w_.formats;
    AppSettings& settings = w_.settings;
    formats.ChkDateTime(dateTime->SelectedEntry(), dateTime->TwelveHour(), w_.ctx.clock->Now());
    formats.ConfirmDateTime();
    settings.DateofTime = formats.DateofTime;
    settings.DateF = formats.DateF;
    settings.TimeF = formats.TimeF;
    settings.ListFormat = dateTime->SelectedEntry();
    settings.Format = dateTime->Option1[0]->isChecked();
    settings.Format1 = dateTime->Option1[1]->isChecked();
    SaveSettings(settings, w_.stores);
    Close(dateTime.get(), "frmDateTime");
    if (w_.RecordCount() != 0) {
        w_.RefreshCounters();
        w_.UpdateStatsDisplay();
        w_.DrawTrendGraph();
    }
}

}  // namespace voltaro
