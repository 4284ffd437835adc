#include <gtest/gtest.h>

#include "recording/FileCommands.h"

namespace voltaro {
namespace {

TEST(FileCommands, CheckFileNameAddsDmmUnlessAPeriodStandsBeforeThreeCharacters) {
    EXPECT_EQ(CheckFileName("/x/run"), "/x/run.dmm");
    EXPECT_EQ(CheckFileName("/x/a.csv"), "/x/a.csv");
    EXPECT_EQ(CheckFileName("/x/run.data"), "/x/run.data.dmm");
    EXPECT_EQ(CheckFileName("abc"), "abc.dmm");
    EXPECT_EQ(CheckFileName(".dmm"), ".dmm");
}

TEST(FileCommands, FilterIndexForTheThreeKnownExtensions) {
    EXPECT_EQ(FilterIndexFor("csv"), 1);
    EXPECT_EQ(FilterIndexFor("TXT"), 2);
    EXPECT_EQ(FilterIndexFor("xls"), 3);
    EXPECT_EQ(FilterIndexFor("dmm"), 0);
    EXPECT_EQ(FilterIndexFor(""), 0);
}

TEST(FileCommands, RecentFilesKeepSixNewestFirstWithoutDuplicates) {
    std::array<std::string, 6> list{};
    for (const char* f : {"a", "b", "c", "d", "e", "f", "g"}) AddRecentFile(list, f);
    EXPECT_EQ(list, (std::array<std::string, 6>{"g", "f", "e", "d", "c", "b"}))
        << "the seventh drops the oldest";
    AddRecentFile(list, "e");
    EXPECT_EQ(list, (std::array<std::string, 6>{"e", "g", "f", "d", "c", "b"}))
        << "a re-opened file moves up";
}

}  // namespace
}  // namespace voltaro
