#include "RecordingParts.h"

#include <cstdio>

#include "recording/FileNames.h"

namespace voltaro::cli {

std::vector<std::string> RecordingParts(const std::string& file, bool allParts, const char* command,
                                        int& problems) {
    std::vector<std::string> parts{file};
    if (!allParts) return parts;
    std::vector<std::string> missing;
    for (const std::string& part : FollowOnParts(file, &missing)) parts.push_back(part);
    for (const std::string& gap : missing) {
        std::fprintf(stderr, "voltaro-cli %s: part %s is missing\n", command, gap.c_str());
        ++problems;
    }
    return parts;
}

}  // namespace voltaro::cli
