#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "app/AppSettings.h"
#include "app/Layout.h"
#include "app/MeterSession.h"
#include "ui/main/DesignPlacement.h"
#include "ui/main/TrendGraphView.h"
#include "app/ProgramContext.h"
#include "base/IniFile.h"
#include "base/Settings.h"
#include "display/GraphRange.h"
#include "display/LcdPanel.h"
#include "display/TrendGraph.h"
#include "link/FrameReader.h"
#include "link/Reading.h"
#include "link/SerialPort.h"
#include "print/PrintedGraph.h"
#include "recording/Acquisition.h"
#include "recording/Recording.h"
#include "values/Alarms.h"
#include "values/DateTimeFormat.h"
#include "values/Decibels.h"
#include "values/Formatting.h"
#include "values/Separator.h"
#include "values/Statistics.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QDialog;
class QFrame;

namespace voltaro {

class ClickableLabel;
class PictureBox;
class LineMonitorDialog;
class SerialSetupDialog;
class MainAlarmView;
class MainRecordingView;
class ScheduleDialog;
class DeleteFileDialog;
class DialogHost;
class FileCommandsController;
class LcdPanelWidget;
class TrendGraphView;
class MainWindowProbe;
class ProgressDialog;
class DecimalSeparatorDialog;
class PrintGraphDialog;
class ReportWindow;
class Printers;
class GraphScalingDialog;
class DecibelDialog;
class DecibelTableDialog;
class DateTimeFormatDialog;
class AutoSaveDialog;
struct FileDialogRequest;

// The main window: the LCD panel, the trend graph, the alarm and statistics boxes, the command
// buttons with their pop-up menus, and every timer of the program. It lays the parts out, runs
// the timers and wires events to the core; the panel and graph draw themselves, the file
// commands and the dialogs have classes of their own. Tests reach it through MainWindowProbe.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(const ProgramContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The main window's load, in the program's start-up order. False when the program has to end
    // (no serial port can be opened).
    bool Load();
    // After the window is shown: the decimal-separator dialog, unless the user chose not to
    // see it again.
    void ShowStartDialogs();
    // The session ends (a signal to end, the session manager): nobody may be there to answer,
    // so readings not yet in the file go to it without a question, as Save would put them; then
    // the program ends. False when that save failed.
    bool EndSession();
    // The program has ended (Exit, the close box, or no port at start).
    bool IsEnded() const { return Ended; }

    // Twips per pixel of the design (96 dots per inch).
    static constexpr int kTwipsPerPixel = voltaro::kTwipsPerPixel;
    // Twips above the controls that the window's Height counts and the proportional layout keeps
    // unscaled (title bar and menu of the design).
    static constexpr int kTopOffsetTwips = 690;
    // The design size of the client area, in twips.
    static constexpr int kDesignWidthTwips = 9570;
    static constexpr int kDesignHeightTwips = 7620;
    // The pixel rectangle of a design rectangle given in twips.
    static QRect FromTwips(int left, int top, int width, int height) {
        return TwipsToPixels(left, top, width, height);
    }

signals:
    // The program has ended: the event loop is to stop.
    void programEnded();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    friend class MainWindowProbe;
    friend class FileCommandsController;
    friend class DialogHost;
    friend class MainLinkView;
    friend class MainAlarmView;
    friend class MainRecordingView;

    // --- controls, under the names the rest of the program uses ---
    LcdPanelWidget* readingGroup = nullptr;  // the LCD panel, "READING-DIGITAL DISPLAY"
    // The panel's indicators, as the link's and recording's views set them.
    QLabel* prefixLabel = nullptr;
    QLabel* unitLabel = nullptr;
    QLabel* couplingLabel = nullptr;
    QLabel* rangeModeLabel = nullptr;
    QLabel* functionPicture = nullptr;
    QLabel* linkLabel = nullptr;
    QLabel* noDataLabel = nullptr;
    std::array<QLabel*, 4> statValues{};
    std::array<QLabel*, 4> statDetails{};
    QLabel* readingCountTitle = nullptr;
    QLabel* readingCountLabel = nullptr;
    QLabel* cursorTitle = nullptr;
    QLabel* cursorLabel = nullptr;

    QPushButton* startButton = nullptr;
    QPushButton* stopButton = nullptr;
    QPushButton* scheduleButton = nullptr;
    QCheckBox* scheduleBox = nullptr;
    QCheckBox* testModeBox = nullptr;  // "Test", DebugMode only

    QGroupBox* alarmGroup = nullptr;  // "ALARM LIMITS"
    QCheckBox* alarmHighBox = nullptr;
    QLineEdit* alarmHighEdit = nullptr;
    QCheckBox* alarmLowBox = nullptr;
    QLineEdit* alarmLowEdit = nullptr;
    QPushButton* stopToneButton = nullptr;

    QGroupBox* statisticsGroup = nullptr;
    QCheckBox* relBox = nullptr;
    QCheckBox* minBox = nullptr;
    QCheckBox* maxBox = nullptr;
    QCheckBox* avgBox = nullptr;
    QCheckBox* decibelsBox = nullptr;

    TrendGraphView* graphView = nullptr;  // the trend graph, with its read-out boxes and cursor
    QScrollBar* graphCursor = nullptr;    // the graph's cursor

    QScrollBar* portSpinner = nullptr;
    QLineEdit* portEdit = nullptr;
    QLabel* labPortDevice = nullptr;  // the device behind the port number

    QPushButton* fileButton = nullptr;
    QPushButton* Setup = nullptr;
    QPushButton* helpButton = nullptr;
    QFrame* statusBar = nullptr;
    std::array<QLabel*, 3> statusPanels{};  // panels 1 to 3; panel 3 shows the serial input
    ClickableLabel* statusNotice = nullptr;  // over the panels while a notice is shown
    ClickableLabel* logo = nullptr;      // the logo

    // --- menus (shown only as pop-ups of the three buttons) ---
    QMenu* fileMenu = nullptr;
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* closeAction = nullptr;
    QAction* importAction = nullptr;
    QAction* exportAction = nullptr;
    QAction* exportForAnalysisAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* printScreenAction = nullptr;
    QAction* printGraphAction = nullptr;
    QAction* printReportAction = nullptr;
    QAction* deleteFileAction = nullptr;
    std::array<QAction*, 7> recentFileActions{};  // 0 is the separator above the recent files
    QAction* exitSeparator = nullptr;
    QAction* exitAction = nullptr;

    QMenu* setupMenu = nullptr;
    QAction* serialSetupAction = nullptr;
    QAction* scalingAction = nullptr;
    QAction* dateTimeAction = nullptr;
    QAction* separatorAction = nullptr;
    QMenu* alarmSignalsMenu = nullptr;
    std::array<QAction*, 3> alarmSignalActions{};
    QAction* autoSaveAction = nullptr;

    QMenu* helpMenu = nullptr;
    QAction* contentsAction = nullptr;
    QAction* aboutAction = nullptr;
    QAction* decibelTableAction = nullptr;

    // --- timers ---
    QTimer pollTimer;
    QTimer recordTimer;
    QTimer noDataWatchdog;
    QTimer linkLabelTimer;
    QTimer portOpenDelay;
    QTimer autoSaveTimer;
    QTimer alarmFlashTimer;
    QTimer alarmToneTimer;
    QTimer readoutHideTimer;
    QTimer scheduleTimer;

    // --- program state ---
    const ProgramContext ctx;
    const bool DebugMode;
    std::string setupIniPath;
    std::string productTitle;
    bool loaded = false;
    IniFile ini;
    Settings stores;       // "Setup.ini" and the per-user store
    AppSettings settings;  // what LoadSettings read, kept up to date until SaveSettings
    LayoutTable layout;
    std::vector<QWidget*> layoutControls;  // entry i + 1 of the layout table is control i
    DateTimeFormat formats;
    Separator separator;
    Decibels decibels;
    // The meter and its recording, reporting to this window's views; the members that follow
    // it (stats, reading, reader, alarms, recording, acquisition) are its parts.
    std::unique_ptr<SerialPort> meterPort;
    std::unique_ptr<MainAlarmView> alarmView;
    std::unique_ptr<MainRecordingView> recordingView;
    MeterSession session;
    Statistics& stats = session.stats();
    MeterRange meterRange;
    LcdPanel lcdPanel;
    TrendGraph trendGraph;
    GraphRange graphRange;
    // The recording interval and the overload rule of the scaling dialog, as stored.
    std::string intervalMinutesText = "0", intervalSecondsText = "0";
    bool stopOnOverload = false;
    Reading& reading = session.reading();
    SerialLine line;  // PortText and LineSettings of the main window's port
    FrameReader* const reader = &session.reader();
    Alarms* const alarms = &session.alarms();
    Recording* const recording = &session.recording();
    Acquisition* const acquisition = &session.acquisition();
    bool Ended = false;  // the program has ended (Exit, the close box, or no port at start)
    bool rowsRecorded = false;  // a reading was recorded since the table was last reset or read

    // --- the parts and the other windows ---
    FileCommandsController* fileCommands = nullptr;
    DialogHost* dialogs = nullptr;
    // Windows of their own, not children: disabling the main window must leave them working.
    std::unique_ptr<LineMonitorDialog> commTest;
    std::unique_ptr<ProgressDialog> progress;
    std::unique_ptr<ScheduleDialog> autoSetup;
    std::unique_ptr<SerialPort> commTestPort;
    QTimer commTestPoll;
    bool commTestActive = false;  // the line monitor is shown and fed
    // The function picture functionPicture shows (the function mode it was drawn for).
    int functionPictureShown = 0;

    void StartLineMonitor();
    void PollLineMonitor();
    void StopLineMonitor();
    void SetupConfirmed();

    // --- the link's indicators ---
    // Opens `port` for the link; the panel waits for the first frame.
    void OpenLinkPort(SerialPort& port, const SerialLine& portLine);
    // What a feed of the reader did: the serial status panel, the unit label's blink, the
    // live-link label and the line monitor.
    void ShowLinkFeed(const FeedResult& fed);
    void FeedLineMonitor(const FeedResult& fed);
    // The range mode, the function picture and `couplingLabel` after a decode.
    void ShowFunctionIndicators(QLabel* couplingLabel);

    // --- the panel ---
    PanelModes Modes() const;
    // Redraws digits, sign, prefix, unit and bargraph: the value (none before any reading)
    // and the digits ("OL" for an overload).
    void UpdatePanel(std::optional<float> value, const std::string& digits);
    // Paints the cells, labels and bargraph as the panel routines left them.
    void ShowPanel();
    void UpdateStatsDisplay();
    void RefreshCounters();
    int RecordCount() const;

    // --- commands ---
    void StartOrStop();
    void StopClicked();
    // --- printing ---
    void PrintScreen();
    void PrintReport();
    PrintGraphInput PrintInput() const;
    Printers& PrinterSet();
    std::unique_ptr<Printers> ownPrinters;  // when the context gives none

    // --- the start/stop schedule ---
    void ShowSchedule();
    void ScheduleBoxClicked();
    void ScheduleConfirmed();
    // The schedule dialog closed: armed by OK, or cancelled (Cancel, Escape, the close box).
    void ScheduleClosed(bool armed);
    void ScheduleTick();
    // scheduleTimer off and "AUTO Start/STOP" disabled (and cleared); the print entries as before arming.
    void ScheduleOff(bool clear);
    // The schedule found no time left: it is off and its dialog hidden.
    void ScheduleEnded();
    // Before arming: Save as when readings are held, otherwise the new-file dialog.
    void CheckNewFile();
    // True when the user cancelled.
    bool NewFileForSchedule();
    // The print entries' states while a schedule is armed.
    std::optional<std::array<bool, 3>> printBeforeSchedule;
    bool inScheduleTick = false;
    void Exit();
    // A notice that needs no answer: shown across the status bar until clicked, while the
    // recording goes on.
    void ShowNotice(const std::string& text);
    // Saves placement and settings and ends the program.
    void EndProgram(bool saveState);
    // Follows the timers of the acquisition's states.
    void SyncTimers();
    TrendGraphInput GraphInput() const;
    void DrawTrendGraph();
    void GraphCursorMoved(int value);
    void ShowFileCommands();
    void ShowRecentFiles();
    void ChooseAlarmSignal(int index);
    void StatisticsBoxClicked(int row, bool on);
    void RelBoxClicked(bool on);
    void DecibelsBoxClicked(bool on);

    // --- events ---
    void OpenPortAfterDelay();
    void HideLinkLabel();
    void PortSpinnerMoved(int value);
    void LogoClicked();
    void ShowContents();
    // Closes the main window's port and every port number on its control, then opens the
    // configured port again.
    void ReopenMainPort();
    void ShowPortDevice();
    // The port spinner's range and value for the port held.
    void ShowPortSpinner();
    PortTable Ports() const;
    // The window's placement and size in twips; its Height counts the band above the controls.
    Placement CurrentPlacement() const;
    void ApplyPlacement(const Placement& p);
    FormDesign DesignOf() const;
    // Every control in proportion to the window's size, from the design.
    void ApplyLayoutNow();

    void ConnectEvents();
    void BuildCommTest();
    void BuildPanel();
    void BuildCommands();
    void BuildGraph();
    void BuildMenus();
    void SetDesignTimers();
};

}  // namespace voltaro
