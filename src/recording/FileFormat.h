#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "recording/RecordStore.h"

namespace voltaro {

// The layout of a recording file, decided from its header line.
enum class Layout { None, Current, Old };

struct HeaderInfo {
    Layout layout = Layout::None;
    char separator = ',';
    int error = 0;  // errno when the file could not be read at all (a folder: EISDIR)
};

// Reads the first line of a file and tells whether it is a recording and in which layout:
// the program's own header with "," or " " between the fields (the "Type" title marks the
// 111-byte layout), or any header whose 13th comma-separated item begins with "Notes".
HeaderInfo ReadHeader(const std::string& path);
inline bool IsRecordingFile(const std::string& path) { return ReadHeader(path).layout != Layout::None; }

// The line length of a layout.
inline int LineLengthOf(Layout layout) {
    return layout == Layout::Old ? kOldLineLength : kLineLength;
}

// Called with (rows written or read so far, rows in all).
using ProgressFn = std::function<void(int done, int total)>;
// Rewrites a row's Date before it is written.
using DateRewriteFn = std::function<std::string(std::string_view date)>;

struct WriteOutcome {
    bool ok = false;
    std::string error;  // why it failed: what is wrong with the place, and the system's words
    // After a failed save into the existing file: the reading lines it still holds, all of
    // them whole. -1 when the save was a whole one (the file, if any, is as it was).
    int readingsInFile = -1;
};

// The reason a save failed, for a message: whether the folder is missing or read-only or the
// disk is full, followed by the system's own words. `ofFolder`: the error came from creating
// a file in the folder rather than from writing an existing file.
std::string SaveErrorText(int err, bool ofFolder = true);

// Writes rows from .. to of the store into path as 111-byte lines with the given separator.
// With from = 0 the whole file is written beside the old one and renamed over it, so a crash
// or a full disk leaves the old file whole. Otherwise rows from .. to are written in place at
// their records (the file is rewritten whole when it is missing or shorter than those rows)
// and flushed to disk; a write that fails part-way is cut back to the last whole line. A
// folder that has gone is made again. The titles go into row 0 and every Date written is
// rewritten first.
WriteOutcome WriteRows(RecordStore& store, const std::string& path, char separator, int from, int to,
                       const DateRewriteFn& dateRewrite, const ProgressFn& progress);

// Writes bytes beside path and renames them over it, so path holds either its old or its new
// content whatever happens in between.
WriteOutcome ReplaceFile(const std::string& path, std::string_view bytes);

// Removes what interrupted runs of the program left in a folder: the hidden temporary files
// of saves whose writer is gone (including the older naming, for `title` only), and empty
// report working files older than ten minutes. Files of any other name are never touched.
void RemoveStaleFiles(const std::string& folder, const std::string& title = {});

struct ReadOutcome {
    int rowsRead = 0;      // whole lines taken into the table
    int damagedLines = 0;  // lines that were not records of the layout, skipped
    int linesLeftOut = 0;  // whole lines behind the last one that fitted into the table
    bool openError = false;
};

// Whole reading lines the file holds in the given layout (its header line not counted), at
// most the table's 30000.
int ReadingLinesIn(const std::string& path, const HeaderInfo& header);

// Reads the reading lines of a file in the given layout into rows offset + 1 onward, up to
// row 30000. A stretch that is not a line of the layout (a short line, garbled bytes) is
// skipped up to the next intact line, which ends at a CR LF; it counts as the number of lines
// its length comes to, at least one. A last line cut short counts as nothing, as the end of
// the file. onRow(row) runs after each row has been filled (the row is then in the table and
// RecordCount is row), before the next line is read.
ReadOutcome ReadRows(RecordStore& store, const std::string& path, const HeaderInfo& header, int offset,
                     const std::function<void(int row)>& onRow, const ProgressFn& progress);

}  // namespace voltaro
