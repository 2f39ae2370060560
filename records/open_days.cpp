#include "records/open_days.h"

#include "records/day_rows.h"
#include "records/month_sheet.h"
#include "records/sheet_layout.h"

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

namespace {

constexpr int kMinutesPerDay = kDayHours * 60;

// "17:30", "1730", "9:05": the hour and minute, or false for anything else.
bool ReadTyped(const QString& typed, int& hour, int& minute) {
    static const QRegularExpression time(QStringLiteral("^\\s*([0-9]{1,2}):?([0-9]{2})\\s*$"));
    const auto match = time.match(typed);
    hour = match.hasMatch() ? match.captured(1).toInt() : -1;
    minute = match.hasMatch() ? match.captured(2).toInt() : -1;
    return hour >= 0 && minute >= 0 && minute <= 59;
}

}  // namespace

TypedTime ReadEndTime(const QString& typed, const QString& inHour, const QString& inMinute) {
    TypedTime answer;
    int hour = 0;
    int minute = 0;
    if (!ReadTyped(typed, hour, minute) || hour >= kEndHourLimit) {
        return answer;
    }
    answer.hour = TwoDigits(hour);
    answer.minute = TwoDigits(minute);
    const int in = MinuteOfDay(inHour, inMinute);
    const int end = hour * 60 + minute;
    if (end <= in) {
        answer.problem = TimeProblem::NotAfterInTime;
        if (hour < kDayHours) {
            answer.nextMorning = TwoDigits(hour + kDayHours) + QLatin1Char(':') + answer.minute;
        }
    } else {
        answer.problem = end - in > kMinutesPerDay ? TimeProblem::MoreThanADay : TimeProblem::None;
    }
    return answer;
}

TypedTime ReadStartTime(const QString& typed, const QString& endHour, const QString& endMinute) {
    TypedTime answer;
    int hour = 0;
    int minute = 0;
    if (!ReadTyped(typed, hour, minute) || hour >= kDayHours) {
        return answer;
    }
    answer.hour = TwoDigits(hour);
    answer.minute = TwoDigits(minute);
    answer.problem = hour * 60 + minute < MinuteOfDay(endHour, endMinute)
                         ? TimeProblem::None
                         : TimeProblem::NotBeforeEnd;
    return answer;
}

QString NightEndAt(const QDate& day, const QString& inHour, const QString& inMinute,
                   const QDateTime& now) {
    if (!day.isValid() || day.daysTo(now.date()) != 1) {
        return {};
    }
    const QString night = TwoDigits(now.time().hour() + kDayHours) + QLatin1Char(':') +
                          TwoDigits(now.time().minute());
    return ReadEndTime(night, inHour, inMinute).problem == TimeProblem::None ? night : QString();
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
