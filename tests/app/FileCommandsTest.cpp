#include <gtest/gtest.h>

#include "app/FileCommands.h"

namespace voltaro {
namespace {

TEST(FileCommands, NamesFiltersAndTypePatterns) {
    const struct {
        const char* typed;
        const char* checked;  // ".dmm" unless a period stands before the last three characters
    } names[] = {{"/x/run", "/x/run.dmm"},
                 {"/x/a.csv", "/x/a.csv"},
                 {"/x/run.data", "/x/run.data.dmm"},
                 {"abc", "abc.dmm"},
                 {".dmm", ".dmm"}};
    for (const auto& n : names) EXPECT_EQ(CheckFileName(n.typed), n.checked) << n.typed;

    const std::pair<const char*, int> filters[] = {{"csv", 1}, {"TXT", 2}, {"xls", 3}, {"dmm", 0}, {"", 0}};
    for (const auto& [extension, index] : filters) EXPECT_EQ(FilterIndexFor(extension), index) << extension;

    const std::pair<std::string, const char*> patterns[] = {
        {kDeleteFileTypes[0], "*.csv"}, {kDeleteFileTypes[1], "*.*"}, {"Open (*.a", ""}, {"Odd ) (*.a)", ""}};
    for (const auto& [type, pattern] : patterns) EXPECT_EQ(TypePattern(type), pattern) << type;
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
