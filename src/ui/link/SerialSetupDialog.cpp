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

    QGroupBox* ports = BuildArray("Port", "optPort", portOptions,
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
        if (portOptions[n]->isVisibleTo(this)) {
            int row, col, rs, cs;
            portGrid->getItemPosition(portGrid->indexOf(portOptions[n]), &row, &col, &rs, &cs);
            portGrid->addWidget(labDevice[n], row, 1);
        } else {
            labDevice[n]->setVisible(false);
        }
    }
    QGroupBox* baud =
        BuildArray("Baud Rate", "optBaud", baudOptions,
                   {{0, "2400"}, {1, "4800"}, {2, "9600"}, {3, "14400"}, {4, "22800"}}, {1, 2, 3, 4});
    baudNote = new QLabel(QStringLiteral("Other meter models\nsend at 9600 baud."), baud);
    baudNote->setObjectName(QStringLiteral("labBaudNote"));
    static_cast<QGridLayout*>(baud->layout())->addWidget(baudNote, 1, 0);
    QGroupBox* parity =
        BuildArray("Parity", "optParity", parityOptions, {{0, "O"}, {1, "E"}, {2, "N"}, {3, "M"}, {4, "S"}}, {});
    QGroupBox* data =
        BuildArray("Data Bits", "optData", dataBitsOptions, {{0, "5"}, {2, "6"}, {3, "7"}, {4, "8"}, {9, "4"}}, {});
    QGroupBox* stop = BuildArray("Stop Bits", "optStop", stopBitsOptions, {{0, "1"}, {1, "1.5"}, {2, "2"}}, {});

    summaryLabel = new QLabel(this);
    summaryLabel->setObjectName(QStringLiteral("labvolts2"));
    QFont bold = summaryLabel->font();
    bold.setBold(true);
    summaryLabel->setFont(bold);
    labDigits = new QLabel(this);
    labDigits->setObjectName(QStringLiteral("labDigits"));

    okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cmdQUIT"));
    testButton = new QPushButton(QStringLiteral("Start"), this);
    testButton->setObjectName(QStringLiteral("cmdTest"));
    stopTestButton = new QPushButton(QStringLiteral("STop"), this);
    stopTestButton->setObjectName(QStringLiteral("CmdStop"));
    okButton->setAutoDefault(false);
    cancelButton->setAutoDefault(false);
    testButton->setAutoDefault(false);
    stopTestButton->setAutoDefault(false);

    auto* arrays = new QHBoxLayout;
    arrays->addWidget(ports);
    auto* middle = new QVBoxLayout;
    middle->addWidget(baud);
    middle->addWidget(stop);
    arrays->addLayout(middle);
    arrays->addWidget(parity);
    arrays->addWidget(data);

    auto* test = new QHBoxLayout;
    test->addWidget(testButton);
    test->addWidget(stopTestButton);
    test->addWidget(labDigits, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(summaryLabel, 1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* all = new QVBoxLayout(this);
    all->addLayout(arrays);
    all->addLayout(test);
    all->addLayout(buttons);

    Timer1.setInterval(500);
    connect(this, &SerialSetupDialog::optionClicked, this, &SerialSetupDialog::OptionClick);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(testButton, &QPushButton::clicked, this, [this] {
        okButton->setEnabled(false);
        cancelButton->setEnabled(false);
        stopTestButton->setEnabled(true);
        emit testStarted();
    });
    connect(stopTestButton, &QPushButton::clicked, this, [this] {
        okButton->setEnabled(true);
        cancelButton->setEnabled(true);
        stopTestButton->setEnabled(false);  // enabled only while a test runs: closing ends just that one
        Timer1.stop();
        emit testStopped();
    });
}

SerialSetupDialog::~SerialSetupDialog() = default;

void SerialSetupDialog::AttachPort(std::unique_ptr<SerialPort> port) {
    port_ = std::move(port);
}

int SerialSetupDialog::ScanPorts() {
    // The line settings of the stored choices, before the loader has made its texts.
    AppSettings line = *settings_;
    line.MakeSerialTexts();
    int count = 0;
    for (int n = 1; n <= 10; ++n) {
        portOptions[n]->setEnabled(false);
        port_->SetCommPort(n);
        port_->SetSettings(line.LineSettings);
        if (port_->PortOpen()) port_->SetPortOpen(false);
        port_->SetPortOpen(true);
        if (port_->PortOpen()) {
            portOptions[n]->setEnabled(true);
            ++count;
        }
        port_->SetPortOpen(false);
    }
    return count;
}

bool SerialSetupDialog::Form_Load(bool debugMode) {
    PortsFound = ScanPorts();
    if (PortsFound == 0 && !debugMode) return false;
    Timer1.stop();
    stopTestButton->setEnabled(false);
    SelectStored();
    Changed = false;
    return true;
}

void SerialSetupDialog::SelectStored() {
    const AppSettings& a = *settings_;
    if (a.Port != 0 && portOptions[a.Port]) portOptions[a.Port]->setChecked(true);
    if (baudOptions[a.Baud]) baudOptions[a.Baud]->setChecked(true);
    if (dataBitsOptions[a.Data]) dataBitsOptions[a.Data]->setChecked(true);
    if (parityOptions[a.Parity]) parityOptions[a.Parity]->setChecked(true);
    if (stopBitsOptions[a.Stop]) stopBitsOptions[a.Stop]->setChecked(true);
}

void SerialSetupDialog::ChkCommOK(AppSettings& a) {
    if (!portOptions[a.Port] || !portOptions[a.Port]->isEnabled()) {
        for (int n = 1; n <= 10; ++n) {
            if (portOptions[n]->isEnabled()) {
                a.Port = n;
                a.PortText = CaptionOf(portOptions[n]).toStdString();
                break;
            }
        }
    }
    if (portOptions[a.Port]) portOptions[a.Port]->setChecked(true);
}

void SerialSetupDialog::ShowSettings() {
    AppSettings& a = *settings_;
    a.MakeSerialTexts();
    summaryLabel->setText(QString::fromStdString("COM" + a.PortText + "," + a.LineSettings));
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

void SerialSetupDialog::OkClicked() {
    if (Changed) emit settingsConfirmed();
}

void SerialSetupDialog::CancelClicked() {
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
    if (stopTestButton->isEnabled()) stopTestButton->click();  // the line test ends with the dialog
    if (result == Accepted) {
        OkClicked();
    } else {
        CancelClicked();
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
