#include "base/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace voltaro {

std::string DefaultProgramFolder() {
    const QString exeDir = QCoreApplication::applicationDirPath();
    QFileInfo info(exeDir);
    if (!exeDir.isEmpty() && info.isDir() && info.isWritable()) return exeDir.toStdString();
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.voltaro");
    QDir().mkpath(data);
    return data.toStdString();
}

std::string ExecutableTitle() {
    const QString path = QCoreApplication::applicationFilePath();
    const QString title = QFileInfo(path).completeBaseName();
    return title.isEmpty() ? std::string("voltaro") : title.toStdString();
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace voltaro
