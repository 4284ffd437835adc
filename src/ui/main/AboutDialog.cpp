#include "ui/main/AboutDialog.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace voltaro {

AboutDialog::AboutDialog(const QString& title, const QString& version, const QPixmap& logo, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout0"));
    setWindowTitle(QStringLiteral("About"));
    Image1 = new QLabel(this);
    Image1->setPixmap(logo);
    lblTitle = new QLabel(title, this);
    QFont f = lblTitle->font();
    f.setPointSize(14);
    f.setBold(true);
    lblTitle->setFont(f);
    Label3 = new QLabel(version, this);
    auto* line = new QLabel(QStringLiteral("Desktop companion for RS-232 handheld multimeters"), this);
    auto* maker = new QLabel(QStringLiteral("The Voltaro project"), this);
    Command1 = new QPushButton(QStringLiteral("Close"), this);
    connect(Command1, &QPushButton::clicked, this, &QWidget::hide);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Image1, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(Label3, 1, 1);
    grid->addWidget(line, 2, 1);
    grid->addWidget(maker, 3, 1);
    grid->addWidget(Command1, 4, 1, Qt::AlignRight);
}

QString AboutVersionText(const QString& executablePath) {
    const QDate built = QFileInfo(executablePath).lastModified().date();
    return QStringLiteral("Version %1.%2.%3 (%4)")
        .arg(VOLTARO_VERSION_MAJOR)
        .arg(VOLTARO_VERSION_MINOR)
        .arg(VOLTARO_VERSION_PATCH)
        .arg(built.toString(QStringLiteral("MM/dd/yy")));
}

}  // namespace voltaro
