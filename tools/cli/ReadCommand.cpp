#include <QCoreApplication>
#include <QTimer>
#include <charconv>
#include <cstdio>

#include "CommandLine.h"
#include "PortArgument.h"
#include "ReadingText.h"
#include "Subcommands.h"
#include "base/Beeper.h"
#include "base/Clock.h"
#include "base/ProgramFolder.h"
#include "link/Decoder.h"
#include "link/FrameReader.h"
#include "link/QtSerialPort.h"
#include "recording/AnalysisExport.h"

namespace voltaro::cli {

namespace {

const char kHelp[] =
    "usage: voltaro-cli read --port DEVICE|COMn [--format text|csv|json] [--settings 2400,O,7,1]\n"
    "                        [--count N] [--poll MS] [--no-data-warning SECONDS]\n"
    "Opens the serial port, polls it like the main window does and prints a line for every\n"
    "accepted reading, flushed at once so that another program can follow it through a pipe.\n\n"
    "  --format text       (the default) time, value with its unit, coupling and range mode\n"
    "  --format csv        the columns of `export --format csv`, after one header line\n"
    "  --format json       one JSON object per line with the same fields\n"
    "  --port DEVICE|COMn  a device (/dev/ttyUSB0, a pty) or a port number COM1 to COM10; the\n"
    "                      numbers name devices through the \"Ports\" section of Setup.ini\n"
    "  --settings TEXT     baud,parity,data bits,stop bits; parity O, E, N, M or S, stop bits 1,\n"
    "                      1.5 or 2 (default 2400,O,7,1)\n"
    "  --count N           stop after N readings, with status 0 (default: run until stopped)\n"
    "  --poll MS           poll every MS milliseconds (default 500)\n"
    "  --no-data-warning SECONDS\n"
    "                      warn on stderr after SECONDS without a reading (default 10)\n"
    "  -h, --help          this text\n"
    "  --version           the program's version\n\n"
    "Exits with status 1 when the port cannot be opened or goes away, 2 on a wrong argument.\n";

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "voltaro-cli read: %s\n", message.c_str());
    return status;
}

bool PositiveNumber(const std::string& text, int& out) {
    long n = 0;
    if (!WholeNumber(text, n, 1, 1L << 30)) return false;
    out = static_cast<int>(n);
    return true;
}

}  // namespace

int RunRead(const std::vector<std::string>& args) {
    CommandLine line("read", kHelp, {"port", "settings", "count", "poll", "format", "no-data-warning"}, {});
    if (auto status = line.Parse(args, false)) return *status;
    const std::string portArg = line.Text("port"), settings = line.Text("settings", "2400,O,7,1");
    int count = 0, pollMs = 500;
    if (line.Given("count") && !PositiveNumber(line.Text("count"), count))
        return Fail(2, "--count needs a whole number above 0");
    if (line.Given("poll") && !PositiveNumber(line.Text("poll"), pollMs))
        return Fail(2, "--poll needs milliseconds above 0");
    const std::string format = line.Text("format", "text");
    if (format != "text" && format != "csv" && format != "json") return Fail(2, "--format takes text, csv or json");
    int silenceSeconds = 10;
    if (line.Given("no-data-warning") && !PositiveNumber(line.Text("no-data-warning"), silenceSeconds))
        return Fail(2, "--no-data-warning needs seconds above 0");
    if (portArg.empty()) return Fail(2, "--port is needed (a device such as /dev/ttyUSB0, or COM1 to COM10)");
    if (!ParseLineSettings(settings))
        return Fail(2, "settings '" + settings + "' are not of the form 2400,O,7,1");

    const std::string folder = DefaultProgramFolder();
    auto [table, portNumber] = ChoosePort(portArg, folder);
    const std::string device = table.Device(portNumber);

    Reading reading;
    SilentBeeper beeper;
    SystemClock clock;
    FrameReader reader(beeper, clock, {folder, ExecutableTitle()}, false);
    QtSerialPort port(table);
    reader.OpenComm(port, SerialLine{std::to_string(portNumber), settings});
    if (!port.PortOpen()) return Fail(1, CannotOpenText(portArg, device, port.OpenError()));

    int printed = 0;
    int status = 0;
    const auto write = [](const std::string& text) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    };
    if (format == "csv") write(AnalysisHeader(AnalysisFormat::Csv));
    QDateTime lastReading = clock.Now();
    bool warned = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const FeedResult fed = reader.Poll(port);
        if (fed.accepted) {
            reading = DecodeFrame(reading, *fed.accepted, fed.accepted->substr(1, 4), "");
            ComputeValue(reading);
            const QDateTime now = clock.Now();
            lastReading = now;
            warned = false;
            if (format == "text") {
                write(now.time().toString(QStringLiteral("HH:mm:ss")).toStdString() + "  " + PlainLine(reading) +
                      "\n");
            } else {
                std::string text;
                AppendAnalysisRow(text, AnalysisRowOf(reading, now),
                                  format == "csv" ? AnalysisFormat::Csv : AnalysisFormat::JsonLines);
                write(text);
            }
            if (count > 0 && ++printed >= count) QCoreApplication::exit(0);
        } else if (!port.PortOpen()) {
            status = Fail(1, "the port " + device + " closed (the device went away)");
            QCoreApplication::exit(status);
        } else if (!warned && lastReading.secsTo(clock.Now()) >= silenceSeconds) {
            std::fprintf(stderr, "voltaro-cli read: no reading from %s for %d second%s\n", device.c_str(),
                         silenceSeconds, silenceSeconds == 1 ? "" : "s");
            warned = true;
        }
    });
    timer.start(pollMs);
    return QCoreApplication::exec();
}

}  // namespace voltaro::cli
