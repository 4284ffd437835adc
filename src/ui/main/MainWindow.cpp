#include "ui/main/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>

#include "base/FileDialogs.h"
#include "ui/widgets/Icons.h"
#include "base/Messages.h"
#include "ui/widgets/PictureBox.h"
#include "base/ProgramFolder.h"
#include "ui/widgets/LabelCaption.h"
#include "base/SettingsStore.h"
#include "ui/main/DialogHost.h"
#include "ui/main/FileCommandsController.h"
#include "ui/main/LcdPanelWidget.h"
#include "ui/main/TrendGraphView.h"
#include "ui/main/MainWindowViews.h"
#include "ui/main/DecimalSeparatorDialog.h"
#include "ui/display/GraphScalingDialog.h"
#include "ui/link/LineMonitorDialog.h"
#include "ui/link/SerialSetupDialog.h"
#include "print/Printers.h"
#include "ui/print/PrintGraphDialog.h"
#include "ui/print/ReportWindow.h"
#include "app/FileCommands.h"
#include "recording/FileNames.h"
#include "ui/recording/ScheduleDialog.h"
#include "ui/recording/AutoSaveDialog.h"
#include "ui/recording/DeleteFileDialog.h"
#include "ui/recording/ProgressDialog.h"
#include "base/Notation.h"
#include "ui/values/DateTimeFormatDialog.h"
#include "ui/values/DecibelDialog.h"

namespace voltaro {

namespace {

constexpr int kTwips = MainWindow::kTwipsPerPixel;

// A recording saved into the data folder because its own folder could not take it: said
// again on the way out, so that it is found.
void SayWhereRecordingWent(const Recording& recording, MessageSeam& messages) {
    if (const std::string moved = recording.MovedNotice(); !moved.empty())
        messages.ShowMessage(moved, MessageKind::Info);
}

}  // namespace

MainWindow::MainWindow(const ProgramContext& context, QWidget* parent)
    : QWidget(parent),
      ctx(context),
      DebugMode(context.DebugMode),
      setupIniPath(JoinPath(context.programFolder, "Setup.ini")),
      ini(setupIniPath),
      stores(*context.store, ini, context.applicationName),
      meterPort(context.makePort(Ports())),
      alarmView(std::make_unique<MainAlarmView>(*this)),
      recordingView(std::make_unique<MainRecordingView>(*this)),
      session(SessionSeams{*meterPort, *context.clock, *context.beeper, *context.messages, *recordingView,
                           *alarmView, formats, separator, context.programFolder, context.applicationName,
                           DebugMode}) {
    setObjectName(QStringLiteral("frmMain"));
    resize(FromTwips(0, 0, kDesignWidthTwips, kDesignHeightTwips).size());
    BuildPanel();
    BuildCommands();
    BuildGraph();
    BuildMenus();
    SetDesignTimers();
    fileCommands = new FileCommandsController(*this);
    dialogs = new DialogHost(*this);

    // A reset empties the decibel reference and puts the meter and graph ranges back.
    recording->decibels = &decibels;
    recording->meterRange = &meterRange;
    ShowFileCommands();
    ConnectEvents();
}

MainWindow::~MainWindow() {
    // The parts' dialogs go while the state their signals reach is still here; the file
    // commands' dialog closes into the dialog host, so they go first.
    delete fileCommands;
    delete dialogs;
}

PortTable MainWindow::Ports() const {
    return PortTable::FromIni(ini);
}

void MainWindow::ConnectEvents() {
    // The three menus are only pop-ups of their buttons.
    connect(fileButton, &QPushButton::clicked, this, [this] { fileMenu->popup(QCursor::pos()); });
    connect(Setup, &QPushButton::clicked, this, [this] { setupMenu->popup(QCursor::pos()); });
    connect(helpButton, &QPushButton::clicked, this, [this] { helpMenu->popup(QCursor::pos()); });

    connect(&portOpenDelay, &QTimer::timeout, this, &MainWindow::OpenPortAfterDelay);
    connect(&linkLabelTimer, &QTimer::timeout, this, &MainWindow::HideLinkLabel);
    connect(&readoutHideTimer, &QTimer::timeout, this, [this] {
        graphView->HideReadout();
        readoutHideTimer.stop();
    });
    connect(portSpinner, &QScrollBar::valueChanged, this, &MainWindow::PortSpinnerMoved);
    connect(logo, &ClickableLabel::clicked, this, &MainWindow::LogoClicked);
    connect(statusNotice, &ClickableLabel::clicked, statusNotice, &QWidget::hide);
    connect(contentsAction, &QAction::triggered, this, &MainWindow::ShowContents);
    dialogs->Connect();

    connect(&pollTimer, &QTimer::timeout, this, [this] { acquisition->TimerDMMTick(testModeBox->isChecked()); });
    connect(&recordTimer, &QTimer::timeout, this, [this] { acquisition->MainTimerTick(); });
    connect(&noDataWatchdog, &QTimer::timeout, this, [this] {
        acquisition->TimerOutTick();
        SyncTimers();
    });
    connect(&autoSaveTimer, &QTimer::timeout, this, [this] { acquisition->TimerAutoSaveTick(); });
    connect(&alarmFlashTimer, &QTimer::timeout, this, [this] { alarms->TimerAlarmFlashTick(); });
    connect(&alarmToneTimer, &QTimer::timeout, this, [this] { alarms->AlarmTimerTick(); });
    connect(startButton, &QPushButton::clicked, this, &MainWindow::StartOrStop);
    connect(stopButton, &QPushButton::clicked, this, &MainWindow::StopClicked);
    connect(scheduleButton, &QPushButton::clicked, this, &MainWindow::ShowSchedule);
    connect(scheduleBox, &QCheckBox::clicked, this, &MainWindow::ScheduleBoxClicked);
    connect(testModeBox, &QCheckBox::clicked, this, [this] { pollTimer.setInterval(50); });
    fileCommands->Connect();
    connect(printScreenAction, &QAction::triggered, this, &MainWindow::PrintScreen);
    connect(printReportAction, &QAction::triggered, this, &MainWindow::PrintReport);
    connect(exitAction, &QAction::triggered, this, &MainWindow::Exit);
    connect(graphCursor, &QScrollBar::valueChanged, this, &MainWindow::GraphCursorMoved);

    connect(alarmHighBox, &QCheckBox::clicked, this, [this](bool on) {
        alarms->OptAlarmHi = on;
        alarms->OptAlarmHi_Click(on);
    });
    connect(alarmLowBox, &QCheckBox::clicked, this, [this](bool on) {
        alarms->OptAlarmLo = on;
        alarms->OptAlarmLo_Click(on);
    });
    connect(alarmHighEdit, &QLineEdit::textChanged, this,
            [this](const QString& t) { alarms->TextAlarmHI_Change(Latin1(t), stores); });
    connect(alarmLowEdit, &QLineEdit::textChanged, this,
            [this](const QString& t) { alarms->TextAlarmLO_Change(Latin1(t), stores); });
    connect(alarmHighEdit, &QLineEdit::returnPressed, this, [this] {
        DrawTrendGraph();
        alarmHighBox->setFocus();
    });
    connect(alarmLowEdit, &QLineEdit::returnPressed, this, [this] {
        DrawTrendGraph();
        alarmLowBox->setFocus();
    });
    connect(stopToneButton, &QPushButton::clicked, this, [this] { alarms->cmdAlarmStop_Click(); });
    for (int i = 0; i < 3; ++i)
        connect(alarmSignalActions[i], &QAction::triggered, this, [this, i] { ChooseAlarmSignal(i); });
    connect(maxBox, &QCheckBox::clicked, this, [this](bool on) { StatisticsBoxClicked(0, on); });
    connect(minBox, &QCheckBox::clicked, this, [this](bool on) { StatisticsBoxClicked(1, on); });
    connect(avgBox, &QCheckBox::clicked, this, [this](bool on) { StatisticsBoxClicked(2, on); });
    connect(relBox, &QCheckBox::clicked, this, &MainWindow::RelBoxClicked);
    connect(decibelsBox, &QCheckBox::clicked, this, &MainWindow::DecibelsBoxClicked);
    connect(graphView, &PictureBox::mouseDown, this, [this](Qt::MouseButton, QPointF at) {
        graphView->ShowReadout(at, trendGraph, GraphInput());
        // The read-out boxes go two seconds after the last click.
        readoutHideTimer.start(2000);
    });
    // Drawings follow their boxes when the proportional layout resizes them.
    graphView->onResized = [this] { DrawTrendGraph(); };
    readingGroup->bargraph->onResized = [this] { ShowPanel(); };
    for (PictureBox* cell : readingGroup->digitCells) cell->onResized = [this] { ShowPanel(); };
}

namespace {

// The product name of the program's version information; the title shown drops its last six
// characters.
const char* const kProductName = "Voltaro Multimeter Companion (Qt 6)";
constexpr size_t kProductCut = 6;

}  // namespace

bool MainWindow::Load() {
    // The stored title is addressed by the executable's name as application, section and key.
    const std::string& app = ctx.applicationName;
    productTitle = ctx.store->Get(app, app, app).value_or(kProductName);
    productTitle =
        productTitle.size() > kProductCut ? productTitle.substr(0, productTitle.size() - kProductCut) : "";
    testModeBox->setVisible(DebugMode);
    readingGroup->signLabel->clear();
    loaded = false;

    bool portsFound = true;
    settings = LoadSettings(stores, ctx.programFolder, [this, &portsFound](AppSettings& loading) {
        dialogs->LoadSetup();
        SerialSetupDialog& setup = *dialogs->setup;
        setup.AttachSettings(loading);
        portsFound = setup.Form_Load(DebugMode);
        if (portsFound) setup.ChkCommOK(loading);
    });
    if (!portsFound) {
        ctx.messages->ShowMessage("All Ports in Use!", MessageKind::Error);
        return false;
    }
    dialogs->setup->AttachSettings(settings);
    dialogs->setup->SelectStored();
    ShowRecentFiles();
    formats.DateofTime = settings.DateofTime;
    formats.DateF = settings.DateF;
    formats.TimeF = settings.TimeF;
    separator.ChkDim(settings.ExtDimF);
    recording->meterType = settings.UnType;
    line = SerialLine{settings.PortText, settings.LineSettings};
    ShowPortSpinner();
    portEdit->setText(QStringLiteral("COM") + Latin1(settings.PortText));

    layout = RecordLayout(DesignOf());
    ApplyPlacement(RestoreFormPlacement(stores, kMainForm, false, CurrentPlacement()));

    dialogs->ReadScalingSettings();
    recording->ImpedanceText = stores.SettingGet(kDecibelsForm, "dBm", "");
    recording->FileLoaded = true;
    recording->ResetRecording();

    // Without stored limits the graph's limits stand in.
    alarms->ReadLimits(stores, DoubleToText(graphRange.GraphTop), DoubleToText(graphRange.GraphBottom));
    {
        QSignalBlocker quietHi(alarmHighEdit), quietLo(alarmLowEdit);
        alarmHighEdit->setText(Latin1(alarms->TextAlarmHI));
        alarmLowEdit->setText(Latin1(alarms->TextAlarmLO));
    }
    recording->ShowFileName();
    UpdateStatsDisplay();

    portOpenDelay.setInterval(2000);
    portOpenDelay.start();
    pollTimer.setInterval(500);
    pollTimer.start();
    loaded = true;
    // A restored size other than the design's puts every control in proportion now.
    ApplyLayoutNow();
    alarms->ReadAlarmSet(stores);
    for (size_t i = 0; i < alarmSignalActions.size(); ++i) alarmSignalActions[i]->setChecked(alarms->MenuChecked[i]);
    return true;
}

void MainWindow::ShowRecentFiles() {
    fileCommands->ShowRecentFiles();
}

void MainWindow::OpenPortAfterDelay() {
    OpenLinkPort(*meterPort, line);
    ShowPortDevice();
    portOpenDelay.stop();
}

void MainWindow::HideLinkLabel() {
    linkLabel->setVisible(false);
}

void MainWindow::ShowPortDevice() {
    const int port = static_cast<int>(Val(line.PortText));
    portEdit->setText(QStringLiteral("COM") + Latin1(line.PortText));
    labPortDevice->setText(QString::fromStdString(Ports().Device(port)));
    statusPanels[0]->setText(Latin1(line.LineSettings));
    statusPanels[1]->setText(meterPort->PortOpen() ? QStringLiteral("Port open") : QStringLiteral("Port closed"));
}

void MainWindow::ReopenMainPort() {
    if (meterPort->PortOpen()) meterPort->SetPortOpen(false);
    for (int n = 1; n <= 10; ++n) {
        meterPort->SetCommPort(n);
        if (meterPort->PortOpen()) meterPort->SetPortOpen(false);
    }
    OpenLinkPort(*meterPort, line);
    ShowPortDevice();
}

void MainWindow::PortSpinnerMoved(int value) {
    // Disabled while it re-opens the port, so that a second change cannot start a second re-open.
    if (!portSpinner->isEnabled()) return;
    portSpinner->setEnabled(false);
    settings.Port = value < 0 ? -value : value;
    settings.MakeSerialTexts();
    line.PortText = settings.PortText;
    ShowPortSpinner();
    ReopenMainPort();
    portSpinner->setEnabled(true);
}

void MainWindow::ShowPortSpinner() {
    // The spinner offers COM1 to COM8; a port 9 or 10 the program holds (stored, or the only one
    // found) widens it, so that it shows and one step leads to its neighbour.
    const int port = static_cast<int>(Val(line.PortText));
    const QSignalBlocker quiet(portSpinner);
    portSpinner->setRange(-std::max(8, port), -1);
    portSpinner->setValue(-port);
}

void MainWindow::BuildCommTest() {
    commTest = std::make_unique<LineMonitorDialog>();
    dialogs->Place(commTest.get(), "frmCommTest");
    commTestPort = ctx.makePort(Ports());
    // The test window's own port is polled at the acquisition rate while it is open.
    commTestPoll.setInterval(500);
    connect(&commTestPoll, &QTimer::timeout, this, [this] {
        if (!commTestPort->PortOpen()) return;
        const FeedResult fed = reader->Poll(*commTestPort, testModeBox->isChecked());
        acquisition->TakeFeed(fed);
        ShowLinkFeed(fed);
    });
    connect(commTest.get(), &LineMonitorDialog::activated, this, [this] {
        const bool mainOpen = meterPort->PortOpen();
        commTest->cmdStart->setEnabled(!mainOpen);
        commTest->cmdStop->setEnabled(!mainOpen);
    });
    connect(commTest->cmdStart, &QPushButton::clicked, this, [this] {
        if (commTestPort->PortOpen()) return;
        reader->RxBuf.clear();
        commTest->Text1->clear();
        reader->PollCount = 0;
        commTest->cmdStart->setEnabled(false);
        OpenLinkPort(*commTestPort, line);
        commTestPoll.start();
    });
    connect(commTest->cmdStop, &QPushButton::clicked, this, [this] {
        if (commTestPort->PortOpen()) commTestPort->SetPortOpen(false);
        commTestPoll.stop();
        commTest->cmdStart->setEnabled(true);
    });
    connect(commTest->cmdExit, &QPushButton::clicked, commTest.get(), &QWidget::close);
    connect(commTest.get(), &LineMonitorDialog::closing, this, [this] {
        dialogs->SavePlacement(commTest.get(), "frmCommTest");
    });
    connect(commTest.get(), &LineMonitorDialog::closing, this, [this] {
        if (commTestPort->PortOpen()) commTestPort->SetPortOpen(false);
        commTestPoll.stop();
        // The window is gone: the reader stops feeding it.
        commTestActive = false;
        OpenLinkPort(*meterPort, line);
        ShowPortDevice();
    });
}

void MainWindow::LogoClicked() {
    if (!commTest) BuildCommTest();
    commTestActive = true;
    if (meterPort->PortOpen()) meterPort->SetPortOpen(false);
    const int port = static_cast<int>(Val(line.PortText));
    commTest->labPort->setText(
        QStringLiteral("COM%1  %2").arg(port).arg(QString::fromStdString(Ports().Device(port))));
    commTest->show();
    commTest->raise();
}

}  // namespace voltaro

namespace voltaro {

namespace {

// The user guide: in the program's folder, beside the program (a build tree copies it there),
// or where an installation puts it, share/voltaro/help beside the programs' bin folder.
std::string HelpPage(const std::string& programFolder) {
    const QString besideProgram = QCoreApplication::applicationDirPath();
    for (const std::string& path : {JoinPath(programFolder, "DMM-Help.htm"),
                                    JoinPath(besideProgram.toStdString(), "DMM-Help.htm"),
                                    JoinPath(besideProgram.toStdString(), "../share/voltaro/help/DMM-Help.htm")}) {
        if (QFileInfo(QString::fromStdString(path)).isFile())
            return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
    }
    return JoinPath(programFolder, "DMM-Help.htm");
}

}  // namespace

void MainWindow::ShowContents() {
    const std::string help = HelpPage(ctx.programFolder);
    if (!ctx.htmlBrowser.empty() && QFileInfo(QString::fromStdString(ctx.htmlBrowser)).isFile()) {
        if (ctx.startProgram) ctx.startProgram(ctx.htmlBrowser, {help});
    } else {
        // Without a browser the page can still be read: say where it is.
        ctx.messages->ShowMessage("Can'nt Find Htm File Explorer!\r\n" + help, MessageKind::Error);
    }
}

}  // namespace voltaro

namespace voltaro {

Placement MainWindow::CurrentPlacement() const {
    Placement p = PlacementOf(this);
    p.height += kTopOffsetTwips;
    return p;
}

void MainWindow::ApplyPlacement(const Placement& p) {
    setGeometry(p.left / kTwips, p.top / kTwips, p.width / kTwips,
                std::max(p.height - kTopOffsetTwips, 0) / kTwips);
}

FormDesign MainWindow::DesignOf() const {
    FormDesign design;
    design.name = "frmMain";
    design.height = kDesignHeightTwips + kTopOffsetTwips;
    design.width = kDesignWidthTwips;
    auto& controls = const_cast<std::vector<QWidget*>&>(layoutControls);
    controls.clear();
    for (QWidget* w : findChildren<QWidget*>()) {
        const QVariant twips = w->property("designTwips");
        if (!twips.isValid() || design.controls.size() + 1 >= kLayoutEntries) continue;
        const QRect r = twips.toRect();
        ControlDesign c;
        c.name = w->objectName().toStdString();
        c.height = r.height();
        c.width = r.width();
        c.top = r.y();
        c.left = r.x();
        c.fontSize = w->property("designFont").toDouble();
        design.controls.push_back(c);
        controls.push_back(w);
    }
    return design;
}

void MainWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    ApplyLayoutNow();
}

void MainWindow::ApplyLayoutNow() {
    if (!loaded || layout.entries.empty()) return;
    const Placement now = CurrentPlacement();
    const auto geometry = ApplyLayout(layout, now.height, now.width, isMinimized());
    if (!geometry) return;
    setUpdatesEnabled(false);
    for (size_t i = 0; i < geometry->size() && i < layoutControls.size(); ++i) {
        const ControlGeometry& g = (*geometry)[i];
        QWidget* w = layoutControls[i];
        w->setGeometry(g.left / kTwips, g.top / kTwips, g.width / kTwips, g.height / kTwips);
        if (g.fontSize) {
            QFont f = w->font();
            f.setPointSizeF(*g.fontSize);
            w->setFont(f);
        }
    }
    setUpdatesEnabled(true);
    // Drawn again at their new sizes and fonts.
    RefreshCounters();
    ShowPanel();
    DrawTrendGraph();
}

}  // namespace voltaro

namespace voltaro {

void MainWindow::SetupConfirmed() {
    SaveSettings(settings, stores);
    line = SerialLine{settings.PortText, settings.LineSettings};
    ShowPortSpinner();
    ReopenMainPort();
}

// The line test of the setup dialog: the dialog's own port, with the choices it shows, polled
// until STop; the main window's port gives up the device meanwhile.
void MainWindow::StartLineMonitor() {
    acquisition->Running = true;
    if (meterPort->PortOpen()) meterPort->SetPortOpen(false);
    OpenLinkPort(dialogs->setup->Port(), SerialLine{settings.PortText, settings.LineSettings});
    PollLineMonitor();
    dialogs->setup->Timer1.start(500);
}

void MainWindow::PollLineMonitor() {
    SerialSetupDialog& setup = *dialogs->setup;
    const FeedResult fed = reader->Poll(setup.Port(), testModeBox->isChecked());
    acquisition->TakeFeed(fed);
    ShowLinkFeed(fed);
    if (!acquisition->FrameWaiting()) return;
    Reading shown = DecodeFrameText(reading.acceptedFrameText, settings.UnType);
    setup.labDigits->setText(
        Latin1(shown.acceptedFrameText + "  " + SingleToText(shown.value) + " " + shown.unitText));
}

void MainWindow::StopLineMonitor() {
    // A recording that goes on through the test is still running.
    acquisition->Running = acquisition->IsRecording();
    SerialSetupDialog& setup = *dialogs->setup;
    setup.Timer1.stop();
    if (setup.Port().PortOpen()) setup.Port().SetPortOpen(false);
    OpenLinkPort(*meterPort, line);
    ShowPortDevice();
}

void MainWindow::ShowStartDialogs() {
    if (settings.SeleDim != 0) return;
    dialogs->ShowSeparator();
}

}  // namespace voltaro

namespace voltaro {

int MainWindow::RecordCount() const {
    return recording->store.RecordCount;
}

}  // namespace voltaro

namespace voltaro {

void MainWindow::ShowFileCommands() {
    // Every entry has its window: nothing is left disabled here.
}

void MainWindow::SyncTimers() {
    const Acquisition& a = *acquisition;
    auto follow = [](QTimer& t, bool on, int interval) {
        if (!on) {
            t.stop();
        } else if (!t.isActive() || t.interval() != interval) {
            t.start(interval);  // an enabled timer that is running keeps its count
        }
    };
    follow(recordTimer, a.MainTimerEnabled, a.MainTimerInterval);
    follow(noDataWatchdog, a.TimerOutEnabled, Acquisition::kWatchdogMs);
    follow(autoSaveTimer, a.TimerAutoSaveEnabled, Acquisition::kAutoSaveMs);
}

void MainWindow::StartOrStop() {
    acquisition->StartOrStop();
    SyncTimers();
}

void MainWindow::StopClicked() {
    acquisition->StopClicked();
    SyncTimers();
}

void MainWindow::Exit() {
    if (fileCommands->CheckSave() == MessageAnswer::Cancel) return;
    SayWhereRecordingWent(*recording, *ctx.messages);
    EndProgram(true);
}

bool MainWindow::EndSession() {
    if (Ended) return true;
    const RecordStore& store = recording->store;
    // A table read from its file and not added to is there already; saving it would only
    // rewrite the file.
    const bool unsaved = store.RecordCount > store.SavedCount && (rowsRecorded || saveAction->isEnabled());
    bool saved = true;
    if (unsaved) {
        saved = recording->SaveByExtension(false);
        if (!saved)
            std::fprintf(stderr, "voltaro: the readings could not be saved to %s\n",
                         store.RecordingFile.c_str());
    }
    EndProgram(true);
    return saved;
}

void MainWindow::ShowNotice(const std::string& text) {
    statusNotice->setText(Latin1(text).replace(QStringLiteral("\r\n"), QStringLiteral("  ")));
    statusNotice->setToolTip(statusNotice->text());
    statusNotice->show();
    statusNotice->raise();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (!Ended) {
        if (fileCommands->CheckSave() == MessageAnswer::Cancel) {
            e->ignore();
            return;
        }
        SayWhereRecordingWent(*recording, *ctx.messages);
        EndProgram(true);
    }
    e->accept();
}

void MainWindow::EndProgram(bool saveState) {
    if (Ended) return;
    if (saveState) {
        SaveFormPlacement(stores, kMainForm, StateOf(this), CurrentPlacement());
        SaveSettings(settings, stores);
    }
    Ended = true;
    for (QTimer* t : {&pollTimer, &recordTimer, &noDataWatchdog, &linkLabelTimer, &portOpenDelay, &autoSaveTimer,
                      &alarmFlashTimer, &alarmToneTimer, &readoutHideTimer, &scheduleTimer, &commTestPoll})
        t->stop();
    if (autoSetup) {
        autoSetup->Timer1.stop();
        autoSetup->Timer2.stop();
    }
    if (meterPort->PortOpen()) meterPort->SetPortOpen(false);
    if (commTestPort && commTestPort->PortOpen()) commTestPort->SetPortOpen(false);
    dialogs->HideAll();
    const std::initializer_list<QWidget*> windows{commTest.get(), progress.get(),
                                                  fileCommands->deleteFileDialog(), autoSetup.get()};
    for (QWidget* w : windows)
        if (w) w->hide();
    hide();
    emit programEnded();
}

void MainWindow::mousePressEvent(QMouseEvent* e) {
    // A click on the window's background ends the timed alarm's beeping.
    alarms->Form_Click();
    QWidget::mousePressEvent(e);
}

void MainWindow::ChooseAlarmSignal(int index) {
    alarms->mAlarmS_Click(index, stores);
    for (size_t i = 0; i < alarmSignalActions.size(); ++i) alarmSignalActions[i]->setChecked(alarms->MenuChecked[i]);
}

void MainWindow::StatisticsBoxClicked(int row, bool on) {
    if (row == 0) stats.chkMAX_Click(on);
    if (row == 1) stats.chkMIN_Click(on);
    if (row == 2) stats.ChkAVG_Click(on);
    readingGroup->EnableStatRow(row, on);
    UpdateStatsDisplay();
}

void MainWindow::RelBoxClicked(bool on) {
    const QDateTime now = ctx.clock->Now();
    stats.ChkREL_Click(on, reading.value, now.date(), formats.FormatStampTime(now.time()));
    readingGroup->EnableStatRow(3, on);
    UpdateStatsDisplay();
}

void MainWindow::DecibelsBoxClicked(bool on) {
    if (on) {
        dialogs->ShowDecibels();
    } else {
        dialogs->scaling->DecibelsCleared();
        if (dialogs->deciBels) dialogs->deciBels->hide();
        decibels.ChkdB_Clear();
    }
    UpdatePanel(reading.value, reading.digits);
    recordingView->UpdateGraphRange();
    RefreshCounters();
    DrawTrendGraph();
}

void MainWindow::GraphCursorMoved(int value) {
    acquisition->NoDataTicks = 0;
    if (!recording->FileLoaded) return;
    const RecordStore& store = recording->store;
    if (!acquisition->Running && value >= 1 && value <= RecordCount()) {
        // The cursor row becomes the current Reading, decoded again from its stored frame.
        const std::string notes = std::string(store.Get(value, Field::Notes));
        reading.digits = notes.size() >= 5 ? notes.substr(1, 4) : std::string();
        reading.value = static_cast<float>(Val(store.Text(value, Field::ValueText)));
        reading.acDc = store.Text(value, Field::Coupling);
        reading = DecodeFrame(reading, notes, reading.digits, recording->meterType);
        ShowFunctionIndicators(couplingLabel);
        // A stored row is no new reading: only a fresh frame from the meter is recorded.
        acquisition->NewReading = false;
    }
    if (reading.digits != "OL") UpdatePanel(reading.value, reading.digits);
    recordingView->UpdateGraphRange();
    RefreshCounters();
    DrawTrendGraph();
}

}  // namespace voltaro
