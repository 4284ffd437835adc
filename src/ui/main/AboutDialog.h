#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace voltaro {

// "About": the product title, the version with the date of the executable, and the logo.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // title: the ProductTitle; version: "Version 1.0.0 (12/05/26)"; logo: the main window's icon.
    AboutDialog(const QString& title, const QString& version, const QPixmap& logo, QWidget* parent = nullptr);

    QLabel* titleLabel = nullptr;
    QLabel* versionLabel = nullptr;
    QLabel* logoLabel = nullptr;
    QPushButton* closeButton = nullptr;
};

// "Version " + major.minor.revision + " (" + the executable's modification date as MM/DD/YY + ")".
QString AboutVersionText(const QString& executablePath);

}  // namespace voltaro
