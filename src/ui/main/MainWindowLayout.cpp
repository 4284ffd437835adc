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
    readingGroup = new LcdPanelWidget(this);
    prefixLabel = readingGroup->prefixLabel;
    unitLabel = readingGroup->unitLabel;
    couplingLabel = readingGroup->couplingLabel;
    rangeModeLabel = readingGroup->rangeModeLabel;
    functionPicture = readingGroup->functionPicture;
    linkLabel = readingGroup->linkLabel;
    noDataLabel = readingGroup->noDataLabel;
    statValues = readingGroup->statValues;
    statDetails = readingGroup->statDetails;
}

void MainWindow::BuildCommands() {
    startButton = Place(new QPushButton(QStringLiteral("START"), this), "cmdStart", 5820, 120, 1140, 450, 10,
                     kSansFace, true);
    stopButton = Place(new QPushButton(QStringLiteral("STOP"), this), "cmdStop", 7020, 120, 1140, 450, 10,
                    kSansFace, true);
    stopButton->setEnabled(false);
    testModeBox = Place(new QCheckBox(QStringLiteral("Test"), this), "Check1", 8280, 195, 900, 300, 8);
    testModeBox->setVisible(false);
    scheduleButton = Place(new QPushButton(QStringLiteral("Auto Setup"), this), "cmdAuto", 5820, 630, 1140, 330, 8);
    scheduleBox =
        Place(new QCheckBox(QStringLiteral("AUTO Start/STOP"), this), "chkAuto", 7020, 645, 2400, 300, 8);
    scheduleBox->setEnabled(false);

    alarmGroup = Place(new QGroupBox(QStringLiteral("ALARM LIMITS"), this), "Frame1", 5820, 1020, 1920, 1380, 8,
                   kSansFace, true);
    alarmHighBox = Place(new QCheckBox(QStringLiteral("HI"), alarmGroup), "OptAlarmHi", 120, 285, 660, 270, 8,
                       kSansFace, true);
    alarmHighEdit = Place(new QLineEdit(alarmGroup), "TextAlarmHI", 780, 270, 1020, 300, 8);
    alarmLowBox = Place(new QCheckBox(QStringLiteral("LO"), alarmGroup), "OptAlarmLo", 120, 645, 660, 270, 8,
                       kSansFace, true);
    alarmLowEdit = Place(new QLineEdit(alarmGroup), "TextAlarmLO", 780, 630, 1020, 300, 8);
    stopToneButton = Place(new QPushButton(QStringLiteral("Stop Alarm Tone"), alarmGroup), "cmdAlarmStop", 120, 990,
                         1680, 300, 8);
    stopToneButton->setVisible(false);

    statisticsGroup = Place(new QGroupBox(this), "Frame2", 7800, 1020, 1710, 1380, 8, kSansFace, true);
    relBox = Place(new QCheckBox(QStringLiteral("REL"), statisticsGroup), "ChkREL", 120, 150, 1500, 225, 8);
    minBox = Place(new QCheckBox(QStringLiteral("MIN"), statisticsGroup), "chkMIN", 120, 390, 1500, 225, 8);
    maxBox = Place(new QCheckBox(QStringLiteral("MAX"), statisticsGroup), "chkMAX", 120, 630, 1500, 225, 8);
    avgBox = Place(new QCheckBox(QStringLiteral("AVG"), statisticsGroup), "ChkAVG", 120, 870, 1500, 225, 8);
    decibelsBox = Place(new QCheckBox(QStringLiteral("Decibels"), statisticsGroup), "ChkdB", 120, 1110, 1500, 225, 8);
    decibelsBox->setEnabled(false);

    portSpinner = Place(new QScrollBar(Qt::Vertical, this), "VScroll1", 5820, 2445, 255, 360, 8);
    portSpinner->setRange(-8, -1);
    portSpinner->setPageStep(1);
    portEdit = Place(new QLineEdit(this), "TxtCOM", 6120, 2475, 780, 300, 8, kSansFace, true);
    portEdit->setReadOnly(true);
    labPortDevice = Place(NewLabel(this), "labPortDevice", 6960, 2490, 1440, 270, 8);

    fileButton = Place(new QPushButton(QStringLiteral("File"), this), "CmdFile", 5820, 2850, 780, 300, 8);
    Setup = Place(new QPushButton(QStringLiteral("Setup"), this), "Setup", 6660, 2850, 780, 300, 8);
    helpButton = Place(new QPushButton(QStringLiteral("Help"), this), "CmdHelp", 7500, 2850, 780, 300, 8);
    logo = Place(new ClickableLabel(this), "Image1", 8400, 2430, 1110, 720, 8);
    logo->setToolTip(QStringLiteral("CommPort Revice Data"));
    logo->setScaledContents(true);
    logo->setPixmap(LogoPicture(logo->size() * 2));
}

void MainWindow::BuildGraph() {
    graphView = new TrendGraphView(this);
    graphCursor = graphView->graphCursor;

    readingCountTitle = Place(NewLabel(this, "Readings:"), "labBcntxTitle", 60, 7050, 900, 240, 8);
    readingCountLabel = Place(NewLabel(this), "labBcntx", 960, 7050, 900, 240, 8, kSansFace, true);
    cursorTitle = Place(NewLabel(this, "Cursor:"), "LabSHTitle", 1980, 7050, 720, 240, 8);
    cursorLabel = Place(NewLabel(this), "LabSH", 2700, 7050, 900, 240, 8, kSansFace, true);

    // Three sunken panels across the bottom; the third shows the serial input.
    statusBar = Place(new QFrame(this), "StatusBar1", 0, 7320, kDesignWidthTwips, 300, 8);
    const int panelLeft[3] = {0, 2400, 4200};
    const int panelWidth[3] = {2370, 1770, kDesignWidthTwips - 4200};
    for (int i = 0; i < 3; ++i) {
        const std::string name = "StatusPanel" + std::to_string(i + 1);
        statusPanels[i] = Place(NewLabel(statusBar), name.c_str(), panelLeft[i], 0, panelWidth[i], 300, 8);
        statusPanels[i]->setFrameShape(QFrame::Panel);
        statusPanels[i]->setFrameShadow(QFrame::Sunken);
        statusPanels[i]->setIndent(3);
    }
    // A notice that needs no answer covers the panels until it is clicked.
    statusNotice = Place(new ClickableLabel(statusBar), "StatusNotice", 0, 0, kDesignWidthTwips, 300, 8);
    statusNotice->setFrameShape(QFrame::Panel);
    statusNotice->setFrameShadow(QFrame::Sunken);
    statusNotice->setIndent(3);
    statusNotice->setAutoFillBackground(true);
    statusNotice->setVisible(false);
}

void MainWindow::BuildMenus() {
    auto add = [](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    fileMenu = new QMenu(QStringLiteral("File"), this);
    fileMenu->setObjectName(QStringLiteral("mfile"));
    newAction = add(fileMenu, "mNew", "New");
    openAction = add(fileMenu, "mOpen", "Open");
    closeAction = add(fileMenu, "mClose", "Close");
    fileMenu->addSeparator();
    importAction = add(fileMenu, "mImport", "Import Readings");
    exportAction = add(fileMenu, "mExport", "Export Readings");
    exportForAnalysisAction = add(fileMenu, "mExportForAnalysis", "Export for Analysis...");
    fileMenu->addSeparator();
    saveAction = add(fileMenu, "mSave", "Save");
    saveAsAction = add(fileMenu, "mSaveAs", "Save as ...");
    fileMenu->addSeparator();
    printScreenAction = add(fileMenu, "mPrintScreen", "Print Screen");
    printGraphAction = add(fileMenu, "mPrintGraph", "Print Graph");
    printReportAction = add(fileMenu, "mPrtReport", "Printer Report");
    fileMenu->addSeparator();
    deleteFileAction = add(fileMenu, "mDeleteFile", "Delete File");
    recentFileActions[0] = fileMenu->addSeparator();
    recentFileActions[0]->setVisible(false);
    for (int i = 1; i <= 6; ++i) {
        recentFileActions[i] = add(fileMenu, "mfilelist", "");
        recentFileActions[i]->setProperty("index", i);
        recentFileActions[i]->setVisible(false);
    }
    exitSeparator = fileMenu->addSeparator();
    exitAction = add(fileMenu, "mExit", "Exit");

    setupMenu = new QMenu(QStringLiteral("Setup"), this);
    setupMenu->setObjectName(QStringLiteral("mSetup"));
    serialSetupAction = add(setupMenu, "mComm", "Communications");
    scalingAction = add(setupMenu, "mScaling", "Scaling");
    dateTimeAction = add(setupMenu, "mDateTime", "Date/Time");
    separatorAction = add(setupMenu, "mSeledec", "Select Decimal ");
    alarmSignalsMenu = setupMenu->addMenu(QStringLiteral("Alarm Signals"));
    alarmSignalsMenu->setObjectName(QStringLiteral("mAlarmSignals"));
    static const char* const kAlarmSignals[3] = {"Continuous", "5 Second Audible and Flash",
                                                 "no Audible/Flash"};
    for (int i = 0; i < 3; ++i) {
        alarmSignalActions[i] = add(alarmSignalsMenu, "mAlarmS", kAlarmSignals[i]);
        alarmSignalActions[i]->setProperty("index", i);
        alarmSignalActions[i]->setCheckable(true);
    }
    alarmSignalActions[0]->setChecked(true);
    autoSaveAction = add(setupMenu, "mAutoSave", "AutoSave");

    helpMenu = new QMenu(QStringLiteral("Help"), this);
    helpMenu->setObjectName(QStringLiteral("MHelp"));
    contentsAction = add(helpMenu, "mContents", "Contents");
    aboutAction = add(helpMenu, "mAbout", "About");
    decibelTableAction = add(helpMenu, "mDbTest", "Db Test");
}

void MainWindow::SetDesignTimers() {
    struct DesignTimer {
        QTimer* timer;
        const char* name;
        int interval;
        bool on;
    };
    const DesignTimer timers[] = {
        {&pollTimer, "TimerDMM", 1000, false},
        {&recordTimer, "MainTimer", 0, false},
        {&noDataWatchdog, "TimerOut", 30000, false},
        {&linkLabelTimer, "TimerRs232", 15000, true},
        {&portOpenDelay, "Timer3", 0, false},
        {&autoSaveTimer, "TimerAutoSave", 60000, false},
        {&alarmFlashTimer, "TimerAlarmFlash", 500, true},
        {&alarmToneTimer, "AlarmTimer", 0, false},
        {&readoutHideTimer, "Timer1", 0, false},
        {&scheduleTimer, "Timer2", 2000, false},
    };
    for (const DesignTimer& t : timers) {
        t.timer->setObjectName(QString::fromLatin1(t.name));
        t.timer->setInterval(t.interval);
        if (t.on) t.timer->start();
    }
}

}  // namespace voltaro
