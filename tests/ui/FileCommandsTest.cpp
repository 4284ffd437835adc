#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "ProgramHarness.h"
#include "app/FileCommands.h"
#include "recording/FileNames.h"
#include "ui/main/FileCommandsController.h"
#include "ui/recording/DeleteFileDialog.h"

namespace voltaro {
namespace {

// The File menu's commands on a program over test doubles.
struct FileMenu : ::testing::Test {
    ProgramHarness h;
    WindowUnderTest* f = nullptr;
    void SetUp() override {
        h.store.Save("voltaro", "frmScaling", "Xaxis1", "59");  // a row at every new reading
        h.store.Save("voltaro", "frmScaling", "StopLO", "1");   // an overload stops the recording
        ASSERT_TRUE(h.StartWithPort());
        f = h.w.get();
    }
    std::string Path(const std::string& name) const { return h.ctx.programFolder + "/" + name; }
    int Rows() const { return f->recording->store.RecordCount; }
    const std::string& RecordingFile() const { return f->recording->store.RecordingFile; }
    // n more readings recorded, from reading number `first` on (each its own value), then STOP.
    void Record(int n, int first = 0) {
        f->startButton->click();
        for (int i = first; i < first + n; ++i) {
            char frame[10];
            std::snprintf(frame, sizeof frame, "1%04d;008", i % 10000);
            h.Receive(frame);
            h.Second();
        }
        f->startButton->click();
    }
    void SaveAs(const std::string& path) { Run(f->saveAsAction, {path}); }
    // A menu command, its file dialogs answered in turn.
    void Run(QAction* command, std::initializer_list<std::optional<std::string>> answers) {
        h.dialogs.answers.assign(answers);
        command->trigger();
    }
    QByteArray Contents(const std::string& path) const {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// Each dialog's title, filter, first filter and name; Cancel ends the command with nothing
// changed.
TEST_F(FileMenu, DialogsOfferTheirSettingsAndCancelChangesNothing) {
    const std::string file = RecordingFile();
    const std::string recordings = "Recording Files (*.dmm)|*.dmm";
    const struct {
        QAction* command;
        bool open;
        FileDialogRequest request;
    } table[] = {
        {f->newAction, false, {"New File", recordings, 1, h.ctx.programFolder, file}},
        {f->openAction, true, {"Open File", recordings, 0, h.ctx.programFolder, ""}},
        {f->importAction,
         true,
         {"Import Readings ", recordings, 0, h.ctx.programFolder, file.substr(0, file.size() - 4)}},
        {f->exportAction,
         false,
         {"Export File As ", "CSV Files(*.csv)|*.csv|Tab Files(*.txt)|*.txt", 0, h.ctx.programFolder, ""}},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.request.title);
        h.dialogs.asked.clear();
        h.dialogs.openDialog.clear();
        row.command->trigger();
        ASSERT_EQ(h.dialogs.asked.size(), 1u);
        EXPECT_EQ(h.dialogs.openDialog[0], row.open);
        EXPECT_TRUE(h.dialogs.asked[0] == row.request) << h.dialogs.asked[0].initialName;
        EXPECT_EQ(RecordingFile(), file);
    }
    EXPECT_TRUE(h.messages.asked.empty()) << "no readings: nothing asked";
    EXPECT_FALSE(f->recentFileActions[0]->isVisible()) << "no separator without recent files";
}

// New, Open and Close ask first while readings are held: Cancel ends the command, No goes on,
// Yes saves through Save as, and a Save as that does not save ends the command too, so that
// the readings are never lost.
TEST_F(FileMenu, UnsavedReadingsAreAskedForBeforeNewOpenAndClose) {
    Record(2);
    SaveAs(Path("other.dmm"));
    enum Command { New, Open, Close };
    enum Answer { None, Cancel, No, YesSaved, YesNotSaved };
    for (Command command : {New, Open, Close}) {
        for (Answer answer : {None, Cancel, No, YesSaved, YesNotSaved}) {
            SCOPED_TRACE("command " + std::to_string(command) + ", answer " + std::to_string(answer));
            answer == None ? f->recording->ResetRecording() : Record(3, 100);
            h.messages.asked.clear();
            h.dialogs.asked.clear();
            const int held = Rows();
            h.messages.answers = {answer == Cancel ? MessageAnswer::Cancel : answer == No ? MessageAnswer::No : MessageAnswer::Yes};
            if (answer == YesSaved) h.dialogs.answers.push_back(Path("kept.dmm"));
            if (answer == YesNotSaved) h.dialogs.answers.push_back(std::nullopt);
            if (command != Close) h.dialogs.answers.push_back(Path(command == New ? "fresh" : "other.dmm"));
            (command == New ? f->newAction : command == Open ? f->openAction : f->closeAction)->trigger();

            const bool goesOn = answer == None || answer == No || answer == YesSaved;
            const size_t saveAs = answer == YesSaved || answer == YesNotSaved ? 1 : 0;
            EXPECT_EQ(h.messages.asked.size(), answer == None ? 0u : 1u);
            EXPECT_EQ(h.dialogs.asked.size(), saveAs + (goesOn && command != Close ? 1 : 0));
            if (answer == YesSaved) {
                EXPECT_EQ(Contents(Path("kept.dmm")).size(), 111 * (held + 1));
            }
            EXPECT_EQ(Rows(), !goesOn ? held : command == Open ? 2 : 0);
            if (goesOn && command != Close) {
                EXPECT_FALSE(f->saveAction->isEnabled());
            }
            h.dialogs.answers.clear();
            h.messages.answers.clear();
        }
    }
}

// The recent files: the newest first, six at most, kept in "file1" .. "file6".
TEST_F(FileMenu, RecentFilesOpenWithoutAQuestionAndMoveToTheTop) {
    Record(2);
    for (int i = 1; i <= 7; ++i) SaveAs(Path("f" + std::to_string(i) + ".dmm"));
    h.messages.answers = {MessageAnswer::No};
    f->closeAction->trigger();
    Run(f->openAction, {Path("f1.dmm")});  // the seventh file opened drops the oldest entry
    auto numbers = [this] {           // of the entries' files, "fN.dmm"
        std::string n;
        for (int i = 1; i <= 6; ++i) n += f->recentFileActions[i]->text().chopped(4).back().toLatin1();
        return n;
    };
    EXPECT_EQ(numbers(), "176543");
    EXPECT_TRUE(f->recentFileActions[0]->isVisible());
    EXPECT_TRUE(f->recentFileActions[6]->isVisible() && f->recentFileActions[6]->isEnabled());

    h.messages.asked.clear();
    f->recentFileActions[3]->trigger();
    EXPECT_TRUE(h.messages.asked.empty()) << "the recording held was saved: nothing asked";
    EXPECT_EQ(numbers(), "617543");
    EXPECT_EQ(RecordingFile(), Path("f6.dmm"));
    EXPECT_EQ(Rows(), 2);

    // Readings never saved are not dropped by a click in passing.
    Record(1, 50);
    h.messages.answers = {MessageAnswer::Cancel};
    f->recentFileActions[2]->trigger();
    EXPECT_EQ(h.messages.asked.size(), 1u);
    EXPECT_EQ(Rows(), 3);

    h.messages.answers = {MessageAnswer::No};
    f->exitAction->trigger();
    EXPECT_EQ(h.store.Get("voltaro", "frmMain", "file1"), Path("f6.dmm"));
    EXPECT_EQ(h.store.Get("voltaro", "frmMain", "file6"), Path("f3.dmm"));
}

// With the comma separator the recordings are named "run,dmm": Open reads the file chosen.
TEST_F(FileMenu, OpenReadsAFileNamedWithTheCommaSeparator) {
    Record(2);
    SaveAs(Path("run.dmm"));
    ASSERT_TRUE(
        QFile::rename(QString::fromStdString(Path("run.dmm")), QString::fromStdString(Path("run,dmm"))));
    ProgramHarness comma;
    comma.store.Save("voltaro", "frmMain", "ExtDimF", "1");
    ASSERT_TRUE(comma.StartWithPort());
    comma.dialogs.answers = {Path("run,dmm")};
    comma.w->openAction->trigger();
    EXPECT_EQ(comma.w->RecordCount(), 2);
    EXPECT_EQ(comma.w->recording->store.RecordingFile, Path("run,dmm"));
}

// Export for Analysis writes the readings held and those of the numbered parts after the file.
TEST_F(FileMenu, ExportForAnalysisTakesTheNumberedPartsAlong) {
    Record(3);
    SaveAs(Path("run.dmm"));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(Path("run.dmm")), QString::fromStdString(Path("run001.dmm"))));
    Run(f->Get<QAction>("mExportForAnalysis"), {Path("run.csv")});
    const QList<QByteArray> lines = Contents(Path("run.csv")).split('\n');
    ASSERT_EQ(lines.size(), 1 + 6 + 1) << "a header, three rows of each file, the last line's end";
    EXPECT_EQ(lines[0], "time,value,unit,quantity,coupling,range_mode,overload,frame");
    EXPECT_TRUE(lines[3].endsWith(",0.002,V,voltage,DC,MANUAL,false,10002;008")) << lines[3].toStdString();
    EXPECT_TRUE(lines[4].endsWith(",0,V,voltage,DC,MANUAL,false,10000;008")) << "run001.dmm follows";
}

// Import puts the file's rows behind those held and leaves them to the next Save; Export says
// in the caption what it merged.
TEST_F(FileMenu, ImportOffersSaveAndExportNamesItsWorkInTheCaption) {
    Record(4, 1000);
    SaveAs(Path("four.dmm"));
    h.messages.answers = {MessageAnswer::No};
    f->closeAction->trigger();
    Record(3);
    Run(f->importAction, {Path("four.dmm")});
    EXPECT_EQ(Rows(), 7);
    EXPECT_EQ(RecordingFile(), Path("four.dmm"));
    ASSERT_TRUE(f->saveAction->isEnabled());
    f->saveAction->trigger();
    EXPECT_EQ(Contents(Path("four.dmm")).size(), 8 * 111) << "header line and all seven rows";

    Run(f->exportAction, {Path("out.txt")});
    EXPECT_EQ(
        f->window.windowTitle().toStdString(),
        "Merge Report File :" + FileTitle(f->recording->store.ChunkFile) + " to out.txt  Line:00000008");
}

// However a recording stops, and after Open, every File command that works on the table is
// offered again.
TEST_F(FileMenu, EveryWayOfStoppingOffersTheFileCommandsAgain) {
    Record(2);
    SaveAs(Path("other.dmm"));
    enum Stop { StopButton, StartButton, Overload, Watchdog, Schedule };
    const QAction* commands[] = {f->newAction,    f->openAction,   f->closeAction,     f->importAction,
                                 f->exportAction, f->saveAsAction, f->printReportAction, f->deleteFileAction};
    auto offered = [&](const char* when) {
        EXPECT_TRUE(f->fileMenu->isEnabled()) << when;
        for (const QAction* a : commands) EXPECT_TRUE(a->isEnabled()) << a->text().toStdString() << when;
    };
    for (Stop how : {StopButton, StartButton, Overload, Watchdog, Schedule}) {
        SCOPED_TRACE("stopped by " + std::to_string(how));
        f->startButton->click();
        h.Receive("10123;008");
        h.Second();
        ASSERT_FALSE(f->newAction->isEnabled());
        if (how == StopButton) f->stopButton->click();
        if (how == StartButton) f->startButton->click();
        if (how == Overload) {
            h.Receive("14000;108");
            h.Second();
        }
        if (how == Watchdog) Fire(f->noDataWatchdog);
        if (how == Schedule) f->acquisition->ScheduledStop();
        ASSERT_EQ(f->startButton->text(), "START");
        offered(" after the stop");
        h.messages.answers = {MessageAnswer::No};
        Run(f->openAction, {Path("other.dmm")});
        ASSERT_EQ(Rows(), 2);
        offered(" after Open");
    }
}

// Delete File: the main window waits while it is open, and gets its commands back however it
// closes. The open recording's file is not deleted, and the box says why.
TEST_F(FileMenu, DeleteFileAsksDeletesAndEveryWayOfClosingGivesTheWindowBack) {
    Record(2);
    SaveAs(Path("run.dmm"));
    QDir(QString::fromStdString(h.ctx.programFolder)).mkdir(QStringLiteral("sub"));
    for (const char* name : {"a.csv", "sub/c.csv"})
        QFile(QString::fromStdString(Path(name))).open(QIODevice::WriteOnly);
    auto listed = [](const QListWidget* list, const char* name) {
        return list->findItems(name, Qt::MatchExactly);
    };
    h.messages.asked.clear();
    enum Close { Cancel, Escape, CloseBox };
    for (Close how : {Cancel, Escape, CloseBox}) {
        SCOPED_TRACE("closed by " + std::to_string(how));
        f->deleteFileAction->trigger();
        DeleteFileDialog& d = *f->probe.fileCommands().deleteFileDialog();
        ASSERT_TRUE(d.isVisible());
        EXPECT_FALSE(f->window.isEnabled());
        EXPECT_FALSE(d.isModal());
        if (how == Cancel) {
            EXPECT_EQ(d.windowTitle().toStdString(), h.ctx.programFolder);
            EXPECT_EQ(d.fileList->count(), 1) << "Csv File (*.csv)";
            ASSERT_EQ(listed(d.fileList, "a.csv").size(), 1);
            emit d.fileList->itemClicked(listed(d.fileList, "a.csv").at(0));
            for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
                h.messages.answers = {answer};
                d.deleteButton->click();
            }
            ASSERT_EQ(h.messages.asked.size(), 2u);
            EXPECT_EQ(h.messages.asked[0].message, "'" + Path("a.csv") + "'\r\nDo you want Delete it ?");
            EXPECT_EQ(h.messages.asked[0].kind, MessageKind::YesNo);
            EXPECT_TRUE(listed(d.fileList, "a.csv").empty());
            EXPECT_TRUE(d.isVisible()) << "the dialog stays open";

            d.typeBox->setCurrentIndex(1);
            emit d.fileList->itemClicked(listed(d.fileList, "run.dmm").at(0));
            d.deleteButton->click();
            ASSERT_EQ(h.messages.asked.size(), 3u);
            EXPECT_EQ(h.messages.asked[2].message,
                      "Can't delete " + Path("run.dmm") + "\r\nIt is the file of the open recording.");
            EXPECT_EQ(h.messages.asked[2].kind, MessageKind::Error);
            EXPECT_EQ(listed(d.fileList, "run.dmm").size(), 1);

            // Another folder: its files, and the next file dialogs start there.
            emit d.folderList->itemActivated(d.folderList->findItems("sub", Qt::MatchEndsWith).at(0));
            EXPECT_EQ(f->settings.Path, Path("sub"));
            EXPECT_EQ(d.fileList->item(0)->text(), "c.csv");
            d.cancelButton->click();
        } else {
            how == Escape ? QTest::keyClick(&d, Qt::Key_Escape) : (void)d.close();
        }
        EXPECT_FALSE(d.isVisible());
        EXPECT_TRUE(f->window.isEnabled());
    }
}

}  // namespace
}  // namespace voltaro
