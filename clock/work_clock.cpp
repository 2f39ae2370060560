#include "clock/work_clock.h"

#include "clock/working_day.h"

namespace {

constexpr double kSecondsPerDay = 24 * 60 * 60;

}  // namespace

float SecondsOfDay(const QTime& time) {
    // Evaluated in double and stored in single precision: every second of a day is exact there.
    const double hour = time.hour();
    const double minute = time.minute();
    const float second = static_cast<float>(time.second());
    return static_cast<float>(hour * 60 * 60 + minute * 60 + second);
}

QString TimeText(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QString DateText(const QDate& date) {
    return date.toString(QStringLiteral("MM/dd"));
}

void CaptureDate(WindowState& state, const QDateTime& reading) {
    const QDate date = reading.date();
    state.YearText = QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'));
    state.MonthText = QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
    state.DayText = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
    state.Date = date;
    ReadClock(state, reading);
}

void StartNewDate(WindowState& state, const QDateTime& reading) {
    CaptureDate(state, reading);
    state.ClockedIn = false;
    state.SheetInSeconds = 0;
    state.InHour.clear();
    state.InMinute.clear();
    state.OutHour.clear();
    state.OutMinute.clear();
    state.ReasonCodes.clear();
}

void ReadClock(WindowState& state, const QDateTime& reading) {
    const QTime time = reading.time();
    state.HourValue = time.hour();
    state.MinuteValue = time.minute();
    state.SecondValue = static_cast<float>(time.second());
    state.ClockSeconds = SecondsOfDay(time);
}

QString UpdateElapsed(WindowState& state, const QDateTime& reading, int breakBoxValue,
                      const QDate& dayDate) {
    ReadClock(state, reading);
    state.EndSeconds = state.ClockSeconds;
    const qint64 daysLater =
        dayDate.isValid() ? qMax<qint64>(0, dayDate.daysTo(reading.date())) : 0;
    state.ElapsedSeconds = static_cast<float>(double(daysLater) * kSecondsPerDay +
                                              state.EndSeconds - state.StartSeconds);
    if (breakBoxValue == 1) {
        state.ElapsedSeconds -= BreakSeconds;
    }
    return TimeText(reading.time());
}
