#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <cmath>

#include "ProgramHarness.h"
#include "ui/widgets/PictureBox.h"

namespace voltaro {
namespace {

// Pixels of an image near a colour.
int CountNear(const QImage& image, QColor c, int tolerance = 40) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - c.red()) + std::abs(p.green() - c.green()) +
                    std::abs(p.blue() - c.blue()) <
                tolerance)
                ++n;
        }
    return n;
}

// "1" (the 3.999 V range), four digits, DC.
std::string VoltsFrame(double volts) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04d", static_cast<int>(std::lround(volts * 1000)));
    return std::string("1") + digits + ";008";
}

QString ShotFolder() {
    QString bin = qEnvironmentVariable("VOLTARO_BIN_DIR");
    if (bin.isEmpty()) bin = QDir::tempPath();
    QDir().mkpath(bin + "/screenshots");
    return bin + "/screenshots";
}

// The main window idle, recording with a graph, and with the high alarm flashing, saved as
// pictures for a person to look at; each is checked where a fault would show.
TEST(Screenshots, IdleRecordingAndAlarm) {
    ProgramHarness h;
    ASSERT_TRUE(h.StartWithPort());
    WindowUnderTest& f = *h.w;
    const QString folder = ShotFolder();

    h.Receive(VoltsFrame(1.234));
    EXPECT_EQ(f.probe.lcdPanel().DisplayText, "1.234");
    const QImage firstCell = f.digitCells[0]->Image();
    EXPECT_GT(CountNear(firstCell, Qt::black), 50) << "the digit 1 is drawn";
    EXPECT_EQ(f.unitLabel->text(), "V");
    EXPECT_TRUE(f.window.grab().save(folder + "/main-idle.png"));

    // A high limit, flashing and sounding for five seconds after each crossing.
    f.alarmSignalActions[1]->trigger();
    f.alarmHighEdit->setText("2.3");
    f.alarmHighBox->click();
    f.startButton->click();
    for (int s = 0; s < 80; ++s) {
        h.Receive(VoltsFrame(1.5 + std::sin(s / 8.0)));
        h.Second();
    }
    ASSERT_EQ(f.recording->store.RecordCount, 80);
    EXPECT_GT(CountNear(f.graphView->Image(), QColor(255, 0, 0)), 100) << "the trace is drawn in red";
    EXPECT_TRUE(f.window.grab().save(folder + "/main-recording.png"));

    ASSERT_TRUE(f.alarms->HiAlarmOn);
    Fire(f.alarmToneTimer);
    Fire(f.alarmFlashTimer);
    EXPECT_EQ(f.alarmHighBox->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(f.stopToneButton->isVisible());
    EXPECT_TRUE(f.window.grab().save(folder + "/main-alarm.png"));

    // Stopped, the graph answers clicks: the 40th reading shows its read-out.
    f.startButton->click();
    const QPoint at(static_cast<int>((14 + 40) / 120.0 * f.graphView->width()), f.graphView->height() / 2);
    QTest::mouseClick(f.graphView, Qt::LeftButton, {}, at);
    EXPECT_TRUE(f.readoutBoxes[0]->isVisible());
    EXPECT_EQ(f.graphCursor->value(), 40);
    EXPECT_TRUE(f.readoutHideTimer.isActive());
    EXPECT_TRUE(f.window.grab().save(folder + "/main-readout.png"));
    Fire(f.readoutHideTimer);
    EXPECT_FALSE(f.readoutBoxes[0]->isVisible()) << "the read-out hides two seconds later";
    EXPECT_FALSE(f.readoutHideTimer.isActive());

    // Half as large again: every control and font in proportion, the graph drawn anew.
    const QSize design = f.window.size();
    f.window.resize(design * 3 / 2);
    EXPECT_GT(CountNear(f.graphView->Image(), QColor(255, 0, 0)), 150);
    EXPECT_TRUE(f.window.grab().save(folder + "/main-resized.png"));
}

}  // namespace
}  // namespace voltaro
