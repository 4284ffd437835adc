#pragma once

#include <QDialog>
#include <array>

#include "print/PrintedGraph.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace voltaro {

class PictureBox;

// "Printer Graphs": the range of readings to print, the trace's weight and the paper's
// orientation, with a preview of the page. Not modal: the main window waits, disabled, until
// it closes; it is hidden, not destroyed, so its fields keep their choices.
class PrintGraphDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintGraphDialog(QWidget* parent = nullptr);

    QGroupBox* extentGroup = nullptr;  // "Printer Type"
    std::array<QRadioButton*, 2> extentOptions{};
    QGroupBox* rangeGroup = nullptr;  // "Range"
    QLabel* startLabel = nullptr;
    QLineEdit* startBox = nullptr;  // Start
    QLabel* endLabel = nullptr;
    QLineEdit* endBox = nullptr;  // End
    QLabel* weightLabel = nullptr;
    QComboBox* weightBox = nullptr;  // DrawWeight
    QGroupBox* paperGroup = nullptr;  // "Paper"
    std::array<QRadioButton*, 2> paperOptions{};
    PictureBox* Picbox = nullptr;
    QPushButton* previewButton = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* scalingButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // The choices as the fields show them.
    PrintGraphChoices Choices() const;
    // Takes back what the range rules changed (a Start put right).
    void ShowChoices(const PrintGraphChoices& choices);
    // The fields of a dialog just loaded: all data, rows 1 .. recordCount, weight 1.
    void Form_Load(int recordCount);
    void ExtentChosen();
    // Frames in a row above the preview for portrait paper, in a column beside it for
    // landscape; the preview follows.
    void PaperChosen();

    // Cancel and Escape close; the close box also puts the main window's graph back.
    void done(int result) override;

signals:
    // The preview is to be drawn again.
    void previewWanted();
    void printWanted();
    void scalingWanted();
    void closed(bool closeBox);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    bool closeBox_ = false;
};

}  // namespace voltaro
