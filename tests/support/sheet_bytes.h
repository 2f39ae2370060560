#pragma once

#include <QByteArray>

#include <map>

// A month sheet's bytes as the clock writes them, for tests that put a sheet on disk or read one
// back byte for byte.

// Rows a..b of a blank month, CR LF after each: " a,,,,,\r\n" ...
QByteArray BlankRows(int first, int last);

// `header`, then the rows of days 1 to `days`: those given, the others blank; CR LF after each.
QByteArray SheetBytes(const QByteArray& header, const std::map<int, QByteArray>& rows,
                      int days = 31);

// The row on line `day`, without its CR LF; empty when the sheet is shorter.
QByteArray SheetRow(const QByteArray& bytes, int day);
