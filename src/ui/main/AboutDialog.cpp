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
    logoLabel = new QLabel(this);
    logoLabel->setPixmap(logo);
    titleLabel = new QLabel(title, this);
    QFont f = titleLabel->font();
    f.setPointSize(14);
    f.setBold(true);
    titleLabel->setFont(f);
    versionLabel = new QLabel(version, this);
    auto* line = new QLabel(QStringLiteral("Desktop companion for RS-232 handheld multimeters"), this);
    auto* maker = new QLabel(QStringLiteral("The Voltaro project"), this);
    closeButton = new QPushButton(QStringLiteral("Close"), this);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);

    auto* grid = new QGridLayout(this);
    grid->addWidget(logoLabel, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(titleLabel, 0, 1);
    grid->addWidget(versionLabel, 1, 1);
    grid->addWidget(line, 2, 1);
    grid->addWidget(maker, 3, 1);
    grid->addWidget(closeButton, 4, 1, Qt::AlignRight);
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
