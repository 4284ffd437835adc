#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <random>

#include "recording/FileFormat.h"
#include "recording/SaveChildData.h"

namespace voltaro {
namespace {

std::string Slurp(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

TEST(SaveKill, AProcessKilledDuringWholeSavesLeavesTheOldOrTheNewFile) {
    const QString child = QCoreApplication::applicationDirPath() + "/recording_save_child";
    ASSERT_TRUE(QFile::exists(child));
    QTemporaryDir dir;
    const QString path = dir.filePath("run.dmm");
    std::string expected[2];
    for (int which : {0, 1}) {
        RecordStore s;
        const int rows = FillSaveChildRecording(s, which);
        const std::string p = dir.filePath(which == 0 ? "a.ref" : "b.ref").toStdString();
        ASSERT_TRUE(WriteRows(s, p, ',', 0, rows, nullptr, nullptr).ok);
        expected[which] = Slurp(QString::fromStdString(p));
    }
    QFile::copy(dir.filePath("a.ref"), path);

    std::mt19937 random(4);
    std::uniform_int_distribution<int> wait(0, 30);
    for (int round = 0; round < 20; ++round) {
        QProcess p;
        p.start(child, {path});
        ASSERT_TRUE(p.waitForStarted());
        // Killed only once a whole save is done: the child is then always within the next one,
        // however slow the machine.
        QByteArray said;
        while (!said.contains("saved") && p.waitForReadyRead(60000)) said += p.readAllStandardOutput();
        ASSERT_TRUE(said.contains("saved")) << "round " << round << ": no save completed";
        QThread::msleep(static_cast<unsigned long>(wait(random)));
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        ASSERT_TRUE(p.waitForFinished());
        const std::string now = Slurp(path);
        ASSERT_TRUE(now == expected[0] || now == expected[1])
            << "round " << round << ": a broken file of " << now.size() << " bytes";
    }
    // What a killed save leaves behind is cleared by the next whole save.
    RecordStore s;
    const int rows = FillSaveChildRecording(s, 0);
    ASSERT_TRUE(WriteRows(s, path.toStdString(), ',', 0, rows, nullptr, nullptr).ok);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

}  // namespace
}  // namespace voltaro
