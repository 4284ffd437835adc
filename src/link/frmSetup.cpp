#include "link/frmSetup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace voltaro {

QString frmSetup::CaptionOf(const QRadioButton* option) {
    return option ? option->text().remove(QLatin1Char('&')) : QString();
}

template <size_t N>
QGroupBox* frmSetup::BuildArray(const char* title, const char* name, std::array<QRadioButton*, N>& options,
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

frmSetup::frmSetup(QWidget* parent) : QDialog(parent) {
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
}

}  // namespace voltaro
