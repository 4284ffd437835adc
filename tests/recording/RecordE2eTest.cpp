#include <gtest/gtest.h>
#include <signal.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <map>
#include <vector>

#include "link/Decoder.h"
#include "recording/FileFormat.h"
#include "values/Formatting.h"

namespace voltaro {
namespace {

QString Bin(const char* name) {
    return qEnvironmentVariable("VOLTARO_BIN_DIR") + "/bin/" + name;
}

std::vector<std::string> LinesOf(const QString& path) {
    std::vector<std::string> lines;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return lines;
    for (QByteArray line : f.readAll().split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        if (!line.isEmpty()) lines.push_back(line.toStdString());
    }
    return lines;
}

// The simulated meter on a pseudo-terminal, with line noise, logging what it sends.
class Meter {
public:
    Meter(const QString& log, const QStringList& profile) {
        process.start(Bin("voltaro-meter"),
                      profile + QStringList{"--noise", "0.2", "--seed", "7", "--log", log});
        if (process.waitForReadyRead(10000)) device = process.readLine().trimmed();
    }
    ~Meter() {
        process.terminate();
        process.waitForFinished(10000);
    }
    QProcess process;
    QString device;
};

void ReadBack(const std::string& path, RecordStore& store) {
    ReadRows(store, path, ReadHeader(path), 0, nullptr, nullptr);
}

TEST(RecordE2e, RowsRecordedFromThePtyAreTheFramesTheMeterSent) {
    QTemporaryDir dir;
    const QString log = dir.filePath("sent.txt");
    const QString out = dir.filePath("run.dmm");
    std::vector<std::string> sent;
    {
        Meter meter(log, {"--profile", "ramp", "--rate", "2.5"});
        ASSERT_FALSE(meter.device.isEmpty());
        QProcess cli;
        cli.start(Bin("voltaro-cli"),
                  {"record", "--port", meter.device, "--out", out, "--interval", "1", "--count", "6"});
        ASSERT_TRUE(cli.waitForFinished(90000)) << cli.readAllStandardError().toStdString();
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    }
    sent = LinesOf(log);
    ASSERT_FALSE(sent.empty());
    std::map<std::string, size_t> order;
    for (size_t i = 0; i < sent.size(); ++i) order.emplace(sent[i], i);

    RecordStore store;
    ReadBack(out.toStdString(), store);
    ASSERT_EQ(store.RecordCount, 6);
    size_t last = 0;
    for (int row = 1; row <= store.RecordCount; ++row) {
        const std::string notes = store.Text(row, Field::Notes);
        ASSERT_TRUE(order.count(notes)) << "row " << row << " holds a frame never sent: " << notes;
        EXPECT_GE(order[notes], last) << "rows follow the order the meter sent them in";
        last = order[notes];
        // The stored value is the value of the stored frame, line noise or not.
        EXPECT_EQ(store.Text(row, Field::ValueText), SingleToText(DecodeFrameText(notes).value)) << row;
        EXPECT_EQ(store.Text(row, Field::Type), "V");
    }
    // The report working file lies beside the recording.
    QStringList chunks = QDir(dir.path()).entryList({"*.tmp"});
    ASSERT_EQ(chunks.size(), 1);
    EXPECT_EQ(LinesOf(dir.filePath(chunks[0])).size(), 7u);

    QProcess info;
    info.start(Bin("voltaro-cli"), {"info", out});
    ASSERT_TRUE(info.waitForFinished(30000));
    const std::string text = info.readAllStandardOutput().toStdString();
    EXPECT_NE(text.find("layout    111-byte lines, commas between fields\n"), std::string::npos) << text;
    EXPECT_NE(text.find("readings  6\n"), std::string::npos) << text;
    EXPECT_NE(text.find("first     " + store.Text(1, Field::Date) + " " + store.Text(1, Field::Time)),
              std::string::npos);

    QProcess exp;
    exp.start(Bin("voltaro-cli"), {"export", out, "--format", "report", "--out", dir.filePath("run.csv")});
    ASSERT_TRUE(exp.waitForFinished(30000));
    EXPECT_EQ(exp.exitCode(), 0);
    const auto csv = LinesOf(dir.filePath("run.csv"));
    ASSERT_EQ(csv.size(), 8u);
    EXPECT_EQ(csv[0], "Record,Time,Date,Reading,Type,Status,Start/Stop,AVG,REL,Notes");
    EXPECT_EQ(csv[2].substr(0, 7), "000002,");
}

// A kill, a hang-up (the terminal closed, a logout) and Ctrl-C each end the recording with a
// last save and a clean exit.
TEST(RecordE2e, EverySignalToEndEndsTheRecordingWithASave) {
    for (int number : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(number);
        QTemporaryDir dir;
        const QString out = dir.filePath("run.txt");
        Meter meter(dir.filePath("sent.txt"),
                    {"--profile", "steady", "--function", "vdc", "--value", "1.234"});
        ASSERT_FALSE(meter.device.isEmpty());
        QProcess cli;
        cli.start(Bin("voltaro-cli"), {"record", "--port", meter.device, "--out", out});
        // Wait for the first save (the header line, before row 1), then a few more readings.
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (QFile(out).size() < 111 && std::chrono::steady_clock::now() < giveUp) QThread::msleep(100);
        QThread::msleep(3000);
        ::kill(static_cast<pid_t>(cli.processId()), number);
        ASSERT_TRUE(cli.waitForFinished(30000));
        EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        const qint64 size = QFile(out).size();
        EXPECT_EQ(size % 111, 0);
        EXPECT_GE(size, 2 * 111);  // the rows since the first save were saved on the way out
        RecordStore store;
        ReadBack(out.toStdString(), store);
        EXPECT_EQ(ReadHeader(out.toStdString()).separator, ' ');
        for (int row = 1; row <= store.RecordCount; ++row) {
            EXPECT_EQ(store.Text(row, Field::Notes), "11234;008");
            EXPECT_EQ(store.Text(row, Field::ValueText), "1.234");
        }
    }
}

TEST(RecordE2e, APortThatDoesNotOpenOrAFileThatIsNotThereIsAnError) {
    QTemporaryDir dir;
    QProcess cli;
    cli.start(Bin("voltaro-cli"),
              {"record", "--port", dir.filePath("no-such-device"), "--out", dir.filePath("a.dmm")});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("a.dmm")));
    cli.start(Bin("voltaro-cli"), {"info", dir.filePath("missing.dmm")});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_NE(cli.readAllStandardError().indexOf("Can't find"), -1);
}

// info and export read past a damaged line, say on stderr how many lines they skipped, and
// fail only when no line could be read.
TEST(RecordE2e, DamagedLinesAreSkippedAndSaidAndOnlyNothingReadFails) {
    QTemporaryDir dir;
    RecordStore two;
    for (int row = 1; row <= 2; ++row) {
        two.Set(row, Field::Date, "2024/01/15");
        two.Set(row, Field::Time, "10:00:0" + std::to_string(row));
        two.Set(row, Field::Notes, "10123;008");
    }
    two.RecordCount = 2;
    const std::string whole = dir.filePath("whole.dmm").toStdString();
    ASSERT_TRUE(WriteRows(two, whole, ',', 0, 2, nullptr, nullptr).ok);
    QFile w(QString::fromStdString(whole));
    ASSERT_TRUE(w.open(QIODevice::ReadOnly));
    const std::string good = w.readAll().toStdString();
    const std::map<QString, std::string> files = {
        {"partly.dmm", good.substr(0, 222) + "2024/01/15,10:00\r\n" + good.substr(222)},
        {"nothing.dmm", good.substr(0, 111) + good.substr(111, 60) + "\r\n" + std::string(200, '?') + "\r\n"},
    };
    for (const auto& [name, bytes] : files) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        f.close();
        for (const QString command : {"info", "export"}) {
            SCOPED_TRACE((command + " " + name).toStdString());
            QStringList args = {command, dir.filePath(name)};
            if (command == "export") args << "--out" << dir.filePath(name + ".csv");
            QProcess cli;
            cli.start(Bin("voltaro-cli"), args);
            ASSERT_TRUE(cli.waitForFinished(30000));
            const QByteArray err = cli.readAllStandardError();
            const bool partly = name == "partly.dmm";
            EXPECT_EQ(cli.exitCode(), partly ? 0 : 1) << err.toStdString();
            EXPECT_TRUE(err.contains(partly ? "2 readings were read, 1 damaged line was skipped."
                                            : "0 readings were read, 2 damaged lines were skipped."))
                << err.toStdString();
            EXPECT_FALSE(err.contains("next save")) << err.toStdString();
        }
    }
}

TEST(RecordE2e, AnExistingOrUnnumberableOutIsRefused) {
    QTemporaryDir dir;
    const QString old = dir.filePath("old.dmm");
    QFile f(old);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("an older recording");
    f.close();
    const QString noPort = dir.filePath("no-such-device");
    const struct {
        QStringList args;
        const char* said;
    } refused[] = {
        {{"record", "--port", noPort, "--out", old}, "already exists; give --force"},
        {{"record", "--port", noPort, "--out", dir.filePath("run.dmmx")}, "needs a .dmm, .csv or .txt name"},
        {{"export", dir.filePath("any.dmm"), "--out", old}, "already exists; give --force"},
    };
    for (const auto& r : refused) {
        QProcess cli;
        cli.start(Bin("voltaro-cli"), r.args);
        ASSERT_TRUE(cli.waitForFinished(30000));
        EXPECT_EQ(cli.exitCode(), 2) << r.args.join(' ').toStdString();
        const QByteArray err = cli.readAllStandardError();
        EXPECT_TRUE(err.contains(r.said)) << err.toStdString();
    }
    EXPECT_EQ(LinesOf(old), std::vector<std::string>{"an older recording"});
    EXPECT_FALSE(QFile::exists(dir.filePath("run.dmmx")));
}

TEST(RecordE2e, AFolderThatCannotBeMadeAgainSendsTheRecordingToTheDataFolderOrSaysWhatWasSaved) {
    QTemporaryDir dir;
    Meter meter(dir.filePath("sent.txt"), {"--profile", "steady", "--function", "vdc", "--value", "1.234"});
    ASSERT_FALSE(meter.device.isEmpty());
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folders should be
    blocker.close();
    const QString out = dir.filePath("file/run.dmm");
    for (const QString& dataHome : {dir.filePath("data"), dir.filePath("file/data")}) {
        const bool dataFolderWorks = dataHome == dir.filePath("data");
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", dataHome);
        cli.setProcessEnvironment(env);
        cli.start(Bin("voltaro-cli"), {"record", "--port", meter.device, "--out", out, "--count", "2"});
        ASSERT_TRUE(cli.waitForFinished(90000));
        const std::string err = cli.readAllStandardError().toStdString();
        const std::string moved = (dataHome + "/voltaro/run.dmm").toStdString();
        if (dataFolderWorks) {
            EXPECT_EQ(cli.exitCode(), 0) << err;
            // Said at the save and again at the end.
            const std::string where = "This recording is saved to " + moved + ".";
            ASSERT_NE(err.find(where), std::string::npos) << err;
            EXPECT_NE(err.find(where, err.find(where) + 1), std::string::npos) << err;
            RecordStore store;
            ReadBack(moved, store);
            EXPECT_EQ(store.RecordCount, 2);
        } else {
            EXPECT_EQ(cli.exitCode(), 1);
            EXPECT_NE(err.find("the last save failed: " + out.toStdString() + " holds 0 of its 2 readings"),
                      std::string::npos)
                << err;
        }
    }
}

}  // namespace
}  // namespace voltaro
