#include "xlsx_report.h"

#include "report_labels.h"
#include "report_tables.h"

namespace {

QString MonthSheetName(int year, int month) {
    return FormatMonth(year, month);
}

// The days that count, one a row: dates, times of day and durations as Excel keeps them.
void AddDays(XlsxBook& book, const MonthReport& r) {
    XlsxSheet& sheet = book.addSheet(MonthSheetName(r.year, r.month));
    sheet.header({QStringLiteral("日付"), QStringLiteral("曜日"), QStringLiteral("区分"),
                  QStringLiteral("始業"), QStringLiteral("終業"), QStringLiteral("在校時間"),
                  QStringLiteral("残業"), QStringLiteral("帯"), QStringLiteral("残業内容"),
                  QStringLiteral("休日・備考")},
                 1);
    int row = 1;
    for (const DayEntry& d : r.sheet.days) {
        const CalendarDay& day = r.calendar.days[d.day];
        sheet.date(row, 0, QDate(r.year, r.month, d.day));
        sheet.text(row, 1, WeekdayName(r.year, r.month, d.day));
        sheet.text(row, 2, DayKindName(day));
        sheet.clock(row, 3, d.inMinute);
        sheet.clock(row, 4, d.outMinute);
        sheet.duration(row, 5, d.figures.atSchoolSeconds);
        sheet.duration(row, 6, d.figures.overtimeSeconds);
        sheet.number(row, 7, d.figures.band);
        sheet.text(row, 8, d.reasons);
        sheet.text(row, 9, DayMark(day));
        ++row;
    }
}

// Label and value, a duration where the value is one.
struct TotalRow {
    QString label;
    std::optional<qint64> seconds;
    std::optional<double> number;
    QString text;
};

void AddTotals(XlsxBook& book, const QString& name, const QList<TotalRow>& rows) {
    XlsxSheet& sheet = book.addSheet(name);
    sheet.header({QStringLiteral("項目"), QStringLiteral("値")});
    int row = 1;
    for (const TotalRow& t : rows) {
        sheet.text(row, 0, t.label);
        if (t.seconds) {
            sheet.duration(row, 1, *t.seconds);
        } else if (t.number) {
            sheet.number(row, 1, *t.number);
        } else {
            sheet.text(row, 1, t.text);
        }
        ++row;
    }
}

// The reasons' captions with their days: also the legend of the letters the day sheets show.
void AppendReasons(QList<TotalRow>& rows, const MonthTotals& t) {
    for (int i = 0; i < kReasonLetterCount; ++i) {
        rows.append({ReasonCaption(i) + QStringLiteral(" (日数)"), {}, t.reasonDays[i], {}});
    }
}

void AddLooks(XlsxBook& book, const QList<LookItem>& looks, const QString& covered = {}) {
    if (looks.isEmpty()) {
        return;
    }
    XlsxSheet& sheet = book.addSheet(QStringLiteral("要確認"));
    sheet.header({QStringLiteral("シート"), QStringLiteral("行"), QStringLiteral("内容"),
                  QStringLiteral("行の中身")});
    int row = 1;
    for (const LookItem& look : looks) {
        sheet.text(row, 0, look.file);
        if (look.line > 0) {
            sheet.number(row, 1, look.line);
        }
        sheet.text(row, 2, LookReasonText(look.reason));
        sheet.text(row, 3, look.detail);
        ++row;
    }
    if (!covered.isEmpty()) {
        sheet.text(row + 1, 0, covered);
    }
}

QString GroupCell(qint64 overtime) {
    const StaffGroup group = GroupFor(overtime);
    return group == StaffGroup::UpTo45 ? QString() : GroupName(group);
}

}  // namespace

Workbook MonthWorkbook(const MonthReport& r) {
    XlsxBook book;
    AddDays(book, r);
    const MonthTotals& t = r.sheet.totals;
    QList<TotalRow> rows{
        {QStringLiteral("氏名"), {}, {}, r.person},
        {QStringLiteral("月"), {}, {}, FormatMonth(r.year, r.month)},
        {QStringLiteral("休憩 (分/日)"), {}, r.breakMinutes, {}},
        {QStringLiteral("勤務日数"), {}, t.days, {}},
        {QStringLiteral("在校時間"), t.atSchoolSeconds, {}, {}},
        {QStringLiteral("残業"), t.overtimeSeconds, {}, {}},
        {QStringLiteral("区分"), {}, {}, GroupName(GroupFor(t.overtimeSeconds))},
        {QStringLiteral("残業のあった日"), {}, t.daysOverRegular, {}},
        {QStringLiteral("休日に出た日"), {}, t.daysOffWorked, {}},
        {QStringLiteral("休日の残業"), t.daysOffOvertimeSeconds, {}, {}},
        {QStringLiteral("月末の見込み"), r.projection, {}, {}}};
    AppendReasons(rows, t);
    AddTotals(book, QStringLiteral("合計"), rows);
    AddLooks(book, r.sheet.looks);
    return book.finish();
}

Workbook YearWorkbook(const YearReport& r) {
    XlsxBook book;
    XlsxSheet& months = book.addSheet(QStringLiteral("年度の集計"));
    QStringList header{QStringLiteral("月"),           QStringLiteral("残業"),
                       QStringLiteral("勤務日数"),     QStringLiteral("残業のあった日"),
                       QStringLiteral("休日に出た日"), QStringLiteral("休日の残業")};
    for (int span = kShortestSpan; span <= kLongestSpan; ++span) {
        header << QStringLiteral("%1か月平均").arg(span);
    }
    header << QStringLiteral("区分");
    for (int i = 0; i < kReasonLetterCount; ++i) {
        header << ReasonCaption(i);
    }
    months.header(header, 1);
    const int reasonColumn = 7 + kSpanCount;
    for (int m = 0; m < kSchoolYearMonths; ++m) {
        const int row = m + 1;
        months.month(row, 0, CalendarYearOf(r.schoolYear, m), CalendarMonthOf(m));
        if (!r.months[m]) {
            months.text(row, 1, QStringLiteral("シートなし"));
            continue;
        }
        const MonthTotals& t = *r.months[m];
        months.duration(row, 1, t.overtimeSeconds);
        months.number(row, 2, t.days);
        months.number(row, 3, t.daysOverRegular);
        months.number(row, 4, t.daysOffWorked);
        months.duration(row, 5, t.daysOffOvertimeSeconds);
        for (int s = 0; s < kSpanCount; ++s) {
            if (const auto& average = r.verdict.averages[m][s]) {
                months.duration(row, 6 + s, average->averageSeconds());
            }
        }
        months.text(row, 6 + kSpanCount, GroupCell(t.overtimeSeconds));
        for (int i = 0; i < kReasonLetterCount; ++i) {
            months.number(row, reasonColumn + i, t.reasonDays[i]);
        }
    }

    XlsxSheet& limits = book.addSheet(QStringLiteral("上限との比較"));
    limits.header({QStringLiteral("項目"), QStringLiteral("値"), QStringLiteral("判定")});
    const ReportTable table = YearLimitTable(r.verdict);
    for (qsizetype i = 0; i < table.rows.size(); ++i) {
        for (qsizetype c = 0; c < table.rows[i].size(); ++c) {
            limits.text(int(i + 1), int(c), table.rows[i][c]);
        }
    }
    limits.text(int(table.rows.size() + 2), 0, QStringLiteral("氏名"));
    limits.text(int(table.rows.size() + 2), 1, r.person);
    limits.text(int(table.rows.size() + 3), 0, QStringLiteral("年度"));
    limits.number(int(table.rows.size() + 3), 1, r.schoolYear);
    limits.text(int(table.rows.size() + 4), 0, QStringLiteral("年間の残業"));
    limits.duration(int(table.rows.size() + 4), 1, r.total.overtimeSeconds);

    for (const MonthReport& month : r.monthDays) {
        AddDays(book, month);
    }
    AddLooks(book, r.looks, LooksCovered(r.schoolYear));
    return book.finish();
}

Workbook StaffWorkbook(const StaffReport& r) {
    XlsxBook book;
    const bool year = r.schoolYear.has_value();
    XlsxSheet& staff = book.addSheet(year ? QStringLiteral("全員の年度") : QStringLiteral("全員"));
    QStringList header{QStringLiteral("順位"), QStringLiteral("氏名"),
                       year ? QStringLiteral("年間残業") : QStringLiteral("残業"),
                       year ? QStringLiteral("区分 (最多の月)") : QStringLiteral("区分")};
    if (year) {
        header << QStringLiteral("最多の月の残業") << QStringLiteral("シートの月数")
               << QStringLiteral("45時間を超えた月") << QStringLiteral("100時間以上の月")
               << QStringLiteral("2～6か月平均の最高") << QStringLiteral("上限超過");
    }
    header << QStringLiteral("勤務日数") << QStringLiteral("残業のあった日")
           << QStringLiteral("休日に出た日") << QStringLiteral("休日の残業");
    for (int i = 0; i < kReasonLetterCount; ++i) {
        header << ReasonCaption(i);
    }
    header << QStringLiteral("要確認");
    staff.header(header, 2);
    int row = 1;
    for (const StaffRow& p : r.rows) {
        int c = 0;
        staff.number(row, c++, row);
        staff.text(row, c++, p.person);
        staff.duration(row, c++, p.overtimeSeconds);
        staff.text(row, c++, p.monthsPresent > 0 ? GroupName(p.group) : QStringLiteral("読めず"));
        if (year) {
            const YearVerdict v = p.verdict.value_or(YearVerdict{});
            staff.duration(row, c++, p.groupBasisSeconds);
            staff.number(row, c++, p.monthsPresent);
            staff.number(row, c++, v.monthsOver45);
            staff.number(row, c++, v.monthsAt100);
            if (v.highestAverage) {
                staff.duration(row, c, v.highestAverage->averageSeconds());
            }
            ++c;
            staff.text(row, c++, BrokenLimits(v));
        }
        staff.number(row, c++, p.totals.days);
        staff.number(row, c++, p.totals.daysOverRegular);
        staff.number(row, c++, p.totals.daysOffWorked);
        staff.duration(row, c++, p.totals.daysOffOvertimeSeconds);
        for (int i = 0; i < kReasonLetterCount; ++i) {
            staff.number(row, c++, p.totals.reasonDays[i]);
        }
        staff.number(row, c++, p.lookCount);
        ++row;
    }

    XlsxSheet& groups = book.addSheet(QStringLiteral("区分ごとの人数"));
    groups.header({QStringLiteral("区分"), QStringLiteral("人数")});
    for (int g = 0; g < kStaffGroupCount; ++g) {
        groups.text(g + 1, 0, GroupName(StaffGroup(g)));
        groups.number(g + 1, 1, r.groupCounts[g]);
    }

    for (int m = 0; year && m < kSchoolYearMonths; ++m) {
        XlsxSheet& month = book.addSheet(
            MonthSheetName(CalendarYearOf(*r.schoolYear, m), CalendarMonthOf(m)));
        QStringList columns{QStringLiteral("氏名"),           QStringLiteral("残業"),
                            QStringLiteral("区分"),           QStringLiteral("勤務日数"),
                            QStringLiteral("残業のあった日"), QStringLiteral("休日に出た日"),
                            QStringLiteral("休日の残業")};
        for (int i = 0; i < kReasonLetterCount; ++i) {
            columns << ReasonCaption(i);
        }
        month.header(columns, 1);
        int line = 1;
        for (const StaffRow& p : r.rows) {
            const auto& totals = m < int(p.months.size()) ? p.months[m] : std::nullopt;
            if (!totals) {
                continue;
            }
            month.text(line, 0, p.person);
            month.duration(line, 1, totals->overtimeSeconds);
            month.text(line, 2, GroupName(GroupFor(totals->overtimeSeconds)));
            month.number(line, 3, totals->days);
            month.number(line, 4, totals->daysOverRegular);
            month.number(line, 5, totals->daysOffWorked);
            month.duration(line, 6, totals->daysOffOvertimeSeconds);
            for (int i = 0; i < kReasonLetterCount; ++i) {
                month.number(line, 7 + i, totals->reasonDays[i]);
            }
            ++line;
        }
    }
    AddLooks(book, r.looks, year ? LooksCovered(*r.schoolYear) : QString());
    return book.finish();
}
