#pragma once

#include "pages/report_model.h"
#include "report/report_options.h"
#include "report/schools.h"

#include <QDate>
#include <QString>

// A board's folder of schools, each school read as its own folder would be, with its own
// settings and calendar.

// The options a school is read with: what the command line set (`given`) first, then the school's
// own settings file, then the board's (`board`: the command line over the board folder's file).
// The school's own calendar, else the board's, unless the command line names one.
ReportOptions SchoolOptions(const ReportOptions& given, const ReportOptions& board,
                            const School& school);

// Every school's staff, a school whose calendar cannot be used listed without its staff. An error
// text when no school has anyone to report.
QString BuildBoardReport(const ReportOptions& given, const ReportOptions& board,
                         const Board& schools, QDate today, BoardReport& report);
