#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

#include "ui/widgets/Icons.h"
#include "ui/widgets/PictureBox.h"
#include "ui/main/LcdPanelWidget.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TrendGraphView.h"

namespace voltaro {

void MainWindow::BuildPanel() {
    Frame3 = new LcdPanelWidget(this);
    LabVolts = Frame3->LabVolts;
    LabType = Frame3->LabType;
    labDC = Frame3->labDC;
    labAUTO = Frame3->labAUTO;
    Image2 = Frame3->Image2;
    labRs232 = Frame3->labRs232;
    LabERROR = Frame3->LabERROR;
    Label2 = Frame3->Label2;
    Label3 = Frame3->Label3;
}

void MainWindow::BuildCommands() {
    cmdStart = Place(new QPushButton(QStringLiteral("START"), this), "cmdStart", 5820, 120, 1140, 450, 10,
                     kSansFace, true);
    cmdStop = Place(new QPushButton(QStringLiteral("STOP"), this), "cmdStop", 7020, 120, 1140, 450, 10,
                    kSansFace, true);
    cmdStop->setEnabled(false);
    Check1 = Place(new QCheckBox(QStringLiteral("Test"), this), "Check1", 8280, 195, 900, 300, 8);
    Check1->setVisible(false);
    cmdAuto = Place(new QPushButton(QStringLiteral("Auto Setup"), this), "cmdAuto", 5820, 630, 1140, 330, 8);
    chkAuto =
        Place(new QCheckBox(QStringLiteral("AUTO Start/STOP"), this), "chkAuto", 7020, 645, 2400, 300, 8);
    chkAuto->setEnabled(false);

    Frame1 = Place(new QGroupBox(QStringLiteral("ALARM LIMITS"), this), "Frame1", 5820, 1020, 1920, 1380, 8,
                   kSansFace, true);
    OptAlarmHi = Place(new QCheckBox(QStringLiteral("HI"), Frame1), "OptAlarmHi", 120, 285, 660, 270, 8,
                       kSansFace, true);
    TextAlarmHI = Place(new QLineEdit(Frame1), "TextAlarmHI", 780, 270, 1020, 300, 8);
    OptAlarmLo = Place(new QCheckBox(QStringLiteral("LO"), Frame1), "OptAlarmLo", 120, 645, 660, 270, 8,
                       kSansFace, true);
    TextAlarmLO = Place(new QLineEdit(Frame1), "TextAlarmLO", 780, 630, 1020, 300, 8);
    cmdAlarmStop = Place(new QPushButton(QStringLiteral("Stop Alarm Tone"), Frame1), "cmdAlarmStop", 120, 990,
                         1680, 300, 8);
    cmdAlarmStop->setVisible(false);

    Frame2 = Place(new QGroupBox(this), "Frame2", 7800, 1020, 1710, 1380, 8, kSansFace, true);
    ChkREL = Place(new QCheckBox(QStringLiteral("REL"), Frame2), "ChkREL", 120, 150, 1500, 225, 8);
    chkMIN = Place(new QCheckBox(QStringLiteral("MIN"), Frame2), "chkMIN", 120, 390, 1500, 225, 8);
    chkMAX = Place(new QCheckBox(QStringLiteral("MAX"), Frame2), "chkMAX", 120, 630, 1500, 225, 8);
    ChkAVG = Place(new QCheckBox(QStringLiteral("AVG"), Frame2), "ChkAVG", 120, 870, 1500, 225, 8);
    ChkdB = Place(new QCheckBox(QStringLiteral("Decibels"), Frame2), "ChkdB", 120, 1110, 1500, 225, 8);
    ChkdB->setEnabled(false);

    VScroll1 = Place(new QScrollBar(Qt::Vertical, this), "VScroll1", 5820, 2445, 255, 360, 8);
    VScroll1->setRange(-8, -1);
    VScroll1->setPageStep(1);
    TxtCOM = Place(new QLineEdit(this), "TxtCOM", 6120, 2475, 780, 300, 8, kSansFace, true);
    TxtCOM->setReadOnly(true);
    labPortDevice = Place(NewLabel(this), "labPortDevice", 6960, 2490, 1440, 270, 8);

    CmdFile = Place(new QPushButton(QStringLiteral("File"), this), "CmdFile", 5820, 2850, 780, 300, 8);
    Setup = Place(new QPushButton(QStringLiteral("Setup"), this), "Setup", 6660, 2850, 780, 300, 8);
    CmdHelp = Place(new QPushButton(QStringLiteral("Help"), this), "CmdHelp", 7500, 2850, 780, 300, 8);
    Image1 = Place(new ClickableLabel(this), "Image1", 8400, 2430, 1110, 720, 8);
    Image1->setToolTip(QStringLiteral("CommPort Revice Data"));
    Image1->setScaledContents(true);
    Image1->setPixmap(LogoPicture(Image1->size() * 2));
}

void MainWindow::BuildGraph() {
    PicBox = new TrendGraphView(this);
    HScroll1 = PicBox->HScroll1;

    labBcntxTitle = Place(NewLabel(this, "Readings:"), "labBcntxTitle", 60, 7050, 900, 240, 8);
    labBcntx = Place(NewLabel(this), "labBcntx", 960, 7050, 900, 240, 8, kSansFace, true);
    LabSHTitle = Place(NewLabel(this, "Cursor:"), "LabSHTitle", 1980, 7050, 720, 240, 8);
    LabSH = Place(NewLabel(this), "LabSH", 2700, 7050, 900, 240, 8, kSansFace, true);

    // Three sunken panels across the bottom; the third shows the serial input.
    StatusBar1 = Place(new QFrame(this), "StatusBar1", 0, 7320, kDesignWidthTwips, 300, 8);
    const int panelLeft[3] = {0, 2400, 4200};
    const int panelWidth[3] = {2370, 1770, kDesignWidthTwips - 4200};
    for (int i = 0; i < 3; ++i) {
        const std::string name = "StatusPanel" + std::to_string(i + 1);
        StatusPanel[i] = Place(NewLabel(StatusBar1), name.c_str(), panelLeft[i], 0, panelWidth[i], 300, 8);
        StatusPanel[i]->setFrameShape(QFrame::Panel);
        StatusPanel[i]->setFrameShadow(QFrame::Sunken);
        StatusPanel[i]->setIndent(3);
    }
    // A notice that needs no answer covers the panels until it is clicked.
    StatusNotice = Place(new ClickableLabel(StatusBar1), "StatusNotice", 0, 0, kDesignWidthTwips, 300, 8);
    StatusNotice->setFrameShape(QFrame::Panel);
    StatusNotice->setFrameShadow(QFrame::Sunken);
    StatusNotice->setIndent(3);
    StatusNotice->setAutoFillBackground(true);
    StatusNotice->setVisible(false);
}

void MainWindow::BuildMenus() {
    auto add = [](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    mfile = new QMenu(QStringLiteral("File"), this);
    mfile->setObjectName(QStringLiteral("mfile"));
    mNew = add(mfile, "mNew", "New");
    mOpen = add(mfile, "mOpen", "Open");
    mClose = add(mfile, "mClose", "Close");
    mfile->addSeparator();
    mImport = add(mfile, "mImport", "Import Readings");
    mExport = add(mfile, "mExport", "Export Readings");
    mfile->addSeparator();
    mSave = add(mfile, "mSave", "Save");
    mSaveAs = add(mfile, "mSaveAs", "Save as ...");
    mfile->addSeparator();
    mPrintScreen = add(mfile, "mPrintScreen", "Print Screen");
    mPrintGraph = add(mfile, "mPrintGraph", "Print Graph");
    mPrtReport = add(mfile, "mPrtReport", "Printer Report");
    mfile->addSeparator();
    mDeleteFile = add(mfile, "mDeleteFile", "Delete File");
    mfilelist[0] = mfile->addSeparator();
    mfilelist[0]->setVisible(false);
    for (int i = 1; i <= 6; ++i) {
        mfilelist[i] = add(mfile, "mfilelist", "");
        mfilelist[i]->setProperty("index", i);
        mfilelist[i]->setVisible(false);
    }
    nd2 = mfile->addSeparator();
    mExit = add(mfile, "mExit", "Exit");

    mSetup = new QMenu(QStringLiteral("Setup"), this);
    mSetup->setObjectName(QStringLiteral("mSetup"));
    mComm = add(mSetup, "mComm", "Communications");
    mScaling = add(mSetup, "mScaling", "Scaling");
    mDateTime = add(mSetup, "mDateTime", "Date/Time");
    mSeledec = add(mSetup, "mSeledec", "Select Decimal ");
    mAlarmSignals = mSetup->addMenu(QStringLiteral("Alarm Signals"));
    mAlarmSignals->setObjectName(QStringLiteral("mAlarmSignals"));
    static const char* const kAlarmSignals[3] = {"Continuous", "5 Second Audible and Flash",
                                                 "no Audible/Flash"};
    for (int i = 0; i < 3; ++i) {
        mAlarmS[i] = add(mAlarmSignals, "mAlarmS", kAlarmSignals[i]);
        mAlarmS[i]->setProperty("index", i);
        mAlarmS[i]->setCheckable(true);
    }
    mAlarmS[0]->setChecked(true);
    mAutoSave = add(mSetup, "mAutoSave", "AutoSave");

    MHelp = new QMenu(QStringLiteral("Help"), this);
    MHelp->setObjectName(QStringLiteral("MHelp"));
    mContents = add(MHelp, "mContents", "Contents");
    mAbout = add(MHelp, "mAbout", "About");
    mDbTest = add(MHelp, "mDbTest", "Db Test");
}

void MainWindow::SetDesignTimers() {
    struct DesignTimer {
        QTimer* timer;
        const char* name;
        int interval;
        bool on;
    };
    const DesignTimer timers[] = {
        {&TimerDMM, "TimerDMM", 1000, false},
        {&MainTimer, "MainTimer", 0, false},
        {&TimerOut, "TimerOut", 30000, false},
        {&TimerRs232, "TimerRs232", 15000, true},
        {&Timer3, "Timer3", 0, false},
        {&TimerAutoSave, "TimerAutoSave", 60000, false},
        {&TimerAlarmFlash, "TimerAlarmFlash", 500, true},
        {&AlarmTimer, "AlarmTimer", 0, false},
        {&Timer1, "Timer1", 0, false},
        {&Timer2, "Timer2", 2000, false},
    };
    for (const DesignTimer& t : timers) {
        t.timer->setObjectName(QString::fromLatin1(t.name));
        t.timer->setInterval(t.interval);
        if (t.on) t.timer->start();
    }
}

}  // namespace voltaro
