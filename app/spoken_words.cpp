#include "app/spoken_words.h"

#include "clock/working_day.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// "8時間12分", "27分": hours only once there is one.
QString DurationWords(qint64 minutes) {
    if (minutes < 60) {
        return QStringLiteral("%1分").arg(minutes);
    }
    return QStringLiteral("%1時間%2分").arg(minutes / 60).arg(minutes % 60);
}

}  // namespace

QString DateWords(const QDate& date) {
    static const char* const kWeekdays[] = {"月", "火", "水", "木", "金", "土", "日"};
    if (!date.isValid()) {
        return QString();
    }
    return QStringLiteral("%1月%2日 %3曜日")
        .arg(date.month())
        .arg(date.day())
        .arg(QString::fromUtf8(kWeekdays[date.dayOfWeek() - 1]));
}

QString TimeWords(const QString& timeText) {
    static const QRegularExpression kTime(QStringLiteral("^(\\d\\d):(\\d\\d):\\d\\d$"));
    const QRegularExpressionMatch match = kTime.match(timeText);
    if (!match.hasMatch()) {
        return QString();
    }
    return QStringLiteral("%1時%2分").arg(match.captured(1).toInt()).arg(match.captured(2).toInt());
}

QString WorkedWords(float workedSeconds) {
    const auto worked = qint64(std::floor(std::max(workedSeconds, 0.0f)));
    QString words = QStringLiteral("勤務 %1時間%2分").arg(worked / 3600).arg(worked / 60 % 60);
    const qint64 overtime = worked - qint64(RegularDaySeconds);
    if (overtime <= 0) {
        return words + QStringLiteral("、残業なし");
    }
    // The colour turns at the first second past the regular day.
    return words + (overtime < 60 ? QStringLiteral("、残業 1分未満")
                                  : QStringLiteral("、残業 ") + DurationWords(overtime / 60));
}
