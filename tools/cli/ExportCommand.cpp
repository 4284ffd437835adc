#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

#include "CommandLine.h"
#include "RecordingFileCommands.h"
#include "Subcommands.h"

namespace voltaro::cli {

namespace {

const char kHelp[] =
    "usage: voltaro-cli export FILE --out FILE.csv [--force]\n"
    "Writes the readings report of a recording file as the program's Export Readings command\n"
    "writes it: a title line, then one comma-separated line for every reading, page marker and\n"
    "switch of an option, with the line numbers first. An existing --out file is refused unless\n"
    "--force is given.\n\n"
    "Damaged lines of the recording are skipped and counted on stderr.\n\n"
    "Exits with status 1 when the file cannot be read as a recording, no line of it could be\n"
    "read or the export cannot be written, 2 on a wrong argument or an existing --out file\n"
    "without --force.\n";

}  // namespace

int RunExport(const std::vector<std::string>& args) {
    CommandLine line("export", kHelp, {"out"}, {"force"});
    if (auto status = line.Parse(args, true)) return *status;
    const std::vector<std::string> files = line.Positional();
    if (files.size() > 1) return line.Wrong("unexpected argument '" + files[1] + "'");
    const std::string in = files.empty() ? std::string() : files[0], out = line.Text("out");
    const bool force = line.Given("force");
    if (in.empty() || out.empty()) return line.Wrong("a recording file and --out are needed");
    if (QFileInfo(QString::fromLocal8Bit(out.c_str())).absoluteFilePath() ==
        QFileInfo(QString::fromLocal8Bit(in.c_str())).absoluteFilePath()) {
        std::fprintf(stderr, "voltaro-cli export: --out would replace the recording file itself\n");
        return 2;
    }
    if (QFileInfo::exists(QString::fromLocal8Bit(out.c_str())) && !force) {
        std::fprintf(stderr, "voltaro-cli export: %s already exists; give --force to replace it\n",
                     out.c_str());
        return 2;
    }
    HeadlessRecording h;
    const LoadResult r = h.rec.OpenFile(in);
    if (!r.loaded || (r.rowsRead == 0 && r.damagedLines > 0)) return 1;
    // The report's working file goes to a folder of its own, not beside the recording.
    QTemporaryDir work;
    h.rec.store.ChunkFile = work.filePath(QStringLiteral("report.tmp")).toStdString();
    return h.rec.ExportReadings(out) ? 0 : 1;
}

}  // namespace voltaro::cli
