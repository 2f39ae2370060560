#pragma once

#include "pages/report_model.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The reports as CSV for a spreadsheet: durations as "h:mm", one table per report with a totals
// part below it, parts separated by an empty row.

using CsvRows = QList<QStringList>;

CsvRows MonthCsv(const MonthReport& report);
CsvRows YearCsv(const YearReport& report);
CsvRows StaffCsv(const StaffReport& report);
// Everyone in one table with their school first, so that a spreadsheet filters and sums by it;
// then one row a school and the board's totals.
CsvRows BoardCsv(const BoardReport& report);

struct EncodedCsv {
    bool ok = false;
    QByteArray bytes;
    QString error;
};

// CP932 without a byte-order mark, or UTF-8 with one; every row ends CR LF. Fields holding a
// comma, a quote or a line break are quoted; a field a spreadsheet would take for a formula or a
// number (beginning with = + - @, a tab or a CR) gets a leading apostrophe.
EncodedCsv EncodeCsv(const CsvRows& rows, bool utf8);
