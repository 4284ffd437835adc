#pragma once

#include <QTemporaryDir>
#include <memory>
#include <set>
#include <vector>

#include "base/Beeper.h"
#include "base/Clock.h"
#include "base/FileDialogs.h"
#include "base/Messages.h"
#include "app/ProgramContext.h"
#include "base/SettingsStore.h"
#include "ui/main/MainWindow.h"
#include "link/SerialPort.h"
#include "support/CountingBeeper.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedSerialPort.h"
#include "support/SettableClock.h"

namespace voltaro {

// One tick of a timer, as if its interval had passed.
inline void Fire(QTimer& timer) {
    QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection);
}

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
        form->recording->dataFolder = folder.filePath("data").toStdString();  // not the user's own
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
            Fire(form->TimerDMM);
        }
    }
    // One second of the recording clock.
    void Second() {
        clock.AddSecs(1);
        Fire(form->MainTimer);
    }
    // Loads, shows and opens the port as two seconds after start.
    bool StartWithPort() {
        if (!Start()) return false;
        Fire(form->Timer3);
        return true;
    }
};

}  // namespace voltaro
