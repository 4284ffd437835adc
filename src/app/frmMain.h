#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <string>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QStatusBar;
class QFrame;

namespace voltaro {

class ClickableLabel;
class PictureBox;

// The main window: the LCD panel, the trend graph, the alarm and statistics boxes, the command
// buttons with their pop-up menus, and every timer of the program. It holds no rule of its own;
// it turns its events into calls of the core and shows what the core reports.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Twips per pixel of the design (96 dots per inch).
    static constexpr int kTwipsPerPixel = 15;
    // Twips above the controls that the window's Height counts and the proportional layout keeps
    // unscaled (title bar and menu of the design).
    static constexpr int kTopOffsetTwips = 690;
    // The design size of the client area, in twips.
    static constexpr int kDesignWidthTwips = 9570;
    static constexpr int kDesignHeightTwips = 7620;

    // --- controls, under the names the rest of the program uses ---
    QGroupBox* Frame3 = nullptr;  // "READING-DIGITAL DISPLAY"
    std::array<PictureBox*, 4> Picture1{};
    QLabel* LabType0 = nullptr;
    QLabel* LabVolts = nullptr;
    QLabel* LabType = nullptr;
    QLabel* labDC = nullptr;
    QLabel* labAUTO = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* labRs232 = nullptr;
    QLabel* LabERROR = nullptr;
    PictureBox* PicPro = nullptr;
    std::array<QLabel*, 4> LabStatTitle{};  // "MAX", "MIN", "AVG", "REL" beside the sub-display
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

    PictureBox* PicBox = nullptr;
    QScrollBar* HScroll1 = nullptr;
    std::array<QFrame*, 2> Picture2{};
    std::array<QLabel*, 6> Label1{};

    QScrollBar* VScroll1 = nullptr;
    QLineEdit* TxtCOM = nullptr;
    QLabel* labPortDevice = nullptr;  // the device behind the port number

    QPushButton* CmdFile = nullptr;
    QPushButton* Setup = nullptr;
    QPushButton* CmdHelp = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 3> StatusPanel{};  // panels 1 to 3; panel 3 shows the serial input
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

    // The pixel rectangle of a design rectangle given in twips.
    static QRect FromTwips(int left, int top, int width, int height);

private:
    void BuildPanel();
    void BuildCommands();
    void BuildGraph();
    void BuildMenus();
    void SetDesignTimers();
};

}  // namespace voltaro
