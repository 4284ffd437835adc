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
    WindowUnderTest* f = nullptr;
    void SetUp() override {
        ASSERT_TRUE(h.StartWithPort());
        f = h.w.get();
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

TEST_F(SetupDialogs, ScalingIntervalAndOverloadRuleAreStoredAndTheIntervalTakesEffect) {
    f->scalingAction->trigger();
    GraphScalingDialog& d = *f->dialogs.scaling;
    ASSERT_TRUE(d.isVisible());
    EXPECT_FALSE(f->window.isEnabled());
    EXPECT_EQ(d.windowTitle(), "GRAPH SCALING");
    d.intervalBoxes[1]->clear();
    QTest::keyClicks(d.intervalBoxes[1], "7");
    EXPECT_EQ(d.intervalSpinners[1]->value(), 52);
    d.intervalSpinners[1]->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the spinner's up arrow
    EXPECT_EQ(d.intervalBoxes[1]->text(), "8");
    d.stopOnOverloadBox->setChecked(true);
    d.okButton->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(f->window.isEnabled());
    EXPECT_EQ(Stored("frmScaling", "Xaxis1"), "51");
    EXPECT_EQ(Stored("frmScaling", "StopLO"), "1");

    f->startButton->click();
    for (int s = 1; s <= 16; ++s) {
        h.Receive(k0123);
        h.Second();
    }
    EXPECT_EQ(Rows(), 2) << "a row every eight seconds";
}

// A typed interval the spinners cannot hold: OK says the range and stays; nothing is stored, and
// the dialog shows the stored interval when it opens again.
TEST_F(SetupDialogs, ScalingRefusesATypedIntervalOutsideItsRange) {
    f->scalingAction->trigger();
    GraphScalingDialog& d = *f->dialogs.scaling;
    d.intervalBoxes[0]->clear();
    QTest::keyClicks(d.intervalBoxes[0], "-5");
    d.okButton->click();
    ASSERT_EQ(h.messages.asked.size(), 1u);
    EXPECT_EQ(h.messages.asked[0].message, kIntervalMessage);
    EXPECT_EQ(h.messages.asked[0].kind, MessageKind::Error);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Stored("frmScaling", "Xaxis0"), "?");
    d.close();
    f->scalingAction->trigger();
    EXPECT_EQ(d.intervalBoxes[0]->text(), "0");
}

TEST_F(SetupDialogs, ScalingRangeLimitsAreCheckedBeforeTheyAreStored) {
    f->scalingAction->trigger();
    GraphScalingDialog& d = *f->dialogs.scaling;
    d.yAxisOptions[2]->click();
    EXPECT_TRUE(d.highLimitBox->isEnabled());
    d.highLimitBox->setText("");
    d.lowLimitBox->setText("");
    d.okButton->click();
    ASSERT_EQ(h.messages.asked.size(), 1u);
    EXPECT_EQ(h.messages.asked[0].message, "Limit High < Limit Low ?");
    EXPECT_EQ(h.messages.asked[0].kind, MessageKind::Error);
    EXPECT_TRUE(d.isVisible()) << "the dialog stays";
    EXPECT_FALSE(f->window.isEnabled());
    EXPECT_EQ(Stored("frmScaling", "Yaxis2"), "?");

    d.highLimitBox->setText("1");
    d.lowLimitBox->setText("5");
    EXPECT_EQ(d.maxLabels[1]->text(), "+  5.00");
    d.okButton->click();
    EXPECT_EQ(h.messages.asked.size(), 1u);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(Stored("frmScaling", "RangeMax"), "1");
    EXPECT_EQ(Stored("frmScaling", "Yaxis2"), "True");
}

// Cancel, Escape and the close box discard the edits and give the main window back.
TEST_F(SetupDialogs, EveryWayOfClosingDiscardsEditsAndEnablesTheWindow) {
    for (Close how : {Close::Cancel, Close::Escape, Close::CloseBox}) {
        SCOPED_TRACE(static_cast<int>(how));
        f->scalingAction->trigger();
        f->dialogs.scaling->yAxisOptions[2]->click();
        f->dialogs.scaling->highLimitBox->setText("9");
        f->dialogs.scaling->intervalBoxes[0]->setText("3");
        ASSERT_FALSE(f->window.isEnabled());
        CloseBy(how, f->dialogs.scaling.get(), f->dialogs.scaling->cancelButton);
        EXPECT_FALSE(f->dialogs.scaling->isVisible());
        EXPECT_TRUE(f->window.isEnabled());
        EXPECT_EQ(f->dialogs.scaling->highLimitBox->text(), "4");
        EXPECT_EQ(f->dialogs.scaling->intervalBoxes[0]->text(), "0");

        f->dateTimeAction->trigger();
        f->dialogs.dateTime->formatList->setCurrentRow(16);
        EXPECT_EQ(f->dialogs.dateTime->windowTitle(), "10:00:00AM 01/15/2024") << "the sample";
        ASSERT_FALSE(f->window.isEnabled());
        CloseBy(how, f->dialogs.dateTime.get(), f->dialogs.dateTime->cancelButton);
        EXPECT_FALSE(f->dialogs.dateTime->isVisible());
        EXPECT_TRUE(f->window.isEnabled());

        f->autoSaveAction->trigger();
        EXPECT_TRUE(f->dialogs.autoSave->Check1->isChecked());
        f->dialogs.autoSave->Check1->setChecked(false);
        ASSERT_FALSE(f->window.isEnabled());
        CloseBy(how, f->dialogs.autoSave.get(), f->dialogs.autoSave->cancelButton);
        EXPECT_FALSE(f->dialogs.autoSave->isVisible());
        EXPECT_TRUE(f->window.isEnabled());
        EXPECT_EQ(f->settings.AutoSave, 1) << "a cancelled tick is not saved at exit";
    }
    // The order of a date entry never confirmed does not reach the rows.
    f->startButton->click();
    h.Receive(k0123);
    h.Second();
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(f->recording->store.Text(1, Field::Date), "24/01/15");
}

// From the print-range dialog: the scaling dialog closes back to it, the main window stays off.
TEST_F(SetupDialogs, ScalingOpenedFromPrintRangeGivesItBackItsTurn) {
    for (bool ok : {true, false}) {
        f->printGraphAction->trigger();
        f->dialogs.printRange->scalingButton->click();
        ASSERT_TRUE(f->dialogs.scaling->isVisible());
        EXPECT_FALSE(f->dialogs.printRange->isEnabled());
        ok ? f->dialogs.scaling->okButton->click() : (void)f->dialogs.scaling->close();
        EXPECT_FALSE(f->dialogs.scaling->isVisible());
        EXPECT_TRUE(f->dialogs.printRange->isVisible());
        EXPECT_TRUE(f->dialogs.printRange->isEnabled());
        EXPECT_FALSE(f->window.isEnabled());
        f->dialogs.printRange->cancelButton->click();
        EXPECT_TRUE(f->window.isEnabled());
    }
}

TEST_F(SetupDialogs, DateTimeFormatAppliesToNewRowsAndIsStored) {
    f->dateTimeAction->trigger();
    f->dialogs.dateTime->formatList->setCurrentRow(16);
    f->dialogs.dateTime->Option1[1]->click();  // 24 hours
    f->dialogs.dateTime->okButton->click();
    EXPECT_TRUE(f->window.isEnabled());
    EXPECT_EQ(Stored("frmMain", "ListFormat"), "16");
    EXPECT_EQ(Stored("frmMain", "DateofTime"), "False");
    EXPECT_EQ(Stored("frmMain", "DateF"), "MM/DD/YYYY");
    EXPECT_EQ(Stored("frmMain", "TimeF"), "HH:MM:SS");
    f->startButton->click();
    h.Receive(k0123);
    h.Second();
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(f->recording->store.Text(1, Field::Date), "01/15/2024");

    // The 12-hour clock reopens as stored.
    f->startButton->click();
    f->dateTimeAction->trigger();
    EXPECT_EQ(f->dialogs.dateTime->formatList->currentRow(), 16);
    EXPECT_TRUE(f->dialogs.dateTime->Option1[1]->isChecked());
    f->dialogs.dateTime->Option1[0]->click();
    f->dialogs.dateTime->okButton->click();
    EXPECT_EQ(Stored("frmMain", "TimeF"), "HH:MM:SSAMPM");
}

TEST_F(SetupDialogs, AutoSaveConfirmedIsStored) {
    f->autoSaveAction->trigger();
    EXPECT_EQ(f->dialogs.autoSave->windowTitle(), "AutoSave");
    f->dialogs.autoSave->Check1->setChecked(false);
    f->dialogs.autoSave->okButton->click();
    EXPECT_TRUE(f->window.isEnabled());
    EXPECT_EQ(Stored("frmMain", "AutoSave"), "0");
}

TEST_F(SetupDialogs, DecibelsChoiceReachesPanelScalingAndStore) {
    h.Receive(k0123);
    ASSERT_TRUE(f->decibelsBox->isEnabled());
    f->decibelsBox->click();
    DecibelDialog& d = *f->dialogs.deciBels;
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
    EXPECT_FALSE(f->dialogs.scaling->yAxisOptions[0]->isEnabled());

    // Relative Mode switches REL on.
    f->decibelsBox->click();
    EXPECT_TRUE(f->dialogs.scaling->yAxisOptions[0]->isEnabled()) << "decibels off: Meter Range again";
    f->decibelsBox->click();
    EXPECT_TRUE(d.modeOptions[1]->isChecked());
    d.modeOptions[2]->click();
    d.okButton->click();
    EXPECT_TRUE(f->relBox->isChecked());
    f->decibelsBox->click();
    EXPECT_FALSE(d.isVisible());

    // Escape and the close box cancel: decibels are switched off.
    for (Close how : {Close::Cancel, Close::Escape, Close::CloseBox}) {
        f->decibelsBox->click();
        ASSERT_TRUE(f->decibelsBox->isChecked());
        CloseBy(how, &d, d.cancelButton);
        EXPECT_FALSE(d.isVisible());
        EXPECT_FALSE(f->decibelsBox->isChecked());
    }
}

TEST_F(SetupDialogs, DbTestPrintsTheConversionTable) {
    f->decibelTableAction->trigger();
    ASSERT_TRUE(f->dialogs.dbTest->isVisible());
    f->dialogs.dbTest->testButton->click();
    EXPECT_EQ(f->dialogs.dbTest->tableText->toPlainText().split('\n').size(), 20);
}

}  // namespace
}  // namespace voltaro
