#include "ui/main/DialogHost.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>

#include "base/Messages.h"
#include "ui/display/GraphScalingDialog.h"
#include "ui/link/SerialSetupDialog.h"
#include "ui/main/AboutDialog.h"
#include "ui/main/DecimalSeparatorDialog.h"
#include "ui/main/DesignPlacement.h"
#include "ui/main/MainWindow.h"
#include "ui/print/PrintGraphDialog.h"
#include "ui/print/ReportWindow.h"
#include "ui/recording/AutoSaveDialog.h"
#include "ui/values/DateTimeFormatDialog.h"
#include "ui/values/DecibelDialog.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/LabelCaption.h"

namespace voltaro {

DialogHost::DialogHost(MainWindow& window) : QObject(&window), w_(window) {}

DialogHost::~DialogHost() = default;

void DialogHost::Connect() {
    connect(w_.aboutAction, &QAction::triggered, this, &DialogHost::ShowAbout);
    connect(w_.serialSetupAction, &QAction::triggered, this, &DialogHost::ShowSetup);
    connect(w_.separatorAction, &QAction::triggered, this, &DialogHost::ShowSeparator);
    connect(w_.scalingAction, &QAction::triggered, this, &DialogHost::ShowScaling);
    connect(w_.dateTimeAction, &QAction::triggered, this, &DialogHost::ShowDateTime);
    connect(w_.autoSaveAction, &QAction::triggered, this, &DialogHost::ShowAutoSave);
    connect(w_.decibelTableAction, &QAction::triggered, this, &DialogHost::ShowDecibelTable);
    connect(w_.printGraphAction, &QAction::triggered, this, &DialogHost::ShowPrintGraph);
}

void DialogHost::Place(QWidget* dialog, const std::string& name) {
    // A dialog never placed keeps the place the window system gives it.
    if (w_.stores.SettingGet(name, "Left", "").empty()) return;
    const Placement p = RestoreFormPlacement(w_.stores, name, false, PlacementOf(dialog));
    dialog->setGeometry(p.left / kTwipsPerPixel, p.top / kTwipsPerPixel, p.width / kTwipsPerPixel,
                        p.height / kTwipsPerPixel);
}

void DialogHost::SavePlacement(QWidget* dialog, const std::string& name) {
    SaveFormPlacement(w_.stores, name, StateOf(dialog), PlacementOf(dialog));
}

void DialogHost::Close(QWidget* dialog, const std::string& name) {
    SavePlacement(dialog, name);
    dialog->hide();
    Closed();
}

void DialogHost::Closed() {
    if (!w_.isVisible()) return;
    w_.setEnabled(true);
    w_.raise();
    w_.activateWindow();
}

void DialogHost::HideAll() {
    const std::initializer_list<QWidget*> windows{
        setup.get(),  seleDim.get(),  about.get(),    scaling.get(),    deciBels.get(),
        dbTest.get(), dateTime.get(), autoSave.get(), printRange.get(), report.get()};
    for (QWidget* w : windows)
        if (w) w->hide();
}

void DialogHost::LoadSetup() {
    if (setup) return;
    setup = std::make_unique<SerialSetupDialog>();
    setup->AttachPort(w_.ctx.makePort(w_.Ports()));
    const PortTable ports = w_.Ports();
    for (int n = 0; n <= 10; ++n) setup->labDevice[n]->setText(QString::fromStdString(ports.Device(n)));
    Place(setup.get(), "frmSetup");
    connect(setup.get(), &SerialSetupDialog::settingsConfirmed, &w_, &MainWindow::SetupConfirmed);
    connect(setup.get(), &SerialSetupDialog::testStarted, &w_, &MainWindow::StartLineMonitor);
    connect(setup.get(), &SerialSetupDialog::testStopped, &w_, &MainWindow::StopLineMonitor);
    connect(&setup->Timer1, &QTimer::timeout, &w_, &MainWindow::PollLineMonitor);
    connect(setup.get(), &SerialSetupDialog::closed, this, [this] {
        SavePlacement(setup.get(), "frmSetup");
        Closed();
    });
}

void DialogHost::ShowSetup() {
    LoadSetup();
    w_.setEnabled(false);
    setup->show();
    setup->raise();
}

void DialogHost::ShowSeparator() {
    if (!seleDim) {
        seleDim = std::make_unique<DecimalSeparatorDialog>();
        seleDim->setModal(false);
        seleDim->Option1[w_.settings.ExtDimF == 1 ? 1 : 0]->setChecked(true);
        connect(seleDim.get(), &DecimalSeparatorDialog::closed, this, [this](bool confirmed) {
            AppSettings& settings = w_.settings;
            if (confirmed) {
                const int chosen = seleDim->Option1[1]->isChecked() ? 1 : 0;
                const int inForce =
                    w_.separator.Confirm(chosen, w_.ctx.programFolder, w_.ctx.clock->Now(), *w_.ctx.messages);
                settings.ExtDimF = inForce;
                settings.ExtDim = w_.separator.ExtDim;
                settings.SeleDim = seleDim->Check1->isChecked() ? 1 : 0;
                w_.stores.SettingSave(kMainForm, "SeleDim", std::to_string(settings.SeleDim));
                SaveSettings(settings, w_.stores);
            } else {
                w_.separator.Cancel();
            }
            SavePlacement(seleDim.get(), "frmSeleDim");
            Closed();
        });
    }
    w_.setEnabled(false);
    seleDim->show();
    seleDim->raise();
}

void DialogHost::ShowAbout() {
    if (!about) {
        const QString version = AboutVersionText(QString::fromStdString(w_.ctx.executablePath));
        about = std::make_unique<AboutDialog>(Latin1(w_.productTitle), version, LogoPicture(QSize(96, 48)));
    }
    about->show();
    about->raise();
}

void DialogHost::ShowAutoSave() {
    if (!autoSave) {
        autoSave = std::make_unique<AutoSaveDialog>();
        connect(autoSave.get(), &AutoSaveDialog::confirmed, this, [this] {
            w_.settings.AutoSave = autoSave->Check1->isChecked() ? 1 : 0;
            SaveSettings(w_.settings, w_.stores);
            autoSave->hide();
            Closed();
        });
        connect(autoSave.get(), &AutoSaveDialog::cancelled, this, [this] {
            autoSave->hide();
            Closed();
        });
    }
    // A cancelled tick is not kept for the save at exit.
    autoSave->Check1->setChecked(w_.settings.AutoSave != 0);
    w_.setEnabled(false);
    autoSave->show();
    autoSave->raise();
}

void DialogHost::ShowDecibelTable() {
    if (!dbTest) dbTest = std::make_unique<DecibelTableDialog>();
    dbTest->show();
    dbTest->raise();
}

}  // namespace voltaro
