#include "ui/recording/DeleteFileDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "base/Messages.h"
#include "ui/widgets/LabelCaption.h"
#include "app/FileCommands.h"

namespace voltaro {

namespace {
constexpr int kFolderRole = Qt::UserRole;
}

DeleteFileDialog::DeleteFileDialog(MessageSeam& messages, QWidget* parent) : QDialog(parent), messages_(messages) {
    setObjectName(QStringLiteral("frmFile"));
    setWindowTitle(QStringLiteral("Delete File"));
    setModal(false);
    nameLabel = new QLabel(QStringLiteral("File name :"), this);
    typeLabel = new QLabel(QStringLiteral("Files of type :"), this);
    nameBox = new QLineEdit(this);
    fileList = new QListWidget(this);
    folderList = new QListWidget(this);
    typeBox = new QComboBox(this);
    deleteButton = new QPushButton(QStringLiteral("Delete"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    // Return in the lists or the name box must never press Delete.
    for (QPushButton* b : {deleteButton, cancelButton}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    for (const char* type : kDeleteFileTypes) typeBox->addItem(QString::fromLatin1(type));

    auto* grid = new QGridLayout(this);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(nameBox, 1, 0);
    grid->addWidget(fileList, 2, 0);
    grid->addWidget(typeLabel, 3, 0);
    grid->addWidget(typeBox, 4, 0);
    grid->addWidget(folderList, 0, 1, 5, 1);
    grid->addWidget(deleteButton, 0, 2);
    grid->addWidget(cancelButton, 1, 2);
    resize(520, 300);

    connect(typeBox, &QComboBox::currentIndexChanged, this, [this] { TypeChosen(); });
    connect(fileList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { nameBox->setText(item->text()); });
    connect(folderList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowFolder(item->data(kFolderRole).toString()); });
    connect(deleteButton, &QPushButton::clicked, this, &DeleteFileDialog::DeleteChosenFile);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void DeleteFileDialog::Form_Load(const std::string& path, const std::string& fallback) {
    const QString stored = QString::fromStdString(path);
    const bool exists = !path.empty() && QFileInfo(stored).isDir();
    setWindowTitle(exists ? stored : QStringLiteral("Delete File"));
    {
        const QSignalBlocker quiet(typeBox);
        typeBox->setCurrentIndex(0);
    }
    pattern_ = QString::fromLatin1(TypePattern(kDeleteFileTypes[0]).c_str());
    folder_ = QDir(exists ? stored : QString::fromStdString(fallback)).absolutePath();
    FillFolders();
    FillFiles();
    nameBox->clear();
}

void DeleteFileDialog::ShowFolder(const QString& folder) {
    if (!QFileInfo(folder).isDir()) return;
    folder_ = QDir(folder).absolutePath();
    FillFolders();
    FillFiles();
    emit folderChanged(folder_.toStdString());
}

void DeleteFileDialog::TypeChosen() {
    pattern_ = QString::fromLatin1(TypePattern(Latin1(typeBox->currentText())).c_str());
    FillFiles();
}

void DeleteFileDialog::FillFolders() {
    folderList->clear();
    // The way down from the root, then the folders inside the one shown, indented by depth.
    QStringList way;
    for (QDir d(folder_);;) {
        way.prepend(d.absolutePath());
        if (!d.cdUp()) break;
    }
    int depth = 0;
    auto add = [this](const QString& path, const QString& name, int level) {
        auto* item = new QListWidgetItem(QString(level * 2, QLatin1Char(' ')) + name, folderList);
        item->setData(kFolderRole, path);
        return item;
    };
    for (const QString& p : way) {
        const QString name = p == QStringLiteral("/") ? p : QFileInfo(p).fileName();
        QListWidgetItem* item = add(p, name, depth++);
        if (p == folder_) folderList->setCurrentItem(item);
    }
    const QDir here(folder_);
    for (const QFileInfo& sub :
         here.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        add(sub.absoluteFilePath(), sub.fileName(), depth);
}

void DeleteFileDialog::FillFiles() {
    fileList->clear();
    const QStringList patterns = pattern_.isEmpty() ? QStringList() : QStringList{pattern_};
    const QDir here(folder_);
    for (const QString& name : here.entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase))
        fileList->addItem(name);
}

std::string DeleteFileDialog::FullName() const {
    const QString name = nameBox->text();
    if (name.isEmpty()) return {};
    return QDir(folder_).filePath(name).toStdString();
}

void DeleteFileDialog::DeleteChosenFile() {
    const std::string full = FullName();
    if (full.empty() || !QFileInfo(QString::fromStdString(full)).isFile()) return;
    // A file that holds readings of the open recording stays, and the box says why.
    if (const std::string why = Refusal ? Refusal(full) : std::string(); !why.empty()) {
        messages_.ShowMessage(why, MessageKind::Error);
        return;
    }
    if (messages_.ShowMessage(DeleteQuestion(full), MessageKind::YesNo) != MessageAnswer::Yes) return;
    if (!QFile::remove(QString::fromStdString(full))) {
        messages_.ShowMessage("Can't delete " + full, MessageKind::Error);
        return;
    }
    FillFiles();
}

void DeleteFileDialog::done(int result) {
    QDialog::done(result);
    emit closed();
}

}  // namespace voltaro
