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

namespace voltaro::cli {

namespace {

const char kHelp[] =
    "usage: voltaro-cli read --port DEVICE|COMn [--settings 2400,O,7,1] [--count N] [--poll MS]\n"
    "Opens the serial port, polls it like the main window does and prints a line for every\n"
    "accepted reading: time, value with its unit, coupling and range mode.\n\n"
    "  --port DEVICE|COMn  a device (/dev/ttyUSB0, a pty) or a port number COM1 to COM10; the\n"
    "                      numbers name devices through the \"Ports\" section of Setup.ini\n"
    "  --settings TEXT     baud,parity,data bits,stop bits; parity O, E, N, M or S, stop bits 1,\n"
    "                      1.5 or 2 (default 2400,O,7,1)\n"
    "  --count N           stop after N readings, with status 0 (default: run until stopped)\n"
    "  --poll MS           poll every MS milliseconds (default 500)\n"
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
    CommandLine line("read", kHelp, {"port", "settings", "count", "poll"}, {});
    if (auto status = line.Parse(args, false)) return *status;
    const std::string portArg = line.Text("port"), settings = line.Text("settings", "2400,O,7,1");
    int count = 0, pollMs = 500;
    if (line.Given("count") && !PositiveNumber(line.Text("count"), count))
        return Fail(2, "--count needs a whole number above 0");
    if (line.Given("poll") && !PositiveNumber(line.Text("poll"), pollMs))
        return Fail(2, "--poll needs milliseconds above 0");
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
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const FeedResult fed = reader.Poll(port);
        if (fed.accepted) {
            reading = DecodeFrame(reading, *fed.accepted, fed.accepted->substr(1, 4), "");
            ComputeValue(reading);
            const std::string line = clock.Now().time().toString(QStringLiteral("HH:mm:ss")).toStdString() +
                                     "  " + PlainLine(reading);
            std::fwrite(line.data(), 1, line.size(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
            if (count > 0 && ++printed >= count) QCoreApplication::exit(0);
        } else if (!port.PortOpen()) {
            status = Fail(1, "the port " + device + " closed (the device went away)");
            QCoreApplication::exit(status);
        }
    });
    timer.start(pollMs);
    return QCoreApplication::exec();
}

}  // namespace voltaro::cli
