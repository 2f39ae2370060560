#include "report/xlsx_report.h"

#include "pages/board_tables.h"
#include "pages/report_labels.h"
#include "pages/report_tables.h"

#include <QSet>

namespace {

// A cell as Excel keeps its kind: durations and times as numbers of days, dates as dates.
void PutCell(XlsxSheet& sheet, int row, int column, const Cell& cell) {
    switch (cell.kind) {
        case Cell::Kind::Text:
            sheet.text(row, column, cell.text);
            break;
        case Cell::Kind::Number:
            sheet.number(row, column, double(cell.value));
            break;
        case Cell::Kind::Duration:
            sheet.duration(row, column, cell.value);
            break;
        case Cell::Kind::Clock:
            sheet.clock(row, column, int(cell.value));
            break;
        case Cell::Kind::Date:
            sheet.date(row, column, cell.when);
            break;
        case Cell::Kind::Month:
            sheet.month(row, column, cell.when.year(), cell.when.month());
            break;
    }
}

// The table's rows from row `first` on.
void PutRows(XlsxSheet& sheet, const ReportTable& table, int first) {
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        for (qsizetype c = 0; c < table.rows[r].size(); ++c) {
            PutCell(sheet, first + int(r), int(c), table.rows[r][c]);
        }
    }
}

// A sheet of one table, its header frozen at the top with `frozenColumns` beside the rows.
void AddTable(XlsxBook& book, const QString& name, const ReportTable& table,
              int frozenColumns = 0) {
    XlsxSheet& sheet = book.addSheet(name);
    sheet.header(table.header, frozenColumns);
    PutRows(sheet, table, 1);
}

void AddDays(XlsxBook& book, const MonthReport& r) {
    AddTable(book, FormatMonth(r.year, r.month), DayTable(r, Audience::Workbook), 1);
}

void AddLooks(XlsxBook& book, const QList<LookItem>& looks, const QString& covered = {}) {
    if (looks.isEmpty()) {
        return;
    }
    XlsxSheet& sheet = book.addSheet(QStringLiteral("要確認"));
    const ReportTable table = LookTable(looks, Audience::Workbook);
    sheet.header(table.header);
    PutRows(sheet, table, 1);
    sheet.text(int(table.rows.size()) + 2, 0, covered);
}

// A sheet's name as Excel takes it: none of []:*?/\, no apostrophe at either end, at most 31
// characters, and none the same as another's, whatever the case.
class SheetNames {
public:
    explicit SheetNames(const QStringList& taken) {
        for (const QString& name : taken) {
            taken_.insert(name.toCaseFolded());
        }
    }

    QString add(const QString& wanted) {
        QString base;
        for (const QChar c : wanted) {
            base += QStringLiteral("[]:*?/\\").contains(c) ? u'_' : c;
        }
        while (base.startsWith(u'\'') || base.endsWith(u'\'')) {
            base = base.startsWith(u'\'') ? base.mid(1) : base.chopped(1);
        }
        if (base.trimmed().isEmpty()) {
            base = QStringLiteral("学校");
        }
        QString name = Cut(base, kLongest);
        for (int n = 2; taken_.contains(name.toCaseFolded()); ++n) {
            const QString suffix = QStringLiteral(" (%1)").arg(n);
            name = Cut(base, kLongest - suffix.size()) + suffix;
        }
        taken_.insert(name.toCaseFolded());
        return name;
    }

private:
    static constexpr int kLongest = 31;
    static QString Cut(const QString& text, int characters) {
        const QList<uint> points = text.toUcs4();
        return points.size() <= characters ? text
                                           : QString::fromUcs4(reinterpret_cast<const char32_t*>(
                                                                   points.constData()),
                                                               characters);
    }
    QSet<QString> taken_;
};

}  // namespace

Workbook MonthWorkbook(const MonthReport& r) {
    XlsxBook book;
    AddDays(book, r);
    AddTable(book, QStringLiteral("合計"), MonthTotalsTable(r, Audience::Workbook));
    AddLooks(book, r.sheet.looks);
    return book.finish();
}

Workbook YearWorkbook(const YearReport& r) {
    XlsxBook book;
    AddTable(book, QStringLiteral("年度の集計"), YearMonthTable(r, Audience::Workbook), 1);

    XlsxSheet& limits = book.addSheet(QStringLiteral("上限との比較"));
    limits.header({QStringLiteral("項目"), QStringLiteral("値"), QStringLiteral("判定")});
    const ReportTable table = YearLimitTable(r.verdict);
    PutRows(limits, table, 1);
    PutRows(limits, YearFactsTable(r, Audience::Workbook), int(table.rows.size()) + 2);

    for (const MonthReport& month : r.monthDays) {
        AddDays(book, month);
    }
    AddLooks(book, r.looks, LooksCovered(r.schoolYear));
    return book.finish();
}

Workbook StaffWorkbook(const StaffReport& r) {
    XlsxBook book;
    const bool year = r.schoolYear.has_value();
    AddTable(book, year ? QStringLiteral("全員の年度") : QStringLiteral("全員"),
             StaffTable(r, Audience::Workbook), 2);
    AddTable(book, QStringLiteral("区分ごとの人数"), GroupTable(r, Audience::Workbook));
    for (int m = 0; year && m < kSchoolYearMonths; ++m) {
        AddTable(book, FormatMonth(CalendarYearOf(*r.schoolYear, m), CalendarMonthOf(m)),
                 StaffMonthTable(r, m), 1);
    }
    AddLooks(book, r.looks, year ? LooksCovered(*r.schoolYear) : QString());
    return book.finish();
}

Workbook BoardWorkbook(const BoardReport& r) {
    const QString summary = QStringLiteral("学校ごとの集計");
    const QString everyone = QStringLiteral("全員");
    const QString looks = QStringLiteral("要確認");
    QStringList fixed{summary, everyone, looks};
    for (int m = 0; r.schoolYear && m < kSchoolYearMonths; ++m) {
        fixed << FormatMonth(CalendarYearOf(*r.schoolYear, m), CalendarMonthOf(m));
    }
    SheetNames names(fixed);
    XlsxBook book;
    AddTable(book, summary, SchoolSummaryTable(r, Audience::Workbook), 1);
    AddTable(book, everyone, BoardStaffTable(r, Audience::Workbook), 3);
    for (const SchoolReport& school : r.schools) {
        AddTable(book, names.add(school.name), SchoolStaffTable(school, Audience::Workbook), 3);
    }
    for (int m = 0; r.schoolYear && m < kSchoolYearMonths; ++m) {
        AddTable(book, FormatMonth(CalendarYearOf(*r.schoolYear, m), CalendarMonthOf(m)),
                 BoardMonthTable(r, m), 2);
    }
    if (BoardLookCount(r) > 0) {
        XlsxSheet& sheet = book.addSheet(looks);
        const ReportTable table = BoardLookTable(r, Audience::Workbook);
        sheet.header(table.header);
        PutRows(sheet, table, 1);
        sheet.text(int(table.rows.size()) + 2, 0,
                   r.schoolYear ? LooksCovered(*r.schoolYear) : QString());
    }
    return book.finish();
}
