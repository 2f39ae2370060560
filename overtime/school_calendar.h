#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

// The school's own calendar: days off the law does not know (学校閉庁日, a day off in return
// for a Saturday event) and working days on a weekend or holiday (運動会, 授業参観). One line a
// day, "yyyy/m/d,休" or "yyyy-mm-dd,出", an optional third column for a note; the first line
// may be a header. Excel writes it in CP932, or in UTF-8 with a byte-order mark.

inline const QString kSchoolCalendarFileName = QStringLiteral("学校カレンダー.csv");

struct SchoolDay {
    bool working = false;  // 出; otherwise 休
    QString note;
};

struct SkippedCalendarLine {
    int line = 0;
    QString why;  // what is wrong, with the line as it stands
};

struct SchoolCalendar {
    QString file;  // as the person named it, for messages; empty when there is none
    QHash<QDate, SchoolDay> days;
    // Lines that are no date and kind: left out, each named, and the rest of the file used.
    QList<SkippedCalendarLine> skipped;
};

// Reads the calendar file; an error text names the file when it cannot be read at all. A date
// without its year ("3月8日", "3/8", "Mar 08", as a spreadsheet may save it) falls in the school
// year `schoolYear` (April of that year to March of the next). Nothing else is guessed: a line
// is a date and a kind, or it is skipped and listed.
[[nodiscard]] QString ReadSchoolCalendar(const QString& path, int schoolYear,
                                         SchoolCalendar& calendar);

// The same from the file's bytes, which always give a calendar (a line that is no date and kind
// is skipped and listed); `file` names it in the messages.
void ParseSchoolCalendar(const QByteArray& bytes, const QString& file, int schoolYear,
                         SchoolCalendar& calendar);
