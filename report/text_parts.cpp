#include "text_parts.h"

#include "report_labels.h"
#include "report_tables.h"
#include "text_table.h"

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
    for (int i = 0; i < kReasonLetterCount; ++i) {
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
    for (int i = 0; i < kReasonLetterCount; ++i) {
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
    TextTable table({Align::Left, Align::Right, Align::Left, Align::Left});
    table.setHeader({QStringLiteral("シート"), QStringLiteral("行"), QStringLiteral("内容"),
                     QStringLiteral("行の中身")});
    for (const LookItem& look : looks) {
        table.addRow({look.file,
                      look.line > 0 ? QStringLiteral("%1行目").arg(look.line) : QString(),
                      LookReasonText(look.reason), look.detail});
    }
    return QLatin1Char('\n') + LookHeading(looks.size(), covered) + QLatin1Char('\n') +
           table.render(2);
}

QString LinesBlock(qint64 overtime) {
    return LineTable(overtime).render(2);
}
