// voltaro-meter: a simulated meter on a pseudo-terminal.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "MeterOptions.h"

namespace voltaro::meter {
namespace {

// A reader that has left two seconds of line unread is not there; what it left is dropped so
// that whoever opens the device next gets the meter's current readings, not old ones.
constexpr double kStaleSeconds = 2;

double Now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "voltaro-meter: %s\n", message.c_str());
    return 1;
}

// The pseudo-terminal. The simulator keeps the device side open itself, so the line stays
// up while readers come and go, and writes never fail for want of a reader.
class MeterPty {
public:
    ~MeterPty() {
        RemoveLink();
        if (master_ >= 0) close(master_);
        if (slave_ >= 0) close(slave_);
    }

    std::string Open() {
        termios raw{};
        cfmakeraw(&raw);
        cfsetispeed(&raw, B2400);
        cfsetospeed(&raw, B2400);
        char name[256] = {};
        if (openpty(&master_, &slave_, name, &raw, nullptr) != 0)
            return std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
        tcgetattr(slave_, &raw_);
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        fcntl(master_, F_SETFD, FD_CLOEXEC);
        fcntl(slave_, F_SETFD, FD_CLOEXEC);
        device_ = name;
        return {};
    }

    std::string MakeLink(const std::string& path) {
        struct stat st {};
        if (lstat(path.c_str(), &st) == 0) {
            if (!S_ISLNK(st.st_mode)) return path + " exists and is not a symbolic link; not replaced";
            unlink(path.c_str());
        }
        if (symlink(device_.c_str(), path.c_str()) != 0)
            return "cannot make the link " + path + ": " + std::strerror(errno);
        link_ = path;
        return {};
    }

    // A reader killed while it held the line leaves the settings it gave (echo, line editing,
    // CR to LF) behind, and the next reader's bytes suffer for it: put the line back to raw
    // whenever it is not. Parity and character size are left alone: a pty ignores them, a live
    // reader asks for them (so they must not be rewritten under it at every frame), and the
    // reader's port layer mends what a killed one left of them when it opens.
    void KeepRaw() {
        termios now{};
        if (tcgetattr(slave_, &now) != 0) return;
        constexpr tcflag_t kParityInput = IGNPAR | INPCK | PARMRK;
        if ((now.c_iflag & ~kParityInput) != (raw_.c_iflag & ~kParityInput) || now.c_oflag != raw_.c_oflag ||
            now.c_lflag != raw_.c_lflag) {
            now.c_iflag = (raw_.c_iflag & ~kParityInput) | (now.c_iflag & kParityInput);
            now.c_oflag = raw_.c_oflag;
            now.c_lflag = raw_.c_lflag;
            tcsetattr(slave_, TCSANOW, &now);
        }
    }

    // Sends what it can without waiting; a full line drops the rest, as a meter talking to
    // nobody would.
    void Send(const std::string& bytes, int staleBytes) {
        KeepRaw();
        int waiting = 0;
        if (ioctl(slave_, FIONREAD, &waiting) == 0 && waiting > staleBytes) tcflush(slave_, TCIFLUSH);
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
            if (n > 0) {
                done += static_cast<size_t>(n);
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else {
                return;  // EAGAIN, EIO: drop the rest of this frame
            }
        }
    }

    // Whatever a reader writes to the meter goes nowhere.
    void Drain() {
        char sink[512];
        while (read(master_, sink, sizeof sink) > 0) {
        }
    }

    int master() const { return master_; }
    const std::string& device() const { return device_; }

private:
    void RemoveLink() {
        if (link_.empty()) return;
        char target[512] = {};
        const ssize_t n = readlink(link_.c_str(), target, sizeof target - 1);
        if (n > 0 && device_ == std::string(target, static_cast<size_t>(n))) unlink(link_.c_str());
    }

    int master_ = -1;
    int slave_ = -1;
    termios raw_{};
    std::string device_;
    std::string link_;
};

int SignalFd() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    if (sigprocmask(SIG_BLOCK, &set, nullptr) != 0) return -1;
    return signalfd(-1, &set, SFD_CLOEXEC);
}

int Run(const MeterOptions& options) {
    std::string error;
    std::unique_ptr<ReadingSource> source = MakeSource(options, error);
    if (!source) return Fail(error);

    std::ofstream logFile;
    if (!options.log.empty()) {
        logFile.open(options.log, std::ios::binary | std::ios::trunc);
        if (!logFile) return Fail("cannot write the log " + options.log);
    }
    ReadingLog log(logFile);

    uint64_t seed = 0;
    if (options.seed) {
        seed = *options.seed;
    } else {
        seed = std::random_device{}();
        if (options.faults.noise > 0 || options.faults.flicker > 0 || options.faults.overload > 0)
            std::fprintf(stderr, "voltaro-meter: --seed %llu\n", static_cast<unsigned long long>(seed));
    }
    MeterStream stream(*source, FramesPerReading(options.baud, options.rate), options.faults, seed,
                       options.baud);

    signal(SIGPIPE, SIG_IGN);  // a parent that stops reading our output must not end the meter
    const int signals = SignalFd();
    if (signals < 0) return Fail(std::string("cannot watch for signals: ") + std::strerror(errno));
    MeterPty pty;
    if (error = pty.Open(); !error.empty()) return Fail(error);
    if (!options.link.empty())
        if (error = pty.MakeLink(options.link); !error.empty()) return Fail(error);
    std::printf("%s\n", pty.device().c_str());
    std::fflush(stdout);

    const double secondsPerChar = 1.0 / CharactersPerSecond(options.baud);
    const int staleBytes = std::max(256, static_cast<int>(kStaleSeconds / secondsPerChar));
    double due = Now();
    bool silent = false;
    for (;;) {
        const double wait = silent ? -1 : std::fmax(0.0, due - Now());
        pollfd fds[2] = {{signals, POLLIN, 0}, {pty.master(), POLLIN, 0}};
        const int timeout = wait < 0 ? -1 : static_cast<int>(std::ceil(wait * 1000));
        if (poll(fds, 2, timeout) < 0 && errno != EINTR) return Fail(std::strerror(errno));
        if (fds[0].revents & POLLIN) break;
        if (fds[1].revents & POLLIN) pty.Drain();
        if (silent || Now() < due) continue;

        MeterStream::Slot slot = stream.Next();
        if (slot.silent) {
            silent = true;
            continue;
        }
        pty.Send(slot.bytes, staleBytes);
        if (logFile.is_open()) log.Sent(slot.intactFrame);
        due += static_cast<double>(slot.bytes.size()) * secondsPerChar;
        // After a stall (suspended, swapped out) carry on at the normal pace, no burst.
        if (Now() - due > 1.0) due = Now();
    }
    close(signals);
    return 0;
}

}  // namespace
}  // namespace voltaro::meter

int main(int argc, char** argv) {
    using namespace voltaro::meter;
    const ParsedOptions parsed = ParseMeterOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.options.version) {
        std::puts("voltaro-meter " VOLTARO_VERSION);
        return 0;
    }
    if (parsed.options.help) {
        std::fputs(MeterHelpText().c_str(), stdout);
        return 0;
    }
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "voltaro-meter: %s\nTry 'voltaro-meter --help'.\n", parsed.error.c_str());
        return 2;
    }
    return Run(parsed.options);
}
