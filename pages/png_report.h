#pragma once

#include "pages/report_model.h"

#include <QImage>
#include <QPainter>
#include <QSize>

// The reports as charts, for people who would rather look than read. Each is drawn from (0, 0)
// to the size it is given, into a picture or onto a page; drawing text needs a QGuiApplication.
void DrawMonthChart(QPainter& painter, QSize size, const MonthReport& report);
void DrawYearChart(QPainter& painter, QSize size, const YearReport& report);
void DrawStaffChart(QPainter& painter, QSize size, const StaffReport& report);
// A bar a school, its staff stacked by group.
void DrawBoardChart(QPainter& painter, QSize size, const BoardReport& report);

// The pictures, at the size each chart is read best on a screen.
QImage MonthChart(const MonthReport& report);
QImage YearChart(const YearReport& report);
QImage StaffChart(const StaffReport& report);
// The board's chart, then, for a board of a few schools, each school's staff chart under its name.
QImage BoardChart(const BoardReport& report);
