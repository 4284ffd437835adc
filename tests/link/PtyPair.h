#pragma once

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QThread>
#include <chrono>
#include <string>

namespace voltaro::testing {

// A pseudo-terminal whose master side plays the meter; the slave is the serial device.
class PtyPair {
public:
    PtyPair() {
        int slave = -1;
        char name[256] = {};
        if (openpty(&master_, &slave, name, nullptr, nullptr) != 0) return;
        termios t{};
        tcgetattr(slave, &t);
        cfmakeraw(&t);  // no echo, no CR translation before the port opens it raw itself
        tcsetattr(slave, TCSANOW, &t);
        close(slave);
        // A program started by the test must not keep the meter's side open.
        fcntl(master_, F_SETFD, FD_CLOEXEC);
        device_ = name;
    }
    ~PtyPair() { Hangup(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return master_ >= 0 && !device_.empty(); }
    const std::string& device() const { return device_; }

    bool Send(const std::string& bytes) {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
            if (n <= 0) return false;
            done += static_cast<size_t>(n);
        }
        return true;
    }
    // The meter goes away: the device behind the port vanishes.
    void Hangup() {
        if (master_ >= 0) close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    std::string device_;
};

// Waits until `done()` holds; gives up after a generous while so that a broken link fails the
// test instead of hanging it. Not a speed check.
template <typename Pred>
bool WaitFor(Pred done) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp) return false;
        QThread::msleep(1);
    }
    return true;
}

}  // namespace voltaro::testing
