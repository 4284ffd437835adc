#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace voltaro {

// The progress window of reading and writing recording files.
class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget* parent = nullptr);

    QLabel* labFilename = nullptr;
    QLabel* labPrs = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* cmdOk = nullptr;
};

}  // namespace voltaro
