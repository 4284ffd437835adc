#include "ui/link/LineMonitorDialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace voltaro {

LineMonitorDialog::LineMonitorDialog(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmCommTest"));
    setWindowTitle(QStringLiteral("CommPort Revice Data"));

    auto named = [this](QLabel* l, const char* name) {
        l->setObjectName(QString::fromLatin1(name));
        l->setParent(this);
        return l;
    };
    labPort = named(new QLabel, "labPort");
    labCount[0] = named(new QLabel(QStringLiteral("0")), "labCount");
    labCount[1] = named(new QLabel(QStringLiteral("Polls:")), "labCount");
    labDigits = named(new QLabel, "labDigits");
    QFont big = labDigits->font();
    big.setPointSize(20);
    big.setBold(true);
    labDigits->setFont(big);
    labDC = named(new QLabel, "labDC");
    labText = named(new QLabel, "labText");
    labText->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));

    cmdStart = new QPushButton(QStringLiteral("&Start"), this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdStop = new QPushButton(QStringLiteral("Sto&p"), this);
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    cmdExit = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));

    // Grid stretch keeps the controls in proportion when the window is resized.
    auto* grid = new QGridLayout(this);
    grid->addWidget(labPort, 0, 0, 1, 3);
    grid->addWidget(labCount[1], 1, 0);
    grid->addWidget(labCount[0], 1, 1);
    grid->addWidget(labDC, 1, 2);
    grid->addWidget(labDigits, 2, 0, 1, 3);
    grid->addWidget(Text1, 3, 0, 1, 3);
    grid->addWidget(labText, 4, 0, 1, 3);
    grid->addWidget(cmdStart, 5, 0);
    grid->addWidget(cmdStop, 5, 1);
    grid->addWidget(cmdExit, 5, 2);
    grid->setRowStretch(3, 1);
    for (int c = 0; c < 3; ++c) grid->setColumnStretch(c, 1);
    resize(420, 300);
}

bool LineMonitorDialog::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) emit activated();
    return QWidget::event(e);
}

void LineMonitorDialog::closeEvent(QCloseEvent* e) {
    emit closing();
    e->accept();
}

}  // namespace voltaro
