#include "report_tables.h"

#include "report_labels.h"
#include "text_parts.h"

namespace {

QString AverageCell(const std::optional<SpanAverage>& average) {
    if (!average) {
        return QStringLiteral("-");
    }
    const QString value = FormatDuration(average->averageSeconds());
    return average->overLimit() ? value + QStringLiteral(" 超") : value;
}

// The staff's group words for one month, so that a month reads the same in every view.
QString MonthMarks(qint64 overtime) {
    const StaffGroup group = GroupFor(overtime);
    return group == StaffGroup::UpTo45 ? QString() : GroupName(group);
}

QString Verdict(bool broken) {
    return broken ? QStringLiteral("超過") : QStringLiteral("以内");
}

QStringList TotalsCells(const QString& label, const MonthTotals& t) {
    return {label,
            FormatDuration(t.overtimeSeconds),
            QString::number(t.days),
            QString::number(t.daysOverRegular),
            QString::number(t.daysOffWorked),
            FormatDuration(t.daysOffOvertimeSeconds)};
}

}  // namespace

QString BrokenLimits(const YearVerdict& v) {
    QStringList broken;
    if (v.overSpecialYearLimit()) {
        broken << QStringLiteral("年720h");
    } else if (v.overYearLimit()) {
        broken << QStringLiteral("年360h");
    }
    if (v.tooManyMonthsOver45()) {
        broken << QStringLiteral("45h超%1か月").arg(v.monthsOver45);
    }
    if (v.spansOver80 > 0) {
        broken << QStringLiteral("平均80h");
    }
    if (v.monthsAt100 > 0) {
        broken << QStringLiteral("月100h");
    }
    return broken.join(QLatin1Char(' '));
}

QString LooksCovered(int schoolYear) {
    return QStringLiteral("%1年11月～%2年3月のシート (11月～3月は平均にだけ使う前年度の月)")
        .arg(QString::number(schoolYear - 1), QString::number(schoolYear + 1));
}

QString ReportTable::render(int indent) const {
    TextTable table(aligns);
    table.setHeader(header);
    for (const QStringList& row : rows) {
        table.addRow(row);
    }
    return table.render(indent);
}

ReportTable LineTable(qint64 overtime) {
    return {{Align::Left, Align::Left},
            {},
            {{QStringLiteral("目標 30時間"), AgainstLine(overtime, kMonthTargetSeconds)},
             {QStringLiteral("上限 45時間"), AgainstLine(overtime, kMonthLimitSeconds)},
             {QStringLiteral("80時間"), AgainstLine(overtime, kAverageLimitSeconds)},
             {QStringLiteral("100時間 (未満であること)"),
              AgainstLine(overtime, kMonthCeilingSeconds, true)}}};
}

QString YearHeading(const YearReport& r) {
    return QStringLiteral("%1 さんの %2年度 (%2年4月～%3年3月) の残業")
        .arg(r.person, QString::number(r.schoolYear), QString::number(r.schoolYear + 1));
}

ReportTable YearMonthTable(const YearReport& r) {
    ReportTable table;
    table.aligns = {Align::Left,  Align::Right, Align::Right,
                    Align::Right, Align::Right, Align::Right};
    table.header = {QStringLiteral("月"),       QStringLiteral("残業"),
                    QStringLiteral("勤務日数"), QStringLiteral("残業日"),
                    QStringLiteral("休日出勤"), QStringLiteral("休日の残業")};
    for (int span = kShortestSpan; span <= kLongestSpan; ++span) {
        table.aligns << Align::Right;
        table.header << QStringLiteral("%1か月平均").arg(span);
    }
    table.aligns << Align::Left;
    table.header << QStringLiteral("判定");
    for (int m = 0; m < kSchoolYearMonths; ++m) {
        const QString month = FormatMonth(CalendarYearOf(r.schoolYear, m), CalendarMonthOf(m));
        if (!r.months[m]) {
            table.rows.append({month, QStringLiteral("シートなし")});
            continue;
        }
        QStringList row = TotalsCells(month, *r.months[m]);
        for (const auto& average : r.verdict.averages[m]) {
            row << AverageCell(average);
        }
        row << MonthMarks(r.months[m]->overtimeSeconds);
        table.rows.append(row);
    }
    table.rows.append(TotalsCells(QStringLiteral("年間合計"), r.total));
    return table;
}

ReportTable YearLimitTable(const YearVerdict& v) {
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
    return {{Align::Left, Align::Left, Align::Left},
            {},
            {{QStringLiteral("年間 360時間"), FormatDuration(v.totalSeconds),
              AgainstLine(v.totalSeconds, kYearLimitSeconds)},
             {QStringLiteral("年間 720時間 (特例)"), FormatDuration(v.totalSeconds),
              AgainstLine(v.totalSeconds, kYearSpecialLimitSeconds)},
             {QStringLiteral("45時間を超えた月 (6か月まで)"),
              QStringLiteral("%1 か月").arg(v.monthsOver45), Verdict(v.tooManyMonthsOver45())},
             {QStringLiteral("2～6か月平均 (80時間まで)"), highest, verdict},
             {QStringLiteral("100時間以上の月 (ないこと)"),
              QStringLiteral("%1 か月").arg(v.monthsAt100), Verdict(v.monthsAt100 > 0)}}};
}

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
               ? QStringLiteral("(前年度の 11月～3月のシートはなく、4月から始まる平均だけです)")
               : QStringLiteral("(平均にだけ使う前年度のシート: %1)")
                     .arg(found.join(QStringLiteral("、")));
}

QString StaffHeading(const StaffReport& r) {
    const QString period =
        r.schoolYear
            ? QStringLiteral("%1年度 (%1年4月～%2年3月)").arg(*r.schoolYear).arg(*r.schoolYear + 1)
            : FormatMonth(r.year, r.month);
    return QStringLiteral("%1 全員の残業 (%2 人、残業の多い順)").arg(period).arg(r.rows.size());
}

ReportTable StaffTable(const StaffReport& r, bool reasons) {
    const bool year = r.schoolYear.has_value();
    ReportTable table;
    table.aligns = {Align::Right, Align::Left, Align::Right, Align::Left};
    table.header = {QStringLiteral("順位"), QStringLiteral("氏名"),
                    year ? QStringLiteral("年間残業") : QStringLiteral("残業"),
                    year ? QStringLiteral("区分 (最多の月)") : QStringLiteral("区分")};
    if (year) {
        table.aligns << Align::Right << Align::Right << Align::Left;
        table.header << QStringLiteral("最多の月") << QStringLiteral("シート")
                     << QStringLiteral("上限超過");
    }
    table.aligns << Align::Right << Align::Right << Align::Right << Align::Right;
    table.header << QStringLiteral("勤務日数") << QStringLiteral("残業日")
                 << QStringLiteral("休日出勤") << QStringLiteral("休日の残業");
    for (int i = 0; reasons && i < kReasonLetterCount; ++i) {
        table.aligns << Align::Right;
        table.header << QString(ReasonLetter(i));
    }
    table.aligns << Align::Right;
    table.header << QStringLiteral("要確認");
    int rank = 0;
    for (const StaffRow& row : r.rows) {
        QStringList cells{QString::number(++rank), row.person, FormatDuration(row.overtimeSeconds),
                          row.monthsPresent > 0 ? GroupName(row.group) : QStringLiteral("読めず")};
        if (year) {
            cells << FormatDuration(row.groupBasisSeconds)
                  << QStringLiteral("%1か月").arg(row.monthsPresent)
                  << (row.verdict ? BrokenLimits(*row.verdict) : QString());
        }
        cells << QString::number(row.totals.days) << QString::number(row.totals.daysOverRegular)
              << QString::number(row.totals.daysOffWorked)
              << FormatDuration(row.totals.daysOffOvertimeSeconds);
        for (int i = 0; reasons && i < kReasonLetterCount; ++i) {
            cells << QString::number(row.totals.reasonDays[i]);
        }
        cells << (row.lookCount > 0 ? QString::number(row.lookCount) : QString());
        table.rows.append(cells);
    }
    return table;
}

ReportTable GroupTable(const StaffReport& r) {
    ReportTable table{{Align::Left, Align::Right}, {}, {}};
    for (int g = 0; g < kStaffGroupCount; ++g) {
        table.rows.append(
            {GroupName(StaffGroup(g)), QStringLiteral("%1 人").arg(r.groupCounts[g])});
    }
    return table;
}
