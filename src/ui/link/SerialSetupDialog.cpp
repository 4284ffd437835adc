#include "ui/link/SerialSetupDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/AppSettings.h"
#include "link/SerialPort.h"

namespace voltaro {

QString SerialSetupDialog::CaptionOf(const QRadioButton* option) {
    return option ? option->text().remove(QLatin1Char('&')) : QString();
}

template <size_t N>
QGroupBox* SerialSetupDialog::BuildArray(const char* title, const char* name, std::array<QRadioButton*, N>& options,
                                std::initializer_list<std::pair<int, const char*>> choices,
                                std::initializer_list<int> hidden) {
    auto* box = new QGroupBox(QString::fromLatin1(title), this);
    auto* grid = new QGridLayout(box);
    auto* group = new QButtonGroup(box);
    int row = 0;
    for (const auto& [index, caption] : choices) {
        auto* option = new QRadioButton(QString::fromLatin1(caption), box);
        option->setObjectName(QString::fromLatin1(name));
        option->setProperty("index", index);
        options[static_cast<size_t>(index)] = option;
        group->addButton(option, index);
        const bool isHidden = std::find(hidden.begin(), hidden.end(), index) != hidden.end();
        option->setVisible(!isHidden);
        if (!isHidden) grid->addWidget(option, row++, 0);
        const QString array = QString::fromLatin1(name);
        connect(option, &QRadioButton::clicked, this,
                [this, array, index] { emit optionClicked(array, index); });
    }
    grid->setRowStretch(row, 1);
    return box;
}

SerialSetupDialog::SerialSetupDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(QStringLiteral("Communications"));

    QGroupBox* ports = BuildArray("Port", "optPort", optPort,
                                  {{0, "0"},
                                   {1, "1"},
                                   {2, "2"},
                                   {3, "3"},
                                   {4, "4"},
                                   {5, "5"},
                                   {6, "6"},
                                   {7, "7"},
                                   {8, "8"},
                                   {9, "9"},
                                   {10, "10"}},
                                  {0, 9, 10});
    // Each visible port number gets the device it stands for beside it.
    auto* portGrid = static_cast<QGridLayout*>(ports->layout());
    for (int n = 0; n <= 10; ++n) {
        labDevice[n] = new QLabel(ports);
        labDevice[n]->setObjectName(QStringLiteral("labDevice"));
        labDevice[n]->setProperty("index", n);
        if (optPort[n]->isVisibleTo(this)) {
            int row, col, rs, cs;
            portGrid->getItemPosition(portGrid->indexOf(optPort[n]), &row, &col, &rs, &cs);
            portGrid->addWidget(labDevice[n], row, 1);
        } else {
            labDevice[n]->setVisible(false);
        }
    }
    QGroupBox* baud =
        BuildArray("Baud Rate", "optBaud", optBaud,
                   {{0, "2400"}, {1, "4800"}, {2, "9600"}, {3, "14400"}, {4, "22800"}}, {1, 2, 3, 4});
    labBaudNote = new QLabel(QStringLiteral("Other meter models\nsend at 9600 baud."), baud);
    labBaudNote->setObjectName(QStringLiteral("labBaudNote"));
    static_cast<QGridLayout*>(baud->layout())->addWidget(labBaudNote, 1, 0);
    QGroupBox* parity =
        BuildArray("Parity", "optParity", optParity, {{0, "O"}, {1, "E"}, {2, "N"}, {3, "M"}, {4, "S"}}, {});
    QGroupBox* data =
        BuildArray("Data Bits", "optData", optData, {{0, "5"}, {2, "6"}, {3, "7"}, {4, "8"}, {9, "4"}}, {});
    QGroupBox* stop = BuildArray("Stop Bits", "optStop", optStop, {{0, "1"}, {1, "1.5"}, {2, "2"}}, {});

    labvolts2 = new QLabel(this);
    labvolts2->setObjectName(QStringLiteral("labvolts2"));
    QFont bold = labvolts2->font();
    bold.setBold(true);
    labvolts2->setFont(bold);
    labDigits = new QLabel(this);
    labDigits->setObjectName(QStringLiteral("labDigits"));

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdQUIT = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdQUIT->setObjectName(QStringLiteral("cmdQUIT"));
    cmdTest = new QPushButton(QStringLiteral("Start"), this);
    cmdTest->setObjectName(QStringLiteral("cmdTest"));
    CmdStop = new QPushButton(QStringLiteral("STop"), this);
    CmdStop->setObjectName(QStringLiteral("CmdStop"));
    cmdOK->setAutoDefault(false);
    cmdQUIT->setAutoDefault(false);
    cmdTest->setAutoDefault(false);
    CmdStop->setAutoDefault(false);

    auto* arrays = new QHBoxLayout;
    arrays->addWidget(ports);
    auto* middle = new QVBoxLayout;
    middle->addWidget(baud);
    middle->addWidget(stop);
    arrays->addLayout(middle);
    arrays->addWidget(parity);
    arrays->addWidget(data);

    auto* test = new QHBoxLayout;
    test->addWidget(cmdTest);
    test->addWidget(CmdStop);
    test->addWidget(labDigits, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(labvolts2, 1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdQUIT);

    auto* all = new QVBoxLayout(this);
    all->addLayout(arrays);
    all->addLayout(test);
    all->addLayout(buttons);

    Timer1.setInterval(500);
    connect(this, &SerialSetupDialog::optionClicked, this, &SerialSetupDialog::OptionClick);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdQUIT, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdTest, &QPushButton::clicked, this, [this] {
        cmdOK->setEnabled(false);
        cmdQUIT->setEnabled(false);
        CmdStop->setEnabled(true);
        emit testStarted();
    });
    connect(CmdStop, &QPushButton::clicked, this, [this] {
        cmdOK->setEnabled(true);
        cmdQUIT->setEnabled(true);
        CmdStop->setEnabled(false);  // enabled only while a test runs: closing ends just that one
        Timer1.stop();
        emit testStopped();
    });
}

SerialSetupDialog::~SerialSetupDialog() = default;

void SerialSetupDialog::AttachPort(std::unique_ptr<SerialPort> port) {
    MSComm = std::move(port);
}

int SerialSetupDialog::ScanPorts() {
    // The line settings of the stored choices, before the loader has made its texts.
    AppSettings line = *settings_;
    line.MakeSerialTexts();
    int count = 0;
    for (int n = 1; n <= 10; ++n) {
        optPort[n]->setEnabled(false);
        MSComm->SetCommPort(n);
        MSComm->SetSettings(line.LineSettings);
        if (MSComm->PortOpen()) MSComm->SetPortOpen(false);
        MSComm->SetPortOpen(true);
        if (MSComm->PortOpen()) {
            optPort[n]->setEnabled(true);
            ++count;
        }
        MSComm->SetPortOpen(false);
    }
    return count;
}

bool SerialSetupDialog::Form_Load(bool debugMode) {
    PortsFound = ScanPorts();
    if (PortsFound == 0 && !debugMode) return false;
    Timer1.stop();
    CmdStop->setEnabled(false);
    SelectStored();
    Changed = false;
    return true;
}

void SerialSetupDialog::SelectStored() {
    const AppSettings& a = *settings_;
    if (a.Port != 0 && optPort[a.Port]) optPort[a.Port]->setChecked(true);
    if (optBaud[a.Baud]) optBaud[a.Baud]->setChecked(true);
    if (optData[a.Data]) optData[a.Data]->setChecked(true);
    if (optParity[a.Parity]) optParity[a.Parity]->setChecked(true);
    if (optStop[a.Stop]) optStop[a.Stop]->setChecked(true);
}

void SerialSetupDialog::ChkCommOK(AppSettings& a) {
    if (!optPort[a.Port] || !optPort[a.Port]->isEnabled()) {
        for (int n = 1; n <= 10; ++n) {
            if (optPort[n]->isEnabled()) {
                a.Port = n;
                a.PortText = CaptionOf(optPort[n]).toStdString();
                break;
            }
        }
    }
    if (optPort[a.Port]) optPort[a.Port]->setChecked(true);
}

void SerialSetupDialog::ShowSettings() {
    AppSettings& a = *settings_;
    a.MakeSerialTexts();
    labvolts2->setText(QString::fromStdString("COM" + a.PortText + "," + a.LineSettings));
}

void SerialSetupDialog::OptionClick(const QString& array, int index) {
    if (!settings_) return;
    Changed = true;
    AppSettings& a = *settings_;
    if (array == QLatin1String("optPort")) a.Port = index;
    if (array == QLatin1String("optBaud")) a.Baud = index;
    if (array == QLatin1String("optParity")) a.Parity = index;
    if (array == QLatin1String("optData")) a.Data = index;
    if (array == QLatin1String("optStop")) a.Stop = index;
    ShowSettings();
}

void SerialSetupDialog::cmdOK_Click() {
    if (Changed) emit settingsConfirmed();
}

void SerialSetupDialog::cmdQUIT_Click() {
    // Cancel leaves the line as it was before the dialog was shown.
    if (!Changed || !atOpen_ || !settings_) return;
    AppSettings& a = *settings_;
    const AppSettings& was = *atOpen_;
    a.Port = was.Port;
    a.Baud = was.Baud;
    a.Parity = was.Parity;
    a.Data = was.Data;
    a.Stop = was.Stop;
    a.PortText = was.PortText;
    a.BaudText = was.BaudText;
    a.ParityText = was.ParityText;
    a.DataText = was.DataText;
    a.StopText = was.StopText;
    a.LineSettings = was.LineSettings;
    SelectStored();
    ShowSettings();
}

void SerialSetupDialog::done(int result) {
    if (CmdStop->isEnabled()) CmdStop->click();  // the line test ends with the dialog
    if (result == Accepted) {
        cmdOK_Click();
    } else {
        cmdQUIT_Click();
    }
    Changed = false;
    atOpen_.reset();
    QDialog::done(result);
    emit closed();
}

void SerialSetupDialog::showEvent(QShowEvent* e) {
    if (settings_) atOpen_ = std::make_unique<AppSettings>(*settings_);
    if (settings_) ShowSettings();
    QDialog::showEvent(e);
}

}  // namespace voltaro
