#include "recording/Export.h"

#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "recording/FileFormat.h"
#include "recording/FileNames.h"
#include "recording/Report.h"
#include "base/Conversions.h"

namespace voltaro {

namespace {

constexpr long kTitleEvery = 600;

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string MergeTitle(const std::string& chunk, const std::string& exportFile, long lines) {
    return "Merge Report File :" + FileTitle(chunk) + " to " + FileTitle(exportFile) +
           "  Line:" + FormatFixedNumber(static_cast<double>(lines), 8, 0);
}

}  // namespace

std::string ExportTitleLine(bool withRecordColumn) {
    std::string line = withRecordColumn ? "Record," : "";
    for (size_t i = 0; i < kReportTitles.size(); ++i) {
        if (i) line += ',';
        line += kReportTitles[i];
    }
    return line;
}

ExportOutcome ExportReadings(const std::string& exportFile, const std::vector<std::string>& chunkFiles,
                             bool debugMode, MessageSeam& messages,
                             const std::function<void(const std::string&)>& setTitle) {
    ExportOutcome out;
    bool anyLines = false;
    for (const std::string& c : chunkFiles)
        anyLines = anyLines || QFileInfo(QString::fromStdString(c)).size() > 0;

    const auto cantSave = [&](int err) {
        const bool fileThere = QFileInfo::exists(QString::fromStdString(exportFile));
        messages.ShowMessage(
            "Can't save " + exportFile + "\r\n" + SaveErrorText(err != 0 ? err : EIO, !fileThere), MessageKind::Error);
    };
    errno = 0;
    File dst(std::fopen(exportFile.c_str(), "wb"));
    if (!dst) {
        cantSave(errno);
        return out;
    }
    const std::string title = ExportTitleLine(debugMode || anyLines) + "\r\n";
    if (std::fwrite(title.data(), 1, title.size(), dst.get()) != title.size()) {
        cantSave(errno);
        return out;
    }
    std::vector<char> buf(1 << 16);
    for (const std::string& chunk : chunkFiles) {
        File src(std::fopen(chunk.c_str(), "rb"));
        if (!src) {
            messages.ShowMessage("Can't find " + chunk, MessageKind::Error);
            continue;
        }
        char last = '\n';
        size_t got;
        while ((got = std::fread(buf.data(), 1, buf.size(), src.get())) > 0) {
            if (std::fwrite(buf.data(), 1, got, dst.get()) != got) {
                cantSave(errno);
                return out;
            }
            for (const char* p = buf.data(); (p = static_cast<const char*>(std::memchr(
                                                  p, '\n', static_cast<size_t>(buf.data() + got - p))));
                 ++p) {
                if (++out.lineCount % kTitleEvery == 0 && setTitle)
                    setTitle(MergeTitle(chunk, exportFile, out.lineCount));
            }
            last = buf[got - 1];
        }
        if (last != '\n') {  // a last line without its line end still ends in CR LF
            std::fwrite("\r\n", 1, 2, dst.get());
            if (++out.lineCount % kTitleEvery == 0 && setTitle)
                setTitle(MergeTitle(chunk, exportFile, out.lineCount));
        }
    }
    if (std::fflush(dst.get()) != 0 || std::ferror(dst.get()) || std::fclose(dst.release()) != 0) {
        cantSave(errno);
        return out;
    }
    if (setTitle)
        setTitle(
            MergeTitle(chunkFiles.empty() ? std::string() : chunkFiles.back(), exportFile, out.lineCount));
    out.ok = true;
    return out;
}

}  // namespace voltaro
