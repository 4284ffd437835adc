#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace voltaro {

struct AppSettings;
class SerialPort;

// The communications setup dialog: the five option arrays of the serial line, the summary
// label, and a one-poll test of the line on the dialog's own port.
class SerialSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit SerialSetupDialog(QWidget* parent = nullptr);
    ~SerialSetupDialog() override;

    // The dialog's own serial control, and the serial settings the dialog edits.
    void AttachPort(std::unique_ptr<SerialPort> port);
    void AttachSettings(AppSettings& settings) { settings_ = &settings; }
    SerialPort& Port() { return *port_; }

    // Marks which ports 1 to 10 open with the line settings; the number that do.
    int ScanPorts();
    // The load: scans the ports and selects the stored choices. False when no port opens and
    // the program is not in DebugMode: the program cannot run.
    bool Form_Load(bool debugMode);
    // When the stored port cannot be opened, the first one that can is taken instead.
    void ChkCommOK(AppSettings& settings);
    // The line settings from the chosen captions, and the summary label.
    void ShowSettings();
    // Selects the options of the settings' indices.
    void SelectStored();

    bool Changed = false;
    int PortsFound = 0;
    QTimer Timer1;  // polls the line while its test runs, from Start to STop

    // Option arrays under their indices; an index the array does not have stays empty.
    std::array<QRadioButton*, 11> portOptions{};
    std::array<QRadioButton*, 5> baudOptions{};
    std::array<QRadioButton*, 5> parityOptions{};
    std::array<QRadioButton*, 10> dataBitsOptions{};
    std::array<QRadioButton*, 3> stopBitsOptions{};
    std::array<QLabel*, 11> labDevice{};  // the device behind each port number

    QLabel* baudNote = nullptr;
    QLabel* summaryLabel = nullptr;  // the summary "COM2,2400,O,7,1"
    QLabel* labDigits = nullptr;  // the reading of the line test
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* testButton = nullptr;
    QPushButton* stopTestButton = nullptr;

    // The caption of a choice: the value that goes into the line settings.
    static QString CaptionOf(const QRadioButton* option);

    // OK confirms; Cancel, Escape and the close box cancel. Each ends the line test first.
    void done(int result) override;

signals:
    // An option of one of the arrays was clicked: the array's name and the index.
    void optionClicked(const QString& array, int index);
    // OK after a change: the settings are to be saved and the main window's port reopened.
    void settingsConfirmed();
    // Start and STop of the line test.
    void testStarted();
    void testStopped();
    void closed();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void OptionClick(const QString& array, int index);
    void OkClicked();
    void CancelClicked();

    AppSettings* settings_ = nullptr;
    // The serial line as it was when the dialog was shown; the rest of the settings may change
    // meanwhile (a save names a recent file) and is not the dialog's to put back.
    std::unique_ptr<AppSettings> atOpen_;
    std::unique_ptr<SerialPort> port_;

    template <size_t N>
    QGroupBox* BuildArray(const char* title, const char* name, std::array<QRadioButton*, N>& options,
                          std::initializer_list<std::pair<int, const char*>> choices,
                          std::initializer_list<int> hidden);
};

}  // namespace voltaro
