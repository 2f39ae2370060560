#pragma once

#include "records/recorded_day.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// Days left open: a row with an in-time and no end time on an earlier date. The clock never
// guesses when such a day ended; it asks, and these are the decisions behind the question.

struct DayLeftOpen {
    QDate date;
    RecordedDay recorded;
};

// The latest day before `today` whose row holds an in-time: in today's month's sheet, or in last
// month's when today's holds none before today. Given only when that day has no end time, and
// nothing when the sheet to look at cannot be read.
std::optional<DayLeftOpen> LatestDayLeftOpen(const QString& appDir, const QString& userName,
                                             const QDate& today);

// Whether a press at `now` falls on a later date than the day the window holds.
bool IsLaterDate(const QDate& windowDate, const QDateTime& now);

// An end time as typed into the question: "17:30", "1730" or "9:05".
enum class EndTimeProblem { None, NotATime, NotAfterInTime };
struct EndTimeAnswer {
    EndTimeProblem problem = EndTimeProblem::NotATime;
    QString hour;  // two digits, as the clock writes them
    QString minute;
};
EndTimeAnswer ReadEndTime(const QString& typed, const QString& inHour, const QString& inMinute);

// Whether an end at `end` lies before the in-time of the day that began on `day`: the system clock
// was set back since the day opened. Compared by the minute, as the row records both; an end on a
// later date (a night's work past midnight) is after any in-time.
bool EndsBeforeInTime(const QDate& day, const QString& inHour, const QString& inMinute,
                      const QDateTime& end);

// "08:05" for an in-time held as "8" and "5".
QString ClockText(const QString& hour, const QString& minute);
