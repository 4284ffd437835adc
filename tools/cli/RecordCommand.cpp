#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <charconv>
#include <cstdio>
#include <optional>

#include "CommandLine.h"
#include "PortArgument.h"
#include "ReadingText.h"
#include "Subcommands.h"
#include "app/EndSignals.h"
#include "app/MeterSession.h"
#include "base/Beeper.h"
#include "base/Clock.h"
#include "base/Messages.h"
#include "base/ProgramFolder.h"
#include "link/QtSerialPort.h"
#include "recording/FileNames.h"

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
    "  -h, --help          this text\n"
    "  --version           the program's version\n\n"
    "Exits with status 0 after a clean stop, 1 when the port cannot be opened or no reading\n"
    "arrives within 30 seconds or a save fails (saying how many readings the file holds), 2 on\n"
    "a wrong argument or an existing FILE without --force.\n\n"
    "A folder of FILE removed meanwhile is made again; when it cannot be, the recording goes to\n"
    "the per-user data folder under the same name, and the messages say where.\n";

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
    CliView(long interval, bool stopOnOL)
        : interval_(interval), stopOnOL_(stopOnOL), terminal_(isatty(STDOUT_FILENO) != 0) {}

    std::string IntervalMinutesText() const override { return std::to_string(interval_ / 60); }
    std::string IntervalSecondsText() const override { return std::to_string(interval_ % 60); }
    bool StopRecordOnOL() const override { return stopOnOL_; }
    void ShowNotice(const std::string& text) override { ConsoleMessages().ShowMessage(text, "info"); }
    void TimersChanged() override {
        if (onTimers) onTimers();
    }
    void ReadingRecorded(int) override {
        ++recorded;
        if (terminal_ && store && reading) {
            const std::string line = "\r" + std::to_string(recorded) + " readings  last " +
                                     ValueText(*reading) + "  " +
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
    const Reading* reading = nullptr;
    std::function<void()> onTimers, onRecorded;

private:
    long interval_;
    bool stopOnOL_;
    bool terminal_;
};

struct RecordArguments {
    std::string port, out, settings;
    long interval = 0, duration = 0, count = 0;
    bool stopOnOL = false, force = false;
};

// The numbers of the command line, each with its range; the status when one is wrong.
std::optional<int> ReadNumbers(const CommandLine& line, RecordArguments& a) {
    if (line.Given("interval") && !WholeNumber(line.Text("interval"), a.interval, 0, 5999L * 60 + 59))
        return line.Fail(2, "--interval needs 0 to 359999 seconds");
    if (line.Given("duration") && !WholeNumber(line.Text("duration"), a.duration, 1, 1L << 40))
        return line.Fail(2, "--duration needs a whole number of seconds above 0");
    if (line.Given("count") && !WholeNumber(line.Text("count"), a.count, 1, 1L << 40))
        return line.Fail(2, "--count needs a whole number above 0");
    return std::nullopt;
}

// The arguments when they make a recording; otherwise the status the command ends with.
std::optional<int> ReadArguments(const std::vector<std::string>& args, RecordArguments& a) {
    CommandLine line("record", kHelp, {"port", "out", "settings", "interval", "duration", "count"},
                     {"stop-on-ol", "force"});
    if (auto status = line.Parse(args, false)) return status;
    a.port = line.Text("port");
    a.out = line.Text("out");
    a.settings = line.Text("settings", "2400,O,7,1");
    a.stopOnOL = line.Given("stop-on-ol");
    a.force = line.Given("force");
    if (auto status = ReadNumbers(line, a)) return status;
    if (a.port.empty())
        return line.Fail(2, "--port is needed (a device such as /dev/ttyUSB0, or COM1 to COM10)");
    if (a.out.empty()) return line.Fail(2, "--out is needed (the recording file, FILE.dmm)");
    if (a.duration && a.count) return line.Fail(2, "--duration and --count do not go together");
    if (!ParseLineSettings(a.settings))
        return line.Fail(2, "settings '" + a.settings + "' are not of the form 2400,O,7,1");
    const std::string ext = ExtensionOf(a.out, '.');
    if (ext != "dmm" && ext != "csv" && ext != "txt")
        return line.Fail(2, "--out needs a .dmm, .csv or .txt name");
    if (QFileInfo::exists(QString::fromLocal8Bit(a.out.c_str())) && !a.force)
        return line.Fail(2, a.out + " already exists; give --force to replace it");
    return std::nullopt;
}

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "voltaro-cli record: %s\n", message.c_str());
    return status;
}

// Starts or stops a timer as the acquisition asks.
void Follow(QTimer& timer, bool enabled, int intervalMs) {
    if (enabled == timer.isActive()) return;
    if (enabled) {
        timer.start(intervalMs);
    } else {
        timer.stop();
    }
}

// The program's meter session with the main window's timers: one recording into one file.
class Recorder {
public:
    Recorder(const RecordArguments& a, const std::string& folder, PortTable table)
        : table_(std::move(table)),
          port_(table_),
          view_(a.interval, a.stopOnOL),
          session_({port_, clock_, beeper_, messages_, view_, alarmView_, formats_, separator_, folder,
                    ExecutableTitle(), false}) {
        view_.store = &rec_.store;
        view_.reading = &session_.reading();
        timerOut_.setSingleShot(true);
    }

    // Names the file (given on the command line, with --force when it was taken) and opens the
    // port; the message when the port cannot be opened.
    std::string Open(const std::string& file, const std::string& portArg, int portNumber,
                     const std::string& settings) {
        rec_.store.RecordingFile = file;
        rec_.ResetRecording();
        rec_.NameChosen(file);
        session_.OpenPort(SerialLine{std::to_string(portNumber), settings});
        return port_.PortOpen() ? std::string()
                                : CannotOpenText(portArg, table_.Device(portNumber), port_.OpenError());
    }

    // Records until the count, the duration, an overload stop, a silent meter, a lost port or
    // an end signal; the status that ended it.
    int Record(long count, long duration) {
        ConnectTimers(count);
        if (duration > 0)
            QTimer::singleShot(static_cast<int>(std::min<long>(duration * 1000, 1L << 30)),
                               [this] { Finish(0); });
        QObject::connect(&endSignals_, &EndSignals::received, [this] { Finish(0); });
        pollTimer_.start(Acquisition::kPollMs);
        session_.StartOrStop();
        QCoreApplication::exec();
        pollTimer_.stop();
        if (acq_.Running) session_.StartOrStop();
        view_.EndProgressLine();
        return status_;
    }

    // The last save and what it says; false when a save failed.
    bool SaveAndSay(bool replacing) {
        const bool saved = rec_.SaveByExtension(false);
        const bool reportSaved = rec_.SaveReport();
        session_.ClosePort();
        SayOutcome(saved, replacing);
        if (!reportSaved) Fail(1, "the report working file was not saved");
        // Said again last, where it is seen: the recording is not where --out named it.
        if (std::string moved = rec_.MovedNotice(); !moved.empty()) {
            for (size_t at; (at = moved.find("\r\n")) != std::string::npos;) moved.replace(at, 2, ". ");
            Fail(1, moved);
        }
        return saved && reportSaved;
    }

private:
    void ConnectTimers(long count) {
        view_.onTimers = [this] {
            Follow(recordTimer_, acq_.MainTimerEnabled, acq_.MainTimerInterval);
            Follow(timerOut_, acq_.TimerOutEnabled, Acquisition::kWatchdogMs);
            Follow(autoSaveTimer_, acq_.TimerAutoSaveEnabled, Acquisition::kAutoSaveMs);
        };
        QObject::connect(&pollTimer_, &QTimer::timeout, [this] {
            session_.Poll();
            if (!port_.PortOpen()) Finish(Fail(1, "the port closed (the device went away)"));
        });
        QObject::connect(&recordTimer_, &QTimer::timeout, [this] {
            session_.RecordTick();
            if (!acq_.Running) Finish(0);  // stopped on an overloaded reading
        });
        QObject::connect(&timerOut_, &QTimer::timeout, [this] {
            session_.WatchdogTick();
            Finish(1);
        });
        QObject::connect(&autoSaveTimer_, &QTimer::timeout, [this] { session_.AutoSaveTick(); });
        view_.onRecorded = [this, count] {
            if (count > 0 && view_.recorded >= count) Finish(0);
        };
    }

    void SayOutcome(bool saved, bool replacing) const {
        const RecordStore& store = rec_.store;
        if (!saved) {
            // SavedCount: the rows that reached the file before the failures.
            std::fprintf(stderr, "voltaro-cli record: the last save failed: %s holds %d of its %d readings\n",
                         store.RecordingFile.c_str(), store.SavedCount, store.RecordCount);
        } else if (view_.recorded == 0 && replacing) {
            // Only readings replace the older recording.
            std::fprintf(stderr, "0 readings recorded; %s keeps its older recording\n",
                         store.RecordingFile.c_str());
        } else {
            std::fprintf(stderr, "%ld readings recorded; %s holds %d\n", view_.recorded,
                         store.RecordingFile.c_str(), store.RecordCount);
        }
    }

    void Finish(int status) {
        if (finishing_) return;
        finishing_ = true;
        status_ = status;
        QCoreApplication::exit(status);
    }

    PortTable table_;
    SilentBeeper beeper_;
    SystemClock clock_;
    ConsoleMessages messages_;
    NoAlarmView alarmView_;
    DateTimeFormat formats_;
    Separator separator_;
    QtSerialPort port_;
    CliView view_;
    MeterSession session_;
    Recording& rec_ = session_.recording();
    const Acquisition& acq_ = session_.acquisition();
    // Ctrl-C, a kill or a hang-up ends the recording with its last save, as a clean stop; kept
    // until that save is done.
    EndSignals endSignals_;
    // The main window's timers.
    QTimer pollTimer_, recordTimer_, timerOut_, autoSaveTimer_;
    int status_ = 0;
    bool finishing_ = false;
};

}  // namespace

int RunRecord(const std::vector<std::string>& args) {
    RecordArguments a;
    if (auto status = ReadArguments(args, a)) return *status;
    const QFileInfo outInfo(QString::fromLocal8Bit(a.out.c_str()));
    const bool replacing = outInfo.exists();
    const std::string folder = DefaultProgramFolder();
    auto [table, portNumber] = ChoosePort(a.port, folder);
    Recorder recorder(a, folder, table);
    const std::string file = outInfo.absoluteFilePath().toLocal8Bit().toStdString();
    if (std::string error = recorder.Open(file, a.port, portNumber, a.settings); !error.empty())
        return Fail(1, error);
    const int status = recorder.Record(a.count, a.duration);
    return recorder.SaveAndSay(replacing) ? status : 1;
}

}  // namespace voltaro::cli
