#pragma once

#include "pages/pdf_pages.h"
#include "pages/report_model.h"

#include <QList>
#include <QPainter>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

// The parts the printed year, staff and board are made of (pdf_year.cpp, pdf_staff.cpp,
// pdf_board.cpp), each added below what came before.

inline constexpr int kPdfNoteFont = 24;
// The staff's chart and the board's, as drawn for the page.
inline const QSize kPdfStaffChartSize(1000, 560);

// The page's head and, but on the board's own page (its schools may count other breaks), the
// break the figures are counted with.
void AddHeading(PdfPages& pages, const PaperHeading& heading, std::optional<int> breakMinutes);

// A chart drawn for a picture of `size`, as wide as the page.
void AddChart(PdfPages& pages, QSize size, const std::function<void(QPainter&)>& draw);

// What the sheets ask the reader to look at, under a heading that names what they cover;
// nothing when they ask nothing.
void AddLooks(PdfPages& pages, const QList<LookItem>& looks, const QString& covered);

// A staff's list, its groups and its chart, under `heading`: the staff's own report, and each
// school's pages in the board's.
void AddStaffPages(PdfPages& pages, const StaffReport& r, const PaperHeading& heading);
