#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "ProgramHarness.h"
#include "ui/link/LineMonitorDialog.h"
#include "ui/link/SerialSetupDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/PictureBox.h"

namespace voltaro {
namespace {

QStringList Captions(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

// The main window as made, before it is loaded.
struct MainWindowLayout : ::testing::Test {
    ProgramHarness h;
    WindowUnderTest& form = (h.Make(), *h.w);
};

TEST_F(MainWindowLayout, MenusHoldEveryEntryInOrder) {
    // clang-format off
    EXPECT_EQ(Captions(form.fileMenu), (QStringList{"New", "Open", "Close", "-", "Import Readings", "Export Readings",
                                                   "Export for Analysis...",
        "-", "Save", "Save as ...", "-", "Print Screen", "Print Graph", "Printer Report", "-", "Delete File", "-",
        "", "", "", "", "", "", "-", "Exit"}));
    // clang-format on
    EXPECT_EQ(Captions(form.setupMenu), (QStringList{"Communications", "Scaling", "Date/Time", "Select Decimal ",
                                                  "Alarm Signals", "AutoSave"}));
    EXPECT_EQ(Captions(form.alarmSignalsMenu),
              (QStringList{"Continuous", "5 Second Audible and Flash", "no Audible/Flash"}));
    EXPECT_EQ(Captions(form.helpMenu), (QStringList{"Contents", "About", "Db Test"}));
    // The recent-file entries and their separator appear only once a file is remembered.
    for (QAction* a : form.recentFileActions) EXPECT_FALSE(a->isVisible());
}

TEST_F(MainWindowLayout, ControlsCarryTheirCaptionsAndStartIdle) {
    const std::pair<QString, const char*> captions[] = {
        {form.readingGroup->title(), "READING-DIGITAL DISPLAY"},
        {form.alarmGroup->title(), "ALARM LIMITS"},
        {form.startButton->text(), "START"},
        {form.stopButton->text(), "STOP"},
        {form.scheduleButton->text(), "Auto Setup"},
        {form.scheduleBox->text(), "AUTO Start/STOP"},
        {form.stopToneButton->text(), "Stop Alarm Tone"},
        {form.relBox->text(), "REL"},
        {form.minBox->text(), "MIN"},
        {form.maxBox->text(), "MAX"},
        {form.avgBox->text(), "AVG"},
        {form.decibelsBox->text(), "Decibels"},
        {form.graphView->toolTip(), "Click here"},
    };
    for (const auto& [shown, caption] : captions) EXPECT_EQ(shown, caption);
    // Hidden or greyed until there is something to do.
    for (QWidget* w : {static_cast<QWidget*>(form.stopToneButton), static_cast<QWidget*>(form.testModeBox),
                       static_cast<QWidget*>(form.readoutBoxes[0]), static_cast<QWidget*>(form.readoutBoxes[1])})
        EXPECT_FALSE(w->isVisibleTo(&form.window)) << w->objectName().toStdString();
    EXPECT_FALSE(form.stopButton->isEnabled());
    EXPECT_EQ(form.portSpinner->minimum(), -8);
    EXPECT_EQ(form.portSpinner->maximum(), -1);
}

TEST_F(MainWindowLayout, GraphAndReadOutBoxesStandWhereDesigned) {
    // Twips of the design: the graph 60..9450 across and 3180..6765 down, the read-out boxes
    // over it, 1932 x 1035 at 3240 from the top.
    EXPECT_EQ(form.graphView->geometry(), MainWindow::FromTwips(60, 3180, 9390, 3585));
    EXPECT_EQ(form.readoutBoxes[0]->geometry(), MainWindow::FromTwips(2670, 3240, 1932, 1035));
    EXPECT_EQ(form.readoutBoxes[1]->geometry(), MainWindow::FromTwips(720, 3240, 1932, 1035));
    // Every control lies inside the window's design area.
    const QRect area =
        MainWindow::FromTwips(0, 0, MainWindow::kDesignWidthTwips, MainWindow::kDesignHeightTwips);
    for (QWidget* w : form.window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isWindow() || qobject_cast<QMenu*>(w)) continue;
        EXPECT_TRUE(area.contains(w->geometry())) << w->objectName().toStdString();
    }
}

TEST(DialogLayout, SetupHidesTheUnofferedChoicesAndBothDialogsCarryTheirCaptions) {
    SerialSetupDialog dlg;
    auto shown = [&dlg](auto& arr) {
        QStringList out;
        for (QRadioButton* o : arr)
            if (o && o->isVisibleTo(&dlg)) out << SerialSetupDialog::CaptionOf(o);
        return out;
    };
    EXPECT_EQ(shown(dlg.portOptions), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(shown(dlg.baudOptions), (QStringList{"2400"}));
    EXPECT_EQ(shown(dlg.parityOptions), (QStringList{"O", "E", "N", "M", "S"}));
    EXPECT_EQ(shown(dlg.dataBitsOptions), (QStringList{"5", "6", "7", "8", "4"}));
    EXPECT_EQ(shown(dlg.stopBitsOptions), (QStringList{"1", "1.5", "2"}));
    // Hidden choices still exist with their captions, at their indices.
    EXPECT_EQ(SerialSetupDialog::CaptionOf(dlg.baudOptions[2]), "9600");
    EXPECT_EQ(SerialSetupDialog::CaptionOf(dlg.dataBitsOptions[9]), "4");
    EXPECT_EQ(dlg.dataBitsOptions[1], nullptr);
    EXPECT_EQ(dlg.okButton->text(), "&OK");
    EXPECT_EQ(dlg.cancelButton->text(), "&Cancel");
    EXPECT_EQ(dlg.testButton->text(), "Start");
    EXPECT_EQ(dlg.stopTestButton->text(), "STop");
    LineMonitorDialog w;
    EXPECT_EQ(w.windowTitle(), "CommPort Revice Data");
    EXPECT_EQ(w.cmdStart->text(), "&Start");
    EXPECT_EQ(w.cmdStop->text(), "Sto&p");
    EXPECT_EQ(w.cmdExit->text(), "&Cancel");
}

TEST(ProportionalLayout, RepeatedResizesScaleFromTheDesignAndReturnToIt) {
    ProgramHarness h;
    ASSERT_TRUE(h.Start());
    WindowUnderTest& form = *h.w;
    // The controls the proportional layout scales: those placed from the design.
    std::vector<QWidget*> controls;
    for (QWidget* w : form.window.findChildren<QWidget*>())
        if (w->property("designTwips").isValid()) controls.push_back(w);
    std::vector<std::pair<QRect, double>> design;
    for (QWidget* w : controls) design.emplace_back(w->geometry(), w->font().pointSizeF());
    ASSERT_GT(design.size(), 40u);

    const QSize designSize = form.window.size();
    form.window.resize(designSize.width() * 2, designSize.height() * 2);
    // Twice as wide: the graph box is twice as wide; the band above the controls is not
    // scaled, so heights grow a little more than twice.
    EXPECT_NEAR(form.graphView->width(), 2 * MainWindow::FromTwips(0, 0, 9390, 0).width(), 2);
    EXPECT_GT(form.graphView->height(), 2 * MainWindow::FromTwips(0, 0, 0, 3585).height() - 2);
    EXPECT_GT(form.startButton->font().pointSizeF(), 10.0);

    for (int i = 0; i < 5; ++i) {
        form.window.resize(designSize.width() * 3 / 4 + i * 37, designSize.height() * 2 / 3 + i * 23);
        form.window.resize(designSize.width() + 111, designSize.height() - 57);
    }
    form.window.resize(designSize);
    for (size_t i = 0; i < controls.size(); ++i) {
        QWidget* w = controls[i];
        EXPECT_NEAR(w->x(), design[i].first.x(), 1) << w->objectName().toStdString();
        EXPECT_NEAR(w->y(), design[i].first.y(), 1) << w->objectName().toStdString();
        EXPECT_NEAR(w->width(), design[i].first.width(), 1) << w->objectName().toStdString();
        EXPECT_NEAR(w->height(), design[i].first.height(), 1) << w->objectName().toStdString();
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), design[i].second) << w->objectName().toStdString();
    }
}

TEST(Placement, TheWindowComesBackWhereAndAsLargeAsItWasLeftInProportion) {
    ProgramHarness first;
    ASSERT_TRUE(first.Start());
    first.form->setGeometry(40, 30, 957, 762);  // half as large again as the design
    first.w->exitAction->trigger();
    ASSERT_TRUE(first.form->IsEnded());
    EXPECT_EQ(first.store.Get("voltaro", "frmMain", "Width"), std::to_string(957 * 15));
    EXPECT_EQ(first.store.Get("voltaro", "frmMain", "Height"), std::to_string(762 * 15 + 690));

    ProgramHarness next;
    next.store = first.store;
    ASSERT_TRUE(next.Start());
    EXPECT_EQ(next.form->size(), QSize(957, 762));
    EXPECT_NEAR(next.w->graphView->width(), 939, 2) << "the controls follow the restored size at once";
    EXPECT_NEAR(next.w->graphView->y(), 318, 2);
}

}  // namespace
}  // namespace voltaro
