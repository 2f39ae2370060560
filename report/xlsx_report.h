#pragma once

#include "pages/report_model.h"
#include "report/xlsx_book.h"

// The reports as Excel workbooks. One person's month: its days, its totals, what needs a look.
// One person's school year: the months and the year's limits, then a sheet of days for each month.
// The staff: one row a person, then for a school year a sheet for each month. Durations are
// numbers shown "[h]:mm", dates are dates, the guideline's flags are text columns.
Workbook MonthWorkbook(const MonthReport& report);
Workbook YearWorkbook(const YearReport& report);
Workbook StaffWorkbook(const StaffReport& report);
// A board: one row a school and the totals, everyone with their school, a sheet a school, for a
// school year a sheet a month, each row with its school.
Workbook BoardWorkbook(const BoardReport& report);
