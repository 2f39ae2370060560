#pragma once

#include <QDateTime>

// The one place the program learns the local date and time. The window asks it for one reading
// per use, so a date and a time of day taken together always come from the same instant.
class TimeSource {
public:
    virtual ~TimeSource() = default;
    virtual QDateTime now() const = 0;
};

class SystemTimeSource final : public TimeSource {
public:
    QDateTime now() const override;
};

// A clock that only moves when told to: for tests and for replaying a day.
class ManualClock final : public TimeSource {
public:
    explicit ManualClock(const QDateTime& start) : now_(start) {}
    QDateTime now() const override { return now_; }
    void set(const QDateTime& when) { now_ = when; }
    void advance(qint64 seconds) { now_ = now_.addSecs(seconds); }

private:
    QDateTime now_;
};
