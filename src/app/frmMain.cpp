#include "app/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "app/Icons.h"
#include "app/Messages.h"
#include "app/PictureBox.h"
#include "app/ProgramFolder.h"
#include "app/QtCaption.h"
#include "app/SettingsStore.h"
#include "app/frmAbout0.h"
#include "app/frmMainViews.h"
#include "link/frmCommTest.h"
#include "values/Notation.h"

namespace voltaro {

frmMain::frmMain(const ProgramContext& context, QWidget* parent)
    : QWidget(parent),
      ctx(context),
      DebugMode(context.DebugMode),
      IniPath(JoinPath(context.programFolder, "Setup.ini")),
      ini(IniPath) {
    setObjectName(QStringLiteral("frmMain"));
    resize(FromTwips(0, 0, kDesignWidthTwips, kDesignHeightTwips).size());
    BuildPanel();
    BuildCommands();
    BuildGraph();
    BuildMenus();
    SetDesignTimers();

    linkView = std::make_unique<MainLinkView>(*this);
    decoder = std::make_unique<Decoder>(reading, *linkView);
    reader = std::make_unique<FrameReader>(reading, *decoder, *linkView, *ctx.beeper, *ctx.clock,
                                           TraceNames{ctx.programFolder, ctx.applicationName}, DebugMode);
    MSComm = ctx.makePort(Ports());
    ConnectEvents();
}

frmMain::~frmMain() = default;

PortTable frmMain::Ports() const {
    return PortTable::FromIni(ini);
}

void frmMain::ConnectEvents() {
    // The three menus are only pop-ups of their buttons.
    connect(CmdFile, &QPushButton::clicked, this, [this] { mfile->popup(QCursor::pos()); });
    connect(Setup, &QPushButton::clicked, this, [this] { mSetup->popup(QCursor::pos()); });
    connect(CmdHelp, &QPushButton::clicked, this, [this] { MHelp->popup(QCursor::pos()); });

    connect(&Timer3, &QTimer::timeout, this, &frmMain::Timer3_Timer);
    connect(&TimerRs232, &QTimer::timeout, this, &frmMain::TimerRs232_Timer);
    connect(&Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmMain::VScroll1_Change);
    connect(Image1, &ClickableLabel::clicked, this, &frmMain::Image1_Click);
    connect(mContents, &QAction::triggered, this, &frmMain::mContents_Click);
    connect(mAbout, &QAction::triggered, this, &frmMain::mAbout_Click);
}

namespace {

// The product name of the program's version information; the title shown drops its last six
// characters.
const char* const kProductName = "Voltaro Multimeter Companion (Qt 6)";
constexpr size_t kProductCut = 6;

}  // namespace

bool frmMain::Form_Load() {
    // The stored title is addressed by the executable's name as application, section and key.
    const std::string& app = ctx.applicationName;
    ProductTitle = ctx.store->Get(app, app, app).value_or(kProductName);
    ProductTitle =
        ProductTitle.size() > kProductCut ? ProductTitle.substr(0, ProductTitle.size() - kProductCut) : "";
    Check1->setVisible(DebugMode);
    LabType0->clear();
    FormLoaded = false;

    Timer3.setInterval(2000);
    Timer3.start();
    TimerDMM.setInterval(500);
    TimerDMM.start();
    FormLoaded = true;
    return true;
}

void frmMain::Timer3_Timer() {
    reader->OpenComm(*MSComm, line);
    ShowPortDevice();
    Timer3.stop();
}

void frmMain::TimerRs232_Timer() {
    labRs232->setVisible(false);
}

void frmMain::Timer1_Timer() {
    Picture2[0]->setVisible(false);
    Picture2[1]->setVisible(false);
    Timer1.stop();
}

void frmMain::ShowPortDevice() {
    const int port = static_cast<int>(Val(line.PortText));
    TxtCOM->setText(QStringLiteral("COM") + Latin1(line.PortText));
    labPortDevice->setText(QString::fromStdString(Ports().Device(port)));
    StatusPanel[0]->setText(Latin1(line.LineSettings));
    StatusPanel[1]->setText(MSComm->PortOpen() ? QStringLiteral("Port open") : QStringLiteral("Port closed"));
}

void frmMain::ReopenMainPort() {
    if (MSComm->PortOpen()) MSComm->SetPortOpen(false);
    for (int n = 1; n <= 10; ++n) {
        MSComm->SetCommPort(n);
        if (MSComm->PortOpen()) MSComm->SetPortOpen(false);
    }
    reader->OpenComm(*MSComm, line);
    ShowPortDevice();
}

void frmMain::VScroll1_Change(int value) {
    // Disabled while it re-opens the port, so that a second change cannot start a second re-open.
    if (!VScroll1->isEnabled()) return;
    VScroll1->setEnabled(false);
    line.PortText = std::to_string(value < 0 ? -value : value);
    ReopenMainPort();
    VScroll1->setEnabled(true);
}

void frmMain::BuildCommTest() {
    commTest = new frmCommTest(this);
    commTestPort = ctx.makePort(Ports());
    commTestView = std::make_unique<CommTestLinkView>(*commTest, [this] { return commTestPort->PortOpen(); });
    reader->AttachCommTest(commTestView.get());
    // The test window's own port is polled at the acquisition rate while it is open.
    commTestPoll.setInterval(500);
    connect(&commTestPoll, &QTimer::timeout, this, [this] {
        if (commTestPort->PortOpen()) reader->ReadComm(*commTestPort);
    });
    connect(commTest, &frmCommTest::activated, this, [this] {
        const bool mainOpen = MSComm->PortOpen();
        commTest->cmdStart->setEnabled(!mainOpen);
        commTest->cmdStop->setEnabled(!mainOpen);
    });
    connect(commTest->cmdStart, &QPushButton::clicked, this, [this] {
        if (commTestPort->PortOpen()) return;
        reader->RxBuf.clear();
        commTest->Text1->clear();
        reader->PollCount = 0;
        commTest->cmdStart->setEnabled(false);
        reader->OpenComm(*commTestPort, line);
        commTestPoll.start();
    });
    connect(commTest->cmdStop, &QPushButton::clicked, this, [this] {
        if (commTestPort->PortOpen()) commTestPort->SetPortOpen(false);
        commTestPoll.stop();
        commTest->cmdStart->setEnabled(true);
    });
    connect(commTest->cmdExit, &QPushButton::clicked, commTest, &QWidget::close);
    connect(commTest, &frmCommTest::closing, this, [this] {
        if (commTestPort->PortOpen()) commTestPort->SetPortOpen(false);
        commTestPoll.stop();
        // The window is gone: the reader stops feeding it.
        reader->CommTestActive = false;
        reader->OpenComm(*MSComm, line);
        ShowPortDevice();
    });
}

void frmMain::Image1_Click() {
    if (!commTest) BuildCommTest();
    reader->CommTestActive = true;
    if (MSComm->PortOpen()) MSComm->SetPortOpen(false);
    const int port = static_cast<int>(Val(line.PortText));
    commTest->labPort->setText(
        QStringLiteral("COM%1  %2").arg(port).arg(QString::fromStdString(Ports().Device(port))));
    commTest->show();
    commTest->raise();
}

}  // namespace voltaro

namespace voltaro {

void frmMain::mContents_Click() {
    const std::string help = JoinPath(ctx.programFolder, "DMM-Help.htm");
    if (!ctx.htmlBrowser.empty() && QFileInfo(QString::fromStdString(ctx.htmlBrowser)).isFile()) {
        if (ctx.startProgram) ctx.startProgram(ctx.htmlBrowser, {help});
    } else {
        ctx.messages->ShowMessage("Can'nt Find Htm File Explorer!", "ERROR");
    }
}

void frmMain::mAbout_Click() {
    if (!about) {
        const QString version = AboutVersionText(QString::fromStdString(ctx.executablePath));
        about = new frmAbout0(Latin1(ProductTitle), version, LogoPicture(QSize(96, 48)), this);
    }
    about->show();
    about->raise();
}

}  // namespace voltaro
