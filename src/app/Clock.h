#pragma once

#include <QDateTime>

namespace voltaro {

// Today and now, so that a test can run an hour of recording in milliseconds.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
    QDate Today() const { return Now().date(); }
};

class SystemClock : public Clock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

// A clock that stands still until it is moved.
class SettableClock : public Clock {
public:
    explicit SettableClock(QDateTime start = QDateTime(QDate(2024, 1, 15), QTime(10, 0, 0)))
        : now_(std::move(start)) {}
    QDateTime Now() const override { return now_; }
    void Set(const QDateTime& t) { now_ = t; }
    void AddMSecs(qint64 ms) { now_ = now_.addMSecs(ms); }
    void AddSecs(qint64 s) { now_ = now_.addSecs(s); }

private:
    QDateTime now_;
};

}  // namespace voltaro
