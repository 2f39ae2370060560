#pragma once

#include "clock/working_day.h"
#include "overtime/days_off.h"
#include "overtime/month_key.h"
#include "overtime/sheet_days.h"

#include <QDate>
#include <QList>
#include <QString>

// A month sheet read from its folder and counted by the rules, the same for every output of the
// report and for the clock's own view of the month; and the days off it is counted with.

enum class SheetPresence { Missing, Read, Unreadable };

struct LoadedMonth {
    QString fileName;
    SheetPresence presence = SheetPresence::Missing;
    SheetMonth sheet;
};

struct MonthFileSettings {
    QDate today;
    int breakMinutes = kBreakMinutes;
    const MonthCalendar* calendar = nullptr;  // the month's days off; none without it
    bool keepDays = true;                     // the days themselves, or only the figures
};

// The sheet at `fileName`, a path from `folder`, as the month `month`. Read only as the records
// read it: a regular file of a sheet's size, never through a link, never waiting on a FIFO;
// anything else is named without its contents.
LoadedMonth ReadMonthFile(const QString& folder, const QString& fileName, MonthKey month,
                          const MonthFileSettings& settings);

// The school calendar of a folder of sheets, or an empty text when it has none. A dangling link
// by that name is a calendar that cannot be read, not an absent one.
QString FolderCalendarPath(const QString& folder);

// The days off of the months `first` to `last`, with the school's calendar at `calendarPath`
// (none when empty); a date without its year is read in the school year of `last`. The
// calendar's lines left out are listed in `looks`; an error text when it cannot be read at all.
[[nodiscard]] QString PrepareDaysOff(const QString& calendarPath, MonthKey first, MonthKey last,
                                     DaysOff& daysOff, QList<LookItem>& looks);
