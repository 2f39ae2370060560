#include "text_report.h"

#include "report_labels.h"
#include "text_parts.h"
#include "text_table.h"

QString MonthText(const MonthReport& r) {
    QString out = QStringLiteral("%1 さんの %2 の勤務 (シート「%3」)\n")
                      .arg(r.person, FormatMonth(r.year, r.month), r.fileName);
    out += BreakNote(r.breakMinutes);
    if (!r.calendarFile.isEmpty()) {
        out += QStringLiteral("学校カレンダー「%1」の休日と出勤日を使っています\n")
                   .arg(r.calendarFile);
    }
    out += QLatin1Char('\n');

    TextTable days({Align::Left, Align::Left, Align::Right, Align::Right, Align::Right,
                    Align::Right, Align::Right, Align::Left});
    days.setHeader({QStringLiteral("日付"), QStringLiteral("区分"), QStringLiteral("始業"),
                    QStringLiteral("終業"), QStringLiteral("在校(休憩除く)"),
                    QStringLiteral("残業"), QStringLiteral("帯"), QStringLiteral("残業内容")});
    for (const DayEntry& d : r.sheet.days) {
        const CalendarDay& day = r.calendar.days[d.day];
        days.addRow({FormatDate(r.year, r.month, d.day, day), DayKindName(day),
                     FormatClock(d.inMinute), FormatClock(d.outMinute),
                     FormatDuration(d.figures.atSchoolSeconds),
                     FormatDuration(d.figures.overtimeSeconds), QString::number(d.figures.band),
                     d.reasons});
    }
    out += r.sheet.days.isEmpty() ? QStringLiteral("始業と終業のそろった日はありません\n")
                                  : days.render() + ReasonLegend() + QLatin1Char('\n');

    const MonthTotals& t = r.sheet.totals;
    TextTable totals({Align::Left, Align::Left});
    totals.addRow({QStringLiteral("勤務日数"), DayCount(t.days)});
    totals.addRow({QStringLiteral("在校時間 (休憩除く)"), FormatDuration(t.atSchoolSeconds)});
    totals.addRow({QStringLiteral("残業"), FormatDuration(t.overtimeSeconds)});
    totals.addRow({QStringLiteral("区分"), GroupName(GroupFor(t.overtimeSeconds))});
    totals.addRow({QStringLiteral("残業のあった日"), DayCount(t.daysOverRegular)});
    totals.addRow({QStringLiteral("休日に出た日"), DayCount(t.daysOffWorked)});
    totals.addRow({QStringLiteral("休日の残業"), FormatDuration(t.daysOffOvertimeSeconds)});
    totals.addRow({QStringLiteral("帯ごとの日数"), BandTally(t)});
    out += QStringLiteral("\n合計\n") + totals.render(2);
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
