#include "pages/text_parts.h"

#include "pages/report_labels.h"
#include "pages/report_tables.h"
#include "pages/text_table.h"

QString BreakNote(int breakMinutes, bool onPaper) {
    if (onPaper) {
        return QStringLiteral(
                   "休憩は 6 時間を超えた日に %1 分として在校時間から差し引いています"
                   " (シートに休憩の有無はありません)\n"
                   "残業は、勤務日は 7時間45分を超えた分、休日 (土日・祝日・12/29～1/3・"
                   "学校の休日) は在校時間のすべてです\n")
            .arg(breakMinutes);
    }
    return QStringLiteral(
               "休憩は 6 時間を超えた日に %1 分として在校時間から差し引いています"
               " (シートに休憩の有無はありません。--break-minutes で変更)\n"
               "残業は、勤務日は 7時間45分を超えた分、休日 (土日・祝日・12/29～1/3・"
               "学校の休日) は在校時間のすべてです\n")
        .arg(breakMinutes);
}

QString DayCount(int count) {
    return QStringLiteral("%1 日").arg(count);
}

QString ReasonTally(const MonthTotals& totals, int indent) {
    constexpr int kPerLine = 4;
    QString text;
    int shown = 0;
    for (int i = 0; i < kReasonCount; ++i) {
        if (totals.reasonDays[i] == 0) {
            continue;
        }
        if (shown > 0) {
            text += shown % kPerLine == 0 ? QLatin1Char('\n') + QString(indent, QLatin1Char(' '))
                                          : QStringLiteral("  ");
        }
        text += QStringLiteral("%1 %2日").arg(ReasonCaption(i)).arg(totals.reasonDays[i]);
        ++shown;
    }
    return shown == 0 ? QStringLiteral("なし") : text;
}

QString PaperReasonTally(const MonthTotals& totals) {
    QStringList items;
    for (int i = 0; i < kReasonCount; ++i) {
        if (totals.reasonDays[i] > 0) {
            items << ReasonCaption(i) + QChar(0xA0) + DayCount(totals.reasonDays[i]).remove(u' ');
        }
    }
    return items.isEmpty() ? QStringLiteral("なし") : items.join(QStringLiteral("  "));
}

QString BandTally(const MonthTotals& totals) {
    QStringList parts;
    for (int i = 0; i < kBandCount; ++i) {
        if (totals.bandDays[i] > 0) {
            parts << QStringLiteral("帯%1 %2日").arg(i + 1).arg(totals.bandDays[i]);
        }
    }
    return parts.isEmpty() ? QStringLiteral("なし") : parts.join(QStringLiteral("  "));
}

QString ReasonLegend() {
    QStringList captions;
    for (int i = 0; i < kReasonCount; ++i) {
        captions << ReasonCaption(i);
    }
    return QStringLiteral("残業内容の記号: ") + captions.join(QStringLiteral("  "));
}

QString LookHeading(qsizetype count, const QString& covered) {
    const QString from = covered.isEmpty() ? QString() : QStringLiteral("、") + covered;
    return QStringLiteral("要確認 (%1 件%2。時間を数えていない日は合計に含めていません)")
        .arg(QString::number(count), from);
}

QString LookList(const QList<LookItem>& looks, const QString& covered) {
    if (looks.isEmpty()) {
        return {};
    }
    return QLatin1Char('\n') + LookHeading(looks.size(), covered) + QLatin1Char('\n') +
           LookTable(looks, Audience::Screen).render(2);
}

QString LinesBlock(qint64 overtime) {
    return LineTable(overtime).render(2);
}
