#pragma once

#include <string>
#include <vector>

namespace voltaro::cli {

// FILE and, with `allParts`, its numbered follow-on files in order (run.dmm, run001.dmm,
// run002.dmm, ...). The missing parts between the first and the last one found are named on
// stderr as "voltaro-cli COMMAND: part NAME is missing" and counted in `problems`.
std::vector<std::string> RecordingParts(const std::string& file, bool allParts, const char* command,
                                        int& problems);

}  // namespace voltaro::cli
