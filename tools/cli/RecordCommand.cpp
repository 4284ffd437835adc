#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <charconv>
#include <cstdio>

#include "ReadingText.h"
#include "PortArgument.h"
#include "Subcommands.h"
#include "app/Beeper.h"
#include "app/Clock.h"
#include "app/EndSignals.h"
#include "app/Messages.h"
#include "app/ProgramFolder.h"
#include "link/FrameReader.h"
#include "link/QtSerialPort.h"
#include "recording/Acquisition.h"
#include "recording/FileNames.h"
#include "recording/Recording.h"
#include "values/Alarms.h"
#include "values/DateTimeFormat.h"
#include "values/Separator.h"
#include "values/Statistics.h"

namespace voltaro::cli {

namespace {

const char kHelp[] =
    "usage: voltaro-cli record --port DEVICE|COMn --out FILE.dmm [--interval SECONDS]\n"
    "                          [--duration SECONDS | --count N] [--stop-on-ol] [--settings TEXT]\n"
    "                          [--force]\n"
    "Records the meter on a serial port into a recording file, by the program's own rules: a\n"
    "reading every interval, saved every 600 readings and every two minutes, rolled over into\n"
    "numbered files (FILE001.dmm, ...) at 30000 readings, with the report working files beside\n"
    "them. Ctrl-C, SIGTERM or SIGHUP ends the recording with a last save. On a terminal a\n"
    "progress line shows the readings recorded.\n\n"
    "  --port DEVICE|COMn  a device (/dev/ttyUSB0, a pty) or a port number COM1 to COM10; the\n"
    "                      numbers name devices through the \"Ports\" section of Setup.ini\n"
    "  --out FILE          the recording file: .dmm, .csv (the same layout) or .txt (blanks\n"
    "                      between the fields); an existing FILE is refused unless --force\n"
    "                      is given\n"
    "  --interval SECONDS  time between recorded readings, 0 to 359999 (default 0: every\n"
    "                      second that brings a new reading)\n"
    "  --duration SECONDS  stop after this many seconds\n"
    "  --count N           stop after N readings\n"
    "  --stop-on-ol        stop at the first overloaded reading that is due\n"
    "  --settings TEXT     baud,parity,data bits,stop bits (default 2400,O,7,1)\n"
    "  --force             replace an existing FILE with this recording; the older file\n"
    "                      stays until the first readings are saved over it\n"
    "  -h, --help          this text\n\n"
    "Exits with status 0 after a clean stop, 1 when the port cannot be opened or no reading\n"
    "arrives within 30 seconds or a save fails (saying how many readings the file holds), 2 on\n"
    "a wrong argument or an existing FILE without --force.\n\n"
    "A folder of FILE removed meanwhile is made again; when it cannot be, the recording goes to\n"
    "the per-user data folder under the same name, and the messages say where.\n";

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "voltaro-cli record: %s\n", message.c_str());
    return status;
}

bool WholeNumber(const std::string& text, long& out, long max) {
    return cli::WholeNumber(text, out, 0, max);
}

struct NoAlarmView : AlarmView {
    void SetHiColour(Rgb) override {}
    void SetLoColour(Rgb) override {}
    void SetStopVisible(bool) override {}
    void SetAlarmTimer(bool) override {}
};

// The command line's window: the scaling dialog's interval and overload choice, and a progress
// line on a terminal.
class CliView : public RecordingView {
public:
    CliView(long interval, bool stopOnOL, const Reading& reading)
        : interval_(interval),
          stopOnOL_(stopOnOL),
          reading_(reading),
          terminal_(isatty(STDOUT_FILENO) != 0) {}

    std::string IntervalMinutesText() const override { return std::to_string(interval_ / 60); }
    std::string IntervalSecondsText() const override { return std::to_string(interval_ % 60); }
    bool StopRecordOnOL() const override { return stopOnOL_; }
    void ShowNotice(const std::string& text) override { ConsoleMessages().ShowMessage(text, "info"); }
    void TimersChanged() override {
        if (onTimers) onTimers();
    }
    void ReadingRecorded(int) override {
        ++recorded;
        if (terminal_ && store) {
            const std::string line = "\r" + std::to_string(recorded) + " readings  last " +
                                     ValueText(reading_) + "  " +
                                     Latin1ToUtf8(FileTitle(store->RecordingFile)) + " row " +
                                     std::to_string(store->RecordCount) + "   ";
            std::fputs(line.c_str(), stdout);
            std::fflush(stdout);
        }
        if (onRecorded) onRecorded();
    }
    void EndProgressLine() {
        if (terminal_ && recorded > 0) std::fputc('\n', stdout);
    }

    long recorded = 0;
    const RecordStore* store = nullptr;
    std::function<void()> onTimers, onRecorded;

private:
    long interval_;
    bool stopOnOL_;
    const Reading& reading_;
    bool terminal_;
};

}  // namespace

int RunRecord(const std::vector<std::string>& args) {
    std::string portArg, out, settings = "2400,O,7,1";
    long interval = 0, duration = 0, count = 0;
    bool stopOnOL = false, force = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "-h" || a == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        } else if (a == "--port" && hasValue) {
            portArg = args[++i];
        } else if (a == "--out" && hasValue) {
            out = args[++i];
        } else if (a == "--settings" && hasValue) {
            settings = args[++i];
        } else if (a == "--interval" && hasValue) {
            if (!WholeNumber(args[++i], interval, 5999L * 60 + 59))
                return Fail(2, "--interval needs 0 to 359999 seconds");
        } else if (a == "--duration" && hasValue) {
            if (!WholeNumber(args[++i], duration, 1L << 40) || duration == 0) {
                return Fail(2, "--duration needs a whole number of seconds above 0");
            }
        } else if (a == "--count" && hasValue) {
            if (!WholeNumber(args[++i], count, 1L << 40) || count == 0)
                return Fail(2, "--count needs a whole number above 0");
        } else if (a == "--stop-on-ol") {
            stopOnOL = true;
        } else if (a == "--force") {
            force = true;
        } else {
            std::fprintf(stderr, "voltaro-cli record: unexpected argument '%s'\n\n%s", a.c_str(), kHelp);
            return 2;
        }
    }
    if (portArg.empty()) return Fail(2, "--port is needed (a device such as /dev/ttyUSB0, or COM1 to COM10)");
    if (out.empty()) return Fail(2, "--out is needed (the recording file, FILE.dmm)");
    if (duration && count) return Fail(2, "--duration and --count do not go together");
    if (!ParseLineSettings(settings))
        return Fail(2, "settings '" + settings + "' are not of the form 2400,O,7,1");
    const std::string ext = ExtensionOf(out, '.');
    if (ext != "dmm" && ext != "csv" && ext != "txt") return Fail(2, "--out needs a .dmm, .csv or .txt name");
    const QFileInfo outInfo(QString::fromLocal8Bit(out.c_str()));
    const bool replacing = outInfo.exists();
    if (replacing && !force) return Fail(2, out + " already exists; give --force to replace it");

    const std::string folder = DefaultProgramFolder();
    auto [table, portNumber] = ChoosePort(portArg, folder);

    Reading reading;
    LinkView noWindow;
    Decoder decoder(reading, noWindow);
    SilentBeeper beeper;
    SystemClock clock;
    ConsoleMessages messages;
    Statistics stats;
    NoAlarmView alarmView;
    Alarms alarms(beeper, alarmView);
    DateTimeFormat formats;
    Separator separator;
    FrameReader reader(reading, decoder, noWindow, beeper, clock, {folder, ExecutableTitle()}, false);
    QtSerialPort port(table);
    CliView view(interval, stopOnOL, reading);
    Recording rec(
        {reading, decoder, noWindow, stats, alarms, formats, separator, clock, messages, beeper, view},
        folder, false);
    view.store = &rec.store;
    Acquisition acq(
        {rec, reader, port, decoder, noWindow, reading, alarms, formats, clock, beeper, messages, view},
        folder, false);

    rec.store.RecordingFile = outInfo.absoluteFilePath().toLocal8Bit().toStdString();
    rec.ResetRecording();
    // The name was given on the command line, with --force when it was taken.
    rec.NameChosen(rec.store.RecordingFile);
    reader.OpenComm(port, SerialLine{std::to_string(portNumber), settings});
    if (!port.PortOpen()) return Fail(1, CannotOpenText(portArg, table.Device(portNumber), port.OpenError()));

    // The main window's timers.
    QTimer timerDMM, mainTimer, timerOut, timerAutoSave;
    timerOut.setSingleShot(true);
    view.onTimers = [&] {
        if (acq.MainTimerEnabled != mainTimer.isActive()) {
            if (acq.MainTimerEnabled) {
                mainTimer.start(acq.MainTimerInterval);
            } else {
                mainTimer.stop();
            }
        }
        if (acq.TimerOutEnabled != timerOut.isActive()) {
            if (acq.TimerOutEnabled) {
                timerOut.start(Acquisition::kWatchdogMs);
            } else {
                timerOut.stop();
            }
        }
        if (acq.TimerAutoSaveEnabled != timerAutoSave.isActive()) {
            if (acq.TimerAutoSaveEnabled) {
                timerAutoSave.start(Acquisition::kAutoSaveMs);
            } else {
                timerAutoSave.stop();
            }
        }
    };
    int status = 0;
    bool finishing = false;
    auto finish = [&](int s) {
        if (finishing) return;
        finishing = true;
        status = s;
        QCoreApplication::exit(s);
    };
    QObject::connect(&timerDMM, &QTimer::timeout, [&] {
        acq.TimerDMMTick();
        if (!port.PortOpen()) {
            std::fprintf(stderr, "voltaro-cli record: the port closed (the device went away)\n");
            finish(1);
        }
    });
    QObject::connect(&mainTimer, &QTimer::timeout, [&] {
        acq.MainTimerTick();
        if (!acq.Running) finish(0);  // stopped on an overloaded reading
    });
    QObject::connect(&timerOut, &QTimer::timeout, [&] {
        acq.TimerOutTick();
        finish(1);
    });
    QObject::connect(&timerAutoSave, &QTimer::timeout, [&] { acq.TimerAutoSaveTick(); });
    view.onRecorded = [&] {
        if (count > 0 && view.recorded >= count) finish(0);
    };
    if (duration > 0)
        QTimer::singleShot(static_cast<int>(std::min<long>(duration * 1000, 1L << 30)), [&] { finish(0); });

    // Ctrl-C, a kill or a hang-up ends the recording with its last save, as a clean stop.
    EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::received, [&] { finish(0); });
    timerDMM.start(Acquisition::kPollMs);
    acq.cmdStart_Click();
    QCoreApplication::exec();

    timerDMM.stop();
    if (acq.Running) acq.cmdStart_Click();
    view.EndProgressLine();
    const bool saved = rec.SaveByExtension(false);
    const bool reportSaved = rec.SaveReport();
    reader.CloseComm(port);
    const RecordStore& store = rec.store;
    if (!saved) {
        // SavedCount: the rows that reached the file before the failures.
        std::fprintf(stderr, "voltaro-cli record: the last save failed: %s holds %d of its %d readings\n",
                     store.RecordingFile.c_str(), store.SavedCount, store.RecordCount);
    } else if (view.recorded == 0 && replacing) {
        // Only readings replace the older recording.
        std::fprintf(stderr, "0 readings recorded; %s keeps its older recording\n",
                     store.RecordingFile.c_str());
    } else {
        std::fprintf(stderr, "%ld readings recorded; %s holds %d\n", view.recorded,
                     store.RecordingFile.c_str(), store.RecordCount);
    }
    if (!reportSaved) std::fprintf(stderr, "voltaro-cli record: the report working file was not saved\n");
    // Said again last, where it is seen: the recording is not where --out named it.
    if (std::string moved = rec.MovedNotice(); !moved.empty()) {
        for (size_t at; (at = moved.find("\r\n")) != std::string::npos;) moved.replace(at, 2, ". ");
        std::fprintf(stderr, "voltaro-cli record: %s\n", moved.c_str());
    }
    return saved && reportSaved ? status : 1;
}

}  // namespace voltaro::cli
