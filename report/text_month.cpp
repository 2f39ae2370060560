#include "pages/report_labels.h"
#include "pages/report_tables.h"
#include "pages/text_parts.h"
#include "report/text_report.h"

QString MonthText(const MonthReport& r) {
    QString out = QStringLiteral("%1 さんの %2 の勤務 (シート「%3」)\n")
                      .arg(r.person, FormatMonth(r.year, r.month), r.fileName);
    out += BreakNote(r.breakMinutes);
    if (!r.calendarFile.isEmpty()) {
        out += QStringLiteral("学校カレンダー「%1」の休日と出勤日を使っています\n")
                   .arg(r.calendarFile);
    }
    out += QLatin1Char('\n');
    out += r.sheet.days.isEmpty()
               ? QStringLiteral("始業と終業のそろった日はありません\n")
               : DayTable(r, Audience::Screen).render() + ReasonLegend() + QLatin1Char('\n');

    const MonthTotals& t = r.sheet.totals;
    out += QStringLiteral("\n合計\n") + MonthTotalsTable(r, Audience::Screen).render(2);
    out += QStringLiteral("  残業内容ごとの日数\n    ") + ReasonTally(t, 4) + QLatin1Char('\n');
    out += QStringLiteral("\n月の残業 %1 と各ラインの差\n").arg(FormatDuration(t.overtimeSeconds)) +
           LinesBlock(t.overtimeSeconds);

    if (r.projection && r.elapsedDays < r.daysInMonth) {
        const QString today =
            r.todayUncounted ? QStringLiteral("、今日は OUT の記録がまだないので数えていません")
                             : QString();
        out += QStringLiteral("\n月末の見込み: %1 (%2日中 %3日経過%4、ここまでのペースが続くと)\n")
                   .arg(FormatDuration(*r.projection), QString::number(r.daysInMonth),
                        QString::number(r.elapsedDays), today) +
               LinesBlock(*r.projection);
    } else if (r.projection) {
        out += QStringLiteral("\n月末の見込み: 実績と同じ (月末までの日が済んでいます)\n");
    } else {
        out += QStringLiteral("\n月末の見込み: まだ出せません (済んだ日がありません)\n");
    }
    return out + LookList(r.sheet.looks);
}
