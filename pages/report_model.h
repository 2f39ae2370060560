#pragma once

#include "clock/working_day.h"
#include "overtime/days_off.h"
#include "overtime/guideline.h"
#include "overtime/month_file.h"
#include "overtime/sheet_days.h"
#include "overtime/year_rules.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>
#include <optional>

// What each kind of report shows, gathered from the sheets before any output is made.

// What a printed page carries besides the figures.
struct PaperInfo {
    QString school;     // empty when not set
    QStringList seals;  // the titles of the seal boxes, in order
    QDate printed;      // the day the report was made
};

struct MonthReport {
    PaperInfo paper;
    QString person;
    int year = 0;
    int month = 0;
    int breakMinutes = kBreakMinutes;
    QString fileName;
    SheetMonth sheet;
    MonthCalendar calendar;  // the month's days off
    QString calendarFile;    // the school calendar used, if any
    int daysInMonth = 0;
    int elapsedDays = 0;
    bool todayUncounted = false;       // today is in the month but still open, not yet gone
    std::optional<qint64> projection;  // at the month's end, at the pace so far
};

struct YearReport {
    PaperInfo paper;
    QString person;
    QString sheetFile;  // one of the person's sheets, that their name comes from
    int schoolYear = 0;
    int breakMinutes = kBreakMinutes;
    std::array<std::optional<MonthTotals>, kSchoolYearMonths> months;  // April first
    LeadOvertime lead;  // November to March before, used for the averages only
    MonthTotals total;
    YearVerdict verdict;
    QList<LookItem> looks;  // from November before the school year on, as the averages read
    // Each month's days, April first, for an output that shows them (the workbook).
    QList<MonthReport> monthDays;
};

struct StaffRow {
    QString person;
    QString sheetFile;             // one of the person's sheets, that their name comes from
    qint64 overtimeSeconds = 0;    // the month's, or the year's
    qint64 groupBasisSeconds = 0;  // the month's, or the year's highest month
    StaffGroup group = StaffGroup::WithinLimit;
    MonthTotals totals;
    int monthsPresent = 0;
    int lookCount = 0;
    std::optional<YearVerdict> verdict;  // for a school year
    // Each month's totals, April first for a school year; nothing for a month without a sheet.
    std::vector<std::optional<MonthTotals>> months;
    // The school year's overtime up to the month reported, for a board's count of the people
    // past the year's lines (a board's reports alone set it).
    qint64 schoolYearSeconds = 0;
};

struct StaffReport {
    PaperInfo paper;
    std::optional<int> schoolYear;  // otherwise the month below
    int year = 0;
    int month = 0;
    int breakMinutes = kBreakMinutes;
    QList<StaffRow> rows;  // most overtime first
    std::array<int, kStaffGroupCount> groupCounts{};
    QList<LookItem> looks;
};

// A board's reports: each school's staff as a school's own report shows them, then one row a
// school.
struct SchoolReport {
    QString name;    // as every output names it
    QString folder;  // from the folder read; "" for that folder itself
    StaffReport staff;
};

struct BoardReport {
    PaperInfo paper;                // the board's own: its folder's settings file, if any
    std::optional<int> schoolYear;  // otherwise the month below
    int year = 0;
    int month = 0;
    QList<SchoolReport> schools;  // by folder
};

// One person's month as every output shows it: the sheet as read, the month's days off, the words
// of the printed page, and the pace so far at `today`.
MonthReport MakeMonthReport(const QString& person, MonthKey key, LoadedMonth loaded,
                            const DaysOff& daysOff, const PaperInfo& paper, int breakMinutes,
                            QDate today);
