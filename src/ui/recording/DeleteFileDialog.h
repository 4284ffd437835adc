#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace voltaro {

class MessageSeam;

// "Delete File": a folder list, the files of the chosen type in that folder, and a name box;
// Delete asks before a file goes. Not modal: the main window waits, disabled, until it closes.
class DeleteFileDialog : public QDialog {
    Q_OBJECT
public:
    explicit DeleteFileDialog(MessageSeam& messages, QWidget* parent = nullptr);

    QLabel* nameLabel = nullptr;      // "File name :"
    QLabel* typeLabel = nullptr;      // "Files of type :"
    QListWidget* folderList = nullptr;   // the folder's ancestors, itself and its subfolders
    QListWidget* fileList = nullptr;  // the folder's files matching the type
    QLineEdit* nameBox = nullptr;
    QComboBox* typeBox = nullptr;
    QPushButton* deleteButton = nullptr;  // "Delete"
    QPushButton* cancelButton = nullptr;  // "Cancel"
    // Why a file may not be deleted ("" when it may); set by the main window.
    std::function<std::string(const std::string&)> Refusal;

    // Shows `path` when it is a folder (and names the dialog after it), otherwise `fallback`;
    // the first file type; an empty name box.
    void Form_Load(const std::string& path, const std::string& fallback);
    // The folder shown; the file list follows it.
    void ShowFolder(const QString& folder);
    QString Folder() const { return folder_; }
    void TypeChosen();
    void DeleteChosenFile();
    // Cancel, Escape and the close box all end here.
    void done(int result) override;

signals:
    // Another folder was chosen: it becomes the folder of the next file dialogs.
    void folderChanged(const std::string& folder);
    void closed();

private:
    void FillFolders();
    void FillFiles();
    std::string FullName() const;

    MessageSeam& messages_;
    QString folder_;
    QString pattern_;
};

}  // namespace voltaro
