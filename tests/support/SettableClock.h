#pragma once

#include <QDateTime>
#include <utility>

#include "base/Clock.h"

namespace voltaro {

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
