#pragma once

#include <QTimer>
#include <string_view>

#include "print/PrintedGraph.h"

namespace voltaro {

class MainWindow;
class DialogHost;
class FileCommandsController;
class LcdPanelWidget;
class TrendGraphView;
class LcdPanel;
class MeterSession;
class LineMonitorDialog;
class ScheduleDialog;
struct AppSettings;

// What the window's tests and benchmarks reach besides the controls, which they find by their
// object names: the timers, the parts and the few states they check. The window keeps all of
// it private; this is the one door, and the program itself never uses it.
class MainWindowProbe {
public:
    explicit MainWindowProbe(MainWindow& window) : w_(window) {}

    // START, as a click on it; the graph and the panel drawn again, the panel in full (for
    // the benchmarks).
    void Start() const;
    void DrawTrendGraph() const;
    void RedrawPanel() const;

    // A timer by its object name ("TimerDMM", "MainTimer", ...).
    QTimer& Timer(std::string_view name) const;

    LcdPanelWidget& panel() const;
    // What the panel shows, as its drawing routines left it.
    const LcdPanel& lcdPanel() const;
    TrendGraphView& graph() const;
    FileCommandsController& fileCommands() const;
    DialogHost& dialogs() const;
    LineMonitorDialog* lineMonitor() const;
    ScheduleDialog* schedule() const;

    // What the printed graph and its preview are drawn from.
    PrintGraphInput printInput() const;
    // The meter, its reading and its recording.
    MeterSession& session() const;
    AppSettings& settings() const;
    // The main window's own serial port is open.
    bool PortOpen() const;

private:
    MainWindow& w_;
};

}  // namespace voltaro
