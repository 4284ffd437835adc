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
    bool Form_Load();
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
    LcdPanelWidget* Frame3 = nullptr;  // the LCD panel, "READING-DIGITAL DISPLAY"
    // The panel's indicators, as the link's and recording's views set them.
    QLabel* LabVolts = nullptr;
    QLabel* LabType = nullptr;
    QLabel* labDC = nullptr;
    QLabel* labAUTO = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* labRs232 = nullptr;
    QLabel* LabERROR = nullptr;
    std::array<QLabel*, 4> Label2{};
    std::array<QLabel*, 4> Label3{};
    QLabel* labBcntxTitle = nullptr;
    QLabel* labBcntx = nullptr;
    QLabel* LabSHTitle = nullptr;
    QLabel* LabSH = nullptr;

    QPushButton* cmdStart = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdAuto = nullptr;
    QCheckBox* chkAuto = nullptr;
    QCheckBox* Check1 = nullptr;  // "Test", DebugMode only

    QGroupBox* Frame1 = nullptr;  // "ALARM LIMITS"
    QCheckBox* OptAlarmHi = nullptr;
    QLineEdit* TextAlarmHI = nullptr;
    QCheckBox* OptAlarmLo = nullptr;
    QLineEdit* TextAlarmLO = nullptr;
    QPushButton* cmdAlarmStop = nullptr;

    QGroupBox* Frame2 = nullptr;
    QCheckBox* ChkREL = nullptr;
    QCheckBox* chkMIN = nullptr;
    QCheckBox* chkMAX = nullptr;
    QCheckBox* ChkAVG = nullptr;
    QCheckBox* ChkdB = nullptr;

    TrendGraphView* PicBox = nullptr;  // the trend graph, with its read-out boxes and cursor
    QScrollBar* HScroll1 = nullptr;    // the graph's cursor

    QScrollBar* VScroll1 = nullptr;
    QLineEdit* TxtCOM = nullptr;
    QLabel* labPortDevice = nullptr;  // the device behind the port number

    QPushButton* CmdFile = nullptr;
    QPushButton* Setup = nullptr;
    QPushButton* CmdHelp = nullptr;
    QFrame* StatusBar1 = nullptr;
    std::array<QLabel*, 3> StatusPanel{};  // panels 1 to 3; panel 3 shows the serial input
    ClickableLabel* StatusNotice = nullptr;  // over the panels while a notice is shown
    ClickableLabel* Image1 = nullptr;      // the logo

    // --- menus (shown only as pop-ups of the three buttons) ---
    QMenu* mfile = nullptr;
    QAction* mNew = nullptr;
    QAction* mOpen = nullptr;
    QAction* mClose = nullptr;
    QAction* mImport = nullptr;
    QAction* mExport = nullptr;
    QAction* mSave = nullptr;
    QAction* mSaveAs = nullptr;
    QAction* mPrintScreen = nullptr;
    QAction* mPrintGraph = nullptr;
    QAction* mPrtReport = nullptr;
    QAction* mDeleteFile = nullptr;
    std::array<QAction*, 7> mfilelist{};  // 0 is the separator above the recent files
    QAction* nd2 = nullptr;
    QAction* mExit = nullptr;

    QMenu* mSetup = nullptr;
    QAction* mComm = nullptr;
    QAction* mScaling = nullptr;
    QAction* mDateTime = nullptr;
    QAction* mSeledec = nullptr;
    QMenu* mAlarmSignals = nullptr;
    std::array<QAction*, 3> mAlarmS{};
    QAction* mAutoSave = nullptr;

    QMenu* MHelp = nullptr;
    QAction* mContents = nullptr;
    QAction* mAbout = nullptr;
    QAction* mDbTest = nullptr;

    // --- timers ---
    QTimer TimerDMM;
    QTimer MainTimer;
    QTimer TimerOut;
    QTimer TimerRs232;
    QTimer Timer3;
    QTimer TimerAutoSave;
    QTimer TimerAlarmFlash;
    QTimer AlarmTimer;
    QTimer Timer1;
    QTimer Timer2;

    // --- program state ---
    const ProgramContext ctx;
    const bool DebugMode;
    std::string IniPath;
    std::string ProductTitle;
    bool FormLoaded = false;
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
    std::unique_ptr<SerialPort> MSComm;
    std::unique_ptr<MainAlarmView> alarmView;
    std::unique_ptr<MainRecordingView> recordingView;
    MeterSession session;
    Statistics& stats = session.stats();
    MeterRange meterRange;
    LcdPanel lcdPanel;
    TrendGraph trendGraph;
    GraphRange graphRange;
    // The recording interval and the overload rule of the scaling dialog, as stored.
    std::string TextXaxis0 = "0", TextXaxis1 = "0";
    bool chkStop = false;
    Reading& reading = session.reading();
    SerialLine line;  // PortText and LineSettings of the main window's port
    FrameReader* const reader = &session.reader();
    Alarms* const alarms = &session.alarms();
    Recording* const recording = &session.recording();
    Acquisition* const acquisition = &session.acquisition();
    bool Ended = false;  // the program has ended (Exit, the close box, or no port at start)
    bool RowsRecorded = false;  // a reading was recorded since the table was last reset or read

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
    // The function picture Image2 shows (the function mode it was drawn for).
    int functionPictureShown = 0;

    void SetupTestStart();
    void SetupTestPoll();
    void SetupTestStop();
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
    void cmdStart_Click();
    void CmdStop_Click();
    // --- printing ---
    void mPrintScreen_Click();
    void mPrtReport_Click();
    PrintGraphInput PrintInput() const;
    Printers& PrinterSet();
    std::unique_ptr<Printers> ownPrinters;  // when the context gives none

    // --- the start/stop schedule ---
    void cmdAuto_Click();
    void chkAuto_Click();
    void AutoOK();
    // The schedule dialog closed: armed by OK, or cancelled (Cancel, Escape, the close box).
    void AutoClosed(bool armed);
    void AutoTimer2_Timer();
    // Timer2 off and "AUTO Start/STOP" disabled (and cleared); the print entries as before arming.
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
    void mExit_Click();
    // A notice that needs no answer: shown across the status bar until clicked, while the
    // recording goes on.
    void ShowNotice(const std::string& text);
    // Saves placement and settings and ends the program.
    void EndProgram(bool saveState);
    // Follows the timers of the acquisition's states.
    void SyncTimers();
    TrendGraphInput GraphInput() const;
    void DrawTrendGraph();
    void HScroll1_Change(int value);
    void ShowFileCommands();
    void ShowRecentFiles();
    void mAlarmS_Click(int index);
    void StatBox_Click(int row, bool on);
    void ChkREL_Click(bool on);
    void ChkdB_Click(bool on);

    // --- events ---
    void Timer3_Timer();
    void TimerRs232_Timer();
    void VScroll1_Change(int value);
    void Image1_Click();
    void mContents_Click();
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
