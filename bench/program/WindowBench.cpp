// The main window's work per recorded reading: the graph is redrawn whole after every row, and
// the panel after every accepted frame.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "base/Beeper.h"
#include "base/Clock.h"
#include "base/FileDialogs.h"
#include "base/Messages.h"
#include "base/SettingsStore.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowProbe.h"
#include "app/MeterSession.h"
#include "link/SerialPort.h"
#include "support/CountingBeeper.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedSerialPort.h"
#include "support/SettableClock.h"

namespace {

using namespace voltaro;

struct Window {
    MemorySettingsStore store;
    ScriptedMessages messages;
    SettableClock clock;
    CountingBeeper beeper;
    ScriptedFileDialogs dialogs;
    QTemporaryDir folder;
    ScriptedSerialPort* port = nullptr;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<MainWindowProbe> probe;

    explicit Window(int rows) {
        ProgramContext ctx;
        ctx.store = &store;
        ctx.messages = &messages;
        ctx.clock = &clock;
        ctx.beeper = &beeper;
        ctx.fileDialogs = &dialogs;
        ctx.makePort = [this](const PortTable&) {
            auto p = std::make_unique<ScriptedSerialPort>();
            if (!port) port = p.get();
            return p;
        };
        ctx.programFolder = folder.path().toStdString();
        form = std::make_unique<MainWindow>(ctx);
        probe = std::make_unique<MainWindowProbe>(*form);
        form->Load();
        form->show();
        QMetaObject::invokeMethod(&probe->Timer("Timer3"), "timeout", Qt::DirectConnection);
        probe->Start();
        for (int i = 0; i < rows; ++i) Receive(i), Second();
    }
    void Receive(int i) {
        char frame[16];
        std::snprintf(frame, sizeof frame, "1%04d;008\r\n", 1000 + (i * 37) % 2000);
        for (int k = 0; k < 2; ++k) {
            port->Feed(std::string(frame) + frame);
            probe->session().acquisition().TimerDMMTick();
        }
    }
    void Second() {
        clock.AddSecs(1);
        probe->session().acquisition().MainTimerTick();
    }
};

void BM_TrendGraphRedraw(benchmark::State& state) {
    Window w(static_cast<int>(state.range(0)));
    for (auto _ : state) w.probe->DrawTrendGraph();
}
BENCHMARK(BM_TrendGraphRedraw)->Arg(1)->Arg(100)->Arg(5000);

void BM_PanelRedraw(benchmark::State& state) {
    Window w(1);
    for (auto _ : state) {
        w.probe->RedrawPanel();
    }
}
BENCHMARK(BM_PanelRedraw);

// One recorded reading: two acquisition ticks, the recording tick with its row, statistics,
// graph and panel.
void BM_RecordOneReading(benchmark::State& state) {
    Window w(100);
    int i = 0;
    for (auto _ : state) {
        w.Receive(i++);
        w.Second();
        if (w.probe->session().recording().store.RecordCount >= 590) {
            state.PauseTiming();
            w.probe->session().recording().store.RecordCount = 100;  // stay clear of the save every 600 rows
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_RecordOneReading);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
