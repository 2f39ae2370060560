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

// A time as typed into a question about a day: "17:30", "1730" or "9:05".
enum class TimeProblem {
    None,
    NotATime,        // no hh:mm, or an hour the question does not take
    NotAfterInTime,  // an end not after the in-time
    MoreThanADay,    // an end more than 24 hours after the in-time
    NotBeforeEnd,    // a start not before the end
};
struct TypedTime {
    TimeProblem problem = TimeProblem::NotATime;
    QString hour;  // two digits, as the clock writes them
    QString minute;
    // An end typed before the in-time as the next morning's hours: "00:30" gives "24:30".
    QString nextMorning;
};

// The end of the day that began at the in-time: after it, and at most a day after it. A night's
// work ends in the next morning's hours, 24 to 47 ("2430" for half past midnight), and is
// written so into the row of the day it began.
TypedTime ReadEndTime(const QString& typed, const QString& inHour, const QString& inMinute);
// The start of a day that ended at the end time, the same day: 00:00 to 23:59, before the end.
TypedTime ReadStartTime(const QString& typed, const QString& endHour, const QString& endMinute);

// The end a question about the day that began on `day` offers when asked at `now` on the next
// date (the window left open past midnight on a night's work): now as an hour past 24, "24:30"
// at 00:30, while that is at most a day after the in-time. Empty on any other date, or later.
QString NightEndAt(const QDate& day, const QString& inHour, const QString& inMinute,
                   const QDateTime& now);

// Whether an end at `end` lies before the in-time of the day that began on `day`: the system clock
// was set back since the day opened. Compared by the minute, as the row records both; an end on a
// later date (a night's work past midnight) is after any in-time.
bool EndsBeforeInTime(const QDate& day, const QString& inHour, const QString& inMinute,
                      const QDateTime& end);

// "08:05" for an in-time held as "8" and "5".
QString ClockText(const QString& hour, const QString& minute);
