#pragma once

#include <QFile>
#include <QProcess>
#include <string>
#include <vector>

namespace voltaro::testing {

// Starts the simulator built beside the tests; the device it made, or "" when it made none.
inline std::string StartMeter(QProcess& meter, const QStringList& args) {
    meter.start(qEnvironmentVariable("VOLTARO_BIN_DIR") + "/bin/voltaro-meter", args);
    if (!meter.waitForReadyRead(10000)) return {};
    return meter.readLine().trimmed().toStdString();
}

// The frames the simulator wrote with --log, in the order sent.
inline std::vector<std::string> LoggedFrames(const QString& path) {
    std::vector<std::string> frames;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return frames;
    for (QByteArray line : f.readAll().split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        if (!line.isEmpty()) frames.push_back(line.toStdString());
    }
    return frames;
}

}  // namespace voltaro::testing
