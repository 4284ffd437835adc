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

    QGroupBox* Frame1 = nullptr;  // "Printer Type"
    std::array<QRadioButton*, 2> Option1{};
    QGroupBox* Frame2 = nullptr;  // "Range"
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;  // Start
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;  // End
    QLabel* Label3 = nullptr;
    QComboBox* Combo1 = nullptr;  // DrawWeight
    QGroupBox* Frame3 = nullptr;  // "Paper"
    std::array<QRadioButton*, 2> OptPaper{};
    PictureBox* Picbox = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdScaling = nullptr;
    QPushButton* cmdCencal = nullptr;

    // The choices as the fields show them.
    PrintGraphChoices Choices() const;
    // Takes back what the range rules changed (a Start put right).
    void ShowChoices(const PrintGraphChoices& choices);
    // The fields of a dialog just loaded: all data, rows 1 .. recordCount, weight 1.
    void Form_Load(int recordCount);
    void Option1_Click();
    // Frames in a row above the preview for portrait paper, in a column beside it for
    // landscape; the preview follows.
    void OptPaper_Click();

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
