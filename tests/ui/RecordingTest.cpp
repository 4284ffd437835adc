#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "ProgramHarness.h"
#include "app/FileCommands.h"
#include "ui/widgets/PictureBox.h"
#include "values/Formatting.h"

namespace voltaro {
namespace {

const std::string k0123 = "10123;008";  // 0.123 V DC
const std::string kOverload = "14000;108";

// A program run over test doubles.
struct Session {
    ProgramHarness h;
    WindowUnderTest* f = nullptr;
    void Begin(int intervalSeconds = 0, bool stopOnOverload = false) {
        h.store.Save("voltaro", "frmScaling", "Xaxis1", std::to_string(59 - intervalSeconds));
        if (stopOnOverload) h.store.Save("voltaro", "frmScaling", "StopLO", "1");
        ASSERT_TRUE(h.StartWithPort());
        f = h.w.get();
    }
    int Rows() const { return f->recording->store.RecordCount; }
    // A recording of n rows, stopped.
    void WithRows(int n) {
        Begin(0);
        f->startButton->click();
        for (int i = 0; i < n; ++i) {
            h.Receive("1012" + std::to_string(i) + ";008");
            h.Second();
        }
        f->startButton->click();
        ASSERT_EQ(Rows(), n);
    }
    void Leave(bool closeBox) { closeBox ? (void)f->window.close() : f->exitAction->trigger(); }
    std::string SavedFile() const { return h.ctx.programFolder + "/kept.dmm"; }
    // A folder that cannot be made, since a file has its name; the data folder lies in it too.
    std::string Blocked() {
        const std::string blocker = h.ctx.programFolder + "/not a folder";
        QFile(QString::fromStdString(blocker)).open(QIODevice::WriteOnly);
        f->recording->dataFolder = blocker + "/data";
        return blocker;
    }
};

struct Recording : ::testing::Test, Session {};

TEST_F(Recording, StartAndStopSwitchTheButtonsMenusAndTimers) {
    Begin();
    EXPECT_EQ(f->window.windowTitle().toStdString(), h.ctx.programFolder + "/Untitled.dmm");
    // Enabled before START, while recording, after STOP with a row held.
    const struct {
        const char* name;
        std::function<bool()> on;
        bool idle, recording, stopped;
    } controls[] = {
        {"Save", [&] { return f->saveAction->isEnabled(); }, false, false, true},
        {"Save as", [&] { return f->saveAsAction->isEnabled(); }, false, false, true},
        {"STOP", [&] { return f->stopButton->isEnabled(); }, false, true, false},
        {"File menu", [&] { return f->fileMenu->isEnabled(); }, true, false, true},
        {"cursor", [&] { return f->graphCursor->isEnabled(); }, true, false, true},
        {"recording timer", [&] { return f->recordTimer.isActive(); }, false, true, false},
        {"autosave timer", [&] { return f->autoSaveTimer.isActive(); }, false, true, false},
    };
    for (const auto& c : controls) EXPECT_EQ(c.on(), c.idle) << c.name << " before START";
    f->startButton->click();
    EXPECT_EQ(f->startButton->text(), "STOP");
    for (const auto& c : controls) EXPECT_EQ(c.on(), c.recording) << c.name << " while recording";
    EXPECT_EQ(f->recordTimer.interval(), 1000);
    EXPECT_EQ(f->autoSaveTimer.interval(), 60000);
    EXPECT_TRUE(f->noDataWatchdog.isActive());
    EXPECT_EQ(f->noDataWatchdog.interval(), 30000);
    h.Receive(k0123);
    EXPECT_FALSE(f->noDataWatchdog.isActive()) << "the first frame ends the watchdog";
    h.Second();
    f->startButton->click();  // its caption is STOP now
    EXPECT_EQ(f->startButton->text(), "START");
    for (const auto& c : controls) EXPECT_EQ(c.on(), c.stopped) << c.name << " after STOP";
    EXPECT_TRUE(f->graphView->isEnabled());
}

// The older file's notice needs no answer: it goes to the status bar, and no box holds the
// recording's first save while every tick goes on recording.
TEST_F(Recording, AnOlderFileOfTheNameIsANoticeInTheStatusBarWhileEveryTickRecords) {
    const QString older = QString::fromStdString(h.ctx.programFolder + "/Untitled.dmm");
    QFile put(older);
    ASSERT_TRUE(put.open(QIODevice::WriteOnly));
    put.write("an older recording");
    put.close();
    Begin(0);
    f->startButton->click();
    for (int i = 0; i < 3; ++i) {
        h.Receive(k0123);
        h.Second();
    }
    EXPECT_EQ(Rows(), 3);
    EXPECT_TRUE(h.messages.asked.empty());
    EXPECT_TRUE(f->statusNotice->isVisible());
    EXPECT_EQ(f->statusNotice->text(), older + " holds another recording.  This recording is saved to " +
                                           QString::fromStdString(h.ctx.programFolder) + "/Untitled001.dmm.");
    EXPECT_EQ(QFileInfo(older).size(), 18) << "the older file is left as it was";
    QTest::mouseClick(f->statusNotice, Qt::LeftButton);
    EXPECT_FALSE(f->statusNotice->isVisible());
}

TEST_F(Recording, OverloadIsNeverRecorded) {
    Begin(0);
    f->startButton->click();
    h.Receive(kOverload);
    h.Second();
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(f->startButton->text(), "STOP") << "without the rule the recording goes on";
    h.Receive(k0123);
    h.Second();
    EXPECT_EQ(Rows(), 1);
}

// A failed Save as leaves its rows unsaved and Save usable; the saved file joins the recent
// list.
TEST_F(Recording, SaveStaysUsableAfterAFailureAndTheSavedFileJoinsTheRecentList) {
    WithRows(2);
    h.dialogs.answers = {Blocked() + "/kept.dmm"};
    f->saveAsAction->trigger();
    EXPECT_TRUE(f->saveAction->isEnabled());
    h.dialogs.answers = {SavedFile()};
    f->saveAsAction->trigger();
    EXPECT_FALSE(f->saveAction->isEnabled()) << "nothing left unsaved";
    EXPECT_EQ(f->recentFileActions[1]->text().toStdString(), SavedFile());
    EXPECT_TRUE(f->recentFileActions[1]->isVisible());
}

TEST_F(Recording, LinkLabelShowsWithFramesAndHidesFifteenSecondsAfterTheLast) {
    Begin(0);
    EXPECT_FALSE(f->linkLabel->isVisible());
    h.Receive(k0123);
    EXPECT_TRUE(f->linkLabel->isVisible());
    EXPECT_TRUE(f->linkLabelTimer.isActive());
    EXPECT_EQ(f->linkLabelTimer.interval(), 15000);
    const QString frame = QString::fromStdString(k0123) + QChar(0x21b5);
    EXPECT_EQ(f->statusPanels[2]->text(), frame + frame) << "the buffer's first 22 characters";
    Fire(f->linkLabelTimer);
    EXPECT_FALSE(f->linkLabel->isVisible());
}

// The unsaved-data question on Exit and on the close box.
struct Leaving : ::testing::Test, Session {};

TEST_F(Leaving, NoRowsNoQuestionAndTheSettingsAreSaved) {
    Begin(0);
    f->exitAction->trigger();
    EXPECT_TRUE(h.messages.asked.empty());
    EXPECT_TRUE(f->window.IsEnded());
    EXPECT_TRUE(h.store.Get("voltaro", "frmMain", "Width").has_value());
    EXPECT_TRUE(h.store.Get("voltaro", "frmMain", "Version").has_value());
}

TEST_F(Leaving, AnswersOnExitAndOnTheCloseBox) {
    for (bool closeBox : {false, true}) {
        for (MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::No, MessageAnswer::Yes}) {
            SCOPED_TRACE((closeBox ? "close box, answer " : "Exit, answer ") +
                         std::to_string(static_cast<int>(answer)));
            Session run;
            run.WithRows(3);
            run.h.messages.answers = {answer};
            run.h.dialogs.answers = {run.h.ctx.programFolder + "/kept"};
            run.Leave(closeBox);
            ASSERT_EQ(run.h.messages.asked.size(), 1u);
            EXPECT_EQ(run.h.messages.asked[0].message, kChangedQuestion);
            EXPECT_EQ(run.h.messages.asked[0].kind, MessageKind::YesNoCancel);
            EXPECT_EQ(run.f->window.IsEnded(), answer != MessageAnswer::Cancel) << "Cancel keeps the program running";
            if (answer == MessageAnswer::Cancel) {
                EXPECT_TRUE(run.f->window.isVisible());
            }
            if (answer != MessageAnswer::Yes) {
                EXPECT_TRUE(run.h.dialogs.asked.empty()) << "Cancel and No end without saving";
                continue;
            }
            ASSERT_EQ(run.h.dialogs.asked.size(), 1u);
            EXPECT_EQ(run.h.dialogs.asked[0].title, "Save File As ");
            EXPECT_EQ(run.h.dialogs.asked[0].filter, "Recording Files (*.dmm)|*.dmm");
            QFile saved(QString::fromStdString(run.SavedFile()));
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << "Yes saves through Save as, with .dmm added";
            EXPECT_EQ(saved.size(), 4 * 111) << "the header line and three rows";
        }
    }
}

// A signal to end or the end of the session: nobody may be there to answer, so the readings
// are saved to the recording's file without a question, the port is closed and the program
// ends, whether the recording runs, was stopped (with the Save entry greyed after the first
// reading) or holds nothing.
TEST_F(Leaving, TheEndOfTheSessionSavesWithoutAskingAndEnds) {
    const struct {
        const char* state;
        int rows;
        bool running;
    } cases[] = {{"recording", 3, true}, {"stopped after one reading", 1, false}, {"empty", 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        Session run;
        run.Begin(0);
        run.f->startButton->click();
        for (int i = 0; i < c.rows; ++i) {
            run.h.Receive(k0123);
            run.h.Second();
        }
        if (!c.running) run.f->startButton->click();
        ASSERT_EQ(run.Rows(), c.rows);
        EXPECT_TRUE(run.f->window.EndSession());
        EXPECT_TRUE(run.h.messages.asked.empty());
        EXPECT_TRUE(run.h.dialogs.asked.empty());
        EXPECT_TRUE(run.f->window.IsEnded());
        EXPECT_FALSE(run.h.MainPort().PortOpen());
        EXPECT_FALSE(run.f->recordTimer.isActive());
        EXPECT_TRUE(run.h.store.Get("voltaro", "frmMain", "Width").has_value()) << "the settings are saved";
        const QFileInfo file(QString::fromStdString(run.h.ctx.programFolder + "/Untitled.dmm"));
        EXPECT_EQ(file.exists() ? file.size() : 0, c.rows ? (c.rows + 1) * 111 : 0);
    }
}

// Yes followed by a cancelled Save as, or by a save that fails, must not end the program and
// lose the readings.
TEST_F(Leaving, YesWithoutASuccessfulSaveKeepsTheProgramRunning) {
    for (bool closeBox : {false, true}) {
        Session cancelled;
        cancelled.WithRows(2);
        cancelled.h.messages.answers = {MessageAnswer::Yes};
        cancelled.h.dialogs.answers = {std::nullopt};
        cancelled.Leave(closeBox);
        EXPECT_FALSE(cancelled.f->window.IsEnded());
        EXPECT_EQ(cancelled.Rows(), 2);

        Session failing;
        failing.WithRows(2);
        failing.h.messages.answers = {MessageAnswer::Yes};
        failing.h.dialogs.answers = {failing.Blocked() + "/kept.dmm"};
        failing.Leave(closeBox);
        EXPECT_FALSE(failing.f->window.IsEnded());
        ASSERT_EQ(failing.h.messages.asked.size(), 2u);
        EXPECT_EQ(failing.h.messages.asked[1].kind, MessageKind::Error) << "the failed save says so";
    }
}

TEST_F(Leaving, ARecordingSavedIntoTheDataFolderIsNamedAgainOnTheWayOut) {
    for (bool closeBox : {false, true}) {
        Session run;
        run.WithRows(2);
        const std::string asked = run.Blocked() + "/run.dmm";
        const std::string moved = run.h.ctx.programFolder + "/data/run.dmm";
        run.f->recording->dataFolder = run.h.ctx.programFolder + "/data";
        run.f->recording->store.RecordingFile = asked;
        ASSERT_TRUE(run.f->recording->SaveByExtension(true));
        ASSERT_EQ(run.f->recording->store.RecordingFile, moved);
        run.h.messages.asked.clear();
        run.h.messages.answers = {MessageAnswer::No};
        run.Leave(closeBox);
        EXPECT_TRUE(run.f->window.IsEnded());
        ASSERT_EQ(run.h.messages.asked.size(), 2u);
        EXPECT_EQ(run.h.messages.asked[1].message,
                  "Can't save " + asked + "\r\nThis recording is saved to " + moved + ".");
    }
}

// DebugMode is handed to the program, not taken from the build: the same build runs either way.
TEST(DebugMode, QuickensTheRecordingClockAndBeepsPerFrameOnlyWhenHandedIn) {
    for (bool debug : {false, true}) {
        ProgramHarness h(debug);
        ASSERT_TRUE(h.StartWithPort());
        h.Receive("10123;008");
        EXPECT_EQ(h.beeper.count, debug ? 2 : 0) << "a beep per accepted frame";
        h.w->startButton->click();
        EXPECT_EQ(h.w->recordTimer.interval(), debug ? 10 : 1000);
    }
}

// A reopened recording shows the settings its last row was recorded with, on every box, and
// keeps the REL reference the file recorded rather than the reading now shown.
TEST(RecordingWindow, ReopenedFileShowsItsLastRowSettingsOnTheBoxes) {
    Session s;
    s.Begin(0);
    WindowUnderTest* f = s.f;
    s.h.Receive("10500;008");
    f->avgBox->click();
    f->relBox->click();  // reference 0.5 V
    f->alarmHighEdit->setText(QStringLiteral("1.5"));
    f->alarmHighBox->click();
    f->startButton->click();
    for (int i = 0; i < 3; ++i) {
        s.h.Receive("1070" + std::to_string(i) + ";008");
        s.h.Second();
    }
    f->startButton->click();
    s.h.dialogs.answers.push_back(s.SavedFile());
    f->saveAsAction->trigger();

    Session other;
    other.Begin(0);
    WindowUnderTest* g = other.f;
    other.h.Receive("12000;008");
    ASSERT_TRUE(g->recording->OpenFile(s.SavedFile()).loaded);
    EXPECT_TRUE(g->avgBox->isChecked());
    EXPECT_TRUE(g->relBox->isChecked());
    EXPECT_TRUE(g->statValues[3]->isEnabled());
    EXPECT_TRUE(g->alarmHighBox->isChecked());
    EXPECT_EQ(g->alarmHighEdit->text().trimmed(), QStringLiteral("1.5"));
    EXPECT_FALSE(g->alarmLowBox->isChecked());
    const ScaledText reference = FormatScaled4(0.5);
    EXPECT_EQ(g->statValues[3]->text().toStdString(), reference.text + reference.prefix)
        << "the file's REL reference";
}

}  // namespace
}  // namespace voltaro
