#pragma once

#include "pages/report_model.h"
#include "report/report_options.h"
#include "report/sheet_loader.h"

#include <QDate>
#include <QString>

// Gathering each kind of report from the folder the options name.

// The school calendar the options name, or the folder's when it has one: empty for none.
QString SchoolCalendarPath(const ReportOptions& options);

// Each builder gives an error text for the user when there is nothing to report.
[[nodiscard]] QString BuildMonthReport(const ReportOptions& options, QDate today,
                                       MonthReport& report);
[[nodiscard]] QString BuildYearReport(const ReportOptions& options, QDate today,
                                      YearReport& report);
[[nodiscard]] QString BuildStaffReport(const ReportOptions& options, QDate today,
                                       StaffReport& report);
// The staff as a walk of the options' folder (or of a school's part of it) found them; with
// `noSheets`, whether the error is that no one has a sheet in the period.
[[nodiscard]] QString BuildStaffFrom(const ReportOptions& options, const FolderWalk& walk,
                                     QDate today, StaffReport& report, bool* noSheets = nullptr);

// A staff row from one person's months: the group goes by the highest month. For a school year
// the months start kLeadMonths before April; those count for the averages alone.
StaffRow StaffRowFor(const PersonMonths& person, bool wholeYear);
