#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "recording/Report.h"

class QAction;
class QMenuBar;
class QTreeView;

namespace voltaro {

class Clock;
class MessageSeam;
class Printer;
class Printers;
class ReportTableModel;
class Settings;
class ReportTitleDialog;

inline const std::string kReportFailedMessage = "The printer could not print the report.";

// "Print Report": the readings report as a table, printed page by page under the titles of
// "Set Title". Not modal: the main window waits, disabled, until it closes.
class ReportWindow : public QDialog {
    Q_OBJECT
public:
    ReportWindow(Settings& stores, Printers& printers, MessageSeam& messages, Clock& clock,
              QWidget* parent = nullptr);
    ~ReportWindow() override;

    QMenuBar* menu = nullptr;
    QAction* printAction = nullptr;
    QAction* setTitleAction = nullptr;
    QAction* exitAction = nullptr;
    QTreeView* table = nullptr;
    ReportTitleDialog* title = nullptr;
    // What the printer dialog chose, and the pages of the last printout.
    int FromPage = 1, ToPage = 1, Copies = 1;
    int PagesPrinted = 0;

    // Rebuilds the table from the recording.
    void ReadListData(Report& report, const RecordStore& store, const DateTimeFormat& formats, double vmax,
                      double vmin);
    const std::vector<ReportLine>& Lines() const;

    void PrintClicked();
    // Prints the pages chosen; false when the printer refused them.
    bool PrintRep(Printer& printer);
    void SetTitleClicked();

    // The progress of a printout: shown with its caption, then lines printed of all.
    std::function<void(const std::string& caption)> progressShown;
    std::function<void(int done, int total)> progress;
    std::function<void()> progressEnded;

    // "Exit", Escape and the close box all end here.
    void done(int result) override;

signals:
    void closed();

private:
    Printers& printers_;
    MessageSeam& messages_;
    Clock& clock_;
    ReportTableModel* model_ = nullptr;
    std::string recordingFile_;
    const DateTimeFormat* formats_ = nullptr;
};

}  // namespace voltaro
