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
        for (int i = 1; i <= 6; ++i) mfilelist[i] = Find<QAction>(w, "mfilelist", i);
        // The separator above the recent files has no name: it is the entry before them.
        const QList<QAction*> entries = mfile->actions();
        mfilelist[0] = entries.at(entries.indexOf(mfilelist[1]) - 1);
        for (int i = 0; i < 3; ++i) {
            mAlarmS[i] = Find<QAction>(w, "mAlarmS", i);
            StatusPanel[i] = Find<QLabel>(w, ("StatusPanel" + std::to_string(i + 1)).c_str());
        }
    }
    MainWindow& window;
    MainWindowProbe probe;
    LcdPanelWidget& panel = probe.panel();
    TrendGraphView& graph = probe.graph();
    DialogHost& dialogs = probe.dialogs();
    LcdPanelWidget* Frame3 = &panel;
    std::array<PictureBox*, 4>& Picture1 = panel.Picture1;
    std::array<QLabel*, 4>& Label2 = panel.Label2;
    TrendGraphView* PicBox = &graph;
    std::array<QFrame*, 2>& Picture2 = graph.Picture2;

    template <typename T>
    T* Get(const char* name) {
        return Find<T>(window, name);
    }
    QPushButton *cmdStart = Get<QPushButton>("cmdStart"), *cmdStop = Get<QPushButton>("cmdStop"),
                *cmdAuto = Get<QPushButton>("cmdAuto"), *cmdAlarmStop = Get<QPushButton>("cmdAlarmStop");
    QCheckBox *chkAuto = Get<QCheckBox>("chkAuto"), *Check1 = Get<QCheckBox>("Check1"),
              *OptAlarmHi = Get<QCheckBox>("OptAlarmHi"), *OptAlarmLo = Get<QCheckBox>("OptAlarmLo"),
              *ChkREL = Get<QCheckBox>("ChkREL"), *chkMIN = Get<QCheckBox>("chkMIN"),
              *chkMAX = Get<QCheckBox>("chkMAX"), *ChkAVG = Get<QCheckBox>("ChkAVG"),
              *ChkdB = Get<QCheckBox>("ChkdB");
    QLineEdit *TextAlarmHI = Get<QLineEdit>("TextAlarmHI"), *TextAlarmLO = Get<QLineEdit>("TextAlarmLO"),
              *TxtCOM = Get<QLineEdit>("TxtCOM");
    QLabel *labRs232 = Get<QLabel>("labRs232"), *labBcntx = Get<QLabel>("labBcntx"),
           *LabType = Get<QLabel>("LabType"), *LabERROR = Get<QLabel>("LabERROR"),
           *LabSH = Get<QLabel>("LabSH");
    std::array<QLabel*, 3> StatusPanel{};
    ClickableLabel *StatusNotice = Get<ClickableLabel>("StatusNotice"),
                   *Image1 = Get<ClickableLabel>("Image1");
    QScrollBar *VScroll1 = Get<QScrollBar>("VScroll1"), *HScroll1 = Get<QScrollBar>("HScroll1");
    QGroupBox* Frame1 = Get<QGroupBox>("Frame1");
    QMenu *mfile = Get<QMenu>("mfile"), *mSetup = Get<QMenu>("mSetup"), *MHelp = Get<QMenu>("MHelp"),
          *mAlarmSignals = Get<QMenu>("mAlarmSignals");
    QAction *mNew = Get<QAction>("mNew"), *mOpen = Get<QAction>("mOpen"), *mClose = Get<QAction>("mClose"),
            *mImport = Get<QAction>("mImport"), *mExport = Get<QAction>("mExport"),
            *mSave = Get<QAction>("mSave"), *mSaveAs = Get<QAction>("mSaveAs"),
            *mPrintScreen = Get<QAction>("mPrintScreen"), *mPrintGraph = Get<QAction>("mPrintGraph"),
            *mPrtReport = Get<QAction>("mPrtReport"), *mDeleteFile = Get<QAction>("mDeleteFile"),
            *mExit = Get<QAction>("mExit"), *mComm = Get<QAction>("mComm"),
            *mScaling = Get<QAction>("mScaling"), *mDateTime = Get<QAction>("mDateTime"),
            *mSeledec = Get<QAction>("mSeledec"), *mAutoSave = Get<QAction>("mAutoSave"),
            *mContents = Get<QAction>("mContents"), *mAbout = Get<QAction>("mAbout"),
            *mDbTest = Get<QAction>("mDbTest");
    std::array<QAction*, 7> mfilelist{};
    std::array<QAction*, 3> mAlarmS{};

    QTimer &TimerDMM = probe.Timer("TimerDMM"), &MainTimer = probe.Timer("MainTimer"),
           &TimerOut = probe.Timer("TimerOut"), &TimerRs232 = probe.Timer("TimerRs232"),
           &Timer3 = probe.Timer("Timer3"), &TimerAutoSave = probe.Timer("TimerAutoSave"),
           &TimerAlarmFlash = probe.Timer("TimerAlarmFlash"), &AlarmTimer = probe.Timer("AlarmTimer"),
           &Timer1 = probe.Timer("Timer1"), &commTestPoll = probe.Timer("commTestPoll");

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
        if (!form->Form_Load()) return false;
        form->show();
        return true;
    }
    ScriptedSerialPort& MainPort() { return *ports.at(0); }

    // The meter sends `frame` (nine characters) steadily over two acquisition ticks: the
    // reader has accepted it by the second, whatever it held before.
    void Receive(const std::string& frame) {
        for (int i = 0; i < 2; ++i) {
            MainPort().Feed(frame + "\r\n" + frame + "\r\n");
            Fire(w->TimerDMM);
        }
    }
    // One second of the recording clock.
    void Second() {
        clock.AddSecs(1);
        Fire(w->MainTimer);
    }
    // Loads, shows and opens the port as two seconds after start.
    bool StartWithPort() {
        if (!Start()) return false;
        Fire(w->Timer3);
        return true;
    }
};

}  // namespace voltaro
