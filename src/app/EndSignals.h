#pragma once

#include <QObject>

class QSocketNotifier;

namespace voltaro {

// SIGTERM, SIGHUP and SIGINT (kill, a logout, a shutdown, Ctrl-C) as a Qt signal on the event
// loop, so that the program can save and end in order instead of dying where it stands. The
// handler only writes the signal's number into a pipe; a socket notifier reads it. One at a
// time; the handlers in force before are put back when it goes.
class EndSignals : public QObject {
    Q_OBJECT
public:
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

    // False when the pipe could not be made: the signals then keep their default action.
    bool Installed() const { return notifier_ != nullptr; }

signals:
    void received(int signalNumber);

private:
    void ReadPipe();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace voltaro
