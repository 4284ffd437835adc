#pragma once

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace voltaro {

// The communications setup dialog: the five option arrays of the serial line, the summary
// label, and a one-poll test of the line on the dialog's own port.
class frmSetup : public QDialog {
    Q_OBJECT
public:
    explicit frmSetup(QWidget* parent = nullptr);

    // Option arrays under their indices; an index the array does not have stays empty.
    std::array<QRadioButton*, 11> optPort{};
    std::array<QRadioButton*, 5> optBaud{};
    std::array<QRadioButton*, 5> optParity{};
    std::array<QRadioButton*, 10> optData{};
    std::array<QRadioButton*, 3> optStop{};
    std::array<QLabel*, 11> labDevice{};  // the device behind each port number

    QLabel* labBaudNote = nullptr;
    QLabel* labvolts2 = nullptr;  // the summary "COM2,2400,O,7,1"
    QLabel* labDigits = nullptr;  // the reading of the line test
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdQUIT = nullptr;
    QPushButton* cmdTest = nullptr;
    QPushButton* CmdStop = nullptr;

    // The caption of a choice: the value that goes into the line settings.
    static QString CaptionOf(const QRadioButton* option);

signals:
    // An option of one of the arrays was clicked: the array's name and the index.
    void optionClicked(const QString& array, int index);

private:
    template <size_t N>
    QGroupBox* BuildArray(const char* title, const char* name, std::array<QRadioButton*, N>& options,
                          std::initializer_list<std::pair<int, const char*>> choices,
                          std::initializer_list<int> hidden);
};

}  // namespace voltaro
