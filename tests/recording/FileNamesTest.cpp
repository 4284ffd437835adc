#include <gtest/gtest.h>

#include "recording/FileNames.h"

namespace voltaro {
namespace {

TEST(NextNumberedName, EveryExampleOfTheNumberingRule) {
    EXPECT_EQ(NextNumberedName("/data/test.dmm", 1, 3), "/data/test001.dmm");
    EXPECT_EQ(NextNumberedName("/data/test001.dmm", 1, 3), "/data/test002.dmm");
    EXPECT_EQ(NextNumberedName("/data/test999.dmm", 1, 3), "/data/test1000.dmm");
    EXPECT_EQ(NextNumberedName("/data/run7.dmm", 1, 3), "/data/run7001.dmm");
    EXPECT_EQ(NextNumberedName("/data/test000.dmm", 1, 3), "/data/test00001.dmm");
    EXPECT_EQ(NextNumberedName("/x/a9.dmm", 1, 3), "/x/a9001.dmm");
    EXPECT_EQ(NextNumberedName("/data/test041.csv", 1, 3), "/data/test042.csv");
    EXPECT_EQ(NextNumberedName("/data/test041.dmm", 0, 3), "/data/test000.dmm");
}

TEST(NextNumberedName, NumbersLongerThanALongAreCountedOnAsText) {
    EXPECT_EQ(NextNumberedName("/d/x12345678901234567890.dmm", 1, 3), "/d/x12345678901234567891.dmm");
    EXPECT_EQ(NextNumberedName("/d/x99999999999999999999.dmm", 1, 3), "/d/x100000000000000000000.dmm");
}

TEST(NextNumberedName, NameNotLongerThanTheDigitsGivesEmptyText) {
    EXPECT_EQ(NextNumberedName("7", 1, 3), "");
    EXPECT_EQ(NextNumberedName("", 1, 3), "");
}

TEST(NextNumberedName, CommaSeparatorAndDottedFoldersKeepTheNumberBeforeTheExtension) {
    EXPECT_EQ(NextNumberedName("/data/test001,dmm", 1, 3, ','), "/data/test002,dmm");
    // The default name keeps its period when the comma is the chosen separator.
    EXPECT_EQ(NextNumberedName("/prog/Untitled001.dmm", 1, 3, ','), "/prog/Untitled002.dmm");
    EXPECT_EQ(NextNumberedName("/my.data/test001.dmm", 1, 3), "/my.data/test002.dmm");
}

TEST(FileNames, FolderAndTitleUseTheSlash) {
    EXPECT_EQ(FolderOf("/home/u/rec/run.dmm"), "/home/u/rec");
    EXPECT_EQ(FolderOf("run.dmm"), "");
    EXPECT_EQ(FolderOf("/run.dmm"), "/");
    EXPECT_EQ(FileTitle("/home/u/rec/run.dmm"), "run.dmm");
    EXPECT_EQ(FileTitle("run.dmm"), "run.dmm");
}

TEST(FileNames, ExtensionIsTakenAfterTheLastSeparatorOfTheFileName) {
    EXPECT_EQ(ExtensionOf("/a/run.DMM", '.'), "dmm");
    EXPECT_EQ(ExtensionOf("/a/run.data.dmm", '.'), "dmm");
    EXPECT_EQ(ExtensionOf("/a/my.data/run", '.'), "");  // the folder's dot is not an extension
    EXPECT_EQ(ExtensionOf("/a/my.data/run.csv", '.'), "csv");
    EXPECT_EQ(ExtensionOf("/a/test,dmm", ','), "dmm");
    EXPECT_EQ(ExtensionOf("/a/Untitled.dmm", ','), "dmm");
    EXPECT_EQ(ExtensionOf("/a/test,dmm", '.'), "");
    EXPECT_EQ(ExtensionOf("/a/run.xls", '.'), "xls");
    // Exactly three letters: a numbered follow-on name of "run.dmmx" would not be one.
    EXPECT_EQ(ExtensionOf("/a/run.dmmx", '.'), "");
    EXPECT_EQ(ExtensionOf("/a/run.dm", '.'), "");
}

TEST(FileNames, RenameExtensionReplacesOnlyTheSeparatorOfTheExtension) {
    EXPECT_EQ(RenameExtension("/my.data/test.dmm", ','), "/my.data/test,dmm");
    EXPECT_EQ(RenameExtension("/a/run.data.txt", ','), "/a/run.data,txt");
}

}  // namespace
}  // namespace voltaro
