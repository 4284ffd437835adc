#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

void PutScript(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}

// scripts/run in a tree of its own, with installing and building stood down and stand-ins for
// the simulator and the program, so that what the script itself does is seen.
class RunScript : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(top.path()).mkpath("scripts"));
        ASSERT_TRUE(QDir(top.path()).mkpath("build/bin"));
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(VOLTARO_SOURCE_DIR "/scripts/run"), top.filePath("scripts/run")));
        PutScript(top.filePath("scripts/install-deps"), "#!/bin/sh\n");
        PutScript(top.filePath("scripts/build"), "#!/bin/sh\n");
        // The meter: "--silent" runs without ever making its device.
        PutScript(top.filePath("build/bin/voltaro-meter"),
                  "#!/bin/sh\n"
                  "if [ \"$1\" = --help ]; then echo 'meter: --profile NAME'; exit 0; fi\n"
                  "link=$2; shift 2\n"
                  "[ \"$1\" = --silent ] || ln -s /dev/null \"$link\"\n"
                  "exec sleep 60\n");
        // The program shows the settings file it was started with.
        PutScript(top.filePath("build/bin/voltaro"),
                  "#!/bin/sh\necho voltaro \"$*\"\ntr -d '\\r' <\"$(dirname \"$0\")/Setup.ini\"\n");
    }
    void Run(const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("VOLTARO_BUILD_DIR"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("bash"), QStringList{top.filePath("scripts/run")} + args);
        ASSERT_TRUE(p.waitForFinished(60000));
        status = p.exitCode();
        out = QString::fromUtf8(p.readAllStandardOutput());
        err = QString::fromUtf8(p.readAllStandardError());
    }

    QTemporaryDir top;
    int status = -1;
    QString out, err;
};

}  // namespace

TEST_F(RunScript, HelpShowsItsOwnUsageAndTheSimulatorsOptions) {
    Run({"--help"});
    EXPECT_EQ(status, 0) << err.toStdString();
    EXPECT_TRUE(out.startsWith("Usage: scripts/run")) << out.toStdString();
    EXPECT_TRUE(out.contains("meter: --profile NAME")) << out.toStdString();
    EXPECT_FALSE(out.contains("voltaro ")) << out.toStdString();
}

TEST_F(RunScript, TheSimulatorIsOnTheDefaultPortAndSettingsGoToSetupIni) {
    Run({"--settings", "2400,e,7,1", "--profile", "sine"});
    EXPECT_EQ(status, 0) << err.toStdString();
    EXPECT_TRUE(out.contains("voltaro \n")) << "the program takes no arguments: " << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression("\\[Ports\\]\nCOM2=\\S+/meter\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains("Baud=0\nParity=1\nData=3\nStop=0\n")) << out.toStdString();
}

TEST_F(RunScript, AMeterDeviceGoesOnTheConfiguredPortWhichIsPutBackOnExit) {
    PutScript(top.filePath("build/bin/Setup.ini"),
              "[Communications]\r\nPort=3\r\n[Ports]\r\nCOM3=/dev/ttyS9\r\n");
    Run({"--meter", "/dev/ttyUSB7"});
    EXPECT_EQ(status, 0) << err.toStdString();
    EXPECT_TRUE(out.contains("COM3=/dev/ttyUSB7\n")) << out.toStdString();
    QFile ini(top.filePath("build/bin/Setup.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), "[Communications]\r\nPort=3\r\n[Ports]\r\nCOM3=/dev/ttyS9\r\n");
}

TEST_F(RunScript, SettingsOfAnotherShapeAreRefused) {
    Run({"--settings", "2400,O,9,1"});
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(err.contains("--settings takes")) << err.toStdString();
    EXPECT_FALSE(out.contains("voltaro ")) << out.toStdString();
}

TEST_F(RunScript, SimulatorWithoutADeviceFailsClearly) {
    Run({"--silent"});
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(err.contains("made no device")) << err.toStdString();
    EXPECT_FALSE(out.contains("voltaro ")) << out.toStdString();
}
