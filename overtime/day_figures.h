#pragma once

#include "clock/overtime_bands.h"
#include "clock/reason_captions.h"

#include <QDate>
#include <QStringView>
#include <QtGlobal>

#include <array>
#include <optional>

// The arithmetic of overtime: a day's figures and a month's totals. All durations are whole
// seconds.

// A break is owed, and so deducted, only on a stay longer than six hours.
inline constexpr int kBreakOwedAfterMinutes = 6 * 60;

struct DayFigures {
    qint64 atSchoolSeconds = 0;  // from in to out, less the break when one is owed
    qint64 overtimeSeconds = 0;  // beyond the regular 7 h 45 min, or all of it on a day off
    bool dayOff = false;
    // The clock's colour band of the day's overtime: the band the clock shows once the regular
    // day plus that overtime is worked, 1 (no overtime) to 10.
    int band = 1;
};

// A day from its in- and out-time (minutes since midnight, out not before in). On a working day
// the time at school beyond 7 h 45 min is overtime; on a day off there are no regular hours and
// all of it is.
DayFigures FiguresForDay(int inMinute, int outMinute, int breakMinutes, bool dayOff);

struct MonthTotals {
    int days = 0;  // days with an in- and an out-time
    qint64 atSchoolSeconds = 0;
    qint64 overtimeSeconds = 0;
    int daysOverRegular = 0;  // days with any overtime
    int daysOffWorked = 0;
    qint64 daysOffOvertimeSeconds = 0;
    std::array<int, kReasonCount> reasonDays{};  // days on which each letter was given
    std::array<int, kBandCount> bandDays{};      // days per colour band, band 1 first
};

// Counts one day in. A letter given twice on one day (a box ticked, cleared and ticked again
// appends it each time) counts that day once.
void AddDay(MonthTotals& totals, const DayFigures& day, QStringView reasons);
void AddMonth(MonthTotals& into, const MonthTotals& month);

// How many days of the month have passed by `today`: all of an earlier month, none of a later
// one. Today counts once it is done (`todayDone`: its OUT recorded); an open day has added
// nothing yet and would slow the pace.
int ElapsedDays(int year, int month, QDate today, bool todayDone);

// Seconds rounded to the nearest whole minute (half a minute up), as the outputs show them.
qint64 RoundToMinute(qint64 seconds);

// The month's overtime at its end if the pace so far holds, in whole minutes; nothing before
// the first day is gone.
std::optional<qint64> ProjectMonthEnd(qint64 overtimeSoFar, int elapsedDays, int daysInMonth);
