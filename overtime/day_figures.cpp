#include "overtime/day_figures.h"

#include "clock/working_day.h"

#include <algorithm>

DayFigures FiguresForDay(int inMinute, int outMinute, int breakMinutes, bool dayOff) {
    const int stayMinutes = outMinute - inMinute;
    const int breakTaken = stayMinutes > kBreakOwedAfterMinutes ? breakMinutes : 0;
    DayFigures day;
    day.dayOff = dayOff;
    day.atSchoolSeconds = std::max<qint64>(0, qint64(stayMinutes - breakTaken) * 60);
    const qint64 regular = dayOff ? 0 : qint64(RegularDaySeconds);
    day.overtimeSeconds = std::max<qint64>(0, day.atSchoolSeconds - regular);
    // Whole seconds from the regular day on always fall into a band.
    const auto band = BandFor(float(qint64(RegularDaySeconds) + day.overtimeSeconds));
    day.band = band ? band->number : 1;
    return day;
}

void AddDay(MonthTotals& totals, const DayFigures& day, QStringView reasons) {
    ++totals.days;
    totals.atSchoolSeconds += day.atSchoolSeconds;
    totals.overtimeSeconds += day.overtimeSeconds;
    if (day.overtimeSeconds > 0) {
        ++totals.daysOverRegular;
    }
    if (day.dayOff) {
        ++totals.daysOffWorked;
        totals.daysOffOvertimeSeconds += day.overtimeSeconds;
    }
    if (day.band >= 1 && day.band <= kBandCount) {
        ++totals.bandDays[day.band - 1];
    }
    std::array<bool, kReasonCount> given{};
    for (QChar letter : reasons) {
        if (const auto index = ReasonIndex(letter)) {
            given[*index] = true;
        }
    }
    for (int i = 0; i < kReasonCount; ++i) {
        totals.reasonDays[i] += given[i] ? 1 : 0;
    }
}

void AddMonth(MonthTotals& into, const MonthTotals& month) {
    into.days += month.days;
    into.atSchoolSeconds += month.atSchoolSeconds;
    into.overtimeSeconds += month.overtimeSeconds;
    into.daysOverRegular += month.daysOverRegular;
    into.daysOffWorked += month.daysOffWorked;
    into.daysOffOvertimeSeconds += month.daysOffOvertimeSeconds;
    for (int i = 0; i < kReasonCount; ++i) {
        into.reasonDays[i] += month.reasonDays[i];
    }
    for (int i = 0; i < kBandCount; ++i) {
        into.bandDays[i] += month.bandDays[i];
    }
}

int ElapsedDays(int year, int month, QDate today, bool todayDone) {
    const QDate first(year, month, 1);
    if (today < first) {
        return 0;
    }
    if (today.year() == year && today.month() == month) {
        return today.day() - (todayDone ? 0 : 1);
    }
    return first.daysInMonth();
}

qint64 RoundToMinute(qint64 seconds) {
    return (seconds + 30) / 60 * 60;
}

std::optional<qint64> ProjectMonthEnd(qint64 overtimeSoFar, int elapsedDays, int daysInMonth) {
    if (elapsedDays <= 0) {
        return std::nullopt;
    }
    if (elapsedDays >= daysInMonth) {
        return RoundToMinute(overtimeSoFar);
    }
    // overtime x days / elapsed, rounded to the nearest minute in one step.
    const qint64 scaled = overtimeSoFar * daysInMonth;
    const qint64 divisor = qint64(elapsedDays) * 60;
    return (scaled + divisor / 2) / divisor * 60;
}
