#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "CommandLine.h"
#include "ReadingText.h"
#include "RecordingFileCommands.h"
#include "RecordingParts.h"
#include "Subcommands.h"
#include "recording/FileFormat.h"
#include "values/Formatting.h"
#include "base/Notation.h"

namespace voltaro::cli {

namespace {

const char kHelp[] =
    "usage: voltaro-cli info FILE... [--all-parts]\n"
    "Describes recording files, one block each: the layout, the number of readings, the first and last time\n"
    "stamps, and the highest, lowest and average reading with their units. The readings are\n"
    "decoded from the frames the file keeps, as the program does when it opens the file.\n\n"
    "--all-parts follows each FILE through its numbered follow-on files (run.dmm, run001.dmm,\n"
    "run002.dmm, ...); a missing part is named on stderr.\n\n"
    "Damaged lines are skipped and counted on stderr.\n\n"
    "Exits with status 1 when a file or part is missing, cannot be read as a recording or no\n"
    "line of it could be read (the others are still described), 2 on a wrong argument.\n";

std::string LayoutText(const HeaderInfo& h) {
    if (h.layout == Layout::Old) return "older 104-byte lines";
    return std::string("111-byte lines, ") + (h.separator == ' ' ? "blanks" : "commas") + " between fields";
}

// The value with its prefix and unit, as "+123 mV" or "-1.50 A".
std::string WithUnit(double v, const std::string& unit) {
    const ScaledText t = FormatScaled6(v);
    std::string number = t.text;
    number.erase(std::remove(number.begin(), number.end(), ' '), number.end());
    return number + " " + t.prefix + unit;
}

// One file's block; false when it could not be read.
bool Describe(const std::string& path) {
    HeadlessRecording h;
    const LoadResult r = h.rec.OpenFile(path);
    if (!r.loaded || (r.rowsRead == 0 && r.damagedLines > 0)) return false;
    const RecordStore& s = h.rec.store;
    std::printf("file      %s\n", Latin1ToUtf8(path).c_str());
    std::printf("layout    %s\n", LayoutText(ReadHeader(path)).c_str());
    std::printf("readings  %d", s.RecordCount);
    if (r.rowsLeftOut > 0) std::printf(" (%d more beyond the table's 30000)", r.rowsLeftOut);
    if (r.damagedLines > 0)
        std::printf(" (%d damaged line%s skipped)", r.damagedLines, r.damagedLines == 1 ? "" : "s");
    std::printf("\n");
    if (s.RecordCount == 0) return true;
    const auto stamp = [&](int row) { return s.Text(row, Field::Date) + " " + s.Text(row, Field::Time); };
    std::printf("first     %s\n", stamp(1).c_str());
    std::printf("last      %s\n", stamp(s.RecordCount).c_str());

    double sum = 0;
    int maxRow = 1, minRow = 1;
    std::set<std::string> units;
    for (int row = 1; row <= s.RecordCount; ++row) {
        const double v = Val(s.Get(row, Field::ValueText));
        sum += v;
        if (v > Val(s.Get(maxRow, Field::ValueText))) maxRow = row;
        if (v < Val(s.Get(minRow, Field::ValueText))) minRow = row;
        units.insert(s.Text(row, Field::Type));
    }
    const std::string unit = units.size() == 1 ? *units.begin() : std::string();
    const auto show = [&](double v) { return Latin1ToUtf8(WithUnit(v, unit)); };
    std::printf("MAX       %s  at %s\n", show(Val(s.Get(maxRow, Field::ValueText))).c_str(),
                stamp(maxRow).c_str());
    std::printf("MIN       %s  at %s\n", show(Val(s.Get(minRow, Field::ValueText))).c_str(),
                stamp(minRow).c_str());
    std::printf("AVG       %s\n", show(sum / s.RecordCount).c_str());
    if (units.size() > 1) {
        std::string list;
        for (const auto& u : units)
            list += (list.empty() ? "" : ", ") + (u.empty() ? std::string("none") : u);
        std::printf("units     mixed: %s\n", Latin1ToUtf8(list).c_str());
    }
    return true;
}

}  // namespace

int RunInfo(const std::vector<std::string>& args) {
    CommandLine line("info", kHelp, {}, {"all-parts"});
    if (auto status = line.Parse(args, true)) return *status;
    const std::vector<std::string> files = line.Positional();
    if (files.empty()) return line.Wrong("a recording file is needed");
    int problems = 0;
    bool first = true;
    for (const std::string& file : files) {
        for (const std::string& part : RecordingParts(file, line.Given("all-parts"), "info", problems)) {
            if (!first) std::printf("\n");
            first = false;
            if (!Describe(part)) ++problems;
        }
    }
    return problems == 0 ? 0 : 1;
}

}  // namespace voltaro::cli
