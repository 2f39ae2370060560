#pragma once

#include "overtime/month_key.h"
#include "overtime/school_calendar.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

// Which days are days off: Saturdays, Sundays, national holidays, the year-end days 12/29 to
// 1/3 that public schools keep, and what the school's own calendar says, which wins over all of
// them. On a day off there are no regular hours: all of its time at school is overtime.

struct CalendarDay {
    bool off = false;
    QString holiday;             // the national holiday's name, if it is one
    bool yearEnd = false;        // 12/29 to 1/3
    bool fromSchool = false;     // the school's calendar names the day
    bool schoolWorking = false;  // ... as a working day (出); otherwise as a day off (休)
    QString note;                // the school calendar's note
};

// Days 1 to 31 of one month, at their day number; entry 0 is unused.
struct MonthCalendar {
    std::array<CalendarDay, 32> days{};
};

class DaysOff {
public:
    DaysOff() = default;

    // Judges every day of the months `first` to `last`. An error text when a year among them
    // lies outside the years whose holidays are known.
    QString prepare(MonthKey first, MonthKey last, const SchoolCalendar& school);

    // A month that was prepared; any other comes back without days off.
    const MonthCalendar& month(MonthKey key) const;

    // The school calendar's file, when there was one.
    const QString& schoolFile() const { return schoolFile_; }

private:
    MonthKey first_ = 0;
    QList<MonthCalendar> months_;
    QString schoolFile_;
};

// "祝 文化の日", "休 年末年始", "出 運動会": what the date of a day shows after its weekday;
// empty for an ordinary working day and a plain weekend.
QString DayMark(const CalendarDay& day);
