#pragma once

#include <QDate>
#include <QList>
#include <QString>

// Japan's national holidays, worked out from the Act on National Holidays as it stood in each
// year: the fixed and the Monday holidays, the equinox days, the substitute holiday (振替休日)
// after a holiday on a Sunday, the citizens' holiday (国民の休日) between two holidays, and the
// one-off days (the funeral of 1989, the enthronements, the Olympic moves of 2020 and 2021).

// The years whose holidays are known: the equinox days of later years are announced only the
// February before, and what the law will be then nobody knows.
inline constexpr int kFirstHolidayYear = 1970;
inline constexpr int kLastHolidayYear = 2050;

struct Holiday {
    QDate date;
    QString name;  // "文化の日", "文化の日 振替休日", "休日" for a citizens' holiday
};

// The holidays of the year in date order; nothing for a year outside the known range.
QList<Holiday> HolidaysOf(int year);

// Whether the holidays of the year are known.
bool HolidaysKnown(int year);
