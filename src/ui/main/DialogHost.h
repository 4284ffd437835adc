#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "print/PrintedGraph.h"

class QDialog;
class QWidget;

namespace voltaro {

class MainWindow;
class SerialSetupDialog;
class DecimalSeparatorDialog;
class GraphScalingDialog;
class DecibelDialog;
class DecibelTableDialog;
class DateTimeFormatDialog;
class AutoSaveDialog;
class PrintGraphDialog;
class ReportWindow;

// The main window's dialogs of the Setup, Help and print commands: made when first wanted,
// placed where they were last closed, and closed back into the main window, which takes
// commands again. They are windows of their own, not children: disabling the main window must
// leave them working.
class DialogHost : public QObject {
public:
    explicit DialogHost(MainWindow& window);
    ~DialogHost() override;

    // Connects the menu entries of the window that open the dialogs.
    void Connect();

    // A dialog at its stored place; one never placed keeps the place the window system gives it.
    void Place(QWidget* dialog, const std::string& name);
    void SavePlacement(QWidget* dialog, const std::string& name);
    // Stores a dialog's placement, hides it and gives the main window its commands back.
    void Close(QWidget* dialog, const std::string& name);
    // A dialog of the main window closed: the main window takes commands again.
    void Closed();
    // Every dialog hidden, as the program ends.
    void HideAll();

    // Makes the serial setup dialog, once.
    void LoadSetup();
    void ShowSetup();
    void ShowSeparator();
    // Loads the scaling dialog hidden and its controls from the store, so that the range rule
    // and the recording interval hold before the dialog is ever shown.
    void ReadScalingSettings();
    void ShowScaling();
    void ShowDecibels();
    void ShowDateTime();
    void ShowAutoSave();
    void ShowDecibelTable();
    void ShowAbout();
    void ShowPrintGraph();
    void ShowReport();
    // The printed graph's preview from the print-range dialog's choices.
    void DrawPrintPreview();

    // The dialogs, made when first wanted.
    std::unique_ptr<SerialSetupDialog> setup;
    std::unique_ptr<DecimalSeparatorDialog> seleDim;
    std::unique_ptr<QDialog> about;
    std::unique_ptr<GraphScalingDialog> scaling;
    std::unique_ptr<DecibelDialog> deciBels;
    std::unique_ptr<DecibelTableDialog> dbTest;
    std::unique_ptr<DateTimeFormatDialog> dateTime;
    std::unique_ptr<AutoSaveDialog> autoSave;
    std::unique_ptr<PrintGraphDialog> printRange;
    std::unique_ptr<ReportWindow> report;

private:
    void ScalingOK();
    void ScalingCancel();
    // Every way the scaling dialog closes; the print-range dialog gets its turn back.
    void CloseScaling();
    // The interval and the overload rule of the scaling dialog as its spinners hold them.
    void TakeScalingInterval();
    void DecibelsConfirmed();
    void DecibelsCancelled();
    void DateTimeConfirmed();
    void PrintGraphOnPrinter();

    MainWindow& w_;
    PrintedGraph printedGraph;
};

}  // namespace voltaro
