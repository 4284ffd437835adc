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
    Label1 = new QLabel(QStringLiteral("File name :"), this);
    Label2 = new QLabel(QStringLiteral("Files of type :"), this);
    Text1 = new QLineEdit(this);
    File1 = new QListWidget(this);
    Dir1 = new QListWidget(this);
    Combo1 = new QComboBox(this);
    Command1 = new QPushButton(QStringLiteral("Delete"), this);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    // Return in the lists or the name box must never press Delete.
    for (QPushButton* b : {Command1, Command2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    for (const char* type : kDeleteFileTypes) Combo1->addItem(QString::fromLatin1(type));

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 1, 0);
    grid->addWidget(File1, 2, 0);
    grid->addWidget(Label2, 3, 0);
    grid->addWidget(Combo1, 4, 0);
    grid->addWidget(Dir1, 0, 1, 5, 1);
    grid->addWidget(Command1, 0, 2);
    grid->addWidget(Command2, 1, 2);
    resize(520, 300);

    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
    connect(File1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Text1->setText(item->text()); });
    connect(Dir1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowFolder(item->data(kFolderRole).toString()); });
    connect(Command1, &QPushButton::clicked, this, &DeleteFileDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void DeleteFileDialog::Form_Load(const std::string& path, const std::string& fallback) {
    const QString stored = QString::fromStdString(path);
    const bool exists = !path.empty() && QFileInfo(stored).isDir();
    setWindowTitle(exists ? stored : QStringLiteral("Delete File"));
    {
        const QSignalBlocker quiet(Combo1);
        Combo1->setCurrentIndex(0);
    }
    pattern_ = QString::fromLatin1(TypePattern(kDeleteFileTypes[0]).c_str());
    folder_ = QDir(exists ? stored : QString::fromStdString(fallback)).absolutePath();
    FillFolders();
    FillFiles();
    Text1->clear();
}

void DeleteFileDialog::ShowFolder(const QString& folder) {
    if (!QFileInfo(folder).isDir()) return;
    folder_ = QDir(folder).absolutePath();
    FillFolders();
    FillFiles();
    emit folderChanged(folder_.toStdString());
}

void DeleteFileDialog::Combo1_Click() {
    pattern_ = QString::fromLatin1(TypePattern(Latin1(Combo1->currentText())).c_str());
    FillFiles();
}

void DeleteFileDialog::FillFolders() {
    Dir1->clear();
    // The way down from the root, then the folders inside the one shown, indented by depth.
    QStringList way;
    for (QDir d(folder_);;) {
        way.prepend(d.absolutePath());
        if (!d.cdUp()) break;
    }
    int depth = 0;
    auto add = [this](const QString& path, const QString& name, int level) {
        auto* item = new QListWidgetItem(QString(level * 2, QLatin1Char(' ')) + name, Dir1);
        item->setData(kFolderRole, path);
        return item;
    };
    for (const QString& p : way) {
        const QString name = p == QStringLiteral("/") ? p : QFileInfo(p).fileName();
        QListWidgetItem* item = add(p, name, depth++);
        if (p == folder_) Dir1->setCurrentItem(item);
    }
    const QDir here(folder_);
    for (const QFileInfo& sub :
         here.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        add(sub.absoluteFilePath(), sub.fileName(), depth);
}

void DeleteFileDialog::FillFiles() {
    File1->clear();
    const QStringList patterns = pattern_.isEmpty() ? QStringList() : QStringList{pattern_};
    const QDir here(folder_);
    for (const QString& name : here.entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase))
        File1->addItem(name);
}

std::string DeleteFileDialog::FullName() const {
    const QString name = Text1->text();
    if (name.isEmpty()) return {};
    return QDir(folder_).filePath(name).toStdString();
}

void DeleteFileDialog::Command1_Click() {
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
