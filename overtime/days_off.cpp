#include "overtime/days_off.h"

#include "overtime/holidays.h"

#include <QHash>

namespace {

bool IsYearEnd(QDate date) {
    return (date.month() == 12 && date.day() >= 29) || (date.month() == 1 && date.day() <= 3);
}

}  // namespace

QString DaysOff::prepare(MonthKey first, MonthKey last, const SchoolCalendar& school) {
    for (int year = YearOfKey(first); year <= YearOfKey(last); ++year) {
        if (!HolidaysKnown(year)) {
            return QStringLiteral(
                       "%1年の祝日は分からないため、休日の残業を判定できません"
                       " (分かるのは %2～%3年)")
                .arg(QString::number(year), QString::number(kFirstHolidayYear),
                     QString::number(kLastHolidayYear));
        }
    }
    first_ = first;
    schoolFile_ = school.file;
    months_.clear();
    QHash<QDate, QString> holidays;
    for (int year = YearOfKey(first); year <= YearOfKey(last); ++year) {
        for (const Holiday& holiday : HolidaysOf(year)) {
            holidays.insert(holiday.date, holiday.name);
        }
    }
    for (MonthKey key = first; key <= last; ++key) {
        MonthCalendar month;
        const QDate start(YearOfKey(key), MonthOfKey(key), 1);
        for (int d = 1; d <= start.daysInMonth(); ++d) {
            const QDate date(start.year(), start.month(), d);
            CalendarDay& day = month.days[d];
            day.holiday = holidays.value(date);
            day.yearEnd = IsYearEnd(date);
            day.off = date.dayOfWeek() >= Qt::Saturday || !day.holiday.isEmpty() || day.yearEnd;
            if (const auto found = school.days.constFind(date); found != school.days.constEnd()) {
                day.fromSchool = true;
                day.schoolWorking = found->working;
                day.note = found->note;
                day.off = !found->working;
            }
        }
        months_.append(month);
    }
    return {};
}

const MonthCalendar& DaysOff::month(MonthKey key) const {
    static const MonthCalendar none;
    const qsizetype index = key - first_;
    return index >= 0 && index < months_.size() ? months_[index] : none;
}

QString DayMark(const CalendarDay& day) {
    QStringList marks;
    if (!day.holiday.isEmpty()) {
        marks << QStringLiteral("祝 ") + day.holiday;
    } else if (day.yearEnd) {
        marks << QStringLiteral("休 年末年始");
    }
    if (day.fromSchool && day.schoolWorking) {
        marks << (day.note.isEmpty() ? QStringLiteral("出") : QStringLiteral("出 ") + day.note);
    } else if (day.fromSchool) {
        marks << (day.note.isEmpty() ? QStringLiteral("休 学校の休日")
                                     : QStringLiteral("休 ") + day.note);
    }
    return marks.join(QStringLiteral("・"));
}
