#include "report_labels.h"
#include "text_parts.h"
#include "text_report.h"
#include "text_table.h"

namespace {

QString AverageCell(const std::optional<SpanAverage>& average) {
    if (!average) {
        return QStringLiteral("-");
    }
    const QString value = FormatDuration(average->averageSeconds());
    return average->overLimit() ? value + QStringLiteral(" 超") : value;
}

QString MonthMarks(qint64 overtime) {
    QStringList marks;
    if (overtime >= kMonthCeilingSeconds) {
        marks << QStringLiteral("100時間以上");
    } else if (overtime > kMonthLimitSeconds) {
        marks << QStringLiteral("45時間超");
    }
    return marks.join(QLatin1Char(' '));
}

QString Verdict(bool broken) {
    return broken ? QStringLiteral("超過") : QStringLiteral("以内");
}

QString LimitsBlock(const YearVerdict& v) {
    TextTable lines({Align::Left, Align::Left, Align::Left});
    lines.addRow({QStringLiteral("年間 360時間"), FormatDuration(v.totalSeconds),
                  AgainstLine(v.totalSeconds, kYearLimitSeconds)});
    lines.addRow({QStringLiteral("年間 720時間 (特例)"), FormatDuration(v.totalSeconds),
                  AgainstLine(v.totalSeconds, kYearSpecialLimitSeconds)});
    lines.addRow({QStringLiteral("45時間を超えた月 (6か月まで)"),
                  QStringLiteral("%1 か月").arg(v.monthsOver45), Verdict(v.tooManyMonthsOver45())});
    QString highest = QStringLiteral("計算できる区間なし");
    QString verdict = QStringLiteral("判定できません");
    if (v.highestAverage) {
        highest = QStringLiteral("最高 %1 (%2月までの %3か月)")
                      .arg(FormatDuration(v.highestAverage->averageSeconds()),
                           QString::number(CalendarMonthOf(v.highestAverageEnd)),
                           QString::number(v.highestAverage->months));
        verdict = v.spansOver80 > 0 ? QStringLiteral("超過 (80時間超の区間 %1)").arg(v.spansOver80)
                                    : Verdict(false);
    }
    lines.addRow({QStringLiteral("2～6か月平均 (80時間まで)"), highest, verdict});
    lines.addRow({QStringLiteral("100時間以上の月 (ないこと)"),
                  QStringLiteral("%1 か月").arg(v.monthsAt100), Verdict(v.monthsAt100 > 0)});
    return lines.render(2);
}

// The months before April that the averages reach back to.
QString LeadLine(const YearReport& r) {
    QStringList found;
    for (int m = 0; m < kLeadMonths; ++m) {
        if (r.lead[m]) {
            const int index = m - kLeadMonths;
            found << FormatMonth(CalendarYearOf(r.schoolYear, index), CalendarMonthOf(index)) +
                         QLatin1Char(' ') + FormatDuration(*r.lead[m]);
        }
    }
    return found.isEmpty()
               ? QStringLiteral("(前年度の 11月～3月のシートはなく、4月から始まる平均だけです)\n")
               : QStringLiteral("(平均にだけ使う前年度のシート: %1)\n")
                     .arg(found.join(QStringLiteral("、")));
}

}  // namespace

QString YearText(const YearReport& r) {
    QString out =
        QStringLiteral("%1 さんの %2年度 (%2年4月～%3年3月) の残業\n")
            .arg(r.person, QString::number(r.schoolYear), QString::number(r.schoolYear + 1));
    out += BreakNote(r.breakMinutes) + QLatin1Char('\n');

    TextTable months({Align::Left, Align::Right, Align::Right, Align::Right, Align::Right,
                      Align::Right, Align::Right, Align::Right, Align::Right, Align::Left});
    months.setHeader({QStringLiteral("月"), QStringLiteral("残業"), QStringLiteral("勤務日数"),
                      QStringLiteral("7:45超の日"), QStringLiteral("2か月平均"),
                      QStringLiteral("3か月平均"), QStringLiteral("4か月平均"),
                      QStringLiteral("5か月平均"), QStringLiteral("6か月平均"),
                      QStringLiteral("判定")});
    for (int m = 0; m < kSchoolYearMonths; ++m) {
        const QString month = FormatMonth(CalendarYearOf(r.schoolYear, m), CalendarMonthOf(m));
        if (!r.months[m]) {
            months.addRow({month, QStringLiteral("シートなし")});
            continue;
        }
        const MonthTotals& t = *r.months[m];
        QStringList row{month, FormatDuration(t.overtimeSeconds), QString::number(t.days),
                        QString::number(t.daysOverRegular)};
        for (const auto& average : r.verdict.averages[m]) {
            row << AverageCell(average);
        }
        row << MonthMarks(t.overtimeSeconds);
        months.addRow(row);
    }
    out += months.render();
    out += QStringLiteral(
        "(平均は前年度の月にもさかのぼり、シートのそろった連続する月についてだけ出しています)\n");
    out += LeadLine(r);

    out += QStringLiteral(
               "\n年間合計: 残業 %1、勤務日数 %2、7時間45分を超えた日 %3 (シート %4 か月分)\n")
               .arg(FormatDuration(r.total.overtimeSeconds))
               .arg(r.total.days)
               .arg(r.total.daysOverRegular)
               .arg(r.verdict.monthsPresent);
    out += QStringLiteral("残業内容ごとの日数\n  ") + ReasonTally(r.total, 2) + QLatin1Char('\n');
    out += QStringLiteral("\n上限との比較\n") + LimitsBlock(r.verdict);
    return out + LookList(r.looks);
}
