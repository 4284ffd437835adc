#include "ui/widgets/QtFileDialogs.h"

#include <QFileDialog>

namespace voltaro {

std::optional<std::string> QtFileDialogs::AskSaveName(const FileDialogRequest& request) {
    return Ask(request, true);
}

std::optional<std::string> QtFileDialogs::AskOpenName(const FileDialogRequest& request) {
    return Ask(request, false);
}

std::optional<std::string> QtFileDialogs::Ask(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent_, QString::fromLatin1(request.title.c_str()),
                       QString::fromStdString(request.folder));
    dialog.setObjectName(save ? QStringLiteral("SaveFileDialog") : QStringLiteral("OpenFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const std::string& f : NameFiltersOf(request.filter)) filters << QString::fromLatin1(f.c_str());
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.initialName.empty()) dialog.selectFile(QString::fromStdString(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace voltaro
