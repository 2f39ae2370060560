#include "pages/report_labels.h"

#include "clock/colour_value.h"
#include "clock/overtime_bands.h"
#include "clock/reason_captions.h"

#include <QDate>

#include <array>

QString FormatDuration(qint64 seconds) {
    const QString sign = seconds < 0 ? QStringLiteral("-") : QString();
    const qint64 minutes = (seconds < 0 ? -seconds : seconds) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(sign)
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString FormatClock(int minuteOfDay) {
    return QStringLiteral("%1:%2")
        .arg(minuteOfDay / 60, 2, 10, QLatin1Char('0'))
        .arg(minuteOfDay % 60, 2, 10, QLatin1Char('0'));
}

QString WeekdayName(int year, int month, int day) {
    static const std::array<QString, 7> weekdays{
        QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"), QStringLiteral("木"),
        QStringLiteral("金"), QStringLiteral("土"), QStringLiteral("日")};
    const QDate date(year, month, day);
    return date.isValid() ? weekdays[date.dayOfWeek() - 1] : QStringLiteral("-");
}

QString FormatDate(int year, int month, int day) {
    return QStringLiteral("%1/%2(%3)").arg(month).arg(day).arg(WeekdayName(year, month, day));
}

QString FormatDate(int year, int month, int day, const CalendarDay& calendar) {
    const QString mark = DayMark(calendar);
    if (mark.isEmpty()) {
        return FormatDate(year, month, day);
    }
    return QStringLiteral("%1/%2(%3・%4)")
        .arg(QString::number(month), QString::number(day), WeekdayName(year, month, day), mark);
}

QString DayKindName(const CalendarDay& calendar) {
    return calendar.off ? QStringLiteral("休日") : QStringLiteral("勤務日");
}

QString FormatMonth(int year, int month) {
    return QStringLiteral("%1年%2月").arg(year).arg(month);
}

QString LookReasonText(LookReason reason) {
    switch (reason) {
        case LookReason::MissingOut:
            return QStringLiteral("終業時刻がありません (OUT を押し忘れ?)");
        case LookReason::StillOpen:
            return QStringLiteral("今日の勤務はまだ終わっていません (OUT 前)");
        case LookReason::EndBeforeIn:
            return QStringLiteral("終業時刻が始業時刻より前です (日付をまたいだ?)");
        case LookReason::OutWithoutIn:
            return QStringLiteral("始業時刻がなく終業時刻だけがあります");
        case LookReason::UnreadableRow:
            return QStringLiteral("読めない行です");
        case LookReason::DuplicateRow:
            return QStringLiteral("同じ日の行が二つ以上あります (どれも数えていません)");
        case LookReason::DayNotInMonth:
            return QStringLiteral("この月にない日に時刻があります");
        case LookReason::MissingRows:
            return QStringLiteral("シートの行が足りません");
        case LookReason::UnreadableSheet:
            return QStringLiteral("シートを読めません");
        case LookReason::UnreadableReasons:
            return QStringLiteral("残業内容に %1 以外の文字があります (時間は数えています)")
                .arg(ReasonRange());
        case LookReason::DuplicateSheet:
            return QStringLiteral("同じ人の同じ月のシートがほかにもあります (一つだけ数えています)");
        case LookReason::CalendarLine:
            return QStringLiteral("学校カレンダーの読めない行です (この行は使っていません)");
        case LookReason::UnreadableFolder:
            return QStringLiteral("フォルダを開けません (中のシートは数えていません)");
        case LookReason::AlteredText:
            return QStringLiteral("この出力に書けない文字を印に替えました");
        case LookReason::UnusableCalendar:
            return QStringLiteral("学校カレンダーを使えません (この学校は数えていません)");
    }
    return {};
}

QString AgainstLine(qint64 seconds, qint64 line, bool reachingBreaks) {
    if (seconds > line) {
        return QStringLiteral("%1 超過").arg(FormatDuration(seconds - line));
    }
    if (seconds == line && reachingBreaks) {
        return QStringLiteral("到達");
    }
    return QStringLiteral("残り %1").arg(FormatDuration(line - seconds));
}

namespace {

QColor FromClockColour(quint32 value) {
    return QColor(RedOf(value), GreenOf(value), BlueOf(value));
}

}  // namespace

QString BandWords(int band) {
    const QString limit = band <= 1           ? QStringLiteral("残業なし")
                          : band < kBandCount ? QStringLiteral("～%1h").arg(band - 1)
                                              : QStringLiteral("%1h超").arg(band - 2);
    return QStringLiteral("帯%1 %2").arg(band).arg(limit);
}

QColor BandBackColour(int band) {
    return FromClockColour(OvertimeBands()[std::clamp(band, 1, kBandCount) - 1].backColour);
}

QColor BandChartColour(int band) {
    // The clock's hue, at a lightness that falls band by band: light to dark in greyscale too.
    const QColor hue = BandBackColour(band).toHsl();
    const double target = 235.0 - (std::clamp(band, 1, kBandCount) - 1) * 25.0;
    double low = 0;
    double high = 1;
    QColor colour;
    for (int step = 0; step < 24; ++step) {
        const double lightness = (low + high) / 2;
        colour = QColor::fromHslF(hue.hslHueF(), hue.hslSaturationF(), float(lightness));
        const double luma = 0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue();
        (luma < target ? low : high) = lightness;
    }
    return colour.toRgb();
}
