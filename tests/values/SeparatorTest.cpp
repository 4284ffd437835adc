#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "base/Messages.h"
#include "support/ScriptedMessages.h"
#include "values/Separator.h"

using namespace voltaro;

namespace {
const QDateTime kNow(QDate(2026, 4, 5), QTime(10, 0, 0));
}

TEST(Separator, FiltersFollowTheSeparator) {
    Separator s;
    EXPECT_EQ(s.ExtDim, ".");
    EXPECT_EQ(s.FileFilterRecording, "Recording Files (*.dmm)|*.dmm");
    EXPECT_EQ(s.FileFilterExport, "CSV Files(*.csv)|*.csv|Tab Files(*.txt)|*.txt");
    s.ChkDim(1);
    EXPECT_EQ(s.ExtDim, ",");
    EXPECT_EQ(s.FileFilterRecording, "Recording Files (*,dmm)|*,dmm");
    EXPECT_EQ(s.FileFilterExport, "CSV Files(*,csv)|*,csv|Tab Files(*,txt)|*,txt");
}

TEST(Separator, ProbeLeavesNoFileAndSparesARecordingCalledTest) {
    QTemporaryDir dir;
    {
        QFile existing(dir.filePath("test.dmm"));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("my readings\r\n");
    }
    Separator s;
    EXPECT_TRUE(s.ChkDim1(dir.path().toStdString(), kNow));
    QFile kept(dir.filePath("test.dmm"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("my readings\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"test.dmm"});
}

TEST(Separator, ConfirmFallsBackWithAMessage) {
    QTemporaryDir dir;
    ScriptedMessages messages;
    Separator s;
    EXPECT_EQ(s.Confirm(1, dir.path().toStdString(), kNow, messages), 1);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_TRUE(s.ExtDimConfirmed);

    // Neither name can be made: both are tried, each refusal said, the period stays.
    const std::string missing = dir.filePath("no/such/folder").toStdString();
    EXPECT_EQ(s.Confirm(0, missing, kNow, messages), 0);
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(messages.asked[0].message, "The System Can't Support this select!");
    EXPECT_EQ(messages.asked[0].kind, MessageKind::Error);
    EXPECT_EQ(s.ExtDim, ".");
    s.Cancel();
    EXPECT_FALSE(s.ExtDimConfirmed);
}
