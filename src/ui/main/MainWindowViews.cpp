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
    LabVolts->setText(QString());
    LabType->setText(QStringLiteral("WAIT"));
    reader->OpenComm(port, portLine);
}

void MainWindow::ShowLinkFeed(const FeedResult& fed) {
    // One line: the frames' CR LF show as a return sign.
    if (!fed.status.empty())
        StatusPanel[2]->setText(Latin1(fed.status).replace(QStringLiteral("\r\n"), QStringLiteral("\u21b5")));
    if (fed.dataArrived) LabType->setVisible(LabType->isHidden());
    if (fed.accepted) {
        // labRs232 shows a live link; TimerRs232 hides it 15 s after the last accepted frame.
        labRs232->setVisible(true);
        TimerRs232.start();
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
    labAUTO->setText(Latin1(reading.rangeMode));
    if (reading.funcMode != functionPictureShown) {
        // Picture 1 diode, 2 continuity; 0 clears it.
        Image2->setPixmap(FunctionPicture(reading.funcMode < 0 ? 0 : reading.funcMode, Image2->size()));
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
    SetTextColour(f_.OptAlarmHi, colour);
}

void MainAlarmView::SetLoColour(Rgb colour) {
    SetTextColour(f_.OptAlarmLo, colour);
}

void MainAlarmView::SetStopVisible(bool visible) {
    f_.cmdAlarmStop->setVisible(visible);
}

void MainAlarmView::SetAlarmTimer(bool enabled) {
    if (enabled) {
        f_.AlarmTimer.start(1000);
    } else {
        f_.AlarmTimer.stop();
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
    f_.mSave->setEnabled(on);
}

void MainRecordingView::EnableRecordingMenus(bool held) {
    f_.PicBox->setEnabled(held);
    if (held) {
        f_.mSaveAs->setEnabled(true);
        f_.mSave->setEnabled(true);
    }
}

void MainRecordingView::SetRecordingControls(bool recording) {
    f_.mfile->setEnabled(!recording);
    f_.HScroll1->setEnabled(!recording);
    f_.cmdStop->setEnabled(recording);
}

void MainRecordingView::EnableFileCommands(bool on) {
    if (!on) {
        f_.mSave->setEnabled(false);
        f_.mSaveAs->setEnabled(false);
    }
    for (QAction* a : {f_.mOpen, f_.mNew, f_.mClose, f_.mImport, f_.mExport, f_.mDeleteFile})
        a->setEnabled(on);
    // An armed schedule keeps the print entries off and gives them their state when it ends.
    if (f_.printBeforeSchedule) {
        (*f_.printBeforeSchedule)[2] = on;
    } else {
        f_.mPrtReport->setEnabled(on);
    }
    f_.ShowFileCommands();
}

void MainRecordingView::SetStartCaption(const std::string& caption) {
    f_.cmdStart->setText(Latin1(caption));
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
    f_.RowsRecorded = false;
    f_.mSaveAs->setEnabled(false);
    for (QCheckBox* box : {f_.ChkREL, f_.ChkAVG, f_.chkMAX, f_.chkMIN}) {
        QSignalBlocker quiet(box);
        box->setChecked(false);
    }
    for (size_t i = 0; i < f_.Label2.size(); ++i) {
        f_.Label2[i]->setEnabled(false);
        f_.Label3[i]->setEnabled(false);
    }
    f_.graphRange.Reset();
    {
        QSignalBlocker quiet(f_.HScroll1);
        f_.HScroll1->setMaximum(100);
        f_.HScroll1->setValue(1);
    }
    f_.UpdatePanel(f_.reading.value, "OL");
    f_.RefreshCounters();
    f_.DrawTrendGraph();
}

bool MainRecordingView::DecibelsOn() const {
    return f_.ChkdB->isChecked();
}

void MainRecordingView::RecordingLoaded(const LoadedSettings& loaded) {
    // The rows were decoded: the indicators show the last one's.
    f_.ShowFunctionIndicators(f_.labDC);
    const int n = f_.RecordCount();
    {
        QSignalBlocker quiet(f_.HScroll1);
        f_.HScroll1->setMaximum(n < 100 ? 100 : n + 1);
        f_.HScroll1->setValue(n);
    }
    // The core has taken the last row's settings; the boxes show them. setChecked does not
    // run the click handlers, so the recorded REL reference stays.
    if (loaded.checkMax) f_.chkMAX->setChecked(true);
    if (loaded.checkMin) f_.chkMIN->setChecked(true);
    f_.ChkAVG->setChecked(loaded.avg);
    f_.ChkREL->setChecked(loaded.rel);
    const QCheckBox* boxes[] = {f_.chkMAX, f_.chkMIN, f_.ChkAVG, f_.ChkREL};
    for (int i = 0; i < 4; ++i) {
        f_.Label2[i]->setEnabled(boxes[i]->isChecked());
        f_.Label3[i]->setEnabled(boxes[i]->isChecked());
    }
    f_.OptAlarmHi->setChecked(loaded.alarmHi);
    if (loaded.alarmHi) f_.TextAlarmHI->setText(QString::fromLatin1(loaded.alarmHiText.c_str()));
    f_.OptAlarmLo->setChecked(loaded.alarmLo);
    if (loaded.alarmLo) f_.TextAlarmLO->setText(QString::fromLatin1(loaded.alarmLoText.c_str()));
    f_.UpdatePanel(f_.reading.value, f_.reading.digits);
    UpdateGraphRange();
    f_.RefreshCounters();
    f_.DrawTrendGraph();
}

void MainRecordingView::ReadingRecorded(int recordCount) {
    f_.RowsRecorded = true;
    {
        // The scroll bar follows the newest reading; the graph is redrawn below once.
        QSignalBlocker quiet(f_.HScroll1);
        f_.HScroll1->setMaximum(recordCount - 1 < 100 ? 100 : recordCount);
        f_.HScroll1->setValue(recordCount);
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
    f_.ShowFunctionIndicators(f_.labDC);
}

void MainRecordingView::UpdatePanel() {
    f_.UpdatePanel(f_.reading.value, f_.reading.digits);
}

void MainRecordingView::SetLabError(const std::string& text) {
    f_.LabERROR->setText(Latin1(text));
}

void MainRecordingView::UpdateChkdB() {
    const std::string& unit = f_.lcdPanel.LabType;
    f_.ChkdB->setEnabled(unit.find("dB") != std::string::npos || unit.find('V') != std::string::npos);
}

void MainRecordingView::UpdateGraphRange() {
    GraphRangeInput in;
    in.formLoaded = f_.FormLoaded;
    in.reading = &f_.reading;
    in.meter = &f_.meterRange;
    in.stats = &f_.stats;
    in.recordCount = f_.RecordCount();
    in.decibels = f_.ChkdB->isChecked();
    in.dBm = f_.decibels.SelectedOption == 1;
    f_.graphRange.UpdateGraphRange(in);
}

void MainRecordingView::TimersChanged() {
    f_.SyncTimers();
}

std::string MainRecordingView::IntervalMinutesText() const {
    return f_.TextXaxis0;
}

std::string MainRecordingView::IntervalSecondsText() const {
    return f_.TextXaxis1;
}

bool MainRecordingView::StopRecordOnOL() const {
    return f_.chkStop;
}

void MainRecordingView::ScheduleEnded() {
    f_.ScheduleEnded();
}

}  // namespace voltaro
