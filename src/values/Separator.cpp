#include "values/Separator.h"

#include <QFile>

#include "base/Messages.h"
#include "base/ProgramFolder.h"

namespace voltaro {

void Separator::ChkDim(int option) {
    ExtDim = option == 1 ? "," : std::string(1, kSeparatorCaptions[0][2]);
    FileFilterRecording = "Recording Files (*" + ExtDim + "dmm)|*" + ExtDim + "dmm";
    FileFilterExport =
        "CSV Files(*" + ExtDim + "csv)|*" + ExtDim + "csv|Tab Files(*" + ExtDim + "txt)|*" + ExtDim + "txt";
}

bool Separator::ChkDim1(const std::string& folder, const QDateTime& now) const {
    // A recording that happens to be called "test" is never overwritten or removed by the probe.
    QString path = QString::fromStdString(JoinPath(folder, "test" + ExtDim + "dmm"));
    for (int n = 1; QFile::exists(path) && n < 1000; ++n)
        path = QString::fromStdString(JoinPath(folder, "test" + std::to_string(n) + ExtDim + "dmm"));
    QFile f(path);
    if (!f.open(QIODevice::NewOnly | QIODevice::WriteOnly)) return false;
    const QByteArray line = (now.date().toString(QStringLiteral("yyyy/MM/dd")) + QLatin1Char(' ') +
                             now.time().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("\r\n"))
                                .toLatin1();
    const bool written = f.write(line) == line.size();
    f.close();
    return f.remove() && written;
}

int Separator::Confirm(int option, const std::string& folder, const QDateTime& now, MessageSeam& messages) {
    ChkDim(option);
    if (!ChkDim1(folder, now) && option == 0) {
        option = 1;
        ChkDim(option);
        messages.ShowMessage(kSeparatorUnsupported, MessageKind::Error);
    }
    if (!ChkDim1(folder, now) && option == 1) {
        option = 0;
        ChkDim(option);
        messages.ShowMessage(kSeparatorUnsupported, MessageKind::Error);
    }
    ExtDimConfirmed = true;
    return option;
}

}  // namespace voltaro
