#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>

namespace {

QString Bin(const char* name) {
    return qEnvironmentVariable("VOLTARO_BIN_DIR") + "/bin/" + name;
}

// The built program in a folder of its own, under a virtual X server, so that its windows can
// be seen from outside by their titles.
class BuiltProgram : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
            QStandardPaths::findExecutable("xwininfo").isEmpty())
            GTEST_SKIP() << "Xvfb and xwininfo are installed by scripts/install-deps";
        folder = dir.filePath("program");
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QFile::copy(Bin("voltaro"), folder + "/voltaro"));
        // The server picks a free display and names it once it takes connections, so that the
        // program never starts before its screen (or on another test's).
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        ASSERT_TRUE(xvfb.waitForStarted());
        QByteArray number;
        while (!number.contains('\n') && xvfb.waitForReadyRead(20000)) number += xvfb.readAllStandardOutput();
        ASSERT_TRUE(number.contains('\n')) << "Xvfb named no display";
        display = ":" + QString::fromLatin1(number.trimmed());
        env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.remove("QT_QPA_PLATFORM");
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
        QDir().mkpath(dir.filePath("runtime"));
        QFile::setPermissions(dir.filePath("runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        // Only the main window: the decimal-point question is answered for good.
        QDir().mkpath(dir.filePath("config/voltaro"));
        QFile conf(dir.filePath("config/voltaro/voltaro.conf"));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("[frmMain]\nSeleDim=1\n");
    }
    void TearDown() override {
        for (QProcess* p : {&program, &meter, &xvfb}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->terminate();
            if (!p->waitForFinished(5000)) p->kill();
        }
    }
    void WriteSetup(const QByteArray& text) {
        QFile ini(folder + "/Setup.ini");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(text);
    }
    // The titles of the windows on the screen.
    QString Windows() {
        QProcess x;
        x.setProcessEnvironment(env);
        x.start("xwininfo", {"-root", "-tree"});
        x.waitForFinished(5000);
        return QString::fromLocal8Bit(x.readAllStandardOutput());
    }
    // Waits up to 20 s for a window whose title holds `title`.
    bool Shows(const QString& title) {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < giveUp) {
            if (Windows().contains(title)) return true;
            QThread::msleep(100);
        }
        return false;
    }
    void Run() {
        program.setProcessEnvironment(env);
        program.start(folder + "/voltaro");
        ASSERT_TRUE(program.waitForStarted());
    }

    QTemporaryDir dir;
    QString folder, display;
    QProcessEnvironment env;
    QProcess xvfb, meter, program;
};

// The program as built is the ordinary one, whatever the build type: with no serial port that
// opens it says "All Ports in Use!" in an error box instead of showing its window.
TEST_F(BuiltProgram, WithoutAnyPortItSaysAllPortsInUse) {
    QByteArray ports = "[Ports]\r\n";
    for (int n = 1; n <= 10; ++n)
        ports += "COM" + QByteArray::number(n) + "=" + dir.filePath("none").toUtf8() + "\r\n";
    WriteSetup(ports);
    Run();
    EXPECT_TRUE(Shows("Error Message"));
    EXPECT_FALSE(Windows().contains("Untitled.dmm"));
}

// With the simulated meter on COM2 the main window comes up with the recording's name.
TEST_F(BuiltProgram, WithTheSimulatorOnComTwoTheMainWindowShows) {
    meter.start(Bin("voltaro-meter"), {"--link", dir.filePath("meter")});
    ASSERT_TRUE(meter.waitForReadyRead(10000));
    WriteSetup("[Ports]\r\nCOM2=" + dir.filePath("meter").toUtf8() + "\r\n");
    Run();
    EXPECT_TRUE(Shows(folder + "/Untitled.dmm"));
}

// A kill, a hang-up (a logout) or Ctrl-C ends the program as its close box would, without a
// question: the window's place is saved and the exit is a clean one.
TEST_F(BuiltProgram, ASignalToEndSavesAndExitsCleanly) {
    meter.start(Bin("voltaro-meter"), {"--link", dir.filePath("meter")});
    ASSERT_TRUE(meter.waitForReadyRead(10000));
    WriteSetup("[Ports]\r\nCOM2=" + dir.filePath("meter").toUtf8() + "\r\n");
    for (int number : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(number);
        QFile fresh(dir.filePath("config/voltaro/voltaro.conf"));
        ASSERT_TRUE(fresh.open(QIODevice::WriteOnly));
        fresh.write("[frmMain]\nSeleDim=1\n");
        fresh.close();
        Run();
        ASSERT_TRUE(Shows(folder + "/Untitled.dmm"));
        ::kill(static_cast<pid_t>(program.processId()), number);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        QFile conf(dir.filePath("config/voltaro/voltaro.conf"));
        ASSERT_TRUE(conf.open(QIODevice::ReadOnly));
        EXPECT_TRUE(conf.readAll().contains("Width=")) << "the window's place is saved";
    }
}

}  // namespace
