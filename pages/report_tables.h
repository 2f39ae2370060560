#pragma once

#include "pages/report_model.h"
#include "pages/text_table.h"

#include <QColor>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The tables every output of the report shows: the terminal's text, the printed pages, the CSV
// and the workbook. Each table is made here, once, with its words; an output asks for it in its
// own form (a narrow page takes short column titles, a spreadsheet numbers without units) and
// lays it out in its own way.

enum class Audience {
    Screen,    // the text report
    Paper,     // the printed pages
    Csv,       // a spreadsheet reading text
    Workbook,  // Excel, which keeps numbers, durations and dates as such
};

// One cell: a text, or a figure that a workbook keeps as a number and every other output writes
// as text.
struct Cell {
    enum class Kind { Text, Number, Duration, Clock, Date, Month };
    Kind kind = Kind::Text;
    QString text;
    qint64 value = 0;  // Number; Duration in seconds; Clock in minutes after midnight
    QDate when;        // Date; Month, its first day

    Cell() = default;
    Cell(const QString& text) : text(text) {}  // NOLINT: a text is a cell
    static Cell number(qint64 value);
    static Cell duration(qint64 seconds);
    static Cell clock(int minuteOfDay);
    static Cell date(QDate date);
    static Cell month(int year, int month);

    // "46:05", "08:30", "2017/7/3", "2017年7月", or the text as it is.
    QString toText() const;
};
using CellRow = QList<Cell>;

struct ReportTable {
    QList<Align> aligns;
    QStringList header;  // empty for a table of label and value
    QList<CellRow> rows;

    // For a terminal.
    QString render(int indent = 0) const;
};

// One person's month: the days (on paper every day of the month, with what needs a look beside
// it), and the month's totals as label and value.
ReportTable DayTable(const MonthReport& report, Audience audience);
ReportTable MonthTotalsTable(const MonthReport& report, Audience audience);
// The shade of a day's row in that table, on paper and in the clock's view of the month: a day
// that needs a look (`noted`) yellow, a plain Saturday blue, any other day off red, and none
// (transparent) for a working day.
QColor DayFill(const MonthReport& report, int day, bool noted);
// A month's overtime against the 30 h target and the 45, 80 and 100 h lines.
ReportTable LineTable(qint64 overtime);

// "Taro さんの 2017年度 (2017年4月～2018年3月) の残業".
QString YearHeading(const YearReport& report);
// The months of the school year, April first, and (but in the workbook) the year's total below.
ReportTable YearMonthTable(const YearReport& report, Audience audience);
// The year's limits: what, the figure, the verdict.
ReportTable YearLimitTable(const YearVerdict& verdict);
// What a spreadsheet holds beside the months: who, which year, and the year's counts.
ReportTable YearFactsTable(const YearReport& report, Audience audience);
// The months before April that the averages reach back to.
QString LeadLine(const YearReport& report);

// "2017年度 (2017年4月～2018年3月) 全員の残業 (5 人、残業の多い順)".
QString StaffHeading(const StaffReport& report);
// One row a person, most overtime first.
ReportTable StaffTable(const StaffReport& report, Audience audience);
// How many people in each group.
ReportTable GroupTable(const StaffReport& report, Audience audience);
// For a school year: one month's figures of everyone with a sheet that month (month 0 is April).
ReportTable StaffMonthTable(const StaffReport& report, int month);
// The year's limits a person broke, briefly: "年720h 45h超12か月 平均80h 月100h".
QString BrokenLimits(const YearVerdict& verdict);

// What needs a look: the sheet, the line, what is wrong, the row as it stands.
ReportTable LookTable(const QList<LookItem>& looks, Audience audience);
// The months a school year's list of what needs a look covers: the averages read back to the
// November before April.
QString LooksCovered(int schoolYear);
