#include "ui/main/MainWindowViews.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

#include "app/FileCommands.h"
#include "recording/FileNames.h"
#include "ui/link/LineMonitorDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/recording/ProgressDialog.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/LabelCaption.h"
#include "ui/widgets/PictureBox.h"

namespace voltaro {

namespace {

// The line monitor keeps the latest frames, at most this many characters.
constexpr size_t kLineMonitorKeep = 176;

}  // namespace

void MainWindow::OpenLinkPort(SerialPort& port, const SerialLine& portLine) {
    prefixLabel->setText(QString());
    unitLabel->setText(QStringLiteral("WAIT"));
    reader->OpenComm(port, portLine);
}

void MainWindow::ShowLinkFeed(const FeedResult& fed) {
    // One line: the frames' CR LF show as a return sign.
    if (!fed.status.empty())
        statusPanels[2]->setText(Latin1(fed.status).replace(QStringLiteral("\r\n"), QStringLiteral("\u21b5")));
    if (fed.dataArrived) unitLabel->setVisible(unitLabel->isHidden());
    if (fed.accepted) {
        // linkLabel shows a live link; linkLabelTimer hides it 15 s after the last accepted frame.
        linkLabel->setVisible(true);
        linkLabelTimer.start();
    }
    FeedLineMonitor(fed);
}

void MainWindow::FeedLineMonitor(const FeedResult& fed) {
    if (!commTestActive || !commTest) return;
    if (fed.decided) commTest->labCount[0]->setText(QString::number(fed.pollCount));
    if (!fed.candidate) return;
    const std::string& frame = *fed.candidate;
    commTest->labDigits->setText(Latin1(reading.digits));
    std::string text = Latin1(commTest->Text1->toPlainText()) + frame;
    if (text.size() > kLineMonitorKeep) text.erase(0, text.size() - kLineMonitorKeep);
    // CR LF of the frames show as line breaks; the text keeps them as they came.
    commTest->Text1->setPlainText(Latin1(text));
    // With its own port open the monitor's frames are decoded, accepted or not.
    if (commTestPort->PortOpen()) {
        reading = DecodeFrame(reading, frame, reading.digits, recording->meterType);
        ShowFunctionIndicators(commTest->labDC);
    }
    const size_t inFrame = frame.find("\r\n");
    const size_t at = inFrame == std::string::npos ? 0 : inFrame + 1;
    commTest->labText->setText(Latin1(frame + " [" + std::to_string(at) + "]"));
}

void MainWindow::ShowFunctionIndicators(QLabel* couplingLabel) {
    rangeModeLabel->setText(Latin1(reading.rangeMode));
    if (reading.funcMode != functionPictureShown) {
        // Picture 1 diode, 2 continuity; 0 clears it.
        functionPicture->setPixmap(FunctionPicture(reading.funcMode < 0 ? 0 : reading.funcMode, functionPicture->size()));
        functionPictureShown = reading.funcMode;
    }
    if (Latin1(couplingLabel->text()) != reading.acDc) couplingLabel->setText(Latin1(reading.acDc));
}

namespace {
void SetTextColour(QWidget* w, Rgb c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, QColor(c.r, c.g, c.b));
    pal.setColor(QPalette::ButtonText, QColor(c.r, c.g, c.b));
    w->setPalette(pal);
}
}  // namespace

void MainAlarmView::SetHiColour(Rgb colour) {
    SetTextColour(f_.alarmHighBox, colour);
}

void MainAlarmView::SetLoColour(Rgb colour) {
    SetTextColour(f_.alarmLowBox, colour);
}

void MainAlarmView::SetStopVisible(bool visible) {
    f_.stopToneButton->setVisible(visible);
}

void MainAlarmView::SetAlarmTimer(bool enabled) {
    if (enabled) {
        f_.alarmToneTimer.start(1000);
    } else {
        f_.alarmToneTimer.stop();
    }
}

}  // namespace voltaro

namespace voltaro {

void MainRecordingView::SetTitle(const std::string& title) {
    f_.setWindowTitle(QString::fromStdString(title));
}

void MainRecordingView::ShowNotice(const std::string& text) {
    f_.ShowNotice(text);
}

void MainRecordingView::RememberFile(const std::string& path) {
    f_.setWindowTitle(QString::fromStdString(path));
    f_.settings.Path = FolderOf(path);
    if (!path.empty()) AddRecentFile(f_.settings.RecentFiles, path);
    f_.ShowRecentFiles();
}

void MainRecordingView::EnableSave(bool on) {
    f_.saveAction->setEnabled(on);
}

void MainRecordingView::EnableRecordingMenus(bool held) {
    f_.graphView->setEnabled(held);
    if (held) {
        f_.saveAsAction->setEnabled(true);
        f_.saveAction->setEnabled(true);
    }
}

void MainRecordingView::SetRecordingControls(bool recording) {
    f_.fileMenu->setEnabled(!recording);
    f_.graphCursor->setEnabled(!recording);
    f_.stopButton->setEnabled(recording);
}

void MainRecordingView::EnableFileCommands(bool on) {
    if (!on) {
        f_.saveAction->setEnabled(false);
        f_.saveAsAction->setEnabled(false);
    }
    for (QAction* a : {f_.openAction, f_.newAction, f_.closeAction, f_.importAction, f_.exportAction, f_.exportForAnalysisAction, f_.deleteFileAction})
        a->setEnabled(on);
    // An armed schedule keeps the print entries off and gives them their state when it ends.
    if (f_.printBeforeSchedule) {
        (*f_.printBeforeSchedule)[2] = on;
    } else {
        f_.printReportAction->setEnabled(on);
    }
    f_.ShowFileCommands();
}

void MainRecordingView::SetStartCaption(const std::string& caption) {
    f_.startButton->setText(Latin1(caption));
}

void MainRecordingView::ShowProgress(const std::string& caption, const std::string& fileLine, bool visible) {
    if (!f_.progress) f_.progress = std::make_unique<ProgressDialog>();
    f_.progress->setWindowTitle(QString::fromStdString(caption));
    f_.progress->labFilename->setText(QString::fromStdString(fileLine));
    f_.progress->ProgressBar1->setValue(0);
    f_.progress->labPrs->clear();
    if (visible) f_.progress->show();
}

void MainRecordingView::SetProgress(int percent, const std::string& text) {
    if (!f_.progress) return;
    f_.progress->ProgressBar1->setValue(percent);
    f_.progress->labPrs->setText(QString::fromStdString(text));
}

void MainRecordingView::EnableProgressOk(bool on) {
    if (f_.progress) f_.progress->cmdOk->setEnabled(on);
}

void MainRecordingView::HideProgress() {
    if (f_.progress) f_.progress->hide();
}

void MainRecordingView::RecordingReset() {
    f_.rowsRecorded = false;
    f_.saveAsAction->setEnabled(false);
    for (QCheckBox* box : {f_.relBox, f_.avgBox, f_.maxBox, f_.minBox}) {
        QSignalBlocker quiet(box);
        box->setChecked(false);
    }
    for (size_t i = 0; i < f_.statValues.size(); ++i) {
        f_.statValues[i]->setEnabled(false);
        f_.statDetails[i]->setEnabled(false);
    }
    f_.graphRange.Reset();
    {
        QSignalBlocker quiet(f_.graphCursor);
        f_.graphCursor->setMaximum(100);
        f_.graphCursor->setValue(1);
    }
    f_.UpdatePanel(f_.reading.value, "OL");
    f_.RefreshCounters();
    f_.DrawTrendGraph();
}

bool MainRecordingView::DecibelsOn() const {
    return f_.decibelsBox->isChecked();
}

void MainRecordingView::RecordingLoaded(const LoadedSettings& loaded) {
    // The rows were decoded: the indicators show the last one's.
    f_.ShowFunctionIndicators(f_.couplingLabel);
    const int n = f_.RecordCount();
    {
        QSignalBlocker quiet(f_.graphCursor);
        f_.graphCursor->setMaximum(n < 100 ? 100 : n + 1);
        f_.graphCursor->setValue(n);
    }
    // The core has taken the last row's settings; the boxes show them. setChecked does not
    // run the click handlers, so the recorded REL reference stays.
    if (loaded.checkMax) f_.maxBox->setChecked(true);
    if (loaded.checkMin) f_.minBox->setChecked(true);
    f_.avgBox->setChecked(loaded.avg);
    f_.relBox->setChecked(loaded.rel);
    const QCheckBox* boxes[] = {f_.maxBox, f_.minBox, f_.avgBox, f_.relBox};
    for (int i = 0; i < 4; ++i) {
        f_.statValues[i]->setEnabled(boxes[i]->isChecked());
        f_.statDetails[i]->setEnabled(boxes[i]->isChecked());
    }
    f_.alarmHighBox->setChecked(loaded.alarmHi);
    if (loaded.alarmHi) f_.alarmHighEdit->setText(QString::fromLatin1(loaded.alarmHiText.c_str()));
    f_.alarmLowBox->setChecked(loaded.alarmLo);
    if (loaded.alarmLo) f_.alarmLowEdit->setText(QString::fromLatin1(loaded.alarmLoText.c_str()));
    f_.UpdatePanel(f_.reading.value, f_.reading.digits);
    UpdateGraphRange();
    f_.RefreshCounters();
    f_.DrawTrendGraph();
}

void MainRecordingView::ReadingRecorded(int recordCount) {
    f_.rowsRecorded = true;
    {
        // The scroll bar follows the newest reading; the graph is redrawn below once.
        QSignalBlocker quiet(f_.graphCursor);
        f_.graphCursor->setMaximum(recordCount - 1 < 100 ? 100 : recordCount);
        f_.graphCursor->setValue(recordCount);
    }
    UpdateGraphRange();
    f_.RefreshCounters();
    f_.DrawTrendGraph();
    f_.UpdatePanel(f_.reading.value, f_.reading.digits);
}

void MainRecordingView::LinkFed(const FeedResult& fed) {
    f_.ShowLinkFeed(fed);
}

void MainRecordingView::ReadingDecoded() {
    f_.ShowFunctionIndicators(f_.couplingLabel);
}

void MainRecordingView::UpdatePanel() {
    f_.UpdatePanel(f_.reading.value, f_.reading.digits);
}

void MainRecordingView::SetLabError(const std::string& text) {
    f_.noDataLabel->setText(Latin1(text));
}

void MainRecordingView::UpdateChkdB() {
    const std::string& unit = f_.lcdPanel.unitText;
    f_.decibelsBox->setEnabled(unit.find("dB") != std::string::npos || unit.find('V') != std::string::npos);
}

void MainRecordingView::UpdateGraphRange() {
    GraphRangeInput in;
    in.formLoaded = f_.loaded;
    in.reading = &f_.reading;
    in.meter = &f_.meterRange;
    in.stats = &f_.stats;
    in.recordCount = f_.RecordCount();
    in.decibels = f_.decibelsBox->isChecked();
    in.dBm = f_.decibels.SelectedOption == 1;
    f_.graphRange.UpdateGraphRange(in);
}

void MainRecordingView::TimersChanged() {
    f_.SyncTimers();
}

std::string MainRecordingView::IntervalMinutesText() const {
    return f_.intervalMinutesText;
}

std::string MainRecordingView::IntervalSecondsText() const {
    return f_.intervalSecondsText;
}

bool MainRecordingView::StopRecordOnOL() const {
    return f_.stopOnOverload;
}

void MainRecordingView::ScheduleEnded() {
    f_.ScheduleEnded();
}

}  // namespace voltaro
