#include "ui/main/FileCommandsController.h"

#include <QAction>
#include <QFileInfo>

#include "app/FileCommands.h"
#include "base/FileDialogs.h"
#include "recording/AnalysisExport.h"
#include "recording/FileFormat.h"
#include "recording/FileNames.h"
#include "ui/main/DialogHost.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowViews.h"
#include "ui/recording/DeleteFileDialog.h"

namespace voltaro {

FileCommandsController::FileCommandsController(MainWindow& window) : QObject(&window), w_(window) {}

FileCommandsController::~FileCommandsController() = default;

void FileCommandsController::Connect() {
    connect(w_.saveAsAction, &QAction::triggered, this, &FileCommandsController::SaveAs);
    connect(w_.saveAction, &QAction::triggered, this, &FileCommandsController::Save);
    connect(w_.newAction, &QAction::triggered, this, &FileCommandsController::New);
    connect(w_.openAction, &QAction::triggered, this, &FileCommandsController::Open);
    connect(w_.closeAction, &QAction::triggered, this, &FileCommandsController::Close);
    for (int i = 1; i < static_cast<int>(w_.recentFileActions.size()); ++i)
        connect(w_.recentFileActions[i], &QAction::triggered, this, [this, i] { OpenRecent(i); });
    connect(w_.importAction, &QAction::triggered, this, &FileCommandsController::Import);
    connect(w_.exportAction, &QAction::triggered, this, &FileCommandsController::Export);
    connect(w_.exportForAnalysisAction, &QAction::triggered, this, &FileCommandsController::ExportForAnalysis);
    connect(w_.deleteFileAction, &QAction::triggered, this, &FileCommandsController::DeleteFile);
}

FileDialogRequest FileCommandsController::RecordingDialog(const std::string& title, int filterIndex,
                                                          const std::string& initialName) const {
    return {title, w_.separator.FileFilterRecording, filterIndex, w_.settings.Path, initialName};
}

int FileCommandsController::RecordingFilterIndex() const {
    const char extDim = w_.separator.ExtDim.empty() ? '.' : w_.separator.ExtDim[0];
    return FilterIndexFor(ExtensionOf(w_.recording->store.RecordingFile, extDim));
}

bool FileCommandsController::SaveAs() {
    Recording& recording = *w_.recording;
    const auto chosen = w_.ctx.fileDialogs->AskSaveName(
        RecordingDialog(kSaveAsTitle, RecordingFilterIndex(), recording.store.RecordingFile));
    if (!chosen) return false;
    // The dialog asked before replacing a file: the whole recording goes there, header first.
    recording.NameChosen(CheckFileName(*chosen));
    return recording.SaveByExtension(true);
}

void FileCommandsController::Save() {
    w_.recording->SaveByExtension(true);
}

void FileCommandsController::New() {
    if (CheckSave() == MessageAnswer::Cancel) return;
    NewFile();
}

bool FileCommandsController::NewFile() {
    RecordStore& store = w_.recording->store;
    const auto chosen =
        w_.ctx.fileDialogs->AskSaveName(RecordingDialog(kNewFileTitle, 1, store.RecordingFile));
    if (!chosen) return false;
    const std::string name = CheckFileName(*chosen);
    store.RecordingFile = name;  // the new working file goes beside it
    w_.recording->ResetRecording();
    // The dialog asked before replacing a file: the first save writes the whole table over it.
    w_.recording->NameChosen(name);
    w_.recordingView->RememberFile(name);
    w_.saveAction->setEnabled(false);
    return true;
}

void FileCommandsController::Open() {
    if (CheckSave() == MessageAnswer::Cancel) return;
    const auto chosen =
        w_.ctx.fileDialogs->AskOpenName(RecordingDialog(kOpenFileTitle, RecordingFilterIndex(), ""));
    if (!chosen) return;
    // ".dmm" is added to a name typed without it; a file chosen whose extension follows a comma
    // separator is opened as it is.
    const std::string name = CheckFileName(*chosen);
    const auto exists = [](const std::string& p) { return QFileInfo::exists(QString::fromStdString(p)); };
    OpenRecording(!exists(name) && exists(*chosen) ? *chosen : name);
}

void FileCommandsController::Close() {
    if (CheckSave() == MessageAnswer::Cancel) return;
    w_.recording->ResetRecording();
}

void FileCommandsController::OpenRecent(int index) {
    // A copy: reading the file moves it to the top of the list.
    const std::string path = w_.settings.RecentFiles.at(static_cast<size_t>(index - 1));
    if (path.empty()) return;
    // Nothing is asked, unless readings that were never saved would be lost.
    if (HoldsUnsavedRows() && CheckSave() == MessageAnswer::Cancel) return;
    OpenRecording(path);
}

bool FileCommandsController::HoldsUnsavedRows() const {
    return w_.RecordCount() != 0 && w_.saveAction->isEnabled();
}

void FileCommandsController::OpenRecording(const std::string& path) {
    const bool unsaved = w_.saveAction->isEnabled();
    const LoadResult r = w_.recording->OpenFile(path);
    w_.recordingView->EnableFileCommands(true);
    // A file read whole is on disk as it is; a file that was not read left the rows held as
    // they were.
    w_.saveAction->setEnabled(r.loaded ? r.readError || r.rowsLeftOut > 0 : unsaved);
}

void FileCommandsController::Import() {
    const std::string& file = w_.recording->store.RecordingFile;
    const auto chosen = w_.ctx.fileDialogs->AskOpenName(RecordingDialog(
        kImportTitle, RecordingFilterIndex(), file.size() > 4 ? file.substr(0, file.size() - 4) : ""));
    if (!chosen) return;
    w_.recording->ImportReadings(*chosen);
}

void FileCommandsController::Export() {
    const auto chosen = w_.ctx.fileDialogs->AskSaveName(
        {kExportTitle, w_.separator.FileFilterExport, RecordingFilterIndex(), w_.settings.Path, ""});
    if (!chosen) return;
    w_.recording->ExportReadings(*chosen);
}

void FileCommandsController::ExportForAnalysis() {
    const auto chosen = w_.ctx.fileDialogs->AskSaveName(
        {"Export for Analysis", "CSV Files (*.csv)|*.csv", 1, w_.settings.Path, ""});
    if (!chosen) return;
    const RecordStore& store = w_.recording->store;
    const std::string& meterType = w_.recording->meterType;
    // The readings held, saved or not, then the numbered parts that follow the recording's file.
    std::string text = AnalysisHeader(AnalysisFormat::Csv);
    for (int row = 1; row <= store.RecordCount; ++row)
        AppendAnalysisRow(text, AnalysisRowOf(store, row, w_.formats.DateF, meterType), AnalysisFormat::Csv);
    for (const std::string& part : FollowOnParts(store.RecordingFile))
        if (!AppendRecordingFile(text, part, AnalysisFormat::Csv, w_.formats.DateF, meterType))
            w_.ctx.messages->ShowMessage("Can't read " + part, MessageKind::Error);
    const WriteOutcome written = ReplaceFile(*chosen, text);
    if (!written.ok) w_.ctx.messages->ShowMessage("Can't write " + *chosen + "\r\n" + written.error, MessageKind::Error);
}

void FileCommandsController::DeleteFile() {
    DialogHost& host = *w_.dialogs;
    if (!deleteFile) {
        deleteFile = std::make_unique<DeleteFileDialog>(*w_.ctx.messages);
        deleteFile->Refusal = [this](const std::string& path) { return w_.recording->DeleteRefusal(path); };
        host.Place(deleteFile.get(), "frmFile");
        connect(deleteFile.get(), &DeleteFileDialog::folderChanged, this,
                [this](const std::string& folder) { w_.settings.Path = folder; });
        connect(deleteFile.get(), &DeleteFileDialog::closed, this, [this] {
            w_.dialogs->SavePlacement(deleteFile.get(), "frmFile");
            w_.dialogs->Closed();
        });
    }
    deleteFile->Form_Load(w_.settings.Path, w_.ctx.programFolder);
    w_.setEnabled(false);
    deleteFile->show();
    deleteFile->raise();
}

MessageAnswer FileCommandsController::CheckSave() {
    return voltaro::CheckSave(w_.RecordCount(), *w_.ctx.messages, [this] { return SaveAs(); });
}

void FileCommandsController::ShowRecentFiles() {
    const AppSettings& settings = w_.settings;
    for (size_t i = 0; i < settings.RecentFiles.size(); ++i) {
        w_.recentFileActions[i + 1]->setText(QString::fromStdString(settings.RecentFiles[i]));
        w_.recentFileActions[i + 1]->setVisible(settings.RecentVisible(i));
    }
    w_.recentFileActions[0]->setVisible(settings.RecentVisible(0));
}

}  // namespace voltaro
