#include "ui/main/MainWindowProbe.h"

#include "ui/main/MainWindow.h"

namespace voltaro {

QTimer& MainWindowProbe::Timer(std::string_view name) const {
    for (QTimer* t :
         {&w_.pollTimer, &w_.recordTimer, &w_.noDataWatchdog, &w_.linkLabelTimer, &w_.portOpenDelay, &w_.autoSaveTimer,
          &w_.alarmFlashTimer, &w_.alarmToneTimer, &w_.readoutHideTimer, &w_.scheduleTimer, &w_.commTestPoll})
        if (t->objectName().toStdString() == name) return *t;
    // The line monitor's poll has no name of its own.
    if (name == "commTestPoll") return w_.commTestPoll;
    qFatal("the main window has no timer %.*s", static_cast<int>(name.size()), name.data());
}

void MainWindowProbe::Start() const {
    w_.StartOrStop();
}

void MainWindowProbe::DrawTrendGraph() const {
    w_.DrawTrendGraph();
}

void MainWindowProbe::RedrawPanel() const {
    w_.lcdPanel.LastDigitText = "9999";  // drawn even when the digits did not change
    w_.UpdatePanel(w_.reading.value, w_.reading.digits);
}

LcdPanelWidget& MainWindowProbe::panel() const {
    return *w_.readingGroup;
}
const LcdPanel& MainWindowProbe::lcdPanel() const {
    return w_.lcdPanel;
}
TrendGraphView& MainWindowProbe::graph() const {
    return *w_.graphView;
}
FileCommandsController& MainWindowProbe::fileCommands() const {
    return *w_.fileCommands;
}
DialogHost& MainWindowProbe::dialogs() const {
    return *w_.dialogs;
}
LineMonitorDialog* MainWindowProbe::lineMonitor() const {
    return w_.commTest.get();
}
ScheduleDialog* MainWindowProbe::schedule() const {
    return w_.autoSetup.get();
}
PrintGraphInput MainWindowProbe::printInput() const {
    return w_.PrintInput();
}
MeterSession& MainWindowProbe::session() const {
    return w_.session;
}
bool MainWindowProbe::PortOpen() const {
    return w_.meterPort->PortOpen();
}
AppSettings& MainWindowProbe::settings() const {
    return w_.settings;
}

}  // namespace voltaro
