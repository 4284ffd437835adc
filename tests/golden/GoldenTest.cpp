// The whole path from meter frames to files and pictures, held against golden files.
//
// The frames of data/frames.txt are recorded through the acquisition loop wired as
// `voltaro-cli record` wires it, on a settable clock and a scripted port so that every stamp
// and every row is the same on each run; the statistics, REL and the alarms are switched on
// and off along the way. Then voltaro-cli reads the recording back as whole processes: info,
// export, graph and panel. Each output must equal its file in data/: text byte for byte, the
// pictures pixel for pixel (PNG bytes vary with the zlib version; their text is drawn in the
// system's fonts, so a change of fonts changes them too).
//
// After a change of output made on purpose, record the golden files anew and review the diff:
//   VOLTARO_RECORD_GOLDEN=1 ctest -R Golden      (or VOLTARO_RECORD_GOLDEN=1 build/bin/test_golden)
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>

#include "link/FrameReader.h"
#include "link/SerialPort.h"
#include "support/ScriptedSerialPort.h"
#include "recording/Acquisition.h"
#include "recording/RecordingRig.h"

namespace voltaro {
namespace {

const QString kGolden = QStringLiteral(VOLTARO_GOLDEN_DATA);

QString Cli() {
    const QString dir = qEnvironmentVariable("VOLTARO_BIN_DIR");
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() + "/voltaro-cli" : dir + "/bin/voltaro-cli";
}

std::vector<std::string> FramesOf(const QString& path) {
    std::vector<std::string> frames;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return frames;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const QByteArray t = line.trimmed();
        if (!t.isEmpty() && !t.startsWith('#')) frames.push_back(t.toStdString());
    }
    return frames;
}

// "" when the two files are the same, else where they first differ.
std::string FirstDifference(const QString& goldenPath, const QString& freshPath) {
    if (goldenPath.endsWith(".png")) {
        const QImage a = QImage(goldenPath).convertToFormat(QImage::Format_ARGB32);
        const QImage b = QImage(freshPath).convertToFormat(QImage::Format_ARGB32);
        if (a.isNull() || b.isNull()) return "a picture could not be read";
        if (a.size() != b.size())
            return "size " + std::to_string(b.width()) + "x" + std::to_string(b.height()) + ", golden " +
                   std::to_string(a.width()) + "x" + std::to_string(a.height());
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    return "first pixel differing at x " + std::to_string(x) + ", y " + std::to_string(y);
        return "";
    }
    const std::string a = Slurp(goldenPath.toStdString()), b = Slurp(freshPath.toStdString());
    if (a == b) return "";
    size_t start = 0;
    for (int line = 1;; ++line) {
        const auto lineAt = [start](const std::string& s) {
            return start >= s.size() ? std::string("(end of file)")
                                     : s.substr(start, std::min(s.find('\n', start), s.size()) - start);
        };
        const std::string la = lineAt(a), lb = lineAt(b);
        const auto shown = [](std::string l) { return l.ends_with('\r') ? l.substr(0, l.size() - 1) : l; };
        if (la != lb || start >= a.size() || start >= b.size())
            return "line " + std::to_string(line) + "\n  golden: " + shown(la) + "\n  now:    " + shown(lb);
        start += la.size() + 1;
    }
}

// The acquisition loop of AcquisitionTest, cut down: a poll every 500 ms, the recording clock
// every second. Recording lasts under a minute, so neither the watchdog nor the autosave is due.
struct GoldenRecording : RecordingRig {
    GoldenRecording() { reader.OpenComm(port, SerialLine{}); }
    // One second of the meter repeating `frame`.
    void Second(const std::string& frame) {
        for (int half = 0; half < 2; ++half) {
            port.Feed(frame + "\r\n" + frame + "\r\n");
            acq.TimerDMMTick();
            clock.AddMSecs(500);
        }
        acq.MainTimerTick();
    }
};

TEST(Golden, ARecordedSessionGivesTheSameFilesAndPictures) {
    GoldenRecording g;
    const auto frames = FramesOf(kGolden + "/frames.txt");
    ASSERT_EQ(frames.size(), 19u);
    // Across midnight and a new year, so that the dates change within the recording.
    g.clock.Set(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 52)));
    g.Reset("run.dmm");
    g.rec.NameChosen(g.rec.store.RecordingFile);
    g.acq.StartOrStop();
    for (size_t i = 0; i < frames.size(); ++i) {
        // The check boxes and limits the user switches before the meter sends frame i + 1.
        switch (i + 1) {
            case 2:
                g.stats.chkMAX_Click(true);
                break;
            case 3:
                g.alarms.TextAlarmHI = "3";
                g.alarms.OptAlarmHi_Click(true);
                break;
            case 5:
                g.stats.chkMIN_Click(true);
                g.stats.ChkAVG_Click(true);
                break;
            case 7:
                g.stats.ChkREL_Click(true, g.reading.value, g.clock.Today(),
                                     g.formats.FormatStampTime(g.clock.Now().time()));
                break;
            case 10:
                g.alarms.TextAlarmLO = "0.5";
                g.alarms.OptAlarmLo_Click(true);
                break;
            case 13:
                g.stats.ChkREL_Click(false, 0, {}, "");
                g.stats.chkMAX_Click(false);
                break;
            case 16:
                g.alarms.OptAlarmHi_Click(false);
                g.stats.ChkAVG_Click(false);
                break;
        }
        g.Second(frames[i]);
    }
    // STOP, then the last saves, as the command line ends a recording.
    g.acq.StartOrStop();
    ASSERT_TRUE(g.rec.SaveByExtension(false));
    ASSERT_TRUE(g.rec.SaveReport());
    // Every frame but the overload, which is never recorded.
    ASSERT_EQ(g.rec.store.RecordCount, static_cast<int>(frames.size()) - 1);

    const QString work = g.dir.path();
    ASSERT_TRUE(QFile::copy(QString::fromStdString(g.rec.store.ChunkFile), work + "/report.txt"));
    const auto run = [&](const QStringList& args, const QString& stdoutFile = {}) {
        QProcess cli;
        cli.setWorkingDirectory(work);  // relative names keep the folder out of the outputs
        if (!stdoutFile.isEmpty()) cli.setStandardOutputFile(work + "/" + stdoutFile);
        cli.start(Cli(), args);
        ASSERT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitCode(), 0) << args.join(' ').toStdString() << ": "
                                     << cli.readAllStandardError().toStdString();
    };
    run({"info", "run.dmm"}, "info.txt");
    run({"export", "run.dmm", "--format", "report", "--out", "run.csv"});
    run({"graph", "run.dmm", "--out", "graph.png"});
    run({"panel", "14000;108", "--out", "panel-overload.png"});
    run({"panel", "02047;408", "--out", "panel-negative.png"});
    run({"panel", "21230;004", "--out", "panel-ac.png"});

    const bool recordGolden = qEnvironmentVariable("VOLTARO_RECORD_GOLDEN") == "1";
    for (const QString name : {"run.dmm", "report.txt", "info.txt", "run.csv", "graph.png",
                               "panel-overload.png", "panel-negative.png", "panel-ac.png"}) {
        const QString golden = kGolden + "/" + name, fresh = work + "/" + name;
        if (recordGolden) {
            QFile::remove(golden);
            EXPECT_TRUE(QFile::copy(fresh, golden)) << golden.toStdString();
        } else {
            const std::string difference = FirstDifference(golden, fresh);
            if (!difference.empty())
                ADD_FAILURE() << name.toStdString() << " differs from its golden file: " << difference;
        }
    }
}

}  // namespace
}  // namespace voltaro
