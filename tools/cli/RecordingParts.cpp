#include "RecordingParts.h"

#include <QFileInfo>
#include <cstdio>

#include "recording/FileNames.h"

namespace voltaro::cli {

namespace {

// How far past a missing part the follow-on files are looked for.
constexpr size_t kLookAhead = 20;

bool Exists(const std::string& path) {
    return QFileInfo(QString::fromLocal8Bit(path.c_str())).isFile();
}

}  // namespace

std::vector<std::string> RecordingParts(const std::string& file, bool allParts, const char* command,
                                        int& problems) {
    std::vector<std::string> parts{file};
    if (!allParts) return parts;
    std::vector<std::string> missing;
    for (std::string next = NextNumberedName(file, 1, 3); !next.empty(); next = NextNumberedName(next, 1, 3)) {
        if (!Exists(next)) {
            missing.push_back(next);
            if (missing.size() > kLookAhead) break;
            continue;
        }
        for (const std::string& gap : missing) {
            std::fprintf(stderr, "voltaro-cli %s: part %s is missing\n", command, gap.c_str());
            ++problems;
        }
        missing.clear();
        parts.push_back(next);
    }
    return parts;
}

}  // namespace voltaro::cli
