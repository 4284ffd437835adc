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

}  // namespace voltaro
