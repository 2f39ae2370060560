// The whole staff: one row a person, the groups, and for a school year each month.
#include "pages/report_labels.h"
#include "pages/report_tables.h"
#include "pages/table_parts.h"

using namespace table;

QString StaffHeading(const StaffReport& r) {
    const QString period =
        r.schoolYear
            ? QStringLiteral("%1年度 (%1年4月～%2年3月)").arg(*r.schoolYear).arg(*r.schoolYear + 1)
            : FormatMonth(r.year, r.month);
    return QStringLiteral("%1 全員の残業 (%2 人、残業の多い順)").arg(period).arg(r.rows.size());
}

ReportTable StaffTable(const StaffReport& r, Audience audience) {
    const bool year = r.schoolYear.has_value();
    const bool sheet = ForSpreadsheet(audience);
    // The year's page leaves the reason letters out: the limits need the room.
    const bool letters = audience == Audience::Screen || (audience == Audience::Paper && !year);
    ReportTable table;
    table.aligns = {Align::Right, Align::Left, Align::Right, Align::Left};
    const bool yearTitles = year && audience != Audience::Csv;
    table.header = {kRank, kPerson, yearTitles ? kYearOvertime : kOvertime,
                    yearTitles ? kGroupOfHighest : kGroup};
    if (year && sheet) {
        table.header << kHighestMonth << kMonthsPresent << MonthsOverLimitWords()
                     << MonthsAtCeilingWords() << HighestAverageWords();
    } else if (year) {
        table.aligns << Align::Right << Align::Right << Align::Left;
        table.header << kHighestMonthShort << kMonthsPresentShort;
    }
    if (year && audience != Audience::Csv) {
        table.header << kBroken;
    }
    table.aligns << Align::Right << Align::Right << Align::Right << Align::Right;
    table.header << kDays << (sheet ? kDaysOver : kDaysOverShort)
                 << (sheet ? kDaysOffWorked : kDaysOffWorkedShort) << kDaysOffOvertime;
    if (sheet) {
        AppendReasonCaptions(table.header);
    }
    for (int i = 0; letters && i < kReasonCount; ++i) {
        table.aligns << Align::Right;
        table.header << QString(ReasonLetter(i));
    }
    table.aligns << Align::Right;
    table.header << kLooks;
    int rank = 0;
    for (const StaffRow& row : r.rows) {
        CellRow cells{Cell::number(++rank), row.person, Cell::duration(row.overtimeSeconds),
                      row.monthsPresent > 0 ? GroupName(row.group) : kUnread};
        const YearVerdict v = row.verdict.value_or(YearVerdict{});
        if (year && sheet) {
            cells << Cell::duration(row.groupBasisSeconds) << Cell::number(row.monthsPresent)
                  << Cell::number(v.monthsOverLimit) << Cell::number(v.monthsAtCeiling)
                  << (v.highestAverage ? Cell::duration(v.highestAverage->averageSeconds())
                                       : Cell());
        } else if (year) {
            cells << Cell::duration(row.groupBasisSeconds)
                  << QStringLiteral("%1か月").arg(row.monthsPresent);
        }
        if (year && audience != Audience::Csv) {
            cells << (row.verdict ? BrokenLimits(*row.verdict) : QString());
        }
        cells << Cell::number(row.totals.days) << Cell::number(row.totals.daysOverRegular)
              << Cell::number(row.totals.daysOffWorked)
              << Cell::duration(row.totals.daysOffOvertimeSeconds);
        if (sheet || letters) {
            AppendReasonCounts(cells, row.totals);
        }
        cells << (sheet || row.lookCount > 0 ? Cell::number(row.lookCount) : Cell());
        table.rows.append(cells);
    }
    return table;
}

ReportTable GroupTable(const StaffReport& r, Audience audience) {
    const bool sheet = ForSpreadsheet(audience);
    ReportTable table{{Align::Left, Align::Right}, {}, {}};
    if (sheet) {
        table.header = {kGroup, kPeople};
    }
    for (int g = 0; g < kStaffGroupCount; ++g) {
        table.rows.append({GroupName(StaffGroup(g)),
                           sheet ? Cell::number(r.groupCounts[g])
                                 : Cell(QStringLiteral("%1 人").arg(r.groupCounts[g]))});
    }
    return table;
}

ReportTable StaffMonthTable(const StaffReport& r, int month) {
    ReportTable table;
    table.header = {kPerson, kOvertime, kGroup, kDays, kDaysOver, kDaysOffWorked, kDaysOffOvertime};
    AppendReasonCaptions(table.header);
    for (const StaffRow& p : r.rows) {
        const auto& totals = month < int(p.months.size()) ? p.months[month] : std::nullopt;
        if (!totals) {
            continue;
        }
        CellRow row = TotalsCells(p.person, *totals);
        row.insert(2, GroupName(GroupFor(totals->overtimeSeconds)));
        AppendReasonCounts(row, *totals);
        table.rows.append(row);
    }
    return table;
}

QString BrokenLimits(const YearVerdict& v) {
    const auto hours = [](qint64 seconds) { return seconds / kHourSeconds; };
    QStringList broken;
    if (v.overSpecialYearLimit()) {
        broken << QStringLiteral("年%1h").arg(hours(kYearSpecialLimitSeconds));
    } else if (v.overYearLimit()) {
        broken << QStringLiteral("年%1h").arg(hours(kYearLimitSeconds));
    }
    if (v.tooManyMonthsOverLimit()) {
        broken
            << QStringLiteral("%1h超%2か月").arg(hours(kMonthLimitSeconds)).arg(v.monthsOverLimit);
    }
    if (v.spansOverAverageLimit > 0) {
        broken << QStringLiteral("平均%1h").arg(hours(kAverageLimitSeconds));
    }
    if (v.monthsAtCeiling > 0) {
        broken << QStringLiteral("月%1h").arg(hours(kMonthCeilingSeconds));
    }
    return broken.join(QLatin1Char(' '));
}
