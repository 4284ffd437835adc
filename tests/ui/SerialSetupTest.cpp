#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "ProgramHarness.h"
#include "ui/link/SerialSetupDialog.h"

namespace voltaro {
namespace {

// No port between COM1 and COM10 opens: the program ends with a message, unless in DebugMode.
TEST(PortScan, NoOpenablePortEndsTheProgramWithAllPortsInUseOutsideDebugMode) {
    for (bool debug : {false, true}) {
        ProgramHarness h(debug);
        h.openable = {99};
        EXPECT_EQ(h.Start(), debug);
        if (debug) {
            EXPECT_TRUE(h.messages.asked.empty());
            continue;
        }
        ASSERT_EQ(h.messages.asked.size(), 1u);
        EXPECT_EQ(h.messages.asked[0].message, "All Ports in Use!");
        EXPECT_EQ(h.messages.asked[0].kind, MessageKind::Error);
        EXPECT_FALSE(h.w->portOpenDelay.isActive()) << "the load stops before the port timer";
    }
}

TEST(PortScan, StoredPortThatCannotOpenMovesToTheFirstThatCan) {
    ProgramHarness h;
    h.openable = {2, 3};
    IniFile(h.ctx.programFolder + "/Setup.ini").IniWriteRaw("Communications", "Port", "5");
    ASSERT_TRUE(h.Start());
    WindowUnderTest& f = *h.w;
    EXPECT_EQ(f.settings.PortText, "2");
    EXPECT_EQ(f.portEdit->text(), "COM2");
    EXPECT_EQ(f.portSpinner->value(), -2);
    EXPECT_TRUE(f.dialogs.setup->portOptions[2]->isChecked());
    EXPECT_FALSE(f.dialogs.setup->portOptions[5]->isEnabled());
    EXPECT_TRUE(f.dialogs.setup->portOptions[3]->isEnabled());
    Fire(f.portOpenDelay);
    EXPECT_EQ(h.MainPort().openedPort, 2);
}

struct SetupDialog : ::testing::Test {
    ProgramHarness h;
    WindowUnderTest* f = nullptr;
    void SetUp() override {
        ASSERT_TRUE(h.Start());
        f = h.w.get();
        Fire(f->portOpenDelay);
        f->serialSetupAction->trigger();
    }
};

TEST_F(SetupDialog, ParityChangeWithOkIsSavedAndReopensThePort) {
    EXPECT_FALSE(f->window.isEnabled()) << "the main window takes no commands while the dialog is open";
    EXPECT_EQ(f->dialogs.setup->summaryLabel->text(), "COM2,2400,O,7,1");
    EXPECT_EQ(f->dialogs.setup->labDevice[2]->text(), "/dev/ttyS1") << "each port number with its device";
    const int opensBefore = h.MainPort().opens;
    f->dialogs.setup->parityOptions[1]->click();
    EXPECT_EQ(f->dialogs.setup->summaryLabel->text(), "COM2,2400,E,7,1");
    f->dialogs.setup->okButton->click();
    EXPECT_TRUE(f->window.isEnabled());
    EXPECT_FALSE(f->dialogs.setup->isVisible());
    EXPECT_EQ(h.MainPort().opens, opensBefore + 1);
    EXPECT_EQ(h.MainPort().openedSettings, "2400,E,7,1");
    EXPECT_EQ(IniFile(h.ctx.programFolder + "/Setup.ini").IniReadRaw("Communications", "Parity"), "1");
}

TEST_F(SetupDialog, OkWithoutAChangeNeitherSavesNorReopens) {
    const int opensBefore = h.MainPort().opens;
    f->dialogs.setup->okButton->click();
    EXPECT_EQ(h.MainPort().opens, opensBefore);
    EXPECT_EQ(IniFile(h.ctx.programFolder + "/Setup.ini").IniReadRaw("Communications", "Parity"), "");
}

TEST_F(SetupDialog, CancelForgetsTheClickedChoicesButNotWhatASaveMeanwhileRemembered) {
    f->dialogs.setup->portOptions[4]->click();
    f->dialogs.setup->parityOptions[2]->click();
    f->recording->store.AutoSaveTick = 1;
    Fire(f->autoSaveTimer);  // the timers run on behind the dialog
    const std::string saved = f->recording->store.RecordingFile;
    ASSERT_EQ(f->settings.RecentFiles[0], saved);
    f->dialogs.setup->cancelButton->click();
    EXPECT_TRUE(f->window.isEnabled());
    EXPECT_EQ(f->settings.PortText, "2");
    EXPECT_EQ(f->settings.LineSettings, "2400,O,7,1");
    EXPECT_TRUE(f->dialogs.setup->portOptions[2]->isChecked());
    EXPECT_EQ(h.MainPort().openedPort, 2);
    EXPECT_EQ(f->settings.RecentFiles[0], saved);
    EXPECT_EQ(f->settings.Path, h.ctx.programFolder);
}

// COM9 and COM10 are no choices of the dialog, but a stored port can be one of them: the spinner
// shows it and steps from it to its neighbour.
TEST(PortSpinner, ShowsAndStepsFromAPortBeyondEight) {
    for (int port : {9, 10}) {
        ProgramHarness h;
        IniFile(h.ctx.programFolder + "/Setup.ini")
            .IniWriteRaw("Communications", "Port", std::to_string(port));
        ASSERT_TRUE(h.StartWithPort());
        WindowUnderTest& f = *h.w;
        EXPECT_EQ(f.portEdit->text().toStdString(), "COM" + std::to_string(port));
        EXPECT_EQ(f.portSpinner->value(), -port);
        ASSERT_EQ(h.MainPort().openedPort, port);
        f.portSpinner->setValue(f.portSpinner->value() + 1);  // one step down
        EXPECT_EQ(f.portEdit->text().toStdString(), "COM" + std::to_string(port - 1));
        EXPECT_EQ(h.MainPort().openedPort, port - 1);
    }
}

}  // namespace
}  // namespace voltaro
