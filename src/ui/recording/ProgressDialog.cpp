#include "ui/recording/ProgressDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaro {

ProgressDialog::ProgressDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInd"));
    labFilename = new QLabel(this);
    labPrs = new QLabel(this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setEnabled(false);
    connect(cmdOk, &QPushButton::clicked, this, &QWidget::hide);
    auto* all = new QVBoxLayout(this);
    all->addWidget(labFilename);
    all->addWidget(ProgressBar1);
    all->addWidget(labPrs);
    all->addWidget(cmdOk, 0, Qt::AlignRight);
    setMinimumWidth(360);
}

}  // namespace voltaro
