#include "app/frmMainViews.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/Icons.h"
#include "app/frmMain.h"
#include "link/frmCommTest.h"

namespace voltaro {

MainLinkView::MainLinkView(frmMain& form) : f_(form), labDC_(form.labDC) {}

bool MainLinkView::TestChecked() const {
    return f_.Check1->isChecked();
}

void MainLinkView::ShowStatusPanel3(const std::string& text) {
    f_.StatusPanel[2]->setText(Latin1(text));
}

void MainLinkView::ToggleLabTypeVisible() {
    f_.LabType->setVisible(f_.LabType->isHidden());
}

void MainLinkView::SetLabType(const std::string& text) {
    f_.LabType->setText(Latin1(text));
}

void MainLinkView::SetLabVolts(const std::string& text) {
    f_.LabVolts->setText(Latin1(text));
}

void MainLinkView::SetLabRs232Visible(bool visible) {
    f_.labRs232->setVisible(visible);
}

void MainLinkView::RestartTimerRs232() {
    f_.TimerRs232.start();
}

void MainLinkView::DisableTimerOut() {
    f_.TimerOut.stop();
}

void MainLinkView::SetLabAuto(const std::string& text) {
    f_.labAUTO->setText(Latin1(text));
}

void MainLinkView::ShowFunctionPicture(int number) {
    f_.Image2->setPixmap(FunctionPicture(number, f_.Image2->size()));
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

CommTestLinkView::CommTestLinkView(frmCommTest& window, std::function<bool()> ownPortOpen)
    : w_(window), labDC_(window.labDC), ownPortOpen_(std::move(ownPortOpen)) {}

void CommTestLinkView::SetLabCount(const std::string& text) {
    w_.labCount[0]->setText(Latin1(text));
}

void CommTestLinkView::SetDigitsLabel(const std::string& text) {
    w_.labDigits->setText(Latin1(text));
}

std::string CommTestLinkView::Text1() const {
    return Latin1(w_.Text1->toPlainText());
}

void CommTestLinkView::SetText1(const std::string& text) {
    // CR LF of the frames show as line breaks; the text keeps them as they came.
    w_.Text1->setPlainText(Latin1(text));
}

void CommTestLinkView::SetLabText(const std::string& text) {
    w_.labText->setText(Latin1(text));
}

}  // namespace voltaro
