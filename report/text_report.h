#pragma once

#include "pages/report_model.h"

#include <QString>

// The reports as text for a terminal: Japanese headings, columns aligned.
QString MonthText(const MonthReport& report);
QString YearText(const YearReport& report);
QString StaffText(const StaffReport& report);
// Each school's staff under its name, then one row a school.
QString BoardText(const BoardReport& report);
