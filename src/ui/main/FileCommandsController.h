#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "base/Messages.h"

namespace voltaro {

class MainWindow;
class DeleteFileDialog;
struct FileDialogRequest;

// The File menu's recording commands: New, Open, Close, the recent files, Import, Export, Save,
// Save as and Delete File, with the question about unsaved readings they share.
class FileCommandsController : public QObject {
public:
    explicit FileCommandsController(MainWindow& window);
    ~FileCommandsController() override;

    // Connects the menu entries of the window.
    void Connect();

    void New();
    void Open();
    void Close();
    // A recent file (1 to 6).
    void OpenRecent(int index);
    void Import();
    void Export();
    // The open recording and its numbered parts as CSV for analysis tools.
    void ExportForAnalysis();
    void Save();
    // True when the recording was saved under the chosen name.
    bool SaveAs();
    void DeleteFile();
    // The new-file dialog of New: true when a name was chosen and the recording begun anew.
    bool NewFile();
    // Reads a recording file in place of the one held.
    void OpenRecording(const std::string& path);
    // The unsaved-data question; MessageAnswer::Cancel when the user cancelled.
    MessageAnswer CheckSave();
    // Readings recorded or imported since the recording was last saved or read.
    bool HoldsUnsavedRows() const;
    // The recent files as the menu's entries.
    void ShowRecentFiles();

    DeleteFileDialog* deleteFileDialog() const { return deleteFile.get(); }

private:
    // A recording-file dialog: the recording filter, from the folder of the last recording.
    FileDialogRequest RecordingDialog(const std::string& title, int filterIndex,
                                      const std::string& initialName) const;
    // The dialogs' first filter for the extension of the recording's file.
    int RecordingFilterIndex() const;

    MainWindow& w_;
    std::unique_ptr<DeleteFileDialog> deleteFile;
};

}  // namespace voltaro
