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
// the simulator and the reader, so that what the script itself does is seen.
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
        PutScript(top.filePath("build/bin/voltaro-cli"), "#!/bin/sh\necho \"cli $*\"\n");
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
    EXPECT_FALSE(out.contains("cli ")) << out.toStdString();
}

TEST_F(RunScript, SettingsGoToTheReaderAndTheRestToTheSimulator) {
    Run({"--settings", "2400,E,7,1", "--profile", "sine"});
    EXPECT_EQ(status, 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression("cli read --port \\S+/meter --settings 2400,E,7,1\n$")))
        << out.toStdString();
}

TEST_F(RunScript, SimulatorWithoutADeviceFailsClearly) {
    Run({"--silent"});
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(err.contains("made no device")) << err.toStdString();
    EXPECT_FALSE(out.contains("cli ")) << out.toStdString();
}
