#pragma once

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <memory>
#include <set>
#include <vector>

#include "app/ProgramContext.h"
#include "base/Beeper.h"
#include "base/Clock.h"
#include "base/FileDialogs.h"
#include "base/Messages.h"
#include "base/SettingsStore.h"
#include "link/SerialPort.h"
#include "support/CountingBeeper.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedSerialPort.h"
#include "support/SettableClock.h"
#include "ui/main/DialogHost.h"
#include "ui/main/LcdPanelWidget.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowProbe.h"
#include "ui/main/TrendGraphView.h"

namespace voltaro {

// One tick of a timer, as if its interval had passed.
inline void Fire(QTimer& timer) {
    QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection);
}

// A control of the window by its object name, and its "index" where the name is shared.
template <typename T>
T* Find(const QObject& window, const char* name, int index = -1) {
    for (T* c : window.findChildren<T*>(QString::fromLatin1(name)))
        if (index < 0 || c->property("index").toInt() == index) return c;
    ADD_FAILURE() << "no control " << name << " " << index;
    return nullptr;
}

// The main window as its tests reach it: the controls found by their object names, the
// timers and parts through the window's probe.
struct WindowUnderTest {
    explicit WindowUnderTest(MainWindow& w) : window(w), probe(w) {
        for (int i = 1; i <= 6; ++i) recentFileActions[i] = Find<QAction>(w, "mfilelist", i);
        // The separator above the recent files has no name: it is the entry before them.
        const QList<QAction*> entries = fileMenu->actions();
        recentFileActions[0] = entries.at(entries.indexOf(recentFileActions[1]) - 1);
        for (int i = 0; i < 3; ++i) {
            alarmSignalActions[i] = Find<QAction>(w, "mAlarmS", i);
            statusPanels[i] = Find<QLabel>(w, ("StatusPanel" + std::to_string(i + 1)).c_str());
        }
    }
    MainWindow& window;
    MainWindowProbe probe;
    LcdPanelWidget& panel = probe.panel();
    TrendGraphView& graph = probe.graph();
    DialogHost& dialogs = probe.dialogs();
    LcdPanelWidget* readingGroup = &panel;
    std::array<PictureBox*, 4>& digitCells = panel.digitCells;
    std::array<QLabel*, 4>& statValues = panel.statValues;
    TrendGraphView* graphView = &graph;
    std::array<QFrame*, 2>& readoutBoxes = graph.readoutBoxes;

    template <typename T>
    T* Get(const char* name) {
        return Find<T>(window, name);
    }
    QPushButton *startButton = Get<QPushButton>("cmdStart"), *stopButton = Get<QPushButton>("cmdStop"),
                *scheduleButton = Get<QPushButton>("cmdAuto"), *stopToneButton = Get<QPushButton>("cmdAlarmStop");
    QCheckBox *scheduleBox = Get<QCheckBox>("chkAuto"), *testModeBox = Get<QCheckBox>("Check1"),
              *alarmHighBox = Get<QCheckBox>("OptAlarmHi"), *alarmLowBox = Get<QCheckBox>("OptAlarmLo"),
              *relBox = Get<QCheckBox>("ChkREL"), *minBox = Get<QCheckBox>("chkMIN"),
              *maxBox = Get<QCheckBox>("chkMAX"), *avgBox = Get<QCheckBox>("ChkAVG"),
              *decibelsBox = Get<QCheckBox>("ChkdB");
    QLineEdit *alarmHighEdit = Get<QLineEdit>("TextAlarmHI"), *alarmLowEdit = Get<QLineEdit>("TextAlarmLO"),
              *portEdit = Get<QLineEdit>("TxtCOM");
    QLabel *linkLabel = Get<QLabel>("labRs232"), *readingCountLabel = Get<QLabel>("labBcntx"),
           *unitLabel = Get<QLabel>("LabType"), *noDataLabel = Get<QLabel>("LabERROR"),
           *cursorLabel = Get<QLabel>("LabSH");
    std::array<QLabel*, 3> statusPanels{};
    ClickableLabel *statusNotice = Get<ClickableLabel>("StatusNotice"),
                   *logo = Get<ClickableLabel>("Image1");
    QScrollBar *portSpinner = Get<QScrollBar>("VScroll1"), *graphCursor = Get<QScrollBar>("HScroll1");
    QGroupBox* alarmGroup = Get<QGroupBox>("Frame1");
    QMenu *fileMenu = Get<QMenu>("mfile"), *setupMenu = Get<QMenu>("mSetup"), *helpMenu = Get<QMenu>("MHelp"),
          *alarmSignalsMenu = Get<QMenu>("mAlarmSignals");
    QAction *newAction = Get<QAction>("mNew"), *openAction = Get<QAction>("mOpen"), *closeAction = Get<QAction>("mClose"),
            *importAction = Get<QAction>("mImport"), *exportAction = Get<QAction>("mExport"),
            *saveAction = Get<QAction>("mSave"), *saveAsAction = Get<QAction>("mSaveAs"),
            *printScreenAction = Get<QAction>("mPrintScreen"), *printGraphAction = Get<QAction>("mPrintGraph"),
            *printReportAction = Get<QAction>("mPrtReport"), *deleteFileAction = Get<QAction>("mDeleteFile"),
            *exitAction = Get<QAction>("mExit"), *serialSetupAction = Get<QAction>("mComm"),
            *scalingAction = Get<QAction>("mScaling"), *dateTimeAction = Get<QAction>("mDateTime"),
            *separatorAction = Get<QAction>("mSeledec"), *autoSaveAction = Get<QAction>("mAutoSave"),
            *contentsAction = Get<QAction>("mContents"), *aboutAction = Get<QAction>("mAbout"),
            *decibelTableAction = Get<QAction>("mDbTest");
    std::array<QAction*, 7> recentFileActions{};
    std::array<QAction*, 3> alarmSignalActions{};

    QTimer &pollTimer = probe.Timer("TimerDMM"), &recordTimer = probe.Timer("MainTimer"),
           &noDataWatchdog = probe.Timer("TimerOut"), &linkLabelTimer = probe.Timer("TimerRs232"),
           &portOpenDelay = probe.Timer("Timer3"), &autoSaveTimer = probe.Timer("TimerAutoSave"),
           &alarmFlashTimer = probe.Timer("TimerAlarmFlash"), &alarmToneTimer = probe.Timer("AlarmTimer"),
           &readoutHideTimer = probe.Timer("Timer1"), &commTestPoll = probe.Timer("commTestPoll");

    Recording* recording = &probe.session().recording();
    Acquisition* acquisition = &probe.session().acquisition();
    Alarms* alarms = &probe.session().alarms();
    AppSettings& settings = probe.settings();
    int RecordCount() const { return recording->store.RecordCount; }
};

// A main window over test doubles: an in-memory settings store, scripted message boxes and file
// dialogs, a settable clock, counted beeps and scripted serial ports, in a folder of its own.
struct ProgramHarness {
    MemorySettingsStore store;
    ScriptedMessages messages;
    SettableClock clock;
    CountingBeeper beeper;
    ScriptedFileDialogs dialogs;
    QTemporaryDir folder;
    // Port numbers that open on every serial control; all when empty.
    std::set<int> openable;
    // Every serial control the program made, in order: [0] is the main window's.
    std::vector<ScriptedSerialPort*> ports;
    ProgramContext ctx;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<WindowUnderTest> w;  // the window as the tests reach it

    explicit ProgramHarness(bool debugMode = false) {
        ctx.store = &store;
        ctx.messages = &messages;
        ctx.clock = &clock;
        ctx.beeper = &beeper;
        ctx.fileDialogs = &dialogs;
        ctx.makePort = [this](const PortTable&) {
            auto port = std::make_unique<ScriptedSerialPort>();
            port->openable = openable;
            ports.push_back(port.get());
            return port;
        };
        ctx.programFolder = folder.path().toStdString();
        ctx.applicationName = "voltaro";
        ctx.DebugMode = debugMode;
    }

    MainWindow& Make() {
        form = std::make_unique<MainWindow>(ctx);
        w = std::make_unique<WindowUnderTest>(*form);
        w->recording->dataFolder = folder.filePath("data").toStdString();  // not the user's own
        return *form;
    }
    // Makes, loads and shows the window as the program does; false when the program would end.
    bool Start() {
        Make();
        if (!form->Load()) return false;
        form->show();
        return true;
    }
    ScriptedSerialPort& MainPort() { return *ports.at(0); }

    // The meter sends `frame` (nine characters) steadily over two acquisition ticks: the
    // reader has accepted it by the second, whatever it held before.
    void Receive(const std::string& frame) {
        for (int i = 0; i < 2; ++i) {
            MainPort().Feed(frame + "\r\n" + frame + "\r\n");
            Fire(w->pollTimer);
        }
    }
    // One second of the recording clock.
    void Second() {
        clock.AddSecs(1);
        Fire(w->recordTimer);
    }
    // Loads, shows and opens the port as two seconds after start.
    bool StartWithPort() {
        if (!Start()) return false;
        Fire(w->portOpenDelay);
        return true;
    }
};

}  // namespace voltaro
