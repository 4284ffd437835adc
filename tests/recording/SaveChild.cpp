// Saves two different recordings over one file, in turn, for ever; the kill test stops it
// at random moments and checks the file each time.
#include <cstdio>
#include <string>

#include "recording/FileFormat.h"
#include "recording/SaveChildData.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string path = argv[1];
    voltaro::RecordStore a, b;
    const int rowsA = voltaro::FillSaveChildRecording(a, 0);
    const int rowsB = voltaro::FillSaveChildRecording(b, 1);
    for (long i = 0;; ++i) {
        const bool first = i % 2 == 0;
        voltaro::RecordStore& s = first ? a : b;
        if (!voltaro::WriteRows(s, path, ',', 0, first ? rowsA : rowsB, nullptr, nullptr).ok) return 1;
        std::printf("saved %ld\n", i);
        std::fflush(stdout);
    }
}
