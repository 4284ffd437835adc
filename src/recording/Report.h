#pragma once

#include <array>
#include <string>
#include <vector>

#include "recording/RecordStore.h"
#include "values/DateTimeFormat.h"

namespace voltaro {

// One line of the readings report: the item text ("Time" column) and columns 1 to 8.
struct ReportLine {
    std::string item;
    std::array<std::string, 8> col;

    bool IsPageMarker() const { return item.rfind("Date", 0) == 0; }
    // Reading lines and the MAX/MIN switch lines carry a time and a date, and a line number.
    bool IsNumbered() const { return !IsPageMarker() && !col[0].empty(); }
};

// The column titles of the report table, in their order.
inline constexpr std::array<const char*, 9> kReportTitles{"Time",       "Date", "Reading", "Type", "Status",
                                                          "Start/Stop", "AVG",  "REL",     "Notes"};

// The running report state: marks of the switched options, the last limits seen, the report's
// own extremes and average.
struct ReportState {
    bool MaxOn = false;
    bool MinOn = false;
    bool HiOn = false;
    bool LoOn = false;
    double LastHi = 0;
    double LastLo = 0;
    bool HasExtremes = false;  // the first row of the recording starts the extremes
    double RunMax = 0;
    double RunMin = 0;
    double AvgSum = 0;
    long AvgCount = 0;
};

// The readings report as a table (ReadListData) and as the working file of the current chunk
// (SaveReport). Every build of one chunk starts from the state the chunk started with, and a
// finished chunk hands its end state to the next one, so the switch marks and the running
// average carry across chunks without counting a row twice when the chunk is rebuilt.
class Report {
public:
    // The recording is reset: every mark off, the extremes and the average cleared.
    void ResetState();
    // The chunk whose rows were built last is finished; the next chunk starts from its end.
    void ChunkFinished() { chunkStart_ = last_; }

    // Rebuilds the table from rows 1 .. RecordCount. vmax and vmin are the statistics' MAX
    // and MIN, which the status column marks.
    std::vector<ReportLine> ReadListData(const RecordStore& store, const DateTimeFormat& formats, double vmax,
                                         double vmin);

    // The table's lines as the working file holds them, each ended by CR LF.
    static std::string ReportText(const std::vector<ReportLine>& lines, int chunkCount);
    // ReadListData, then the lines into the store's ChunkFile, replacing it. False (with the
    // reason) when the file cannot be written.
    bool SaveReport(const RecordStore& store, const DateTimeFormat& formats, double vmax, double vmin,
                    std::string* error = nullptr);

    const ReportState& State() const { return last_; }

private:
    ReportState chunkStart_;
    ReportState last_;
};

}  // namespace voltaro
