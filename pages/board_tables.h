#pragma once

#include "pages/report_model.h"
#include "pages/report_tables.h"

#include <QString>
#include <array>

// The tables of a board's report: each school's staff as a school's own report shows it, with the
// school named on every row where a spreadsheet filters by it, and one row a school.

// What the board's summary says of a school, or of every school together.
struct SchoolSummary {
    int staff = 0;                                // everyone listed, whatever could be read
    std::array<int, kStaffGroupCount> groups{};   // by the month, or each one's highest month
    std::optional<qint64> highestMonthSeconds;    // the most anyone worked over in one month
    int overYearLimit = 0;                        // the school year so far past 360 h
    int overSpecialYearLimit = 0;                 // past 720 h
    int looks = 0;                                // items that need a look
};
SchoolSummary SummaryOf(const StaffReport& staff);
SchoolSummary BoardTotal(const BoardReport& report);

// "2025年5月 学校ごとの残業 (3 校、9 人)".
QString BoardHeading(const BoardReport& report);
// "第一中学校 (フォルダ「school1」)".
QString SchoolTitle(const SchoolReport& school);
// The heading of the summary, and what its columns of the year's lines count.
QString SummaryHeading(const BoardReport& report);
QString YearLinesNote(const BoardReport& report);

// One row a school, then the board's totals.
ReportTable SchoolSummaryTable(const BoardReport& report, Audience audience);
// One school's staff (StaffTable) with the school's name first on every row.
ReportTable SchoolStaffTable(const SchoolReport& school, Audience audience);
// Every school's staff in one table, school by school, the school's name first on every row.
ReportTable BoardStaffTable(const BoardReport& report, Audience audience);
// For a school year: one month's figures of everyone (StaffMonthTable), the school first.
ReportTable BoardMonthTable(const BoardReport& report, int month);
// What needs a look in every school, the school first.
ReportTable BoardLookTable(const BoardReport& report, Audience audience);
int BoardLookCount(const BoardReport& report);
