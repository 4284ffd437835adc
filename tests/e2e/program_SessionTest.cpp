#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "MeterRun.h"
#include "ProgramHarness.h"
#include "app/EndSignals.h"
#include "base/IniFile.h"
#include "ui/widgets/MessageBoxQt.h"
#include "ui/widgets/PictureBox.h"
#include "link/QtSerialPort.h"
#include "recording/FileFormat.h"

namespace voltaro {
namespace {

// The window over the simulated meter on a pseudo-terminal, the real serial port and the system
// clock, as the program runs it.
struct LiveProgram {
    QProcess meter;
    ProgramHarness h;
    SystemClock clock;

    // Frames arrive once it is started.
    void Start() {
        const std::string device = testing::StartMeter(
            meter, {"--profile", "steady", "--function", "vdc", "--value", "1.234", "--rate", "2"});
        ASSERT_FALSE(device.empty()) << meter.readAllStandardError().toStdString();
        h.ctx.clock = &clock;
        h.ctx.makePort = [](const PortTable& table) { return std::make_unique<QtSerialPort>(table); };
        IniFile(h.ctx.programFolder + "/Setup.ini").IniWriteRaw("Ports", "COM2", device);
        ASSERT_TRUE(h.Start());
        ASSERT_TRUE(QTest::qWaitFor([this] { return h.w->linkLabel->isVisible(); }, 15000));
    }
    ~LiveProgram() {
        meter.terminate();
        meter.waitForFinished(10000);
    }
    int Rows() const { return h.w->recording->store.RecordCount; }
};

// A kill in the middle of a recording: every reading the window counted is in the file, the
// port is closed and the program has ended, without a question.
TEST(ProgramSession, SigtermDuringARecordingLeavesEveryReadingShownInTheFile) {
    LiveProgram p;
    ASSERT_NO_FATAL_FAILURE(p.Start());
    WindowUnderTest& form = *p.h.w;
    EndSignals endSignals;  // as the program's entry connects it
    QObject::connect(&endSignals, &EndSignals::received, &form.window, &MainWindow::EndSession);
    QSignalSpy ended(&form.window, &MainWindow::programEnded);

    QTest::mouseClick(form.startButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Rows() >= 4; }, 30000));
    const int shown = form.readingCountLabel->text().toInt();
    ASSERT_GT(shown, 0);
    ASSERT_EQ(::kill(::getpid(), SIGTERM), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended.count() == 1; }, 10000));

    EXPECT_TRUE(p.h.messages.asked.empty());
    EXPECT_FALSE(form.probe.PortOpen());
    const std::string file = form.recording->store.RecordingFile;
    RecordStore back;
    ReadRows(back, file, ReadHeader(file), 0, nullptr, nullptr);
    EXPECT_GE(back.RecordCount, shown);
    EXPECT_EQ(back.RecordCount, p.Rows()) << "every reading recorded before the end";
    for (int row = 1; row <= back.RecordCount; ++row) EXPECT_EQ(back.Text(row, Field::Notes), "11234;008");
}

// START while an older recording has the recording's name: the notice that the readings go to
// another file waits in the status bar, no box waits for OK, and readings are recorded all the
// while.
TEST(ProgramSession, ARecordingStartedWhileANoticeIsPendingRecordsDuringTheWait) {
    LiveProgram p;
    MessageBoxQt boxes;
    p.h.ctx.messages = &boxes;
    QFile older(QString::fromStdString(p.h.ctx.programFolder + "/Untitled.dmm"));
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write("an older recording");
    older.close();
    ASSERT_NO_FATAL_FAILURE(p.Start());
    WindowUnderTest& form = *p.h.w;

    // A box that waited would hold the test too: it is noted and pressed.
    bool boxShown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxShown = true;
            box->button(QMessageBox::Ok)->click();
        }
    });
    watch.start(100);

    QTest::mouseClick(form.startButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.statusNotice->isVisible(); }, 30000));
    const int atNotice = p.Rows();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Rows() >= atNotice + 3; }, 30000));
    EXPECT_TRUE(form.statusNotice->isVisible()) << "the notice is still there";
    EXPECT_FALSE(boxShown);
    EXPECT_TRUE(form.statusNotice->text().contains("Untitled001.dmm"));
    EXPECT_EQ(older.size(), 18) << "the older recording is left as it was";
    QTest::mouseClick(form.startButton, Qt::LeftButton);
}

}  // namespace
}  // namespace voltaro
