#pragma once

#include "report_model.h"

#include <QColor>
#include <QImage>

// The reports as charts, for people who would rather look than read. Drawing text needs a
// QGuiApplication.
QImage MonthChart(const MonthReport& report);
QImage YearChart(const YearReport& report);
QImage StaffChart(const StaffReport& report);

// The colour of a staff group in the charts, cool to hot.
QColor GroupColour(StaffGroup group);
