// One person's school year: the months, the limits, the facts a spreadsheet keeps beside them.
#include "pages/report_labels.h"
#include "pages/report_tables.h"
#include "pages/table_parts.h"

using namespace table;

namespace {

QString Verdict(bool broken) {
    return broken ? QStringLiteral("超過") : QStringLiteral("以内");
}

// A span's average: on screen and paper "-" where no average is made and " 超" past the line.
Cell AverageCell(const std::optional<SpanAverage>& average, Audience audience) {
    if (!average) {
        return ForSpreadsheet(audience) ? Cell() : Cell(QStringLiteral("-"));
    }
    if (ForSpreadsheet(audience)) {
        return Cell::duration(average->averageSeconds());
    }
    const QString value = FormatDuration(average->averageSeconds());
    return average->overLimit() ? value + QStringLiteral(" 超") : value;
}

}  // namespace

QString YearHeading(const YearReport& r) {
    return QStringLiteral("%1 さんの %2年度 (%2年4月～%3年3月) の残業")
        .arg(r.person, QString::number(r.schoolYear), QString::number(r.schoolYear + 1));
}

ReportTable YearMonthTable(const YearReport& r, Audience audience) {
    const bool sheet = ForSpreadsheet(audience);
    ReportTable table;
    table.aligns = {Align::Left,  Align::Right, Align::Right,
                    Align::Right, Align::Right, Align::Right};
    table.header = {kMonth,
                    kOvertime,
                    kDays,
                    sheet ? kDaysOver : kDaysOverShort,
                    sheet ? kDaysOffWorked : kDaysOffWorkedShort,
                    kDaysOffOvertime};
    for (int span = kShortestSpan; span <= kLongestSpan; ++span) {
        table.aligns << Align::Right;
        table.header << SpanWords(span);
    }
    if (audience != Audience::Csv) {
        table.aligns << Align::Left;
        table.header << (audience == Audience::Workbook ? kGroup : kMonthMarks);
    }
    if (sheet) {
        AppendReasonCaptions(table.header);
    }
    for (int m = 0; m < kSchoolYearMonths; ++m) {
        const Cell month = Cell::month(CalendarYearOf(r.schoolYear, m), CalendarMonthOf(m));
        if (!r.months[m]) {
            table.rows.append({month, kNoSheet});
            continue;
        }
        CellRow row = TotalsCells(month, *r.months[m]);
        for (const auto& average : r.verdict.averages[m]) {
            row << AverageCell(average, audience);
        }
        if (audience != Audience::Csv) {
            row << MonthMarks(r.months[m]->overtimeSeconds);
        }
        if (sheet) {
            AppendReasonCounts(row, *r.months[m]);
        }
        table.rows.append(row);
    }
    // A workbook adds its months up itself.
    if (audience != Audience::Workbook) {
        table.rows.append(TotalsCells(kYearTotal, r.total));
    }
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
        verdict = v.spansOverAverageLimit > 0 ? QStringLiteral("超過 (%1超の区間 %2)")
                                                    .arg(HoursText(kAverageLimitSeconds))
                                                    .arg(v.spansOverAverageLimit)
                                              : Verdict(false);
    }
    return {
        {Align::Left, Align::Left, Align::Left},
        {},
        {{QStringLiteral("年間 %1").arg(HoursText(kYearLimitSeconds)),
          FormatDuration(v.totalSeconds), AgainstLine(v.totalSeconds, kYearLimitSeconds)},
         {QStringLiteral("年間 %1 (特例)").arg(HoursText(kYearSpecialLimitSeconds)),
          FormatDuration(v.totalSeconds), AgainstLine(v.totalSeconds, kYearSpecialLimitSeconds)},
         {QStringLiteral("%1 (%2か月まで)")
              .arg(MonthsOverLimitWords())
              .arg(kMonthsOverLimitAllowed),
          QStringLiteral("%1 か月").arg(v.monthsOverLimit), Verdict(v.tooManyMonthsOverLimit())},
         {QStringLiteral("%1～%2か月平均 (%3まで)")
              .arg(kShortestSpan)
              .arg(kLongestSpan)
              .arg(HoursText(kAverageLimitSeconds)),
          highest, verdict},
         {QStringLiteral("%1 (ないこと)").arg(MonthsAtCeilingWords()),
          QStringLiteral("%1 か月").arg(v.monthsAtCeiling), Verdict(v.monthsAtCeiling > 0)}}};
}

ReportTable YearFactsTable(const YearReport& r, Audience audience) {
    ReportTable table{{Align::Left, Align::Left, Align::Left}, {}, {}};
    table.rows.append({kPerson, r.person});
    table.rows.append({kSchoolYear, Cell::number(r.schoolYear)});
    if (audience == Audience::Workbook) {
        table.rows.append({QStringLiteral("年間の残業"), Cell::duration(r.total.overtimeSeconds)});
        return table;
    }
    const YearVerdict& v = r.verdict;
    table.rows.append({kBreak, Cell::number(r.breakMinutes)});
    table.rows.append({MonthsOverLimitWords(), Cell::number(v.monthsOverLimit)});
    table.rows.append({MonthsAtCeilingWords(), Cell::number(v.monthsAtCeiling)});
    table.rows.append({QStringLiteral("%1を超えた平均の区間").arg(HoursText(kAverageLimitSeconds)),
                       v.highestAverage ? Cell::number(v.spansOverAverageLimit)
                                        : Cell(QStringLiteral("判定できません"))});
    for (int m = 0; m < kLeadMonths; ++m) {
        if (r.lead[m]) {
            const int index = m - kLeadMonths;
            table.rows.append(
                {QStringLiteral("平均にだけ使う前年度の月"),
                 Cell::month(CalendarYearOf(r.schoolYear, index), CalendarMonthOf(index)),
                 Cell::duration(*r.lead[m])});
        }
    }
    for (const qint64 line : {kYearLimitSeconds, kYearSpecialLimitSeconds}) {
        table.rows.append(
            {QStringLiteral("年間") + HoursText(line), AgainstLine(v.totalSeconds, line)});
    }
    return table;
}

QString LooksCovered(int schoolYear) {
    return QStringLiteral("%1年11月～%2年3月のシート (11月～3月は平均にだけ使う前年度の月)")
        .arg(QString::number(schoolYear - 1), QString::number(schoolYear + 1));
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
