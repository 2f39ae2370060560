#include "records/open_days.h"

#include "records/day_rows.h"
#include "records/month_sheet.h"

#include <QRegularExpression>

namespace {

int MinuteOfDay(const QString& hour, const QString& minute) {
    return int(NumericReading(hour)) * 60 + int(NumericReading(minute));
}

QString TwoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

enum class Found { InTime, NoneBefore, Unreadable };

// The latest day before `beforeDay` in the month of `month` whose row holds an in-time.
Found LatestInTime(const QString& appDir, const QString& userName, const QDate& month,
                   int beforeDay, DayLeftOpen& day) {
    const QString path = MonthSheetPath(appDir, userName, month);
    if (!FileExists(path)) {
        return Found::NoneBefore;
    }
    const SheetFile sheet = ReadWholeSheet(path);
    if (!sheet.read.outcome.ok()) {
        return Found::Unreadable;
    }
    const DayRows rows(sheet.lines);
    for (int d = beforeDay - 1; d >= 1; --d) {
        const DayRowPlace place = rows.find(d);
        if (place.finding != DayRowFinding::Found || place.line >= sheet.lines.size()) {
            continue;
        }
        if (const auto recorded = RecordedDayOf(sheet.lines[place.line].text())) {
            day = {QDate(month.year(), month.month(), d), *recorded};
            return Found::InTime;
        }
    }
    return Found::NoneBefore;
}

}  // namespace

std::optional<DayLeftOpen> LatestDayLeftOpen(const QString& appDir, const QString& userName,
                                             const QDate& today) {
    DayLeftOpen day;
    Found found = LatestInTime(appDir, userName, today, today.day(), day);
    if (found == Found::NoneBefore) {
        const QDate lastMonth = today.addMonths(-1);
        found = LatestInTime(appDir, userName, lastMonth, lastMonth.daysInMonth() + 1, day);
    }
    if (found != Found::InTime || day.recorded.isClosed()) {
        return std::nullopt;
    }
    return day;
}

bool IsLaterDate(const QDate& windowDate, const QDateTime& now) {
    return windowDate.isValid() && now.date() > windowDate;
}

EndTimeAnswer ReadEndTime(const QString& typed, const QString& inHour, const QString& inMinute) {
    static const QRegularExpression time(QStringLiteral("^\\s*([0-9]{1,2}):?([0-9]{2})\\s*$"));
    EndTimeAnswer answer;
    const auto match = time.match(typed);
    const int hour = match.hasMatch() ? match.captured(1).toInt() : -1;
    const int minute = match.hasMatch() ? match.captured(2).toInt() : -1;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) {
        return answer;
    }
    answer.hour = TwoDigits(hour);
    answer.minute = TwoDigits(minute);
    answer.problem = hour * 60 + minute > MinuteOfDay(inHour, inMinute)
                         ? EndTimeProblem::None
                         : EndTimeProblem::NotAfterInTime;
    return answer;
}

bool EndsBeforeInTime(const QDate& day, const QString& inHour, const QString& inMinute,
                      const QDateTime& end) {
    if ((inHour.isEmpty() && inMinute.isEmpty()) || !end.isValid()) {
        return false;
    }
    const QDateTime in = QDateTime(day, QTime(0, 0)).addSecs(MinuteOfDay(inHour, inMinute) * 60);
    const QDateTime endMinute(end.date(), QTime(end.time().hour(), end.time().minute()));
    return endMinute < in;
}

QString ClockText(const QString& hour, const QString& minute) {
    return TwoDigits(int(NumericReading(hour))) + QLatin1Char(':') +
           TwoDigits(int(NumericReading(minute)));
}
