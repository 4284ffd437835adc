#include "app/EndSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

namespace voltaro {

namespace {

constexpr std::array<int, 3> kEndSignals{SIGTERM, SIGHUP, SIGINT};

int pipeFds[2] = {-1, -1};
struct sigaction previous[kEndSignals.size()];

extern "C" void OnEndSignal(int number) {
    // Only what is safe in a handler: the number goes down the pipe, the event loop does the rest.
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t n = ::write(pipeFds[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent) {
    if (pipeFds[0] >= 0) return;  // another one is in force
    // Non-blocking: a flood of signals never blocks the handler.
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeFds[0] = pipeFds[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndSignals::ReadPipe);
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kEndSignals.size(); ++i) sigaction(kEndSignals[i], &action, &previous[i]);
}

EndSignals::~EndSignals() {
    if (!notifier_) return;
    for (size_t i = 0; i < kEndSignals.size(); ++i) sigaction(kEndSignals[i], &previous[i], nullptr);
    delete notifier_;
    notifier_ = nullptr;
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

void EndSignals::ReadPipe() {
    unsigned char byte = 0;
    while (::read(pipeFds[0], &byte, 1) == 1) emit received(byte);
}

}  // namespace voltaro
