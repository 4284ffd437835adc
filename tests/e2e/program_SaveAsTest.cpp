#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "MeterRun.h"
#include "ProgramHarness.h"
#include "base/IniFile.h"
#include "link/Decoder.h"
#include "link/QtSerialPort.h"
#include "ui/widgets/QtFileDialogs.h"
#include "recording/RecordStore.h"
#include "values/Formatting.h"

namespace voltaro {
namespace {

std::string FieldOf(const QByteArray& line, Field f) {
    const FieldPlace& p = PlaceOf(f);
    std::string text = line.mid(p.offset, p.width).toStdString();
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// Types a path into the save dialog and accepts it, as a person would, once the dialog is up.
void AnswerSaveDialog(const QString& path) {
    QTimer::singleShot(100, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return AnswerSaveDialog(path);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->clear();
        QTest::keyClicks(name, path);
        QTest::keyClick(name, Qt::Key_Return);
    });
}

// The real program's path end to end: the simulated meter on a pseudo-terminal, the serial
// port, the frame reader and decoder, the window's timers; START and STOP clicked, Save as
// answered in its dialog. Every row of the saved file is a reading the meter sent, decoded
// to its value, in the order sent.
TEST(ProgramEndToEnd, ARecordingSavedWithSaveAsHoldsTheReadingsSent) {
    QTemporaryDir dir;
    const QString log = dir.filePath("sent.txt");
    QProcess meter;
    const std::string device = testing::StartMeter(
        meter, {"--profile", "sine", "--function", "vdc", "--range", "1", "--value", "1.5", "--amplitude",
                "1", "--period", "7", "--rate", "2", "--seed", "5", "--log", log});
    ASSERT_FALSE(device.empty()) << meter.readAllStandardError().toStdString();

    // The window over the real serial port, the system clock and the real file dialog.
    ProgramHarness h;
    SystemClock clock;
    QtFileDialogs dialogs;
    h.ctx.clock = &clock;
    h.ctx.fileDialogs = &dialogs;
    h.ctx.makePort = [](const PortTable& table) { return std::make_unique<QtSerialPort>(table); };
    IniFile(h.ctx.programFolder + "/Setup.ini").IniWriteRaw("Ports", "COM2", device);
    ASSERT_TRUE(h.Start());
    WindowUnderTest& form = *h.w;
    // The port opens two seconds after the window; then frames arrive and the link label shows.
    // (QTRY_ macros report to Qt Test, not to GoogleTest, so a timeout would pass unseen.)
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.probe.PortOpen(); }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.linkLabel->isVisible(); }, 10000));
    EXPECT_EQ(form.portEdit->text(), "COM2");
    EXPECT_EQ(form.unitLabel->text(), "V");

    QTest::mouseClick(form.startButton, Qt::LeftButton);
    ASSERT_EQ(form.startButton->text(), "STOP");
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.recording->store.RecordCount >= 8; }, 30000));
    QTest::mouseClick(form.startButton, Qt::LeftButton);
    ASSERT_EQ(form.startButton->text(), "START");
    const int rows = form.recording->store.RecordCount;

    const QString saved = dir.filePath("kept");
    AnswerSaveDialog(saved);
    form.saveAsAction->trigger();
    meter.terminate();
    meter.waitForFinished(10000);
    EXPECT_TRUE(h.messages.asked.empty()) << h.messages.asked.front().message;

    QFile file(saved + ".dmm");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "Save as adds .dmm to a name without extension";
    const QByteArray all = file.readAll();
    ASSERT_EQ(all.size(), (rows + 1) * kLineLength);
    EXPECT_EQ(FieldOf(all.left(kLineLength), Field::Notes), "Notes");

    const std::vector<std::string> sent = testing::LoggedFrames(log);
    size_t at = 0;  // rows follow the order of the frames sent
    for (int r = 1; r <= rows; ++r) {
        const QByteArray line = all.mid(r * kLineLength, kLineLength);
        const std::string notes = FieldOf(line, Field::Notes);
        auto it = std::find(sent.begin() + static_cast<long>(at), sent.end(), notes);
        ASSERT_NE(it, sent.end()) << "row " << r << " holds a frame the meter did not send next: " << notes;
        at = static_cast<size_t>(it - sent.begin());
        const Reading decoded = DecodeFrameText(notes);
        EXPECT_EQ(FieldOf(line, Field::ValueText), SingleToText(decoded.value)) << "row " << r;
        EXPECT_EQ(FieldOf(line, Field::Type), "V");
        EXPECT_EQ(FieldOf(line, Field::Coupling), "DC");
    }
}

}  // namespace
}  // namespace voltaro
