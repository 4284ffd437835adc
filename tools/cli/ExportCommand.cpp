#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cstdio>

#include "CommandLine.h"
#include "RecordingFileCommands.h"
#include "RecordingParts.h"
#include "Subcommands.h"
#include "recording/AnalysisExport.h"

namespace voltaro::cli {

namespace {

const char kHelp[] =
    "usage: voltaro-cli export FILE... --out FILE|- [--format csv|json|report] [--all-parts] [--force]\n"
    "Writes the readings of recording files for analysis tools.\n\n"
    "  --format csv     (the default) UTF-8, one header line, one line per reading with the\n"
    "                   columns time,value,unit,quantity,coupling,range_mode,overload,frame;\n"
    "                   time is ISO 8601 local time with its UTC offset, value a plain decimal\n"
    "                   number in the base unit (V, A, \xCE\xA9, Hz, F, \xC2\xB0" "C), empty for an overload\n"
    "  --format json    JSON Lines: one object per reading with the same fields (value null\n"
    "                   for an overload)\n"
    "  --format report  the program's Export Readings file of one recording, byte for byte\n"
    "  --all-parts      follows each FILE through its numbered follow-on files\n"
    "                   (run.dmm, run001.dmm, run002.dmm, ...)\n"
    "  --out -          writes to standard output\n\n"
    "An existing --out file is refused unless --force is given. Damaged lines are skipped and\n"
    "counted on stderr; a missing or unreadable file or part is named on stderr and the rest is\n"
    "still written.\n\n"
    "Exits with status 1 when nothing could be read or the output cannot be written (or, with\n"
    "csv and json, when a file or part was missing or unreadable), 2 on a wrong argument or an\n"
    "existing --out file without --force.\n";

bool Exists(const std::string& path) {
    return QFileInfo(QString::fromLocal8Bit(path.c_str())).isFile();
}

// Appends every reading row of one recording file; false when it could not be read.
bool AppendRecording(const std::string& path, AnalysisFormat format, std::string& out) {
    if (!Exists(path)) {
        std::fprintf(stderr, "voltaro-cli export: %s: no such file\n", path.c_str());
        return false;
    }
    HeadlessRecording h;
    const LoadResult r = h.rec.OpenFile(path);
    if (!r.loaded || (r.rowsRead == 0 && r.damagedLines > 0)) {
        std::fprintf(stderr, "voltaro-cli export: %s could not be read as a recording\n", path.c_str());
        return false;
    }
    for (int row = 1; row <= h.rec.store.RecordCount; ++row)
        AppendAnalysisRow(out, AnalysisRowOf(h.rec.store, row, h.formats.DateF, h.rec.meterType), format);
    return true;
}

bool WriteOut(const std::string& out, const std::string& text) {
    if (out == "-") return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    QSaveFile file(QString::fromLocal8Bit(out.c_str()));
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.commit();
}

int ExportReport(const std::string& in, const std::string& out) {
    HeadlessRecording h;
    const LoadResult r = h.rec.OpenFile(in);
    if (!r.loaded || (r.rowsRead == 0 && r.damagedLines > 0)) return 1;
    // The report's working file goes to a folder of its own, not beside the recording.
    QTemporaryDir work;
    h.rec.store.ChunkFile = work.filePath(QStringLiteral("report.tmp")).toStdString();
    if (out != "-") return h.rec.ExportReadings(out) ? 0 : 1;
    const std::string staged = work.filePath(QStringLiteral("export.csv")).toStdString();
    if (!h.rec.ExportReadings(staged)) return 1;
    QFile file(QString::fromStdString(staged));
    if (!file.open(QIODevice::ReadOnly)) return 1;
    const QByteArray bytes = file.readAll();
    return WriteOut("-", bytes.toStdString()) ? 0 : 1;
}

bool SameFile(const std::string& a, const std::string& b) {
    return QFileInfo(QString::fromLocal8Bit(a.c_str())).absoluteFilePath() ==
           QFileInfo(QString::fromLocal8Bit(b.c_str())).absoluteFilePath();
}

}  // namespace

int RunExport(const std::vector<std::string>& args) {
    CommandLine line("export", kHelp, {"out", "format"}, {"force", "all-parts"});
    if (auto status = line.Parse(args, true)) return *status;
    const std::vector<std::string> files = line.Positional();
    const std::string out = line.Text("out"), format = line.Text("format", "csv");
    if (files.empty() || out.empty()) return line.Wrong("a recording file and --out are needed");
    if (format != "csv" && format != "json" && format != "report")
        return line.Wrong("--format takes csv, json or report");
    const bool allParts = line.Given("all-parts");
    if (format == "report" && (files.size() > 1 || allParts))
        return line.Wrong("--format report writes one recording; give one file without --all-parts");
    for (const std::string& in : files)
        if (out != "-" && SameFile(in, out)) return line.Fail(2, "--out would replace the recording file itself");
    if (out != "-" && QFileInfo::exists(QString::fromLocal8Bit(out.c_str())) && !line.Given("force"))
        return line.Fail(2, out + " already exists; give --force to replace it");
    if (format == "report") return ExportReport(files[0], out);

    const AnalysisFormat as = format == "json" ? AnalysisFormat::JsonLines : AnalysisFormat::Csv;
    std::string text = AnalysisHeader(as);
    int problems = 0, read = 0;
    for (const std::string& file : files) {
        for (const std::string& part : RecordingParts(file, allParts, "export", problems)) {
            if (AppendRecording(part, as, text)) ++read; else ++problems;
        }
    }
    if (read == 0) return 1;
    if (!WriteOut(out, text)) return line.Fail(1, "cannot write " + out);
    return problems == 0 ? 0 : 1;
}

}  // namespace voltaro::cli
