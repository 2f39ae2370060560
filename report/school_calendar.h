#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
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

struct SchoolCalendar {
    QString file;  // as the person named it, for messages; empty when there is none
    QHash<QDate, SchoolDay> days;
};

// Reads the calendar file; an error text names the file and, for a line it cannot take, the line
// number and what is wrong. Nothing is guessed: a line is a date and a kind, or it is refused.
QString ReadSchoolCalendar(const QString& path, SchoolCalendar& calendar);

// The same from the file's bytes; `file` names it in the messages.
QString ParseSchoolCalendar(const QByteArray& bytes, const QString& file, SchoolCalendar& calendar);
