#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "ProgramHarness.h"
#include "ui/display/GraphScalingDialog.h"
#include "ui/print/PrintGraphDialog.h"
#include "ui/recording/AutoSaveDialog.h"
#include "ui/values/DateTimeFormatDialog.h"
#include "ui/values/DecibelDialog.h"

namespace voltaro {
namespace {

const std::string k0123 = "10123;008";  // 0.123 V DC

struct SetupDialogs : ::testing::Test {
    ProgramHarness h;
    MainWindow* f = nullptr;
    void SetUp() override {
        ASSERT_TRUE(h.StartWithPort());
        f = h.form.get();
    }
    std::string Stored(const std::string& form, const std::string& key) {
        return h.store.Get("voltaro", form, key).value_or("?");
    }
    int Rows() const { return f->recording->store.RecordCount; }
};

enum class Close { Cancel, Escape, CloseBox };

void CloseBy(Close how, QDialog* dialog, QPushButton* cancel) {
    if (how == Close::Cancel) cancel->click();
    if (how == Close::Escape) QTest::keyClick(dialog, Qt::Key_Escape);
    if (how == Close::CloseBox) dialog->close();
}

TEST_F(SetupDialogs, ScalingIntervalAndOverloadRuleTakeEffectAtTheNextStart) {
    f->mScaling->trigger();
    GraphScalingDialog& d = *f->scaling;
    ASSERT_TRUE(d.isVisible());
    EXPECT_FALSE(f->isEnabled());
    EXPECT_EQ(d.windowTitle(), "GRAPH SCALING");
    d.intervalBoxes[1]->clear();
    QTest::keyClicks(d.intervalBoxes[1], "7");
    EXPECT_EQ(d.intervalSpinners[1]->value(), 52);
    d.intervalSpinners[1]->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the spinner's up arrow
    EXPECT_EQ(d.intervalBoxes[1]->text(), "8");
    d.stopOnOverloadBox->setChecked(true);
    d.okButton->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(f->isEnabled());
    EXPECT_EQ(Stored("frmScaling", "Xaxis1"), "51");
    EXPECT_EQ(Stored("frmScaling", "StopLO"), "1");
    EXPECT_TRUE(f->chkStop);

    f->cmdStart->click();
    for (int s = 1; s <= 16; ++s) {
        h.Receive(k0123);
        h.Second();
        EXPECT_EQ(Rows(), s / 8) << "second " << s;
    }
    // "Stop Record on OL input": an overload due for recording ends the recording.
    for (int s = 1; s <= 8; ++s) {
        h.Receive("14000;108");
        h.Second();
    }
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(f->cmdStart->text(), "START");
}

// A typed interval the spinners cannot hold: OK says the range and stays; nothing is stored, and
// the dialog shows the stored interval when it opens again.
TEST_F(SetupDialogs, ScalingRefusesATypedIntervalOutsideItsRange) {
    f->mScaling->trigger();
    GraphScalingDialog& d = *f->scaling;
    d.intervalBoxes[0]->clear();
    QTest::keyClicks(d.intervalBoxes[0], "-5");
    d.okButton->click();
    ASSERT_EQ(h.messages.asked.size(), 1u);
    EXPECT_EQ(h.messages.asked[0].message, kIntervalMessage);
    EXPECT_EQ(h.messages.asked[0].kind, MessageKind::Error);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Stored("frmScaling", "Xaxis0"), "?");
    d.close();
    f->mScaling->trigger();
    EXPECT_EQ(d.intervalBoxes[0]->text(), "0");
}

TEST_F(SetupDialogs, ScalingRangeLimitsAreCheckedBeforeTheyAreStored) {
    f->mScaling->trigger();
    GraphScalingDialog& d = *f->scaling;
    d.yAxisOptions[2]->click();
    EXPECT_TRUE(d.highLimitBox->isEnabled());
    d.highLimitBox->setText("");
    d.lowLimitBox->setText("");
    d.okButton->click();
    ASSERT_EQ(h.messages.asked.size(), 1u);
    EXPECT_EQ(h.messages.asked[0].message, "Limit High < Limit Low ?");
    EXPECT_EQ(h.messages.asked[0].kind, MessageKind::Error);
    EXPECT_TRUE(d.isVisible()) << "the dialog stays";
    EXPECT_FALSE(f->isEnabled());
    EXPECT_EQ(Stored("frmScaling", "Yaxis2"), "?");

    d.highLimitBox->setText("1");
    d.lowLimitBox->setText("5");
    EXPECT_EQ(d.maxLabels[1]->text(), "+  5.00");
    d.okButton->click();
    EXPECT_EQ(h.messages.asked.size(), 1u);
    EXPECT_FALSE(d.isVisible());
    EXPECT_DOUBLE_EQ(f->graphRange.GraphTop, 5);
    EXPECT_DOUBLE_EQ(f->graphRange.GraphBottom, 1);
    EXPECT_EQ(Stored("frmScaling", "RangeMax"), "1");
    EXPECT_EQ(Stored("frmScaling", "Yaxis2"), "True");

    // Ticking the dB graph leaves "Range" the only choice.
    f->mScaling->trigger();
    d.yAxisOptions[1]->click();
    d.decibelScaleBox->click();
    EXPECT_TRUE(d.yAxisOptions[2]->isChecked());
    EXPECT_FALSE(d.yAxisOptions[0]->isEnabled());
    EXPECT_FALSE(d.yAxisOptions[1]->isEnabled());
}

// Cancel, Escape and the close box discard the edits and give the main window back.
TEST_F(SetupDialogs, EveryWayOfClosingDiscardsEditsAndEnablesTheWindow) {
    for (Close how : {Close::Cancel, Close::Escape, Close::CloseBox}) {
        SCOPED_TRACE(static_cast<int>(how));
        f->mScaling->trigger();
        f->scaling->yAxisOptions[2]->click();
        f->scaling->highLimitBox->setText("9");
        f->scaling->intervalBoxes[0]->setText("3");
        ASSERT_FALSE(f->isEnabled());
        CloseBy(how, f->scaling.get(), f->scaling->cancelButton);
        EXPECT_FALSE(f->scaling->isVisible());
        EXPECT_TRUE(f->isEnabled());
        EXPECT_EQ(f->scaling->highLimitBox->text(), "4");
        EXPECT_EQ(f->scaling->intervalBoxes[0]->text(), "0");
        EXPECT_EQ(f->graphRange.Yaxis, GraphRange::kAutoRange);
        EXPECT_EQ(f->TextXaxis0, "0");

        f->mDateTime->trigger();
        f->dateTime->formatList->setCurrentRow(16);
        EXPECT_EQ(f->dateTime->windowTitle(), "10:00:00AM 01/15/2024") << "the sample";
        ASSERT_FALSE(f->isEnabled());
        CloseBy(how, f->dateTime.get(), f->dateTime->cancelButton);
        EXPECT_FALSE(f->dateTime->isVisible());
        EXPECT_TRUE(f->isEnabled());
        // The order of an entry never confirmed does not reach the stamps.
        EXPECT_TRUE(f->formats.DateofTime);
        EXPECT_EQ(f->formats.FormatStamp(QDate(2024, 1, 15), QTime(10, 0, 0)), "24/01/15 10:00:00");

        f->mAutoSave->trigger();
        EXPECT_TRUE(f->autoSave->Check1->isChecked());
        f->autoSave->Check1->setChecked(false);
        ASSERT_FALSE(f->isEnabled());
        CloseBy(how, f->autoSave.get(), f->autoSave->cancelButton);
        EXPECT_FALSE(f->autoSave->isVisible());
        EXPECT_TRUE(f->isEnabled());
        EXPECT_EQ(f->settings.AutoSave, 1) << "a cancelled tick is not saved at exit";
    }
}

// From the print-range dialog: the scaling dialog closes back to it, the main window stays off.
TEST_F(SetupDialogs, ScalingOpenedFromPrintRangeGivesItBackItsTurn) {
    for (bool ok : {true, false}) {
        f->mPrintGraph->trigger();
        f->printRange->scalingButton->click();
        ASSERT_TRUE(f->scaling->isVisible());
        EXPECT_FALSE(f->printRange->isEnabled());
        ok ? f->scaling->okButton->click() : (void)f->scaling->close();
        EXPECT_FALSE(f->scaling->isVisible());
        EXPECT_TRUE(f->printRange->isVisible());
        EXPECT_TRUE(f->printRange->isEnabled());
        EXPECT_FALSE(f->isEnabled());
        f->printRange->cancelButton->click();
        EXPECT_TRUE(f->isEnabled());
    }
}

TEST_F(SetupDialogs, DateTimeFormatAppliesToNewRowsAndIsStored) {
    f->mDateTime->trigger();
    f->dateTime->formatList->setCurrentRow(16);
    f->dateTime->Option1[1]->click();  // 24 hours
    f->dateTime->okButton->click();
    EXPECT_TRUE(f->isEnabled());
    EXPECT_EQ(Stored("frmMain", "ListFormat"), "16");
    EXPECT_EQ(Stored("frmMain", "DateofTime"), "False");
    EXPECT_EQ(Stored("frmMain", "DateF"), "MM/DD/YYYY");
    EXPECT_EQ(Stored("frmMain", "TimeF"), "HH:MM:SS");
    f->cmdStart->click();
    h.Receive(k0123);
    h.Second();
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(f->recording->store.Text(1, Field::Date), "01/15/2024");
    EXPECT_EQ(f->formats.FormatStamp(QDate(2024, 1, 15), QTime(14, 5, 3)), "14:05:03 01/15/2024");

    // The 12-hour clock reopens as stored.
    f->cmdStart->click();
    f->mDateTime->trigger();
    EXPECT_EQ(f->dateTime->formatList->currentRow(), 16);
    EXPECT_TRUE(f->dateTime->Option1[1]->isChecked());
    f->dateTime->Option1[0]->click();
    f->dateTime->okButton->click();
    EXPECT_EQ(f->formats.TimeF, "HH:MM:SSAMPM");
}

TEST_F(SetupDialogs, AutoSaveConfirmedIsStored) {
    f->mAutoSave->trigger();
    EXPECT_EQ(f->autoSave->windowTitle(), "AutoSave");
    f->autoSave->Check1->setChecked(false);
    f->autoSave->okButton->click();
    EXPECT_TRUE(f->isEnabled());
    EXPECT_EQ(Stored("frmMain", "AutoSave"), "0");
}

TEST_F(SetupDialogs, DecibelsChoiceReachesPanelScalingAndStore) {
    h.Receive(k0123);
    ASSERT_TRUE(f->ChkdB->isEnabled());
    f->ChkdB->click();
    DecibelDialog& d = *f->deciBels;
    ASSERT_TRUE(d.isVisible());
    EXPECT_TRUE(d.modeOptions[2]->isChecked()) << "Relative Mode by default";
    d.modeOptions[1]->click();
    EXPECT_TRUE(d.Text1->isEnabled());
    d.Text1->setText("600");
    d.okButton->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(Stored("frmDeciBels", "OptdB"), "1");
    EXPECT_EQ(Stored("frmDeciBels", "dBm"), "600");
    EXPECT_EQ(f->recording->ImpedanceText, "600");
    EXPECT_EQ(f->decibels.DbUnitText, "dBm") << "the panel was drawn in dBm";
    EXPECT_FALSE(f->scaling->yAxisOptions[0]->isEnabled());

    // Relative Mode switches REL on.
    f->ChkdB->click();
    EXPECT_TRUE(f->scaling->yAxisOptions[0]->isEnabled()) << "decibels off: Meter Range again";
    f->ChkdB->click();
    EXPECT_TRUE(d.modeOptions[1]->isChecked());
    d.modeOptions[2]->click();
    d.okButton->click();
    EXPECT_TRUE(f->ChkREL->isChecked());
    f->ChkdB->click();
    EXPECT_FALSE(d.isVisible());

    // Escape and the close box cancel: decibels are switched off.
    for (Close how : {Close::Cancel, Close::Escape, Close::CloseBox}) {
        f->ChkdB->click();
        ASSERT_TRUE(f->ChkdB->isChecked());
        CloseBy(how, &d, d.cancelButton);
        EXPECT_FALSE(d.isVisible());
        EXPECT_FALSE(f->ChkdB->isChecked());
        EXPECT_EQ(f->decibels.Mode, DecibelMode::None);
    }
}

TEST_F(SetupDialogs, DbTestPrintsTheConversionTable) {
    f->mDbTest->trigger();
    ASSERT_TRUE(f->dbTest->isVisible());
    f->dbTest->testButton->click();
    const QStringList lines = f->dbTest->tableText->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 20);
    EXPECT_TRUE(lines[0].startsWith("dBm"));
    EXPECT_TRUE(lines[1].startsWith("0 ")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("20 ")) << lines[2].toStdString();
}

}  // namespace
}  // namespace voltaro
