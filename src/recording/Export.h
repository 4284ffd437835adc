#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/Messages.h"

namespace voltaro {

// The title line of an export file: the report's column titles, with "Record," in front when
// the body lines carry the line-number column (they do whenever there are any) or in
// DebugMode.
std::string ExportTitleLine(bool withRecordColumn);

struct ExportOutcome {
    bool ok = false;  // the export file was written to its end
    long lineCount = 0;
};

// Writes the export file: the title line, then every line of the report working files in
// their order (the finished chunks oldest first, then the current one), copied unchanged. The
// title follows the copy every 600 lines and once at the end. A working file that cannot be
// read is reported and skipped.
ExportOutcome ExportReadings(const std::string& exportFile, const std::vector<std::string>& chunkFiles,
                             bool debugMode, MessageSeam& messages,
                             const std::function<void(const std::string&)>& setTitle);

}  // namespace voltaro
